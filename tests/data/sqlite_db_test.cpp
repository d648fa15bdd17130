#include "core/data/sqlite_db.h"

#include <gtest/gtest.h>

#include "core/platform/ascii.h"
#include "support/temp_dir.h"

using namespace quintara;

namespace {

std::optional<tFieldInfo> ChartFields(std::string_view name)
{
    static const std::pair<const char*, tFieldKind> kFields[] = {
        {"NAME", tFieldKind::Text}, {"COUNTRY", tFieldKind::Integer}, {"P1", tFieldKind::Real},
        {"DATE", tFieldKind::Date}};
    for (const auto& [column, kind] : kFields)
        if (SameNameIgnoringCase(name, column)) return tFieldInfo{column, kind};
    return std::nullopt;
}

void Fill(tDatabase& db)
{
    db.Exec("CREATE TABLE chart (NAME TEXT, COUNTRY INTEGER, P1 REAL, DATE TEXT)");
    tTransaction t(db);
    tStatement insert = db.Prepare("INSERT INTO chart VALUES (?1, ?2, ?3, ?4)");
    const struct { const char* name; int country; double p1; const char* date; } rows[] = {
        {"Dupont", 33, 12.5, "1950-03-01"}, {"durand", 33, 45.0, "1985-06-30"},
        {"Dumas", 41, 29.99, "1962-01-15"}, {"Martin", 1, 30.0, "1990-12-31"}};
    for (const auto& r : rows) {
        insert.BindAll({std::string(r.name), std::int64_t{r.country}, r.p1, std::string(r.date)}).Step();
        insert.Reset();
    }
    t.Commit();
}

std::vector<std::string> Names(tDatabase& db, const std::string& filter, bool nocase)
{
    std::string error;
    const auto f = CompileFilter(filter, ChartFields, {nocase, "dd/mm/yyyy"}, &error);
    EXPECT_TRUE(f) << error;
    std::vector<std::string> out;
    if (!f) return out;
    tStatement q = db.Prepare("SELECT NAME FROM chart WHERE " + f->where + " ORDER BY NAME COLLATE NOCASE");
    q.BindAll(f->params);
    while (q.Step()) out.push_back(q.Text(0));
    return out;
}

}  // namespace

TEST(SqliteDb, CompiledFiltersSelectTheRightRows)
{
    test::tTempDir dir;
    tDatabase db(dir.File("chart.db"), true);
    Fill(db);
    using v = std::vector<std::string>;
    EXPECT_EQ(Names(db, "Name>='du' and Name<='du}'", true), (v{"Dumas", "Dupont", "durand"}));
    EXPECT_EQ(Names(db, "Name>='du' and Name<='du}'", false), (v{"durand"}));
    EXPECT_EQ(Names(db, "P1>=0 and P1<30", false), (v{"Dumas", "Dupont"}));
    EXPECT_EQ(Names(db, "DATE>='01/01/1960' and DATE<='31/12/1989'", false), (v{"Dumas", "durand"}));
    EXPECT_EQ(Names(db, "COUNTRY=41 or COUNTRY=1", false), (v{"Dumas", "Martin"}));
    EXPECT_TRUE(Names(db, "NAME='x'' OR 1=1 --'", false).empty());
}

TEST(SqliteDb, AnAbandonedTransactionLeavesTheFileAsItWas)
{
    test::tTempDir dir;
    {
        tDatabase db(dir.File("chart.db"), true);
        Fill(db);
        try {
            tTransaction t(db);
            db.Exec("DELETE FROM chart");
            throw std::runtime_error("interrupted");
        } catch (const std::runtime_error&) {
        }
    }
    tDatabase again(dir.File("chart.db"), false);
    tStatement count = again.Prepare("SELECT COUNT(*) FROM chart");
    ASSERT_TRUE(count.Step());
    EXPECT_EQ(count.Int(0), 4);
}

TEST(SqliteDb, MissingFileAndBadSqlAreReported)
{
    test::tTempDir dir;
    EXPECT_THROW(tDatabase(dir.File("absent.db"), false), tStorageError);
    tDatabase db(dir.File("x.db"), true);
    EXPECT_THROW(db.Exec("SELECT * FROM nowhere"), tStorageError);
}
