#include "core/data/table.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

using namespace quintara;

namespace {

tTableDef CityDef()
{
    return {"city",
            {{"INDEX", tFieldKind::Integer, true}, {"CITY", tFieldKind::Text}, {"COUNTRY", tFieldKind::Integer},
             {"STATE", tFieldKind::Integer}, {"LATITUDE", tFieldKind::Real}},
            {{"Cities", {"CITY"}}, {"codes", {"COUNTRY", "STATE"}}}};
}

void Add(tTable& t, const char* city, int country, int state, double lat)
{
    t.Insert();
    t.Set("CITY", std::string(city));
    t.Set("COUNTRY", std::int64_t{country});
    t.Set("STATE", std::int64_t{state});
    t.Set("LATITUDE", lat);
    t.Post();
}

std::vector<std::string> Visit(tTable& t)
{
    std::vector<std::string> out;
    for (t.First(); !t.Eof(); t.Next()) out.push_back(t.Text("CITY"));
    return out;
}

struct tCities {
    test::tTempDir dir;
    tDatabase db{dir.File("city.db"), true};
    tTable t{db, CityDef()};
    tCities()
    {
        Add(t, "Paris", 33, 75, 48.52);
        Add(t, "Lyon", 33, 69, 45.45);
        Add(t, "Geneve", 41, 0, 46.12);
        Add(t, "lausanne", 41, 0, 46.31);
    }
};

using tNames = std::vector<std::string>;

}  // namespace

TEST(Table, InsertAssignsIndexAndOrdersByIndex)
{
    tCities c;
    EXPECT_EQ(c.t.RecordCount(), 4);
    EXPECT_EQ(c.t.Text("CITY"), "lausanne");  // the posted row is current
    EXPECT_EQ(c.t.Int("INDEX"), 4);
    EXPECT_EQ(Visit(c.t), (tNames{"Paris", "Lyon", "Geneve", "lausanne"}));
    c.t.SetIndex("Cities");
    EXPECT_EQ(Visit(c.t), (tNames{"Geneve", "Lyon", "Paris", "lausanne"}));  // binary order
    c.t.SetIndex("codes");
    EXPECT_EQ(Visit(c.t), (tNames{"Lyon", "Paris", "Geneve", "lausanne"}));
    EXPECT_THROW(c.t.SetIndex("nope"), tStorageError);
    c.t.Last();
    EXPECT_EQ(c.t.Text("CITY"), "lausanne");
    c.t.Prior();
    EXPECT_EQ(c.t.Text("CITY"), "Geneve");
}

TEST(Table, FiltersAndLocate)
{
    tCities c;
    c.t.SetIndex("Cities");
    c.t.SetFilter("COUNTRY=41", false);
    EXPECT_EQ(Visit(c.t), (tNames{"Geneve", "lausanne"}));
    EXPECT_TRUE(c.t.Locate({"CITY"}, {std::string("LAU")}, {true, true}));
    EXPECT_EQ(c.t.Text("CITY"), "lausanne");
    EXPECT_FALSE(c.t.Locate({"CITY"}, {std::string("Paris")}));  // filtered out
    EXPECT_EQ(c.t.Text("CITY"), "lausanne");                       // position kept
    c.t.ClearFilter();
    EXPECT_TRUE(c.t.Locate({"COUNTRY", "STATE"}, {std::int64_t{33}, std::int64_t{69}}));
    EXPECT_EQ(c.t.Text("CITY"), "Lyon");
    EXPECT_FALSE(c.t.Locate({"CITY"}, {std::string("%")}, {true, true}));  // no wildcard
    EXPECT_THROW(c.t.SetFilter("COUNTRY=", false), tStorageError);
    EXPECT_EQ(c.t.RecordCount(), 4);  // the bad filter changed nothing
}

TEST(Table, EditDeleteAndCancel)
{
    tCities c;
    c.t.SetIndex("Cities");
    ASSERT_TRUE(c.t.Locate({"CITY"}, {std::string("Lyon")}));
    c.t.Edit();
    c.t.Set("LATITUDE", 45.46);
    c.t.Cancel();
    EXPECT_DOUBLE_EQ(c.t.Real("LATITUDE"), 45.45);
    c.t.Edit();
    c.t.Set("CITY", std::string("Lyon 1er"));
    c.t.Post();
    EXPECT_EQ(c.t.Text("CITY"), "Lyon 1er");
    c.t.Delete();
    EXPECT_EQ(c.t.RecordCount(), 3);
    EXPECT_EQ(c.t.Text("CITY"), "Paris");  // the next row in order
    c.t.SetFilter("COUNTRY=41", false);
    c.t.DeleteVisible();
    c.t.ClearFilter();
    EXPECT_EQ(Visit(c.t), (tNames{"Paris"}));
    EXPECT_THROW(c.t.Set("CITY", std::string("x")), tStorageError);  // not editing
    // Rows survive reopening.
    tTable again(c.db, CityDef());
    EXPECT_EQ(again.RecordCount(), 1);
}

// A grid paints other rows and the table is refreshed while one row is
// being edited: they show what is stored, and the edit goes to its own row.
TEST(Table, EditedRowStaysTheOneWrittenWhileOthersAreRead)
{
    tCities c;
    c.t.SetIndex("Cities");
    ASSERT_TRUE(c.t.Locate({"CITY"}, {std::string("Lyon")}));
    const int lyon = c.t.Position();
    c.t.Edit();
    c.t.Set("CITY", std::string("Lyon 2e"));
    c.t.GoTo(0);
    EXPECT_EQ(c.t.Text("CITY"), "Geneve");
    c.t.GoTo(lyon);
    EXPECT_EQ(c.t.Text("CITY"), "Lyon 2e");
    c.t.Refresh();
    c.t.Post();
    EXPECT_EQ(Visit(c.t), (tNames{"Geneve", "Lyon 2e", "Paris", "lausanne"}));
}

// A list read again only when nothing was written: writes through another
// table of the file or another connection are seen at the next refresh.
TEST(Table, RefreshSeesEveryWriterAfterAnUnchangedRead)
{
    tCities c;
    c.t.SetIndex("Cities");
    c.t.Refresh();  // unchanged: the same list
    EXPECT_EQ(c.t.RecordCount(), 4);
    tTable second(c.db, CityDef());
    Add(second, "Bern", 41, 0, 46.57);
    c.t.Refresh();
    EXPECT_EQ(c.t.RecordCount(), 5);
    tDatabase other(c.dir.File("city.db"), false);
    other.Exec("DELETE FROM City WHERE CITY = 'Paris'");
    c.t.SetIndex("Cities");
    EXPECT_EQ(Visit(c.t), (tNames{"Bern", "Geneve", "Lyon", "lausanne"}));
    other.Exec("UPDATE City SET CITY = 'Basel' WHERE CITY = 'Bern'");
    c.t.Refresh();
    c.t.First();
    EXPECT_EQ(c.t.Text("CITY"), "Basel");
}

TEST(Table, EmptyIgnoresTheFilter)
{
    tCities c;
    c.t.SetFilter("COUNTRY=41", false);
    c.t.EmptyTable();
    c.t.ClearFilter();
    EXPECT_TRUE(c.t.Empty());
}
