#include <gtest/gtest.h>

#include "core/aspects/aspects.h"
#include "core/aspects/previsions.h"
#include "core/options/option_set.h"
#include "support/birth.h"

namespace quintara {
namespace {

struct tPrevFixture {
    tOptionRecord o = tOptionRecord::Defaults();
    tChart natal{&o.BirthSet}, moving{&o.BirthSet};
    tAspectsCollection aspects{{&o.NatalOrbs, &o.SynastryOrbs, 15}};
    tPrevFixture()
    {
        test::Birth(natal, 1990, 5, 17, 14, 30);
        moving.Assign(natal);
        moving.Year = 2024, moving.Month = 2, moving.Day = 27, moving.Hour = 20, moving.Minute = 15;
    }
    bool InComparison(int body) const { return natal.FindBody(body)->Aspects; }
};

TEST(Previsions, CoarseStepsDropFastPoints)
{
    struct { int hours; bool cusps, moon, mercury; } cases[] = {
        {6, true, true, true}, {7, false, true, true}, {168, false, true, true},
        {169, false, false, true}, {1440, false, false, true}, {1441, false, false, false}};
    for (const auto& c : cases) {
        tPrevFixture f;
        BuildPrevisions(f.natal, f.moving, 1, c.hours, f.aspects);
        EXPECT_EQ(f.InComparison(kAscendant), c.cusps) << c.hours;
        EXPECT_EQ(f.InComparison(kMidheaven), c.cusps) << c.hours;
        EXPECT_EQ(f.InComparison(kMoon), c.moon) << c.hours;
        EXPECT_EQ(f.InComparison(kMercury), c.mercury) << c.hours;
        EXPECT_TRUE(f.InComparison(kSun));
        // Gone from both sides of the comparison.
        if (!c.moon) {
            for (const tAspect& a : f.aspects.Items()) EXPECT_TRUE(a.Body1 != kMoon && a.Body2 != kMoon);
        }
    }
}

TEST(Previsions, StepsCarryOverLeapFebruaryAndTotalsAddUp)
{
    tPrevFixture f;
    const tPrevCollection list = BuildPrevisions(f.natal, f.moving, 4, 30, f.aspects);
    ASSERT_EQ(list.size(), 4u);
    const int expected[4][3] = {{2, 27, 20}, {2, 29, 2}, {3, 1, 8}, {3, 2, 14}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(list[static_cast<std::size_t>(k)].Month, expected[k][0]);
        EXPECT_EQ(list[static_cast<std::size_t>(k)].Day, expected[k][1]);
        EXPECT_EQ(list[static_cast<std::size_t>(k)].Hour, expected[k][2]);
        EXPECT_EQ(list[static_cast<std::size_t>(k)].Minute, 15);
    }
    // Left at the moment after the last step.
    EXPECT_EQ(f.moving.Day, 3);
    EXPECT_EQ(f.moving.Hour, 20);

    // The last step's record is the comparison of the charts at that moment.
    const tPrevRecord& last = list.back();
    EXPECT_GT(last.Positive, 0);
    EXPECT_LE(last.Negative, 0);
    EXPECT_DOUBLE_EQ(last.Total, last.Positive + last.Negative);
    EXPECT_DOUBLE_EQ(last.Total, f.aspects.Totals().Global);
}

TEST(Previsions, CenturyFebruaryHasNoTwentyNinth)
{
    tPrevFixture f;
    f.moving.Year = 2100, f.moving.Day = 28, f.moving.Hour = 12, f.moving.Minute = 0;
    const tPrevCollection list = BuildPrevisions(f.natal, f.moving, 2, 24, f.aspects);
    EXPECT_EQ(list[1].Month, 3);
    EXPECT_EQ(list[1].Day, 1);
}

TEST(Previsions, NoStepsNothingComputed)
{
    tPrevFixture f;
    EXPECT_TRUE(BuildPrevisions(f.natal, f.moving, 0, 168, f.aspects).empty());
    EXPECT_EQ(f.moving.Day, 27);
}

TEST(Previsions, StoppedFromTheProgressGivesNothing)
{
    tPrevFixture f;
    int calls = 0;
    EXPECT_TRUE(BuildPrevisions(f.natal, f.moving, 100, 24, f.aspects, [&](int done, int all) {
        EXPECT_EQ(all, 100);
        return done < 64 || ++calls == 0;
    }).empty());
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace quintara
