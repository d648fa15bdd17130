#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <filesystem>

#include "core/chart/chart.h"
#include "core/data/chart_record.h"
#include "core/data/data_module.h"
#include "core/engine/body_numbers.h"
#include "core/data/text_collation.h"
#include "core/data/sqlite_db.h"
#include "core/platform/atomic_file.h"
#include "support/seed_data.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

std::unique_ptr<tChart> SampleChart()
{
    auto chart = std::make_unique<tChart>();
    tChart& c = *chart;
    c.Name = "Durand";
    c.FirstName = "Élise";
    c.BirthPlace = "Paris";
    c.Year = 1985;
    c.Month = 7;
    c.Day = 14;
    c.Hour = 8;
    c.Minute = 45;
    c.Adjust = -2.0;
    c.Latitude = 48.52;
    c.Longitude = -2.20;
    c.Country = 250;
    c.Sex = 1;
    c.HouseType = 0;
    CalcChart(c);
    return chart;
}

TEST(ChartRecord, WriteThenReadGivesTheSameBirthData)
{
    test::tTempDir dir;
    TData1 data(dir.Path());
    auto sample = SampleChart();
    const tChart& c = *sample;
    tTable& t = data.ChartTable();
    t.Insert();
    data.WriteChart(c);
    t.Post();
    EXPECT_GT(t.Int("Index"), 0);
    EXPECT_NEAR(t.Real("P1"), c.BodyPosition(1), 1e-9);
    EXPECT_NEAR(t.Real("P13"), c.HouseCusp(1), 1e-9);

    tChart back;
    data.ReadChart(back);
    EXPECT_EQ(back.Index, t.Int("Index"));
    EXPECT_EQ(back.Name, "Durand");
    EXPECT_EQ(back.FirstName, "Élise");
    EXPECT_EQ(back.Year, 1985);
    EXPECT_EQ(back.Day, 14);
    EXPECT_EQ(back.Minute, 45);
    EXPECT_EQ(back.Sex, 1);
    EXPECT_DOUBLE_EQ(back.Adjust, -2.0);
    EXPECT_DOUBLE_EQ(back.SiderealT, c.SiderealT);
    CalcChart(back);
    EXPECT_DOUBLE_EQ(back.BodyPosition(2), c.BodyPosition(2));

    data.SaveChartText("{\\rtf1 report}");
    EXPECT_EQ(data.LoadChartText(), "{\\rtf1 report}");
}

TEST(ChartRecord, RowsOutOfRangeAreRefusedByName)
{
    test::tTempDir dir;
    TData1 data(dir.Path());
    tTable& t = data.ChartTable();
    auto sample = SampleChart();
    for (const auto& [field, value] :
         std::vector<std::pair<const char*, tSqlValue>>{{"LATITUDE", 1e30}, {"LONGITUDE", 500.0},
                                                       {"ADJUST", -99.0}, {"DATE", std::string("2021-02-30")},
                                                       {"AYANAMSA", 1e17}}) {
        t.Insert();
        data.WriteChart(*sample);
        t.Set(field, value);
        t.Post();
        tChart back;
        try {
            data.ReadChart(back);
            ADD_FAILURE() << field << " accepted";
        } catch (const tStorageError& e) {
            EXPECT_NE(std::string(e.what()).find("chart \"Durand\": "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("out of range"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(ChartRangeProblem(*sample), "");
    sample->Latitude = 1e30;
    EXPECT_EQ(ChartRangeProblem(*sample), "latitude 1e+30 out of range");
}

TEST(ChartRecord, PlanetFilterSelectsBySign)
{
    test::tTempDir dir;
    TData1 data(dir.Path());
    tTable& t = data.ChartTable();
    for (int month = 1; month <= 12; ++month) {
        auto sample = SampleChart();
        tChart& c = *sample;
        c.Month = static_cast<std::uint16_t>(month);
        c.Day = 1;
        CalcChart(c);
        t.Insert();
        data.WriteChart(c);
        t.Post();
    }
    data.SetChartFilter("P1>=30 and P1<60");  // Sun in Taurus: born 21 April to 20 May
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.Text("DATE"), "1985-05-01");
    data.SetChartFilter("DATE>='01/03/1985' and DATE<='31/03/1985'");
    EXPECT_EQ(t.RecordCount(), 1);
    data.SetChartFilter("");
    EXPECT_EQ(t.RecordCount(), 12);
}

// The chart setup's points are stored beside the chart row, in its
// transaction, and filters read them; rewriting and deleting follow.
TEST(ChartRecord, PointsAreStoredBesideTheRowAndFiltered)
{
    test::tTempDir dir;
    TData1 data(dir.Path());
    tTable& t = data.ChartTable();
    tDatabase& db = data.ChartDatabase();
    auto plain = SampleChart();
    t.Insert();
    data.WriteChart(*plain);
    t.Post();
    EXPECT_FALSE(HasChartPoints(db)) << "a chart without points leaves the file as it was";
    data.SetChartFilter("P51>=0");  // a file without points: no chart has Vesta
    EXPECT_EQ(t.RecordCount(), 0);
    data.SetChartFilter("");
    for (int month : {1, 7}) {
        auto sample = SampleChart();
        tChart& c = *sample;
        c.AddBody(kVesta).PointType = kComputedPoint;
        c.Month = static_cast<std::uint16_t>(month);
        CalcChart(c);
        t.Insert();
        data.WriteChart(c);
        t.Post();
    }
    ASSERT_TRUE(HasChartPoints(db));
    const auto count = [&db] {
        tStatement q = db.Prepare("SELECT COUNT(*) FROM ChartPoints");
        q.Step();
        return q.Int(0);
    };
    EXPECT_EQ(count(), 2);
    double vesta = 0;
    {
        tStatement first = db.Prepare("SELECT LONGITUDE, DECLINATION, NAME FROM ChartPoints ORDER BY CHART LIMIT 1");
        ASSERT_TRUE(first.Step());
        vesta = first.Real(0);
        EXPECT_EQ(first.Text(2), "Vesta");
    }
    data.SetChartFilter("P51>=" + std::to_string(vesta - 0.001) + " and P51<=" + std::to_string(vesta + 0.001) +
                        " and DEC51<0");
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.Text("DATE"), "1985-01-14");
    // Edited and written again: its points replaced, not doubled.
    t.Edit();
    auto again = SampleChart();
    again->AddBody(kVesta).PointType = kComputedPoint;
    CalcChart(*again);
    data.WriteChart(*again);
    t.Post();
    EXPECT_EQ(count(), 2);
    // Deleted, one by one or by a filter: the points go with the rows.
    data.SetChartFilter("");
    t.Last();
    t.Delete();
    EXPECT_EQ(count(), 1);
    t.DeleteVisible();
    EXPECT_EQ(count(), 0);
}

TEST(DataModule, ReportsMissingReferenceFilesByName)
{
    test::tTempDir dir;
    // Checked before anything is opened: the stars and planets, which the
    // data module makes when it opens, are missing too.
    const auto before = MissingReferenceFiles(dir.Path());
    EXPECT_NE(std::find(before.begin(), before.end(), kStarFile), before.end());
    EXPECT_NE(std::find(before.begin(), before.end(), kPlanetFile), before.end());
    TData1 data(dir.Path());
    auto missing = data.MissingReferenceFiles();
    EXPECT_NE(std::find(missing.begin(), missing.end(), "dbfiles/city.db"), missing.end());
    EXPECT_NE(std::find(missing.begin(), missing.end(), "dbfiles/Time1.db"), missing.end());
    EXPECT_THROW(data.CityTable(), tStorageError);
    EXPECT_FALSE(FileExists(dir.File("dbfiles/city.db")));  // not created empty
    tChart c;
    EXPECT_THROW(data.FindAdjust(c), tStorageError);
}

TEST(DataModule, CountryNameFallsBackThroughTheLanguages)
{
    test::tTempDir dir;
    std::filesystem::create_directories(dir.File("dbfiles"));
    {
        tDatabase db(dir.File("dbfiles/Country.db"), true);
        tTable t(db, CountryTableDef());
        auto add = [&](const char* name, int code, int language) {
            t.Insert();
            t.Set("COUNTRY", std::string(name));
            t.Set("CODE", std::int64_t{code});
            t.Set("LANGUAGE", std::int64_t{language});
            t.Post();
        };
        add("Germany", 276, 1);
        add("Allemagne", 276, 33);
        add("Iceland", 352, 1);
        add("Nowhere", 999, 7);
    }
    TData1 data(dir.Path());
    EXPECT_EQ(data.GetCountryName(276, 33), "Allemagne");
    EXPECT_EQ(data.GetCountryName(276, 49), "Germany");
    EXPECT_EQ(data.GetCountryName(352, 33), "Iceland");
    EXPECT_EQ(data.GetCountryName(999, 1), "Nowhere");
    EXPECT_EQ(data.GetCountryName(123, 1), "");  // never another country's name
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

// Text fields keep the table layout's lengths however a chart is written.
TEST(ChartRecord, TextsAreKeptToTheirFieldLengths)
{
    test::tTempDir dir;
    TData1 data(dir.Path());
    tChart c;
    c.Name = std::string(10000, 'x');
    c.FirstName = "Åsa";
    c.Reference = "0123456789ABC";
    EXPECT_EQ(TooLongChartFields(c), (std::vector<std::string>{"NAME", "REFERENCE"}));
    data.ChartTable().Insert();
    data.WriteChart(c);
    data.ChartTable().Post();
    EXPECT_EQ(data.ChartTable().Text("NAME"), std::string(30, 'x'));
    EXPECT_EQ(data.ChartTable().Text("FIRSTNAME"), "Åsa");
    EXPECT_EQ(data.ChartTable().Text("REFERENCE"), "0123456789");
    {
        tTransaction tx(data.ChartDatabase());
        tChartInserter add(data.ChartDatabase());
        c.Name = std::string(40, 'y');
        add.Add(c);
        tx.Commit();
    }
    data.ChartTable().Refresh();
    EXPECT_TRUE(data.ChartTable().Locate({"NAME"}, {std::string(30, 'y')}));
}

// As users type place names: without accents, any case, the best first,
// long names within the field's length; every region has a name.
TEST(DataModule, LocalitySearchIgnoresAccentsAndPutsTheBestFirst)
{
    test::tTempDir dir;
    const auto seeded = test::SeedData(dir);
    if (!seeded) GTEST_SKIP() << "reference tables not built";
    TData1& data = *seeded;
    const auto first = [&](const std::string& typed) {
        const auto found = data.FindLocalities(typed, 5);
        return found.empty() ? std::string() : found[0].name;
    };
    EXPECT_EQ(first("zurich"), "Zürich");
    EXPECT_EQ(first("Sao Paulo"), "São Paulo");
    EXPECT_EQ(first("munchen").rfind("München", 0), 0u) << first("munchen");
    EXPECT_EQ(first("TROMSO"), "Tromsø");
    EXPECT_EQ(first("Kirchschlag in der Buckligen Welt"), first("Kirchschlag in der Bucklige"));
    EXPECT_FALSE(first("Kirchschlag in der Buckligen Welt").empty());
    const auto paris = data.FindLocalities("paris", 5);
    ASSERT_GE(paris.size(), 2u);
    EXPECT_EQ(data.GetCountryName(paris[0].country, 1), "France");
    EXPECT_GE(paris[0].population, paris[1].population);
    tTable& states = data.StateTable();
    for (states.First(); !states.Eof(); states.Next()) {
        const std::string name = states.Text("STATE");
        ASSERT_FALSE(name.empty());
        EXPECT_FALSE(name.find_first_not_of("0123456789") == std::string::npos) << "state named " << name;
    }
}

// The folded index gives what a scan of the table in the search's order
// gives, and follows the editors: a locality added or renamed is found.
TEST(DataModule, LocalityIndexAgreesWithAScanAndFollowsEdits)
{
    test::tTempDir dir;
    const auto seeded = test::SeedData(dir);
    if (!seeded) GTEST_SKIP() << "reference tables not built";
    TData1& data = *seeded;
    EXPECT_EQ(data.FindLocalities("zur", 1).at(0).name, "Zürich");
    EXPECT_EQ(data.FindLocalities("sao p", 1).at(0).name, "São Paulo");

    tTable& cities = data.CityTable();
    const auto scan = [&](const std::string& prefix, int country) {
        struct tRow {
            std::string name;
            std::int64_t population, index;
        };
        std::vector<tRow> rows;
        const std::string folded = BaseKey(prefix);
        for (cities.First(); !cities.Eof(); cities.Next()) {
            const std::string name = cities.TextOr("CITY");
            if (BaseKey(name).rfind(folded, 0) != 0) continue;
            if (country && cities.IntOr("COUNTRY") != country) continue;
            rows.push_back({name, cities.IntOr("POPULATION"), cities.IntOr("INDEX")});
        }
        std::sort(rows.begin(), rows.end(), [&](const tRow& a, const tRow& b) {
            const bool wa = BaseKey(a.name) == folded, wb = BaseKey(b.name) == folded;
            if (wa != wb) return wa;
            if (a.population != b.population) return a.population > b.population;
            if (const int c = CompareNoCase(a.name, b.name)) return c < 0;
            return a.index < b.index;
        });
        std::vector<std::int64_t> out;
        for (std::size_t i = 0; i < rows.size() && i < 20; ++i) out.push_back(rows[i].index);
        return out;
    };
    for (const auto& [prefix, country] :
         std::vector<std::pair<std::string, int>>{{"san", 0}, {"Z", 0}, {"lo", 250}, {"New Y", 0}}) {
        std::vector<std::int64_t> found;
        for (const tLocality& l : data.FindLocalities(prefix, 20, country)) found.push_back(l.index);
        EXPECT_EQ(found, scan(prefix, country)) << prefix;
    }

    cities.Insert();
    cities.Set("CITY", std::string("Ærøskøbing-sur-Mer"));
    cities.Set("COUNTRY", std::int64_t{208});
    cities.Set("POPULATION", std::int64_t{5});
    cities.Set("LATITUDE", 54.53);
    cities.Set("LONGITUDE", -10.25);
    cities.Post();
    ASSERT_EQ(data.FindLocalities("aeroskobing-sur", 5).size(), 0u);  // Æ is no ae
    ASSERT_EQ(data.FindLocalities("ærøskøbing-sur", 5).size(), 1u);
    cities.Edit();
    cities.Set("CITY", std::string("Quintaraby"));
    cities.Post();
    EXPECT_TRUE(data.FindLocalities("ærøskøbing-sur", 5).empty());
    EXPECT_EQ(data.FindLocalities("quintarab", 5).at(0).name, "Quintaraby");
}

}  // namespace
}  // namespace quintara
