#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/chart_kind.h"
#include "core/chart/relationship_charts.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "support/birth.h"

namespace quintara {
namespace {

using test::Birth;

double Gap(double a, double b) { return std::fabs(AngleStep(a, b)); }

TEST(RelationshipCharts, MidpointsAndMeanPlacesTakeTheShorterWay)
{
    EXPECT_DOUBLE_EQ(ArcMidpoint(350, 10), 0);
    EXPECT_DOUBLE_EQ(ArcMidpoint(10, 350), 0);
    EXPECT_DOUBLE_EQ(ArcMidpoint(20, 100), 60);
    EXPECT_DOUBLE_EQ(ArcMidpoint(300, 200), 250);
    EXPECT_NEAR(MeanLatitude(48.52, -33.52), 7.30, 1e-9);  // 48°52' and 33°52' south: 7°30'
    EXPECT_NEAR(MeanLongitude(179.00, -179.00), 180.00, 1e-9);  // over the date line, not Greenwich
    EXPECT_NEAR(MeanLongitude(2.20, -2.20), 0, 1e-9);
}

// Sun at about 350 and at 10 degrees: the composite's Sun near 0 Aries, not
// 180; every body half way between the pair's on the shorter arc; the
// houses stand on the mean Midheaven at the mean latitude.
TEST(RelationshipCharts, CompositeBodiesMeetAcrossAriesAndHousesFollowTheMidheaven)
{
    tChart a, b, c;
    Birth(a, 2000, 3, 10, 12, 0);
    Birth(b, 1980, 3, 31, 6, 0);
    b.Latitude = -33.52, b.Longitude = -151.13;
    CalcChart(b);
    CompositeChart(a, b, c);
    EXPECT_EQ(c.ChartType, kCompositeChart);
    EXPECT_LT(Gap(c.BodyPosition(1), 0), 5);
    for (int n = 1; n <= 12; ++n) {
        const double pa = a.BodyPosition(n), pb = b.BodyPosition(n), pc = c.BodyPosition(n);
        EXPECT_NEAR(Gap(pa, pc), Gap(pb, pc), 1e-9) << n;
        EXPECT_LE(Gap(pa, pc), 90 + 1e-9) << n;
    }
    // Built-in houses turn the Midheaven to a sidereal time at the fixed
    // obliquity and Placidus back at that of the date: a few arcseconds.
    EXPECT_NEAR(Gap(c.TropicalMc, ArcMidpoint(a.TropicalMc, b.TropicalMc)), 0, 0.01);
    EXPECT_NEAR(Gap(c.HouseCusp(10), c.Midheaven()), 0, 1e-6);  // Placidus: cusp X on the Midheaven
    EXPECT_NEAR(c.Latitude, MeanLatitude(a.Latitude, b.Latitude), 1e-12);
    // The Ascendant is the one of that Midheaven at that latitude, not the midpoint.
    EXPECT_GT(Gap(c.Ascendant(), ArcMidpoint(a.Ascendant(), b.Ascendant())), 0.01);
    EXPECT_EQ(SignOf(c.Ascendant()), SignOf(c.HouseCusp(1)));
}

// Points of a formula take the pair's midpoint; a point one chart lacks
// (the Part of Fortune without a birth time) is left out.
TEST(RelationshipCharts, CompositePointsAreMidpointsOrLeftOut)
{
    tChart a, b, c;
    Birth(a, 2000, 3, 10, 12, 0);
    Birth(b, 1980, 3, 31, 6, 0);
    for (tChart* x : {&a, &b}) {
        tPlanet& pf = x->AddBody(49);
        pf.PointType = 1, pf.Plus1 = 13, pf.Plus2 = 2, pf.Minus1 = 1;
        pf.Visible = true;
    }
    CompositeChart(a, b, c);
    EXPECT_NEAR(c.BodyPosition(49), ArcMidpoint(a.BodyPosition(49), b.BodyPosition(49)), 1e-9);
    b.HouseType = kTimeUnknown;
    CalcChart(b);
    ASSERT_LT(b.BodyPosition(49), 0);
    CompositeChart(a, b, c);
    EXPECT_FALSE(c.FindBody(49)->Visible);
    EXPECT_EQ(c.HouseType, kTimeUnknown);
}

TEST(RelationshipCharts, DavisonOfAChartWithItselfIsTheChart)
{
    tChart a, d;
    Birth(a, 1990, 5, 17, 14, 30);
    DavisonChart(a, a, d);
    EXPECT_DOUBLE_EQ(d.Centuries, a.Centuries);
    for (int n = 1; n <= 24; ++n) EXPECT_NEAR(Gap(d.BodyPosition(n), a.BodyPosition(n)), 0, 1e-9) << n;
}

// Midway in universal time and in place; a chart without a birth time
// makes one without houses.
TEST(RelationshipCharts, DavisonStandsMidwayInTimeAndPlace)
{
    tChart a, b, d;
    Birth(a, 1990, 5, 17, 14, 30);
    b.Adjust = -10.00;
    Birth(b, 1992, 1, 3, 8, 11);
    b.Latitude = -33.52, b.Longitude = -151.13;
    CalcChart(b);
    DavisonChart(a, b, d);
    EXPECT_NEAR(d.Centuries, (a.Centuries + b.Centuries) / 2, 1.0 / 1440 / 36525);  // within a minute
    EXPECT_EQ(d.Adjust, 0);
    EXPECT_NEAR(d.Latitude, MeanLatitude(48.52, -33.52), 1e-12);
    EXPECT_NEAR(d.Longitude, MeanLongitude(-2.20, -151.13), 1e-12);
    b.HouseType = kTimeUnknown;
    CalcChart(b);
    DavisonChart(a, b, d);
    EXPECT_EQ(d.HouseType, kTimeUnknown);
}

// The same moment elsewhere: the bodies stay, the houses move with the
// place, the clock shows the new zone's time.
TEST(RelationshipCharts, RelocationKeepsTheMomentAndMovesTheHouses)
{
    tChart natal, moved, same;
    Birth(natal, 1990, 5, 17, 14, 30);
    RelocatedChart(natal, 40.43, 74.00, 4.00, moved);  // New York, h.mm added to clock time
    EXPECT_NEAR(moved.Centuries, natal.Centuries, 1e-12);
    EXPECT_EQ(moved.Hour, 10);
    EXPECT_EQ(moved.Minute, 30);
    for (int n = 1; n <= 10; ++n) EXPECT_NEAR(Gap(moved.BodyPosition(n), natal.BodyPosition(n)), 0, 1e-6) << n;
    EXPECT_GT(Gap(moved.Ascendant(), natal.Ascendant()), 30);
    RelocatedChart(natal, natal.Latitude, natal.Longitude, natal.Adjust, same);
    for (int n = 1; n <= 24; ++n) EXPECT_NEAR(Gap(same.BodyPosition(n), natal.BodyPosition(n)), 0, 1e-9) << n;
}

}  // namespace
}  // namespace quintara
