#include <gtest/gtest.h>

#include <cmath>

#include "core/data/find_adjust.h"
#include "core/data/schemas.h"
#include "core/data/table.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

// Country 33: one zone under state 0 (standard -1, summer code 253 or -1).
// Country 44: state 5 whose rows all lie after 1900, and a summer change on
// 1980-03-30 at 2 h. Country 7: a zone with local mean time until 1900.
class FindAdjustTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        time1 = std::make_unique<tDatabase>(dir.File("Time1.db"), true);
        time2 = std::make_unique<tDatabase>(dir.File("Time2.db"), true);
        tTable t1(*time1, Time1TableDef()), t2(*time2, Time2TableDef());
        auto row1 = [&](int country, int state, const char* date, double adjust, int table) {
            t1.Insert();
            t1.Set("COUNTRY", std::int64_t{country});
            t1.Set("STATE", std::int64_t{state});
            t1.Set("DATE", std::string(date));
            t1.Set("ADJUST", adjust);
            t1.Set("TABLE", std::int64_t{table});
            t1.Post();
        };
        auto row2 = [&](int table, const char* date, int hour, double adjust, bool ask) {
            t2.Insert();
            t2.Set("TABLE", std::int64_t{table});
            t2.Set("DATE", std::string(date));
            t2.Set("HOUR", std::int64_t{hour});
            t2.Set("ADJUST", adjust);
            t2.Set("ASK", std::int64_t{ask});
            t2.Post();
        };
        row1(33, 0, "1900-01-01", -1.0, 1);
        row2(1, "1900-01-01", 0, 0.0, false);
        row2(1, "1940-01-01", 0, 253, false);
        row2(1, "1950-01-01", 0, 0.0, false);
        row1(44, 5, "1920-01-01", 5.0, 2);
        row1(44, 5, "1970-01-01", 4.30, 2);
        row1(44, 6, "1900-01-01", 8.0, 3);
        row2(2, "1920-01-01", 0, 0.0, true);
        row2(2, "1980-03-30", 2, -1.0, false);
        row1(7, 0, "0001-01-01", -0.2, 4);
        row2(4, "0001-01-01", 0, 254, true);
        row2(4, "1900-01-01", 0, -1.0, false);
        // Country 66: damaged rows (a correction of 1e30, a standard of NaN
        // in state 1) next to sound ones.
        row1(66, 0, "1900-01-01", 2.0, 5);
        row2(5, "1900-01-01", 0, 1e30, false);
        row1(66, 1, "1900-01-01", std::nan(""), 5);
        lookup = std::make_unique<tZoneLookup>(*time1, *time2);
    }

    std::unique_ptr<tChart> Chart(int country, int state, int y, int m, int d, int hour = 12, double lon = 0)
    {
        auto c = std::make_unique<tChart>();
        tChart& chart = *c;
        chart.Country = country;
        chart.State = state;
        chart.Year = static_cast<std::uint16_t>(y);
        chart.Month = static_cast<std::uint16_t>(m);
        chart.Day = static_cast<std::uint16_t>(d);
        chart.Hour = static_cast<std::uint16_t>(hour);
        chart.Longitude = lon;
        return c;
    }

    test::tTempDir dir;
    std::unique_ptr<tDatabase> time1, time2;
    std::unique_ptr<tZoneLookup> lookup;
};

TEST_F(FindAdjustTest, CountryWithoutRowsFallsBackToTheLongitude)
{
    auto c = Chart(99, 0, 1980, 6, 1, 12, -37.5);  // 37.5 E
    EXPECT_FALSE(lookup->FindAdjust(*c));
    EXPECT_DOUBLE_EQ(c->Adjust, -3);  // R(-2.5), away from zero
    c->HouseType = 255;
    EXPECT_TRUE(lookup->FindAdjust(*c));  // unknown birth time: never asked
}

TEST_F(FindAdjustTest, DamagedRowsAreNotUsed)
{
    // The correction of 1e30 counts as unknown: from the longitude, not sure.
    auto c = Chart(66, 0, 1980, 6, 1, 12, -30.0);
    EXPECT_FALSE(lookup->FindAdjust(*c));
    EXPECT_DOUBLE_EQ(c->Adjust, -2);
    // A NaN standard time: the state's row is skipped, the country's used.
    auto d = Chart(66, 1, 1980, 6, 1, 12, -30.0);
    EXPECT_FALSE(lookup->FindAdjust(*d));
    EXPECT_TRUE(std::isfinite(d->Adjust));
    EXPECT_LE(std::fabs(d->Adjust), 16);
    // A longitude no place has gives no reckoning, but a finite answer.
    auto e = Chart(99, 0, 1980, 6, 1, 12, 1e30);
    EXPECT_FALSE(lookup->FindAdjust(*e));
    EXPECT_DOUBLE_EQ(e->Adjust, 0);
}

TEST_F(FindAdjustTest, SummerCodeDependsOnTheMonth)
{
    auto may = Chart(33, 0, 1945, 5, 10, 12, -30.0), october = Chart(33, 0, 1945, 10, 10, 12, -30.0);
    EXPECT_FALSE(lookup->FindAdjust(*may));
    EXPECT_DOUBLE_EQ(may->Adjust, -3);
    EXPECT_FALSE(lookup->FindAdjust(*october));
    EXPECT_DOUBLE_EQ(october->Adjust, -2);
    auto later = Chart(33, 0, 1960, 5, 10);
    EXPECT_TRUE(lookup->FindAdjust(*later));
    EXPECT_DOUBLE_EQ(later->Adjust, -1);
}

TEST_F(FindAdjustTest, StandardRowByStateAndDate)
{
    auto before = Chart(44, 5, 1900, 1, 1), mid = Chart(44, 5, 1975, 1, 1), other = Chart(44, 6, 1975, 1, 1);
    lookup->FindAdjust(*before);
    EXPECT_DOUBLE_EQ(before->Adjust, 5.0);  // all rows after the date: the state's first row
    lookup->FindAdjust(*mid);
    EXPECT_NEAR(mid->Adjust, 4.30, 1e-6);
    lookup->FindAdjust(*other);
    EXPECT_NEAR(other->Adjust, 8.0, 1e-6);
    // Packed values of opposite signs add as hours: 4h30 - 1h = 3h30.
    auto summer = Chart(44, 5, 1981, 7, 1);
    EXPECT_TRUE(lookup->FindAdjust(*summer));
    EXPECT_NEAR(summer->Adjust, 3.30, 1e-6);
}

TEST_F(FindAdjustTest, ChangeOnTheChartsDayCountsFromItsHour)
{
    auto early = Chart(44, 5, 1980, 3, 30, 1), late = Chart(44, 5, 1980, 3, 30, 2);
    EXPECT_FALSE(lookup->FindAdjust(*early));  // the 1920 row is marked uncertain
    EXPECT_NEAR(early->Adjust, 4.30, 1e-6);
    EXPECT_TRUE(lookup->FindAdjust(*late));
    EXPECT_NEAR(late->Adjust, 3.30, 1e-6);
}

TEST_F(FindAdjustTest, LocalMeanTimeFromTheLongitudeKeepsSure)
{
    auto c = Chart(7, 0, 1850, 6, 1, 12, -2.20);  // 2 deg 20 min east
    EXPECT_FALSE(lookup->FindAdjust(*c));             // the row asks
    EXPECT_NEAR(c->Adjust, -0.093333, 1e-6);          // 9 min 20 s, packed as 9.333 min
    bool sure = true;
    EXPECT_NEAR(AdjustFromCode(254, 75.30, 1, sure), 5.02, 1e-9);
    EXPECT_TRUE(sure);
    AdjustFromCode(252, 10, 1, sure);
    EXPECT_FALSE(sure);
}

TEST_F(FindAdjustTest, StateMissingWalksTheCountry)
{
    auto c = Chart(44, 9, 1990, 1, 1);  // no state 9: the walk over states 5 and 6
    lookup->FindAdjust(*c);
    EXPECT_NEAR(c->Adjust, 8.0, 1e-6);
}

}  // namespace
}  // namespace quintara
