#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include "core/data/chart_file.h"
#include "core/data/chart_record.h"
#include "core/data/chart_row_edit.h"
#include "core/data/data_module.h"
#include "core/platform/atomic_file.h"
#include "core/reports/chart_saving.h"
#include "support/killed_child.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

void AddChart(TData1& data, const std::string& name, int year)
{
    tChart c;
    c.Name = name;
    c.Year = static_cast<std::uint16_t>(year);
    c.Month = 6;
    c.Day = 1;
    c.Hour = 12;
    c.Latitude = 48.52;
    c.Longitude = -2.20;
    CalcChart(c);
    tTable& t = data.ChartTable();
    t.Insert();
    data.WriteChart(c);
    t.Post();
}

std::string OldRecord(const std::string& name, int state, int year, std::uint8_t lengthByte = 0)
{
    std::string r(382, '\0');
    r[0] = static_cast<char>(lengthByte ? lengthByte : name.size());
    std::memcpy(&r[1], name.data(), name.size());
    auto put16 = [&](std::size_t at, int v) {
        r[at] = static_cast<char>(v & 0xFF);
        r[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    };
    r[107] = 0;
    put16(108, 1);
    put16(118, 250);
    put16(120, state);
    put16(122, year);
    put16(124, 3);
    put16(126, 21);
    put16(128, 6);
    put16(130, 30);
    const double adjust = -1.0, lon = -2.20, lat = 48.52;
    std::memcpy(&r[134], &adjust, 8);
    std::memcpy(&r[142], &lon, 8);
    std::memcpy(&r[150], &lat, 8);
    return r;
}

class ChartFileTest : public ::testing::Test {
protected:
    test::tTempDir dir;
    TData1 data{dir.Path()};
};

TEST_F(ChartFileTest, FieldFilterPrefixMatchesAnyCase)
{
    for (const char* n : {"Dupont", "durand", "DUMAS", "Martin", "Dz"}) AddChart(data, n, 1980);
    const std::string e = FieldFilterExpression({{"Name", true, "=", "Du", ""}, {"Country", false, "", "", ""}});
    EXPECT_EQ(e, "Name>='Du' and Name<='Du}'");
    data.SetChartFilter(e);
    EXPECT_EQ(data.ChartTable().RecordCount(), 3);
    EXPECT_EQ(FieldFilterExpression({{"Name", true, "=", "O'Neil", ""}}), "Name>='O''Neil' and Name<='O''Neil}'");
    EXPECT_EQ(PlanetFilterExpression(1, 2), "P1>=30 and P1<60");
    EXPECT_EQ(PlanetFilterExpression(3, 0), "");
}

TEST_F(ChartFileTest, RemoveAllDeletesOnlyTheFilteredRows)
{
    for (int y : {1950, 1960, 1970, 1980}) AddChart(data, std::string("N").append(std::to_string(y)), y);
    data.SetChartFilter("DATE>='01/01/1955' and DATE<='31/12/1975'");
    data.ChartTable().DeleteVisible();
    data.SetChartFilter("");
    EXPECT_EQ(data.ChartTable().RecordCount(), 2);
}

TEST_F(ChartFileTest, CopyTakesTheShownRowsAndNeverReplaces)
{
    for (int y : {1950, 1960, 1970}) AddChart(data, std::string("N").append(std::to_string(y)), y);
    data.SetChartFilter("DATE>='01/01/1955'");
    const std::string copy = dir.File("copy.db");
    EXPECT_EQ(CopyChartFile(data, copy).rows, 2u);
    EXPECT_THROW(CopyChartFile(data, copy), tStorageError);
    TData1 other(dir.Path(), copy);
    EXPECT_EQ(other.ChartTable().RecordCount(), 2);
}

TEST_F(ChartFileTest, AppendAddsNewRowsAndRejectsOtherTables)
{
    AddChart(data, "Here", 1950);
    {
        TData1 other(dir.Path(), "other.db");
        AddChart(other, "There", 1960);
        AddChart(other, "Yonder", 1961);
    }
    EXPECT_EQ(AppendChartFile(data, dir.File("other.db")).rows, 2u);
    tTable& t = data.ChartTable();
    EXPECT_EQ(t.RecordCount(), 3);
    ASSERT_TRUE(t.Locate({"NAME"}, {std::string("Here")}));  // not overwritten by the other file's Index 1

    ASSERT_TRUE(WriteFileAtomically(dir.File("junk.db"), "not a database at all, just text"));
    EXPECT_THROW(AppendChartFile(data, dir.File("junk.db")), tStorageError);
    {
        tDatabase db(dir.File("city.db"), true);
        tTable city(db, CityTableDef());
    }
    EXPECT_THROW(AppendChartFile(data, dir.File("city.db")), tStorageError);
    EXPECT_EQ(data.ChartTable().RecordCount(), 3);
}

TEST_F(ChartFileTest, TextExportQuotesWhatWouldSpill)
{
    AddChart(data, "Smith, John", 1980);
    data.ChartTable().First();
    ExportChartText(data, dir.File("out.txt"));
    std::string text;
    ASSERT_TRUE(ReadWholeFile(dir.File("out.txt"), text));
    EXPECT_EQ(text.rfind("1,\"Smith, John\",", 0), 0u) << text;
    EXPECT_NE(text.find(",01/06/1980,12:00,"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text[text.size() - 2], ',');
}

// An export never replaces a file unless asked to: the language file of the
// home was once overwritten with chart rows.
TEST_F(ChartFileTest, ExportsRefuseAnExistingTargetUnlessReplacing)
{
    AddChart(data, "Smith", 1980);
    for (const char* name : {"keep.txt", "keep.dbf"}) {
        const std::string target = dir.File(name);
        ASSERT_TRUE(WriteFileAtomically(target, "precious"));
        const auto run = [&](tReplace replace) {
            data.ChartTable().First();
            if (std::string(name).find(".dbf") != std::string::npos) ExportChartDbase(data, target, replace);
            else ExportChartText(data, target, replace);
        };
        EXPECT_THROW(run(tReplace::kNo), tStorageError) << name;
        std::string text;
        ASSERT_TRUE(ReadWholeFile(target, text));
        EXPECT_EQ(text, "precious");
        run(tReplace::kYes);
        ASSERT_TRUE(ReadWholeFile(target, text));
        EXPECT_NE(text.find("Smith"), std::string::npos) << name;
    }
}

TEST_F(ChartFileTest, DbaseExportHasAConsistentHeader)
{
    AddChart(data, "Café", 1980);
    AddChart(data, "Bar", 1981);
    ExportChartDbase(data, dir.File("out.dbf"));
    std::string b;
    ASSERT_TRUE(ReadWholeFile(dir.File("out.dbf"), b));
    auto le = [&](std::size_t at, int n) {
        unsigned v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
        return v;
    };
    EXPECT_EQ(b[0], 0x03);
    EXPECT_EQ(le(4, 4), 2u);
    const unsigned header = le(8, 2), record = le(10, 2);
    EXPECT_EQ(b[header - 1], '\x0D');
    EXPECT_EQ(b.size(), header + 2 * record + 1);
    EXPECT_EQ(b.back(), '\x1A');
    EXPECT_NE(b.find("Caf\xE9"), std::string::npos);  // Windows-1252
}

TEST_F(ChartFileTest, ConvertsOldRecordsAndReportsDamage)
{
    std::string file = OldRecord("Dupont", 12005, 1961) + OldRecord("Martin", 3, 1972);
    ASSERT_TRUE(WriteFileAtomically(dir.File("old.4c"), file + "tail"));
    tMoveReport r = ConvertOldChartFile(dir.File("old.4c"), dir.File("new.db"), nullptr);
    EXPECT_EQ(r.rows, 2u);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_NE(r.problems[0].find("4 bytes"), std::string::npos);
    {
        TData1 converted(dir.Path(), "new.db");
        tTable& t = converted.ChartTable();
        ASSERT_TRUE(t.Locate({"NAME"}, {std::string("Dupont")}));
        EXPECT_EQ(t.Int("STATE"), 12);
        EXPECT_EQ(t.Text("DATE"), "1961-03-21");
        EXPECT_GT(t.Real("JULIANDAY"), 2437000);
    }
    ASSERT_TRUE(WriteFileAtomically(dir.File("bad.4c"), OldRecord("Ok", 1, 1950) + OldRecord("Bad", 1, 1950, 37) +
                                                              OldRecord("Lost", 1, 1950)));
    r = ConvertOldChartFile(dir.File("bad.4c"), dir.File("bad.db"), nullptr);
    EXPECT_EQ(r.rows, 2u);  // the whole record after the damaged one is kept
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_NE(r.problems[0].find("record 2: name length 37 above 20"), std::string::npos) << r.problems[0];
    TData1 bad(dir.Path(), "bad.db");
    EXPECT_TRUE(bad.ChartTable().Locate({"NAME"}, {std::string("Lost")}));
}

// The editor's typed fields: a bad one writes nothing and names itself; good
// ones land in one post, in the stored forms.
TEST_F(ChartFileTest, RowFieldsAreCheckedBeforeAnyIsWritten)
{
    AddChart(data, "Dupont", 1980);
    tTable& t = data.ChartTable();
    t.First();
    tChartRowFields f = ChartRowFields(t, "dd/mm/yyyy");
    EXPECT_EQ(f.name, "Dupont");
    EXPECT_EQ(f.date, "01/06/1980");
    EXPECT_EQ(f.time, "12:00");

    tChartRowFields typed = f;
    typed.name = "Dupond";
    typed.time = "25:10";
    std::optional<tRowFault> fault = PostChartRowFields(t, typed, "dd/mm/yyyy");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->caption, 266);  // Time
    EXPECT_FALSE(t.Editing());
    EXPECT_EQ(t.Text("NAME"), "Dupont");

    typed.time = "2:30 pm";
    typed.sex = "x";
    ASSERT_TRUE(PostChartRowFields(t, typed, "dd/mm/yyyy"));
    typed.sex = "f";
    typed.name = std::string(40, 'n');
    fault = PostChartRowFields(t, typed, "dd/mm/yyyy");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->caption, 261);
    EXPECT_NE(fault->why.find("characters"), std::string::npos);

    typed.name = "Dupond";
    typed.date = "02/07/1981";
    typed.adjust = "UTC+2";
    typed.retrograde[2] = true;
    EXPECT_FALSE(PostChartRowFields(t, typed, "dd/mm/yyyy"));
    EXPECT_EQ(t.Text("NAME"), "Dupond");
    EXPECT_EQ(t.Text("DATE"), "1981-07-02");
    EXPECT_EQ(t.Text("Time"), "14:30:00");
    EXPECT_DOUBLE_EQ(t.Real("ADJUST"), -2.0);
    EXPECT_EQ(t.Text("SEX"), "F");
    EXPECT_EQ(t.Int("R3"), 1);
    EXPECT_EQ(ChartRowFields(t, "dd/mm/yyyy").date, "02/07/1981");

    PostChartRowPlace(t, {"Lyon", 250, 0, 45.45, -4.50, 0, 0});
    EXPECT_EQ(t.Text("BIRTHPLACE"), "Lyon");
    EXPECT_DOUBLE_EQ(t.Real("LATITUDE"), 45.45);
}

TEST_F(ChartFileTest, RenameRefusesAnExistingNameAndKeepsTheFileOpen)
{
    AddChart(data, "Dupont", 1980);
    const std::string before = data.ChartFilePath();
    ASSERT_TRUE(WriteFileAtomically(dir.File("taken.db"), "x"));
    EXPECT_THROW(RenameChartFile(data, dir.File("taken.db")), tStorageError);
    EXPECT_EQ(data.ChartFilePath(), before);
    EXPECT_EQ(data.ChartTable().RecordCount(), 1);
    std::string taken;
    ReadWholeFile(dir.File("taken.db"), taken);
    EXPECT_EQ(taken, "x");

    RenameChartFile(data, dir.File("renamed.db"));
    EXPECT_FALSE(FileExists(before));
    EXPECT_EQ(data.ChartTable().RecordCount(), 1);
    AddChart(data, "Martin", 1970);
    TData1 reread(dir.Path(), "renamed.db", TData1::tChartFileMode::kExisting);
    EXPECT_EQ(reread.ChartTable().RecordCount(), 2);
}

// Converting into a file that is not a chart file changes nothing.
TEST_F(ChartFileTest, ConversionLeavesOtherFilesAlone)
{
    ASSERT_TRUE(WriteFileAtomically(dir.File("old.4c"), OldRecord("Dupont", 1, 1961)));
    ASSERT_TRUE(WriteFileAtomically(dir.File("notes.db"), "my notes"));
    EXPECT_THROW(ConvertOldChartFile(dir.File("old.4c"), dir.File("notes.db"), nullptr), tStorageError);
    std::string notes;
    ReadWholeFile(dir.File("notes.db"), notes);
    EXPECT_EQ(notes, "my notes");
    EXPECT_THROW(ConvertOldChartFile(dir.File("missing.4c"), dir.File("none.db"), nullptr), tStorageError);
    EXPECT_FALSE(FileExists(dir.File("none.db")));
}

// A conversion killed part way leaves the target as it was: never a part.
TEST_F(ChartFileTest, KilledConversionLeavesNoPartialFile)
{
    std::string file;
    for (int i = 0; i < 20000; ++i) file += OldRecord(std::string("N").append(std::to_string(i % 1000)), 1, 1900 + i % 100);
    ASSERT_TRUE(WriteFileAtomically(dir.File("big.4c"), file));
    const std::string target = dir.File("target.db");
    {
        TData1 t(dir.Path(), "target.db");
        AddChart(t, "Existing", 1950);
    }
    for (int delayMs : {20, 60, 150}) {
        test::RunKilledAfter(delayMs, [&] { ConvertOldChartFile(dir.File("big.4c"), target, nullptr); });
        tDatabase db(target, false);
        tStatement ok = db.Prepare("PRAGMA integrity_check");
        ASSERT_TRUE(ok.Step());
        EXPECT_EQ(ok.Text(0), "ok");
        tStatement n = db.Prepare("SELECT count(*) FROM Charts");
        ASSERT_TRUE(n.Step());
        const auto rows = n.Int(0);
        EXPECT_TRUE(rows == 1 || rows == 20001 || rows == 40001 || rows == 60001) << rows;
    }
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

// Random bytes over one data page of a 40-chart file: every write is
// refused, and the rows that can still be read are read.
TEST(DamagedChartFile, RefusesWritesAndKeepsReading)
{
    test::tTempDir dir;
    {
        TData1 data(dir.Path(), "charts.db");
        for (int i = 0; i < 40; ++i) {
            tChart c;
            c.Name = "Name" + std::to_string(i);
            c.Comment = "Remark" + std::to_string(i);
            c.Year = 1950;
            c.Month = c.Day = 1;
            CalcChart(c);
            data.ChartTable().Insert();
            data.WriteChart(c);
            data.ChartTable().Post();
        }
    }
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("charts.db"), bytes));
    const std::size_t at = bytes.find("Remark20");  // a table page: COMMENT is in no index
    ASSERT_NE(at, std::string::npos);
    const std::size_t page = at / 4096 * 4096;
    ASSERT_GT(page, 0u);
    std::uint32_t x = 12345;
    for (std::size_t i = page; i < page + 4096 && i < bytes.size(); ++i) bytes[i] = static_cast<char>((x = x * 1103515245 + 12345) >> 16);
    ASSERT_TRUE(WriteFileAtomically(dir.File("charts.db"), bytes));

    TData1 data(dir.Path(), "charts.db");
    tTable& t = data.ChartTable();
    int read = 0, unreadable = 0;
    for (t.First(); !t.Eof(); t.Next()) {
        try {
            t.Text("NAME");
            ++read;
        } catch (const tStorageError&) {
            ++unreadable;
        }
    }
    // The rows before the damage read; the damaged ones are left out of the
    // list or refused when read.
    EXPECT_GT(read, 0);
    EXPECT_LT(read, 40);
    EXPECT_TRUE(!t.ReadProblem().empty() || unreadable > 0);
    const auto refused = [&](auto&& write) {
        try {
            write();
        } catch (const tStorageError& e) {
            return std::string(e.what()).rfind("chart file damaged: ", 0) == 0;
        }
        return false;
    };
    t.First();
    EXPECT_TRUE(refused([&] { t.Insert(); }));
    EXPECT_TRUE(refused([&] { t.Delete(); }));
    EXPECT_TRUE(refused([&] { t.Edit(); }));
    EXPECT_TRUE(refused([&] { data.SaveChartText("text"); }));
    EXPECT_TRUE(refused([&] { AppendChartFile(data, dir.File("other.db")); }) || !FileExists(dir.File("other.db")));
    std::string after;
    ASSERT_TRUE(ReadWholeFile(dir.File("charts.db"), after));
    EXPECT_EQ(after, bytes);
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

// The charts the editor shows cast again with the current settings, in
// one transaction: Cancel writes nothing; a chart already so is left.
TEST(RecastChartFile, CastsTheShownChartsAgainOrNothing)
{
    test::tTempDir dir;
    TData1 data(dir.Path());
    for (int house : {4, 4, 0}) {
        tChart c;
        c.Name = std::string("H").append(std::to_string(house));
        c.Year = 1987, c.Month = 3, c.Day = 14, c.Hour = 6, c.Latitude = 47.23;
        c.HouseType = static_cast<std::uint8_t>(house);
        CalcChart(c);
        AppendChart(data, c, nullptr);
    }
    const auto houses = [&] {
        std::vector<int> out;
        tTable& t = data.ChartTable();
        for (t.First(); !t.Eof(); t.Next()) out.push_back(static_cast<int>(t.Int("HOUSETYPE")));
        return out;
    };
    const std::vector<int> before = houses();
    bool stopped = false;
    EXPECT_EQ(RecastChartFile(data, nullptr, 0, 0, [](int, int) { return false; }, &stopped), 0u);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(houses(), before);
    EXPECT_EQ(RecastChartFile(data, nullptr, 0, 0, {}, &stopped), 2u);
    EXPECT_FALSE(stopped);
    EXPECT_EQ(houses(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(RecastChartFile(data, nullptr, 0, 0), 0u);
}

// Saving a chart is refused with a message that says why.
void ExpectSaveRefused(TData1& data, const std::string& why)
{
    tChart c;
    try {
        AppendChart(data, c, nullptr);
        ADD_FAILURE() << "written although " << why;
    } catch (const tStorageError& e) {
        EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
}

// Not a chart file at all: the data module opens without it, says why in
// words, and leaves the bytes as they were; writes name the problem.
TEST(DamagedChartFile, NotADatabaseLeavesTheProgramWorking)
{
    test::tTempDir dir;
    const std::string noise(8192, '\x5a');
    ASSERT_TRUE(WriteFileAtomically(dir.File("chart.db"), noise));
    TData1 data(dir.Path());
    EXPECT_NE(data.ChartFileProblem().find("is damaged or is not a chart file"), std::string::npos)
        << data.ChartFileProblem();
    EXPECT_NE(data.ChartFileProblem().find(dir.File("chart.db")), std::string::npos);
    ExpectSaveRefused(data, "damaged");
    std::string after;
    ASSERT_TRUE(ReadWholeFile(dir.File("chart.db"), after));
    EXPECT_TRUE(after == noise);
    // Another file can still be chosen.
    SelectChartFile(data, dir.File("other.db"));
    EXPECT_TRUE(data.ChartFileProblem().empty());
}

// A home on a read-only mount (the superuser too is refused there): the
// charts read, a save says why it cannot. Needs the right to mount.
TEST(DamagedChartFile, ReadOnlyHomeReadsAndRefusesWritesInWords)
{
    test::tTempDir dir;
    const std::string source = dir.File("source"), mounted = dir.File("ro");
    std::filesystem::create_directories(source);
    std::filesystem::create_directories(mounted);
    {
        TData1 data(source);
        tChart c;
        c.Name = "Durand";
        AppendChart(data, c, nullptr);
    }
    const std::string mount = "mount --bind '" + source + "' '" + mounted + "' 2>/dev/null && mount -o remount,ro,bind '" +
                              mounted + "' 2>/dev/null";
    if (std::system(mount.c_str()) != 0) {
        std::system(("umount '" + mounted + "' 2>/dev/null").c_str());
        GTEST_SKIP() << "no right to mount a read-only folder";
    }
    {
        TData1 data(mounted);
        EXPECT_TRUE(data.ChartFileProblem().empty()) << data.ChartFileProblem();
        EXPECT_TRUE(data.ChartFileReadOnly());
        EXPECT_EQ(data.ChartTable().RecordCount(), 1);
        ExpectSaveRefused(data, "is read-only");
    }
    EXPECT_EQ(std::system(("umount '" + mounted + "'").c_str()), 0);
}

}  // namespace
}  // namespace quintara
