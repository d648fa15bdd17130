#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/chart/chart_input.h"
#include "core/data/jsonl_format.h"

using namespace quintara;


TEST(Input, CoordinatesAndNames)
{
    std::string e;
    EXPECT_DOUBLE_EQ(*ParseLatitude("48N52", e), 48.52);
    EXPECT_DOUBLE_EQ(*ParseLatitude("33S55", e), -33.55);
    EXPECT_DOUBLE_EQ(*ParseLongitude("2E21", e), -2.21);
    EXPECT_FALSE(ParseLatitude("91", e));
    EXPECT_FALSE(ParseDegMin("5.75", e));
    EXPECT_FALSE(ParseLatitude("abc", e));
    EXPECT_EQ(*ParseHouseSystem("koch", e), 4);
    EXPECT_EQ(*ParseHouseSystem("7", e), 7);
    EXPECT_FALSE(ParseHouseSystem("Whole", e));
    EXPECT_NE(e.find("unknown house system"), std::string::npos);
}

TEST(Input, DatesAreCheckedAgainstTheirMonth)
{
    tChartRequest r;
    std::string e;
    EXPECT_FALSE(ParseDate("2026-02-30", r, e));
    EXPECT_EQ(e.rfind("day:", 0), 0u) << e;
    EXPECT_FALSE(ParseDate("2023-02-29", r, e));
    EXPECT_FALSE(ParseDate("1900-02-29", r, e));
    EXPECT_FALSE(ParseDate("2023-04-31", r, e));
    EXPECT_TRUE(ParseDate("2000-02-29", r, e));
    EXPECT_EQ(r.day, 29);
    EXPECT_TRUE(ParseDate("2024-12-31", r, e));
    EXPECT_FALSE(ParseDate("2024-13-01", r, e));
    EXPECT_FALSE(ParseDate("2024-1", r, e));
}

TEST(Input, RequestChecksNameTheField)
{
    tChartRequest r;
    r.month = 2, r.day = 30;
    EXPECT_EQ(CheckRequest(r).rfind("day:", 0), 0u);
    // Not a number is out of every range (a NaN compares false both ways).
    tChartRequest n;
    n.adjust = std::nan("");
    EXPECT_EQ(CheckRequest(n).rfind("adjust:", 0), 0u);
    n.adjust = 0, n.latitude = std::nan("");
    EXPECT_EQ(CheckRequest(n).rfind("lat:", 0), 0u);
    n.latitude = 0, n.longitude = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(CheckRequest(n).rfind("lon:", 0), 0u);
    tJsonObject o;
    std::string e;
    EXPECT_FALSE(ParseJsonObject("{\"year\": 1990,", o, e));
    EXPECT_NE(e.find("malformed JSON"), std::string::npos);
}

TEST(Input, PrevisionStepsAndTransitingBodies)
{
    std::string e;
    EXPECT_EQ(ParseDaysHours("7.00", e), 168);
    EXPECT_EQ(ParseDaysHours("7", e), 168);
    EXPECT_EQ(ParseDaysHours("0.06", e), 6);
    EXPECT_EQ(ParseDaysHours("1.23", e), 47);
    for (const char* bad : {"1.5", "1.24", "-1.00", "x", "1.005"}) {
        EXPECT_FALSE(ParseDaysHours(bad, e)) << bad;
        EXPECT_NE(e.find("days"), std::string::npos);
    }
    EXPECT_EQ(ParseTransitBodies("Moon,mars", e), (1u << 2) | (1u << 5));
    EXPECT_EQ(ParseTransitBodies("2-10", e), 0x7fcu);
    EXPECT_EQ(ParseTransitBodies("6-10,3", e), 0x7c8u);
    EXPECT_EQ(ParseTransitBodies("vesta,chiron", e), BodyBit(kVesta) | BodyBit(kChiron));
    EXPECT_EQ(ParseTransitBodies("pluto-vesta", e), BodyBit(10) | BodyBit(kChiron) | BodyBit(kVesta));
    EXPECT_EQ(ParseTransitBodies("saturn-chiron", e), 0x780u | (1u << 25)) << "no points between Pluto and Chiron";
    EXPECT_EQ(ParseTransitBodies("jupiter-Pluto", e), 0x7c0u);
    EXPECT_EQ(ParseTransitBodies("sun", e), 1u << 1);
    EXPECT_EQ(ParseTransitBodies("1-10", e), 0x7feu);
    EXPECT_EQ(ParseTransitBodies("Chiron,sun", e), (1u << 25) | (1u << 1));
    for (const char* bad : {"0", "11", "5-3", "", ","}) EXPECT_FALSE(ParseTransitBodies(bad, e)) << bad;
}

TEST(Input, LongitudeAsTimeBothWays)
{
    EXPECT_NEAR(LongitudeAsTime(15.00), 1.00, 1e-9);
    EXPECT_NEAR(LongitudeAsTime(2.21), 0.094, 1e-3);  // 2 deg 21 min = 9.4 minutes of time
    EXPECT_NEAR(TimeAsLongitude(1, 30), 22.30, 1e-9);
    EXPECT_NEAR(TimeAsLongitude(12, 0), 180.00, 1e-9);
}
