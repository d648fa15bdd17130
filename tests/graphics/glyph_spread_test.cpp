// Glyph placement on a ring: apart by the gap, in zodiac order, exact
// where there is room, across 0° Aries and on a crowded ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/graphics/glyph_spread.h"

namespace quintara {
namespace {

double Distance(double a, double b)
{
    const double d = std::fabs(std::fmod(a - b + 720, 360.0));
    return std::min(d, 360 - d);
}

// Every pair at least gap apart, and the circular order of the exact
// longitudes kept.
void ExpectSpread(const std::vector<double>& exact, const std::vector<double>& shown, double gap)
{
    ASSERT_EQ(shown.size(), exact.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_GE(Distance(shown[i], shown[j]), gap - 1e-6) << i << " " << j;
    std::vector<std::size_t> byExact(exact.size()), byShown(exact.size());
    std::iota(byExact.begin(), byExact.end(), 0);
    byShown = byExact;
    const auto norm = [](double d) { return std::fmod(std::fmod(d, 360) + 360, 360); };
    std::sort(byExact.begin(), byExact.end(), [&](auto a, auto b) { return norm(exact[a]) < norm(exact[b]); });
    std::sort(byShown.begin(), byShown.end(), [&](auto a, auto b) { return norm(shown[a]) < norm(shown[b]); });
    // Equal as cycles: one is a rotation of the other.
    const auto at = std::find(byShown.begin(), byShown.end(), byExact.front());
    std::rotate(byShown.begin(), at, byShown.end());
    EXPECT_EQ(byShown, byExact);
}

TEST(GlyphSpread, BodiesWithRoomKeepTheirAngles)
{
    const std::vector<double> apart{10, 50, 95.5, 200, 359};
    EXPECT_EQ(SpreadOnRing(apart, 8), apart);
    EXPECT_EQ(SpreadOnRing({-30}, 8), std::vector<double>{330});
    EXPECT_TRUE(SpreadOnRing({}, 8).empty());
}

// 4 Feb 1962: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn in Aquarius.
TEST(GlyphSpread, AStelliumSpreadsAroundItsMiddleInOrder)
{
    const std::vector<double> stellium{314.8, 310.2, 323.6, 312.1, 306.9, 316.1, 304.6, 120.4, 240.3};
    const double gap = 6;
    const std::vector<double> shown = SpreadOnRing(stellium, gap);
    ExpectSpread(stellium, shown, gap);
    EXPECT_DOUBLE_EQ(shown[7], 120.4);  // alone: untouched
    double exactSum = 0, shownSum = 0;
    for (std::size_t i = 0; i < 7; ++i) exactSum += stellium[i], shownSum += shown[i];
    EXPECT_NEAR(shownSum, exactSum, 1e-6);  // the group's middle stays
    // Two close bodies move apart symmetrically, no more than needed.
    const std::vector<double> pair = SpreadOnRing({100, 102}, 6);
    EXPECT_DOUBLE_EQ(pair[0], 98);
    EXPECT_DOUBLE_EQ(pair[1], 104);
}

TEST(GlyphSpread, GroupsAcrossAriesAndCrowdedRings)
{
    const std::vector<double> seam{358, 359.5, 1, 2.5, 180};
    ExpectSpread(seam, SpreadOnRing(seam, 5), 5);

    // Groups that meet after spreading merge: three clusters close together.
    const std::vector<double> chain{10, 11, 12, 22, 23, 24, 34, 35};
    ExpectSpread(chain, SpreadOnRing(chain, 6), 6);

    // More than the ring holds: they share it evenly.
    std::vector<double> many;
    for (int i = 0; i < 40; ++i) many.push_back(100 + i * 0.25);
    const std::vector<double> shown = SpreadOnRing(many, 12);
    ExpectSpread(many, shown, 9);

    EXPECT_NEAR(RingGap(100, 1000), 5.73, 0.01);
    EXPECT_EQ(RingGap(100, 0), 360);
}

// The line graph's column of glyphs: apart, in order, within the scale.
TEST(GlyphSpread, AColumnKeepsItsOrderWithinItsEnds)
{
    const std::vector<double> levels{500, 510, 505, 9990, 3000};
    const std::vector<double> shown = SpreadOnLine(levels, 600, 0, 10000);
    EXPECT_DOUBLE_EQ(shown[4], 3000);  // room: untouched
    std::vector<double> sorted = shown;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i) EXPECT_GE(sorted[i] - sorted[i - 1], 600 - 1e-6);
    EXPECT_LT(shown[0], shown[2]);
    EXPECT_LT(shown[2], shown[1]);
    for (double v : shown) EXPECT_TRUE(v >= 0 && v <= 10000);
    EXPECT_LE(shown[3], 10000);
}

}  // namespace
}  // namespace quintara
