#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/engine/bodies.h"
#include "core/engine/lunar_points.h"
#include "core/engine/planet_series.h"

using namespace quintara;

TEST(Planets, PlutoCorrectionOnlyBetween1900And2000)
{
    // The correction applies for 0 < tau <= 1 and is switched off just after
    // J2000.0, so the longitude jumps there; it does not at the 2005 moment
    // a day further on, nor between two days inside the interval.
    double lon[11], lat[11];
    auto pluto = [&](double jd) {
        PlanetSeries(lon, lat, 10, jd);
        return lon[10];
    };
    const double atEdge = pluto(2451545.0), justAfter = pluto(2451545.0 + 1e-6);
    EXPECT_GT(std::fabs(justAfter - atEdge), 0.05);
    EXPECT_LT(std::fabs(pluto(2453372.0) - pluto(2453372.0 + 1e-6)), 1e-4);  // 2005
    EXPECT_LT(std::fabs(pluto(2433283.0) - pluto(2433283.0 + 1e-6)), 1e-4);  // 1950
}

// Pluto moved direct in the days around 2000-01-01 (it stationed in March):
// the end of the correction is no retrograde motion.
TEST(Planets, PlutoIsDirectAcrossTheEndOfItsCorrection)
{
    for (double jd : {2451544.5, 2451544.9, 2451545.0, 2451545.5}) {
        tChart c;
        CalcBodies(c, 0, (jd - 2451545.0) / 36525.0);
        EXPECT_FALSE(c.Retrograde(10)) << jd;
    }
}

TEST(Planets, ChartMoonComesFromLunarSeries)
{
    tChart c;
    CalcBodies(c, 0, 0.05);
    EXPECT_DOUBLE_EQ(c.BodyPosition(kMoon), LunarPoints(0.05).Moon);
    EXPECT_NE(c.FindBody(kMoon)->Latitude, 0.0);
    c.SetBodyLongitude(kMoon, 0.0);
    CalcBodies(c, kNode, 0.05);  // a single lunar point refreshes the Moon
    EXPECT_DOUBLE_EQ(c.BodyPosition(kMoon), LunarPoints(0.05).Moon);
}
