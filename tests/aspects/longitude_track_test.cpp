#include <gtest/gtest.h>

#include <cmath>

#include "core/aspects/longitude_track.h"
#include "core/chart/chart.h"
#include "core/engine/body_numbers.h"
#include "core/engine/angles.h"
#include "core/engine/ephemeris_service.h"

namespace quintara {
namespace {

double JulianDayOf(double T) { return T * 36525.0 + 2451545.0; }

double BuiltInLongitude(int body, double T) { return tEphemerisService::Decided(kBuiltInSource).Longitude(body, T); }

// Between its nodes the track follows the engine, through retrograde loops
// and across 0 degrees, for every body at its own spacing (the span holds
// J2000.0, where the engine's Pluto jumps).
TEST(LongitudeTrack, FollowsTheEngineBetweenNodes)
{
    const double from = -0.02, to = 0.03;  // 1998 to 2003
    for (int body = 2; body <= 10; ++body) {
        tLongitudeTrack track(body, from, to, tLongitudeTrack::SpacingDays(body));
        double worst = 0;
        for (double T = from; T < to; T += 0.37 / 36525)
            worst = std::max(worst, std::fabs(AngleStep(BuiltInLongitude(body, T), track.At(T))));
        EXPECT_LT(worst, 2e-4) << "body " << body;
    }
}

TEST(LongitudeTrack, OutsideItsSpanIsTheEngine)
{
    tLongitudeTrack track(5, 0.0, 0.01, 1);
    EXPECT_DOUBLE_EQ(track.At(-0.5), BuiltInLongitude(5, -0.5));
    EXPECT_DOUBLE_EQ(track.At(0.5), BuiltInLongitude(5, 0.5));
}

// From the precise ephemeris the fast bodies ride on the built-in theory
// with the precise difference taken further apart: still the precise
// positions between nodes, within the tolerance of the transit moments.
TEST(LongitudeTrack, PreciseTracksFollowThePreciseEphemeris)
{
    if (!PreciseEphemerisInstalled()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
    const double from = 0.25, to = 0.26;  // 2025
    for (int body = 1; body <= 10; ++body) {
        tEphemerisService precise(kPreciseSource, JulianDayOf(from), JulianDayOf(to));
        ASSERT_TRUE(precise.Precise()) << precise.Note();
        tLongitudeTrack track(body, from, to, tLongitudeTrack::SpacingDays(body), precise);
        double worst = 0;
        for (double T = from; T < to; T += 0.37 / 36525)
            worst = std::max(worst, std::fabs(AngleStep(precise.Longitude(body, T), track.At(T))));
        EXPECT_LT(worst, 5e-4) << "body " << body;
    }
}

// Declinations for the parallels: the same nodes and corrections, no turns
// to unwrap; both sources within what the transit moments need.
TEST(LongitudeTrack, DeclinationTracksFollowTheEngine)
{
    const double from = 0.25, to = 0.26;
    for (std::uint8_t source : {kBuiltInSource, kPreciseSource}) {
        if (source == kPreciseSource && !PreciseEphemerisInstalled()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
        tEphemerisService eph(source, JulianDayOf(from), JulianDayOf(to));
        for (int body : {1, 2, 3, 5, 10, int(kVesta)}) {
            tLongitudeTrack track(body, from, to, tLongitudeTrack::SpacingDays(body), eph, tTrackValue::Declination);
            double worst = 0;
            for (double T = from; T < to; T += 0.37 / 36525)
                worst = std::max(worst, std::fabs(eph.Declination(body, T) - track.At(T)));
            EXPECT_LT(worst, 5e-4) << "body " << body << " source " << int(source);
        }
    }
}

// A span the data files do not wholly cover is built-in throughout, not
// precise on one side and built-in on the other.
TEST(LongitudeTrack, TheSourceIsChosenOnceForTheSpan)
{
    if (!PreciseEphemerisInstalled()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
    const double from = 3.99, to = 4.01;  // 2399 to 2401: the files end in 2399
    const tEphemerisService asked(kPreciseSource, JulianDayOf(from), JulianDayOf(to));
    EXPECT_FALSE(asked.Precise());
    EXPECT_NE(asked.Note().find("built-in positions shown"), std::string::npos) << asked.Note();
    for (int body : {2, 6}) {
        tLongitudeTrack track(body, from, to, tLongitudeTrack::SpacingDays(body), asked);
        for (double T = from + 0.002; T < to - 0.002; T += 0.0013)
            EXPECT_NEAR(AngleStep(BuiltInLongitude(body, T), track.At(T)), 0, 2e-4) << body << " at " << T;
    }
}

}  // namespace
}  // namespace quintara
