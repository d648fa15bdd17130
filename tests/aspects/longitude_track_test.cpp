#include <gtest/gtest.h>

#include <cmath>

#include "core/aspects/longitude_track.h"
#include "core/engine/angles.h"

namespace quintara {
namespace {

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
            worst = std::max(worst, std::fabs(AngleStep(EngineLongitude(body, T), track.At(T))));
        EXPECT_LT(worst, 2e-4) << "body " << body;
    }
}

TEST(LongitudeTrack, OutsideItsSpanIsTheEngine)
{
    tLongitudeTrack track(5, 0.0, 0.01, 1);
    EXPECT_DOUBLE_EQ(track.At(-0.5), EngineLongitude(5, -0.5));
    EXPECT_DOUBLE_EQ(track.At(0.5), EngineLongitude(5, 0.5));
}

}  // namespace
}  // namespace quintara
