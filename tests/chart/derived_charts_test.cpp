#include <gtest/gtest.h>

#include "core/chart/derived_charts.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "support/birth.h"

#include <cmath>
#include <tuple>

namespace quintara {
namespace {

using test::Birth;

// A day per tropical year from the exact moments, to the minute (the
// days elapsed over 365.24219), carried through the calendar.
TEST(ProgressChart, OneDayPerYearCarriedThroughTheCalendar)
{
    tChart natal, chosen;
    Birth(natal, 1990, 12, 20, 10);
    Birth(chosen, 2020, 12, 20, 0);  // 10957.58 days: 30.0008 days later, into January
    ProgressChart(natal, chosen);
    EXPECT_EQ(std::tuple(chosen.Year, chosen.Month, chosen.Day, chosen.Hour, chosen.Minute),
              std::tuple(1991, 1, 19, 10, 1));
    EXPECT_EQ(chosen.ChartType, 3);
    Birth(chosen, 2021, 6, 20, 0);  // 182 days more: 11 h 58.8 min later
    ProgressChart(natal, chosen);
    EXPECT_EQ(std::tuple(chosen.Day, chosen.Hour, chosen.Minute), std::tuple(19, 21, 59));
}

// Day by day the progressed moment moves about four minutes, and the
// progressed Moon a thirtieth of a degree: never by whole-hour jumps.
TEST(ProgressChart, TheProgressedMoonMovesSmoothlyWithTheDate)
{
    tChart natal;
    Birth(natal, 1987, 3, 14, 6, 42);
    double last = -1;
    for (int day = 1; day <= 40; ++day) {
        tChart chosen;
        Birth(chosen, 2026, 12, 1, 0);
        chosen.Day = static_cast<std::uint16_t>(day <= 31 ? day : day - 31);
        chosen.Month = static_cast<std::uint16_t>(day <= 31 ? 12 : 1);
        chosen.Year = static_cast<std::uint16_t>(day <= 31 ? 2026 : 2027);
        CalcChart(chosen);
        ProgressChart(natal, chosen);
        const double moon = chosen.BodyPosition(2);
        if (last >= 0) {
            const double step = Normalize360(moon - last);
            EXPECT_GT(step, 0.02) << day;
            EXPECT_LT(step, 0.05) << day;
        }
        last = moon;
    }
}

// The progressed Midheaven moves by the solar arc, about a degree a year,
// never through the zodiac; the Ascendant follows it at the birth latitude.
TEST(ProgressChart, AnglesMoveByTheSolarArc)
{
    tChart natal;
    Birth(natal, 1962, 2, 4, 8);
    const double natalMc = natal.BodyPosition(kMidheaven);
    double lastMc = -1, lastAsc = -1;
    for (int month : {6, 9, 12}) {
        tChart chosen;
        Birth(chosen, 2026, month, 8, 0);
        ProgressChart(natal, chosen);
        const double arc = Normalize360(chosen.BodyPosition(1) - natal.BodyPosition(1));
        // Within the difference of the house formulas' obliquities (0.15').
        EXPECT_NEAR(Normalize360(chosen.BodyPosition(kMidheaven) - natalMc), arc, 0.005) << month;
        EXPECT_GT(arc, 60);  // 64 years
        EXPECT_LT(arc, 70);
        if (lastMc >= 0) {
            EXPECT_LT(std::fabs(chosen.BodyPosition(kMidheaven) - lastMc), 0.5) << month;
            EXPECT_LT(std::fabs(chosen.BodyPosition(kAscendant) - lastAsc), 1.0) << month;
        }
        lastMc = chosen.BodyPosition(kMidheaven);
        lastAsc = chosen.BodyPosition(kAscendant);
    }
}

TEST(MidpointChart, ShorterArcAndNeverThreeSixty)
{
    tChart a, b, out;
    Birth(a, 1990, 5, 17, 14);
    Birth(b, 1985, 3, 2, 8);
    Birth(out, 1990, 5, 17, 14);
    a.SetBodyLongitude(1, 350);
    b.SetBodyLongitude(1, 10);
    a.SetBodyLongitude(2, 100);
    b.SetBodyLongitude(2, 200);
    a.SetBodyLongitude(3, 300);
    b.SetBodyLongitude(3, 80);
    MidpointChart(a, b, out);
    EXPECT_DOUBLE_EQ(out.BodyPosition(1), 0);
    EXPECT_DOUBLE_EQ(out.BodyPosition(2), 150);
    EXPECT_DOUBLE_EQ(out.BodyPosition(3), 10);
    EXPECT_EQ(out.ChartType, 4);
}

// A point of a formula takes the midpoint of the pair's points too, not
// what its cleared formula would sum to (0 Aries).
TEST(MidpointChart, FormulaPointsTakeTheirMidpoint)
{
    tChart a, b, out;
    Birth(a, 1990, 5, 17, 14);
    Birth(b, 1985, 3, 2, 8);
    Birth(out, 1990, 5, 17, 14);
    for (tChart* c : {&a, &b, &out}) {
        tPlanet& pf = c->AddBody(49);
        pf.PointType = 1, pf.Plus1 = 13, pf.Plus2 = 2, pf.Minus1 = 1;
    }
    const double pa = a.BodyPosition(49), pb = b.BodyPosition(49);
    MidpointChart(a, b, out);
    EXPECT_NEAR(out.BodyPosition(49), ArcMidpoint(pa, pb), 1e-9);
    EXPECT_GT(std::fabs(AngleStep(out.BodyPosition(49), 0)), 1);
}

}  // namespace
}  // namespace quintara
