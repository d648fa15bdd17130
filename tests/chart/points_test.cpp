// The computed points, the lots and the declinations, in both ephemerides.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/houses.h"
#include "core/i18n/default_body_names.h"

using namespace quintara;

namespace {

double Gap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// A chart in UT at Paris (48°51' N, 2°21' E) carrying the given points.
void Cast(tChart& c, std::uint8_t ephemeris, int y, int mo, int d, int h, int mi, std::vector<int> points = {})
{
    for (int n : points) c.AddBody(n).PointType = kComputedPoint;
    c.Year = static_cast<std::uint16_t>(y), c.Month = static_cast<std::uint16_t>(mo), c.Day = static_cast<std::uint16_t>(d);
    c.Hour = static_cast<std::uint16_t>(h), c.Minute = static_cast<std::uint16_t>(mi);
    c.Latitude = 48.51, c.Longitude = -2.21;
    c.Ephemeris = ephemeris;
    CalcChart(c);
}

bool Precise()
{
    return PreciseEphemerisInstalled();
}

const std::vector<int> kAll = {kVesta, kPholus, kMeanNode, kTrueNode, kSouthNode, kTrueLilith, kVertex,
                               kAntiVertex, kEastPoint, kCupido, kPoseidon};

// Apparent places of date from the Swiss Ephemeris (swe_calc_ut, swe_houses
// at Paris, Placidus): Vesta, Pholus, mean node, true node, osculating
// apogee, Cupido, Poseidon, Vertex, East Point.
struct tFixture {
    int y, mo, d, h, mi;
    double body[7];
    double vertex, east;
};
constexpr tFixture kFixtures[] = {
    {1900, 1, 1, 0, 0, {17.3356, 95.0433, 259.1613, 260.2684, 136.7604, 105.2912, 166.1386}, 21.6209, 193.6268},
    {1950, 1, 1, 6, 0, {310.8696, 297.6390, 12.0991, 12.5225, 21.1689, 175.1750, 190.4055}, 119.3658, 281.6548},
    {1980, 1, 1, 9, 36, {33.4748, 353.3603, 151.8750, 150.4046, 177.8519, 216.5291, 204.9104}, 161.5045, 334.7022},
    {2000, 1, 1, 12, 0, {245.9719, 215.4914, 125.0406, 123.9540, 252.9954, 243.8965, 214.5581}, 190.1174, 13.9157},
    {2023, 2, 25, 0, 0, {7.4580, 278.4756, 37.2915, 35.8566, 123.3606, 276.5589, 225.7976}, 89.2758, 248.6741},
    {2099, 12, 31, 18, 0, {61.0731, 250.8718, 350.9509, 349.8418, 2.8448, 21.2284, 262.5849}, 261.6258, 101.8144},
};
constexpr int kFixtureBodies[] = {kVesta, kPholus, kMeanNode, kTrueNode, kTrueLilith, kCupido, kPoseidon};

}  // namespace

TEST(ComputedPoints, PreciseAgreesWithTheReference)
{
    if (!Precise()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
    for (const tFixture& f : kFixtures) {
        tChart c;
        Cast(c, tChart::kPrecise, f.y, f.mo, f.d, f.h, f.mi, kAll);
        ASSERT_EQ(c.EphemerisUsed(), tChart::kPrecise) << c.EphemerisNote;
        EXPECT_EQ(c.PointsNote, "");
        for (int k = 0; k < 7; ++k)
            EXPECT_LT(Gap(c.BodyPosition(kFixtureBodies[k]), f.body[k]), 2e-4) << f.y << " body " << kFixtureBodies[k];
        EXPECT_LT(Gap(c.BodyPosition(kVertex), f.vertex), 2e-4) << f.y;
        EXPECT_LT(Gap(c.BodyPosition(kEastPoint), f.east), 2e-4) << f.y;
        EXPECT_NEAR(Gap(c.BodyPosition(kAntiVertex), f.vertex), 180.0, 2e-4);
    }
}

// The built-in theory's own points against the reference: the accuracy the
// closing note gives.
TEST(ComputedPoints, BuiltInWithinItsAccuracy)
{
    for (const tFixture& f : kFixtures) {
        tChart c;
        Cast(c, tChart::kBuiltIn, f.y, f.mo, f.d, f.h, f.mi, kAll);
        EXPECT_LT(Gap(c.BodyPosition(kVesta), f.body[0]), 1.5) << f.y;
        EXPECT_LT(Gap(c.BodyPosition(kMeanNode), f.body[2]), 0.02) << f.y;
        EXPECT_LT(Gap(c.BodyPosition(kTrueNode), f.body[3]), 0.5) << f.y;  // one periodic term
        // The built-in cusps take the fixed obliquity and their own sidereal time.
        EXPECT_LT(Gap(c.BodyPosition(kVertex), f.vertex), 0.1) << f.y;
        EXPECT_LT(Gap(c.BodyPosition(kEastPoint), f.east), 0.1) << f.y;
        // What the built-in theory cannot give is left out, and said.
        for (int n : {kPholus, kTrueLilith, kCupido, kPoseidon}) EXPECT_EQ(c.BodyPosition(n), -1.0) << n;
        EXPECT_NE(c.PointsNote.find("Pholus, True Lilith, Cupido, Poseidon"), std::string::npos) << c.PointsNote;
    }
}

TEST(ComputedPoints, SouthNodeOppositeTheChosenNode)
{
    for (std::uint8_t eph : {tChart::kBuiltIn, tChart::kPrecise}) {
        if (eph == tChart::kPrecise && !Precise()) continue;
        for (bool mean : {false, true}) {
            tChart c;
            c.MeanNode = mean;
            Cast(c, eph, 1987, 6, 3, 14, 20, {kSouthNode, kMeanNode, kTrueNode});
            EXPECT_NEAR(Gap(c.BodyPosition(kSouthNode), c.BodyPosition(kNode)), 180.0, 1e-9);
            EXPECT_NEAR(Gap(c.BodyPosition(kNode), c.BodyPosition(mean ? kMeanNode : kTrueNode)), 0.0, 1e-9)
                << int(eph) << mean;
            // Searches and steps take the same node as the chart.
            EXPECT_NEAR(Gap(ChartEphemeris(c).Longitude(kNode, c.Centuries), c.BodyPosition(kNode)), 0.0, 1e-6);
        }
    }
}

TEST(ComputedPoints, VertexStandsWestAndEastPointEast)
{
    // Over meridians and latitudes of both hemispheres the Vertex's hour
    // angle is west of the meridian, the East Point's east.
    for (double lat : {-60.0, -33.5, -5.0, 5.0, 40.3, 65.0})
        for (int hour = 0; hour < 24; hour += 3) {
            tChart c;
            c.Latitude = lat;
            Cast(c, tChart::kBuiltIn, 2010, 3, 21, hour, 0, {kVertex, kEastPoint});
            c.Latitude = lat;
            const double ramc = c.SiderealT * kRadToDeg;
            const double west = Normalize360(ramc - c.FindBody(kVertex)->RightAscension());
            EXPECT_GT(west, 0.0) << lat << " " << hour;
            EXPECT_LT(west, 180.0) << lat << " " << hour;
            EXPECT_NEAR(Normalize360(c.FindBody(kEastPoint)->RightAscension() - ramc), 90.0, 1e-6);
        }
}

TEST(ComputedPoints, AnglePointsNeedABirthTime)
{
    tChart c;
    c.HouseType = kTimeUnknown;
    Cast(c, tChart::kBuiltIn, 1990, 5, 17, 12, 0, {kVertex, kAntiVertex, kEastPoint, kVesta});
    for (int n : {kVertex, kAntiVertex, kEastPoint}) EXPECT_EQ(c.BodyPosition(n), -1.0);
    EXPECT_GE(c.BodyPosition(kVesta), 0.0);
}

TEST(Lots, DayAndNightSwapWhenTheSunCrossesTheHorizon)
{
    // Paris, 21 June 2020: the Sun rises about 3:47 UT.
    tChart before, after;
    for (tChart* c : {&before, &after}) {
        tPlanet& eros = c->AddBody(303);  // Ascendant + Venus - Spirit, Spirit = Asc + Sun - Moon
        eros.PointType = kLotPoint, eros.Plus1 = kAscendant, eros.Plus2 = 4, eros.Minus1 = 302;
        tPlanet& spirit = c->AddBody(302);
        spirit.PointType = kLotPoint, spirit.Plus1 = kAscendant, spirit.Plus2 = 1, spirit.Minus1 = 2;
        c->FortuneBySect = true;
    }
    Cast(before, tChart::kBuiltIn, 2020, 6, 21, 3, 30);
    Cast(after, tChart::kBuiltIn, 2020, 6, 21, 4, 10);
    ASSERT_FALSE(before.SunAboveHorizon());
    ASSERT_TRUE(after.SunAboveHorizon());
    for (const tChart* c : {&before, &after}) {
        const double asc = c->BodyPosition(kAscendant), sun = c->BodyPosition(1), moon = c->BodyPosition(2);
        const bool day = c->SunAboveHorizon();
        const double spirit = Normalize360(day ? asc + sun - moon : asc + moon - sun);
        EXPECT_NEAR(Gap(c->BodyPosition(302), spirit), 0.0, 1e-9) << day;
        const double venus = c->BodyPosition(4);
        EXPECT_NEAR(Gap(c->BodyPosition(303), day ? asc + venus - spirit : asc + spirit - venus), 0.0, 1e-9) << day;
        // The Part of Fortune follows the rule of sect when the chart asks.
        tChart& mutableChart = const_cast<tChart&>(*c);
        tPlanet& fortune = mutableChart.AddBody(kPartOfFortune);
        fortune.PointType = 1, fortune.Plus1 = kAscendant, fortune.Plus2 = 2, fortune.Minus1 = 1;
        EXPECT_NEAR(Gap(c->BodyPosition(kPartOfFortune), day ? asc + moon - sun : asc + sun - moon), 0.0, 1e-9);
        mutableChart.FortuneBySect = false;
        EXPECT_NEAR(Gap(c->BodyPosition(kPartOfFortune), asc + moon - sun), 0.0, 1e-9);
    }
}

TEST(Declinations, SunAtTheSolsticesAndStarsWithProperMotion)
{
    for (std::uint8_t eph : {tChart::kBuiltIn, tChart::kPrecise}) {
        if (eph == tChart::kPrecise && !Precise()) continue;
        tChart june, december;
        Cast(june, eph, 2021, 6, 21, 3, 32);
        Cast(december, eph, 2021, 12, 21, 15, 59);
        EXPECT_NEAR(june.FindBody(1)->Declination(), 23.436, 0.01) << int(eph);
        EXPECT_NEAR(december.FindBody(1)->Declination(), -23.436, 0.01) << int(eph);
        EXPECT_NEAR(june.FindBody(1)->RightAscension(), 90.0, 0.05);
    }
    if (!Precise()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
    // Arcturus moves 2.3" a year, mostly southwards; Regulus hardly.
    auto star = [](const char* name, int year, std::uint8_t eph) {
        tChart c;
        tPlanet& s = c.AddBody(1001);
        s.PointType = 2, s.RowName = name, s.Longitude = 204.2, s.Latitude = 30.7;
        Cast(c, eph, year, 1, 1, 0, 0);
        return std::pair{c.BodyPosition(1001), c.FindBody(1001)->Latitude};
    };
    const auto a1900 = star("Arcturus", 1900, tChart::kPrecise), a2100 = star("Arcturus", 2100, tChart::kPrecise);
    const auto r1900 = star("Regulus", 1900, tChart::kPrecise), r2100 = star("Regulus", 2100, tChart::kPrecise);
    EXPECT_NEAR(a1900.first, 202.8415, 2e-3);
    EXPECT_NEAR(a2100.second - a1900.second, -0.1387, 2e-3);
    EXPECT_NEAR(r2100.second - r1900.second, 0.0065, 2e-3);
    EXPECT_GT(std::fabs((a2100.first - a1900.first) - (r2100.first - r1900.first)), 0.008);
    // Built-in, the star keeps its J2000 latitude.
    EXPECT_DOUBLE_EQ(star("Arcturus", 2100, tChart::kBuiltIn).second, 30.7);
    // A star the catalogue lacks keeps its own place, and the chart says so.
    tChart c;
    tPlanet& s = c.AddBody(1001);
    s.PointType = 2, s.RowName = "No Such Star", s.Longitude = 100.0;
    Cast(c, tChart::kPrecise, 2000, 1, 1, 12, 0);
    EXPECT_NEAR(c.BodyPosition(1001), 100.0, 1e-3);
    EXPECT_NE(c.PointsNote.find("No Such Star: not in the precise star catalogue"), std::string::npos);
}

TEST(Lots, WithoutATermThereIsNoLot)
{
    tChart c;
    c.SetBodyLongitude(1, 10.0);
    c.SetBodyLongitude(4, 50.0);
    c.SetHouseCusp(1, 100.0);
    c.TropicalAsc = 100.0;
    tPlanet& eros = c.AddBody(303);
    eros.PointType = kLotPoint, eros.Plus1 = kAscendant, eros.Plus2 = 4, eros.Minus1 = 302;
    EXPECT_EQ(c.BodyPosition(303), -1.0);  // no Spirit in the chart
}

TEST(Lots, ShortNamesByAbbreviation)
{
    EXPECT_EQ(AbbreviatedPointName("Lot of Eros"), "Eros");
    EXPECT_EQ(AbbreviatedPointName("Lot of Death of Father"), "DeaF");
    EXPECT_EQ(AbbreviatedPointName("Lot of Marriage (women)"), "MarW");
    EXPECT_EQ(AbbreviatedPointName("Aldebaran"), "Alde");
    EXPECT_EQ(AbbreviatedPointName("Épi"), "Épi");
    // Stray continuation bytes count as at most one character with their lead.
    EXPECT_LE(AbbreviatedPointName("I" + std::string(60, '\x99')).size(), 16u);
}
