#include <gtest/gtest.h>

#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/engine/minor_bodies.h"

using namespace quintara;

TEST(MinorBodies, TropicalInSiderealChartAndFlagsCleared)
{
    tChart c;
    c.Year = 2000, c.Month = 1, c.Day = 1;
    CalcChart(c);
    const double tropical = c.BodyPosition(kCeres);
    c.Zodiac = 1;
    CalcChart(c);
    EXPECT_DOUBLE_EQ(c.BodyPosition(kCeres), tropical);
    c.SetRetrograde(kCeres, true);
    CalcMinorBodies(c);
    EXPECT_FALSE(c.Retrograde(kCeres));  // Ceres moved forward in January 2000
}
