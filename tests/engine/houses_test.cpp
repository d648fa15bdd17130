#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/chart/house_membership.h"
#include "core/engine/houses.h"
#include "core/engine/zodiac.h"

using namespace quintara;

namespace {
void Houses(tChart& c, int system, double latDM, double ramc = 1.0)
{
    c.HouseType = static_cast<std::uint8_t>(system);
    c.Latitude = latDM;
    c.SiderealT = ramc;
    c.Centuries = 0.1;
    CalcHouses(c);
}
}  // namespace

TEST(Houses, PolarBoundGivesEqualHouses)
{
    tChart c;
    Houses(c, kPlacidus, 66.00);
    EXPECT_EQ(c.HouseType, kEqual);
    Houses(c, kPlacidus, 65.59);
    EXPECT_EQ(c.HouseType, kPlacidus);
    for (double lat : {70.0, -70.0}) {
        Houses(c, kKoch, lat);
        EXPECT_EQ(c.HouseType, kEqual);
        EXPECT_NEAR(std::fmod(c.HouseCusp(2) - c.HouseCusp(1) + 360, 360), 30.0, 1e-9);
    }
}

TEST(Houses, EverySystemFiniteAtEveryLatitude)
{
    tChart c;
    for (int system = 0; system <= 8; ++system)
        for (double lat = -90.0; lat <= 90.0; lat += 0.5)
            for (double ramc = -1.0; ramc < 7.0; ramc += 0.37) {
                Houses(c, system, lat, ramc);
                for (int n = 1; n <= 12; ++n) {
                    const double cusp = c.HouseCusp(n);
                    ASSERT_TRUE(cusp >= 0.0 && cusp < 360.0) << system << " " << lat << " " << n;
                }
            }
}

TEST(Houses, MembershipAcrossZeroAriesAndOrbs)
{
    tChart c;
    for (int n = 1; n <= 12; ++n) c.SetHouseCusp(n, std::fmod(350.0 + 30.0 * (n - 1), 360.0));
    const tHouseRule plain;
    EXPECT_EQ(HouseOfPosition(c, 355.0, plain), 1);
    EXPECT_EQ(HouseOfPosition(c, 10.0, plain), 1);
    EXPECT_EQ(HouseOfPosition(c, 350.0, plain), -1);  // exactly on the start
    EXPECT_EQ(HouseOfPosition(c, 167.0, {5, false}), 7);  // 3 deg before cusp VII
    EXPECT_EQ(HouseOfPosition(c, 160.0, {0, true}), 7);   // within half of house VI
    c.HouseType = kTimeUnknown;
    EXPECT_EQ(HouseOfPosition(c, 355.0, plain), -1);
}

TEST(Zodiac, SiderealShiftsEveryComputedBody)
{
    tChart c;
    for (int n = 1; n <= 28; ++n) c.SetBodyLongitude(n, 100.0);
    c.Zodiac = 1;
    c.Centuries = 0.0;
    ApplyZodiac(c);
    EXPECT_NEAR(c.Ayanamsa, 23.8530556, 1e-9);
    for (int n : {1, 12, 13, 24, 25, 28}) EXPECT_NEAR(c.BodyPosition(n), 100.0 - 23.8530556, 1e-9) << n;
}
