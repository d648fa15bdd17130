#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/sidereal_time.h"

using namespace quintara;

TEST(Angles, DegMinRoundTrip)
{
    EXPECT_NEAR(DegMinToDecimal(48.52), 48.866667, 1e-6);
    EXPECT_NEAR(DegMinToDecimal(-5.30), -5.5, 1e-12);
    EXPECT_NEAR(DecimalToDegMin(48.866667), 48.52, 1e-6);
}

TEST(Angles, ReductionsStayInRangeForWildInput)
{
    EXPECT_DOUBLE_EQ(Normalize360(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(Normalize360(720.0), 0.0);
    const double big = Normalize360(1e300);
    EXPECT_TRUE(big >= 0.0 && big < 360.0);
    EXPECT_LT(ModRevolution(-1e-18), kTwoPi);  // not 2 pi itself
    EXPECT_DOUBLE_EQ(ModRevolution(-2.0), 0.0);
    EXPECT_NEAR(ModRevolution(1.25), kPi / 2, 1e-12);
}

TEST(Angles, RoundDegMinNeverShowsSixtyMinutes)
{
    EXPECT_DOUBLE_EQ(RoundDegMin(2, 29.9999), 29.59);
    EXPECT_DOUBLE_EQ(RoundDegMin(2, 10.5), 10.30);
    const tSignPos p = SignPosition(2, 359.9999);
    EXPECT_EQ(p.Sign, 12);
    EXPECT_DOUBLE_EQ(p.Degrees, 29.59);
    EXPECT_EQ(SignPosition(2, 0.0).Sign, 1);
    EXPECT_NEAR(HoursDegMin(2, kPi), 12.0, 1e-12);
    EXPECT_DOUBLE_EQ(RoundDegMin(2, -1.9999), -1.59);
}

TEST(Angles, LatitudesAndOrbsRoundToWholeMinutesFirst)
{
    EXPECT_DOUBLE_EQ(RoundDegMinCarry(2, -0.9999), -1.00);
    EXPECT_DOUBLE_EQ(RoundDegMinCarry(2, 1.9999), 2.00);
    EXPECT_DOUBLE_EQ(RoundDegMinCarry(2, -1.5), -1.30);
    EXPECT_DOUBLE_EQ(RoundDegMinCarry(2, 0.1), 0.06);
    EXPECT_DOUBLE_EQ(RoundDegMinCarry(3, 2.99999), 3.000);
    for (double x = -5; x <= 5; x += 0.0001) {
        const double v = std::fabs(RoundDegMinCarry(2, x));
        EXPECT_LT(std::nearbyint((v - std::floor(v)) * 100), 60) << x;
    }
}

TEST(Angles, StepAcrossZeroAriesIsForward)
{
    EXPECT_GT(AngleStep(359.9, 0.1), 0.0);
    EXPECT_LT(AngleStep(0.1, 359.9), 0.0);
    EXPECT_DOUBLE_EQ(AngleStep(0.0, 180.0), 180.0);
}

TEST(SiderealTime, WesternLongitudeIsEarlier)
{
    const double greenwich = SiderealTime(0.3, 0.0, 0.1);
    const double west = SiderealTime(0.3, 0.2, 0.1);
    EXPECT_NEAR(greenwich - west, 0.2, 1e-12);
    // GMST at J2000.0 noon is 18h41m50s.
    EXPECT_NEAR(SiderealTime(kPi, 0.0, 0.0) * 12 / kPi, 18.697374558, 1e-3);
}

TEST(Obliquity, ThreeFormsAgreeNearJ2000)
{
    EXPECT_NEAR(ObliquityJ2000(0.0) * kRadToDeg, 23.4393, 0.003);
    EXPECT_NEAR(ObliquityJ1900(0.0) * kRadToDeg, 23.4393, 0.003);
    EXPECT_NEAR(std::asin(kFixedSinEps) * kRadToDeg, 23.45, 1e-4);
}
