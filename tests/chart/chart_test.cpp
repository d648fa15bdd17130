#include <gtest/gtest.h>

#include "chart/chart.h"

using namespace quintara;

TEST(Chart, FormulaPoints)
{
    tChart c;
    c.SetBodyLongitude(1, 350.0);
    c.SetBodyLongitude(2, 10.0);
    tPlanet& mid = c.AddBody(29);
    mid.PointType = 3, mid.Plus1 = 1, mid.Plus2 = 2, mid.Divider = 2;
    EXPECT_NEAR(c.BodyPosition(29), 0.0, 1e-9);
    tPlanet& star = c.AddBody(30);
    star.PointType = 2, star.Longitude = 100.0;
    c.Centuries = 1.0;
    EXPECT_NEAR(c.BodyPosition(30), 101.391, 1e-9);
    EXPECT_DOUBLE_EQ(c.BodyPosition(99), -1.0);
}

TEST(Chart, FindBodyPrefersPositionThenLast)
{
    tChart c;
    c.AddBody(1).Longitude = 42.0;
    c.SetBodyLongitude(1, 7.0);
    EXPECT_DOUBLE_EQ(c.FindBody(1)->Longitude, 7.0);  // the built-in Sun
    c.AddBody(40).Longitude = 1.0;
    c.AddBody(40).Longitude = 2.0;
    EXPECT_DOUBLE_EQ(c.FindBody(40)->Longitude, 2.0);
    EXPECT_EQ(c.FindBody(-1), nullptr);
}
