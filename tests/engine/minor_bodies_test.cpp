#include <gtest/gtest.h>

#include "core/engine/angles.h"

#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/engine/minor_bodies.h"

using namespace quintara;

// A sidereal chart shows the minor bodies sidereal, as the planets, whether
// cast whole or stepped alone.
TEST(MinorBodies, SiderealInSiderealChartAndFlagsCleared)
{
    tChart c;
    c.Year = 2000, c.Month = 1, c.Day = 1;
    CalcChart(c);
    const double tropical = c.BodyPosition(kCeres);
    c.Zodiac = 1;
    CalcChart(c);
    EXPECT_NEAR(c.BodyPosition(kCeres), Normalize360(tropical - c.Ayanamsa), 1e-9);
    c.SetRetrograde(kCeres, true);
    CalcMinorBodies(c);
    EXPECT_NEAR(c.BodyPosition(kCeres), Normalize360(tropical - c.Ayanamsa), 1e-9);
    EXPECT_FALSE(c.Retrograde(kCeres));  // Ceres moved forward in January 2000
}
