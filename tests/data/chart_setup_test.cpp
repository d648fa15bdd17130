// The chart setup: points taken from the stars table into new charts, the
// program's own rows kept, and Cancel taking a session back.
#include "core/data/chart_setup.h"

#include <gtest/gtest.h>

#include "core/data/data_module.h"
#include "core/data/point_names.h"
#include "core/engine/body_numbers.h"
#include "core/platform/program_home.h"
#include "support/seed_data.h"

namespace quintara {
namespace {

void AddPlanetRow(tTable& planets, int num)
{
    planets.Insert();
    planets.Set("Num", std::int64_t{num});
    planets.Set("Name", "Point " + std::to_string(num));
    planets.Set("Type", std::int64_t{0});
    planets.Set("Longitude", 10.0 * num);
    planets.Post();
}

// The tables of a home of its own: these tests write into them.
std::unique_ptr<TData1> OwnData(const test::tTempDir& dir)
{
    const std::string seed = QUINTARA_SEED_DIR;
    if (!FileExists(JoinPath(seed, kPlanetFile)) || !SeedProgramHome(dir.Path(), seed)) return nullptr;
    return std::make_unique<TData1>(dir.Path(), dir.File("chart.db"));
}

std::vector<std::string> Rows(tTable& t)
{
    std::vector<std::string> rows;
    for (t.First(); !t.Eof(); t.Next())
        rows.push_back(std::to_string(t.IntOr("Num")) + " " + t.TextOr("Name") + " " +
                       std::to_string(t.IntOr("Visible")) + std::to_string(t.IntOr("Aspects")));
    return rows;
}

TEST(ChartSetup, StarsReachNewChartsAndTheProgramsOwnRowsStay)
{
    test::tTempDir dir;
    const auto data = OwnData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    tTable& stars = data->StarTable();
    tTable& planets = data->PlanetTable();
    const int before = data->NewChart(nullptr, nullptr)->BodyCount();

    tChartSetup setup(*data);
    ASSERT_TRUE(stars.Locate({"Name"}, {std::string("aldeb")}, {true, true}));
    const std::int64_t num = stars.Int("Num");
    EXPECT_GT(num, kLastFixedPoint);  // never one of the program's bodies
    setup.AddCurrentStar();
    EXPECT_EQ(planets.Text("ShortName"), "Alde");
    setup.AddCurrentStar();  // twice: two bodies of one number

    auto chart = data->NewChart(nullptr, nullptr);
    ASSERT_EQ(chart->BodyCount(), before + 2);
    const tPlanet* star = chart->FindBody(static_cast<int>(num));
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star, chart->BodyAt(chart->BodyCount()));  // the later one
    EXPECT_TRUE(star->Visible);
    EXPECT_FALSE(star->Aspects);
    EXPECT_NEAR(star->GetPosition(), 69.8, 1.0);  // Aldebaran, near 9 Gemini in J2000
    // A copy of the chart carries the points it was made with.
    tChart copy;
    copy.CopyPointsOf(*chart);
    EXPECT_EQ(copy.BodyCount(), chart->BodyCount());

    AddPlanetRow(planets, 99);
    EXPECT_FALSE(setup.RemoveCurrentPoint());
    AddPlanetRow(planets, 100);
    EXPECT_TRUE(setup.RemoveCurrentPoint());
    EXPECT_FALSE(planets.Locate({"Num"}, {std::int64_t{100}}));

    EXPECT_EQ(tChartSetup::TypeFilter(5), "TYPE>4");
    EXPECT_EQ(tChartSetup::TypeFilter(0), "");
    stars.SetFilter(tChartSetup::TypeFilter(4), false);
    EXPECT_EQ(stars.RecordCount(), 3);  // the midpoints
    stars.ClearFilter();
}

// The computed points, the lots and the star catalogue are rows to pick:
// a lot brings the lots it is made of, hidden; a computed point can go again.
TEST(ChartSetup, PointsLotsAndCatalogueStars)
{
    test::tTempDir dir;
    const auto data = OwnData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    tTable& stars = data->StarTable();
    tTable& planets = data->PlanetTable();
    stars.SetFilter(tChartSetup::TypeFilter(6), false);
    EXPECT_EQ(stars.RecordCount(), 17);
    stars.SetFilter(tChartSetup::TypeFilter(1), false);
    EXPECT_GE(stars.RecordCount(), 13 + 40);
    stars.SetFilter(tChartSetup::TypeFilter(2), false);
    const int allStars = stars.RecordCount();
    stars.SetFilter(tChartSetup::TypeFilter(2, 2.0), false);
    const int bright = stars.RecordCount();
    EXPECT_GT(bright, 30);
    EXPECT_LT(bright, allStars);
    for (stars.First(); !stars.Eof(); stars.Next()) EXPECT_LE(stars.Real("Magnitude"), 2.0);
    stars.ClearFilter();

    tChartSetup setup(*data);
    ASSERT_TRUE(stars.Locate({"Name"}, {std::string("Lot of Eros")}));
    setup.AddCurrentStar();
    EXPECT_EQ(planets.Text("Name"), "Lot of Eros");  // still the current row
    ASSERT_TRUE(stars.Locate({"Name"}, {std::string("Vesta")}));
    setup.AddCurrentStar();
    auto chart = data->NewChart(nullptr, nullptr);
    const tPlanet* spirit = chart->FindBody(302);
    ASSERT_NE(spirit, nullptr);  // Eros is Ascendant + Venus - Spirit
    EXPECT_FALSE(spirit->Visible);
    EXPECT_EQ(chart->FindBody(kVesta)->PointType, kComputedPoint);
    ASSERT_TRUE(planets.Locate({"Num"}, {std::int64_t{kVesta}}));
    EXPECT_TRUE(setup.RemoveCurrentPoint());

    // Catalogue stars past the program's own 122, with magnitudes.
    if (stars.Locate({"Name"}, {std::string("Zubenelakrab")}))
        EXPECT_GT(stars.Int("Num"), 1000);
    else
        ADD_FAILURE() << "no catalogue stars in the stars table";
}

TEST(PointNames, KeysAndTheRowsAPointNeeds)
{
    EXPECT_EQ(PointKey("Lot of Marriage (men)"), "lot-of-marriage-men");
    EXPECT_EQ(PointKey("  Anti-Vertex "), "anti-vertex");
    std::vector<tPlanetRow> catalogue(3);
    catalogue[0].Num = 301, catalogue[0].Name = "Lot of Fortune", catalogue[0].PointType = kLotPoint;
    catalogue[0].Plus1 = 13, catalogue[0].Plus2 = 2, catalogue[0].Minus1 = 1;
    catalogue[1].Num = 303, catalogue[1].Name = "Lot of Necessity", catalogue[1].PointType = kLotPoint;
    catalogue[1].Plus1 = 13, catalogue[1].Plus2 = 301, catalogue[1].Minus1 = 3;
    catalogue[2].Num = 304, catalogue[2].Name = "Lot of Loops", catalogue[2].PointType = kLotPoint;
    catalogue[2].Plus1 = 304, catalogue[2].Plus2 = 303;  // a formula naming itself ends
    std::vector<tPlanetRow> out;
    std::string error;
    ASSERT_TRUE(AddPointNamed(catalogue, "lot-of-loops", {}, out, error));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_TRUE(out[0].Visible);
    EXPECT_EQ(out[1].Num, 303);
    EXPECT_EQ(out[2].Num, 301);
    out.clear();
    ASSERT_TRUE(AddPointNamed(catalogue, "Lot of Necessity", {301}, out, error));
    EXPECT_EQ(out.size(), 1u);  // Fortune is there already
    ASSERT_TRUE(AddPointNamed({}, "south-node", {}, out, error));  // without a stars table
    EXPECT_EQ(out.back().Num, kSouthNode);
    EXPECT_FALSE(AddPointNamed(catalogue, "vestaa", {}, out, error));
    EXPECT_NE(error.find("vesta, pholus, mean-node, true-node, south-node, true-lilith, vertex, anti-vertex, east-point,"),
              std::string::npos) << error;
}

TEST(ChartSetup, RevertTakesTheSessionBackNewestFirst)
{
    test::tTempDir dir;
    const auto data = OwnData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    tTable& planets = data->PlanetTable();
    AddPlanetRow(planets, 150);
    const auto before = Rows(planets);

    tChartSetup setup(*data);
    ASSERT_TRUE(data->StarTable().Locate({"Name"}, {std::string("Regulus")}));
    setup.AddCurrentStar();
    ASSERT_TRUE(planets.Locate({"Num"}, {std::int64_t{150}}));
    setup.SetCurrentFlags(true, true);  // then removed: both come back as they were
    ASSERT_TRUE(setup.RemoveCurrentPoint());
    EXPECT_NE(Rows(planets), before);
    setup.Revert();
    EXPECT_EQ(Rows(planets), before);
    EXPECT_FALSE(setup.Changed());
}

}  // namespace
}  // namespace quintara
