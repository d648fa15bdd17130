// The second charts of the Chart 2 commands and the opening of a home.
#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/chart_kind.h"
#include "core/data/second_chart.h"
#include "core/data/session.h"
#include "core/platform/program_home.h"
#include "support/seed_data.h"
#include "support/temp_dir.h"

using namespace quintara;
using namespace quintara::test;

namespace {

class SecondChart : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = SeedData(dir);
        if (!data) GTEST_SKIP() << "reference tables not built";
        PlaceChart(natal, *data, "Paris", 1990, 5, 17, 14, 30);
        natal.Name = "Durand", natal.FirstName = "Elise", natal.Sex = 0;
        data->FindAdjust(natal);
        CalcChart(natal);
    }
    tTempDir dir;
    std::unique_ptr<TData1> data;
    tChart natal;
};

// Dated today with the birth's clock and place, of the command's kind;
// compare to day reads the zone of its own date (summer time in July).
TEST_F(SecondChart, PreparedForTodayAndCompletedInTheZoneOfItsDate)
{
    tChart second;
    PrepareSecondChart(tSecondChart::CompareDay, natal, second, {2026, 1, 15});
    EXPECT_EQ(second.ChartType, kCompareDayChart);
    EXPECT_EQ(second.Year, 2026);
    EXPECT_EQ(second.Month, 1);
    EXPECT_EQ(second.Day, 15);
    EXPECT_EQ(second.Hour, natal.Hour);
    EXPECT_EQ(second.Country, natal.Country);
    second.Month = 7;
    CompleteSecondChart(tSecondChart::CompareDay, *data, second);
    EXPECT_DOUBLE_EQ(second.Adjust, -2.0);
    second.Month = 1;
    CompleteSecondChart(tSecondChart::CompareDay, *data, second);
    EXPECT_DOUBLE_EQ(second.Adjust, -1.0);
    // A transit chart keeps the zone typed in its dialog.
    PrepareSecondChart(tSecondChart::Transits, natal, second, {2026, 1, 15});
    second.Adjust = 0;
    CompleteSecondChart(tSecondChart::Transits, *data, second);
    EXPECT_DOUBLE_EQ(second.Adjust, 0.0);
}

// The derived charts carry the person's names whatever chart gave the
// moment, and the zone their place had then.
TEST_F(SecondChart, DerivedChartsAreThePersonsInTheZoneOfTheirMoment)
{
    tChart start, ret, place;
    PrepareSecondChart(tSecondChart::MoonReturn, natal, start, {2026, 1, 15});
    start.Name = "Somebody else";
    MoonReturnChart(*data, natal, start, ret);
    EXPECT_EQ(ret.ChartType, kMoonReturnChart);
    EXPECT_EQ(ret.Name, "Durand");
    EXPECT_EQ(ret.Sex, 0);
    EXPECT_DOUBLE_EQ(ret.Adjust, ret.Month >= 4 && ret.Month <= 10 ? -2.0 : -1.0);
    place.Assign(natal);
    place.Name = "Elsewhere";
    SunReturnChart(*data, natal, place, 36, ret);
    EXPECT_EQ(ret.ChartType, kSunReturnChart);
    EXPECT_EQ(ret.Name, "Durand");
    EXPECT_EQ(ret.Year, 2026);
    // In the zone of the place at that moment (the birthday falls in May:
    // summer time), the Sun back where it was.
    EXPECT_DOUBLE_EQ(ret.Adjust, -2.0);
    EXPECT_LT(std::fabs(ret.BodyPosition(kSun) - natal.BodyPosition(kSun)), 0.002);
    // A transit's exact moment is universal time, shown in local time.
    TransitMomentChart(*data, {2026, 1, 15, 12, 0}, ret);
    EXPECT_EQ(ret.ChartType, kTransitChart);
    EXPECT_EQ(ret.Hour, 13);
    EXPECT_DOUBLE_EQ(ret.Adjust, -1.0);
}

// Transit moments on the birth place's clock: summer and winter time
// from the time tables; a chart without a country keeps its own zone.
TEST_F(SecondChart, ZoneOfPlaceFollowsTheTimeTables)
{
    const auto zone = ZoneOfPlace(*data, natal);
    EXPECT_DOUBLE_EQ(zone({2026, 1, 15, 12, 0}), -1.0);
    EXPECT_DOUBLE_EQ(zone({2026, 7, 15, 12, 0}), -2.0);
    EXPECT_DOUBLE_EQ(zone({2026, 3, 29, 0, 59}), -1.0);  // the change is at 01:00 UT
    EXPECT_DOUBLE_EQ(zone({2026, 3, 29, 1, 1}), -2.0);
    tChart nowhere;
    nowhere.Adjust = 5.0;
    EXPECT_DOUBLE_EQ(ZoneOfPlace(*data, nowhere)({2026, 7, 15, 12, 0}), 5.0);
}

// A home's settings open without its chart file; the tables on first use,
// a missing chart file made only for a run that writes charts.
TEST(Session, OpensSettingsNowAndTheChartFileOnlyWhenAsked)
{
    tTempDir dir;
    if (!SeedProgramHome(dir.Path(), QUINTARA_SEED_DIR)) GTEST_SKIP() << "no seed";
    tSession s;
    OpenSettings(dir.Path(), s);
    ASSERT_TRUE(s.options && s.languages);
    EXPECT_EQ(s.data, nullptr);
    s.chartFile = "missing.db";
    EXPECT_THROW(s.Data().ChartTable(), tStorageError);
    EXPECT_FALSE(FileExists(JoinPath(dir.Path(), "missing.db")));
    tSession writer;
    OpenSettings(dir.Path(), writer);
    writer.chartFile = "missing.db";
    writer.writesCharts = true;
    EXPECT_NO_THROW(writer.Data().ChartTable());
    EXPECT_TRUE(FileExists(JoinPath(dir.Path(), "missing.db")));
}

}  // namespace
