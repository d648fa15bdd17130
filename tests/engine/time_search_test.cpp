#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/engine/time_search.h"

namespace quintara {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Plain crossings in time order with their direction, a zero at a sample
// counted once, none at the span's start.
TEST(TimeSearch, EachRootFindsCrossingsInOrder)
{
    std::vector<double> at;
    std::vector<bool> rising;
    const int n = EachRoot([](double t) { return std::sin(t); }, 0.0, 10.0, 0.5, 1e-9, [&](double t, bool up) {
        at.push_back(t);
        rising.push_back(up);
    });
    ASSERT_EQ(n, 3);
    EXPECT_NEAR(at[0], kPi, 1e-9);
    EXPECT_NEAR(at[1], 2 * kPi, 1e-9);
    EXPECT_NEAR(at[2], 3 * kPi, 1e-9);
    EXPECT_EQ(rising, (std::vector<bool>{false, true, false}));

    at.clear();
    EachRoot([](double t) { return t - 2.0; }, 0.0, 4.0, 0.5, 1e-9, [&](double t, bool) { at.push_back(t); });
    EXPECT_EQ(at, std::vector<double>{2.0});  // on a sample: once
    at.clear();
    EachRoot([](double t) { return t - 4.0; }, 0.0, 4.0, 0.3, 1e-9, [&](double t, bool) { at.push_back(t); });
    EXPECT_EQ(at, std::vector<double>{4.0});  // at the span's end
    at.clear();
    EachRoot([](double t) { return t; }, 0.0, 4.0, 0.3, 1e-9, [&](double t, bool) { at.push_back(t); });
    EXPECT_TRUE(at.empty());  // at its start: the step before holds it
}

// Two crossings inside one step (a turn just past the target): found with
// touch, missed without; a turn that stays short of zero gives nothing.
TEST(TimeSearch, TurnsNearZeroGiveBothCrossingsOrNone)
{
    const auto dip = [](double depth) { return [depth](double t) { return (t - 2.1) * (t - 2.1) - depth; }; };
    std::vector<double> at;
    const auto keep = [&](double t, bool) { at.push_back(t); };
    EachRoot(dip(1e-4), 0.0, 5.0, 0.5, 1e-10, keep);
    EXPECT_TRUE(at.empty());
    EachRoot(dip(1e-4), 0.0, 5.0, 0.5, 1e-10, keep, 1.0);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_NEAR(at[0], 2.09, 1e-8);
    EXPECT_NEAR(at[1], 2.11, 1e-8);
    at.clear();
    EachRoot(dip(-1e-4), 0.0, 5.0, 0.5, 1e-10, keep, 1.0);
    EXPECT_TRUE(at.empty());
}

// The bracketed root reaches its tolerance even on a function flat at the
// root, where false position alone creeps from one side.
TEST(TimeSearch, BracketedRootsReachTheirToleranceOnFlatFunctions)
{
    int calls = 0;
    const auto flat = [&](double t) {
        ++calls;
        return std::pow(t - 0.3, 9);
    };
    const double r = RootInBracket(flat, 0.0, flat(0.0), 1.0, flat(1.0), 1e-9);
    EXPECT_NEAR(r, 0.3, 1e-9);
    EXPECT_LT(calls, 150);
    EXPECT_EQ(RootInBracket(flat, 0.3, 0.0, 1.0, 1.0, 1e-9), 0.3);  // a root at an end
}

TEST(TimeSearch, ExtremaAndTheNearestRoot)
{
    EXPECT_NEAR(LeastIn([](double t) { return (t - 3.2) * (t - 3.2); }, 0.0, 10.0, 1e-9), 3.2, 1e-8);
    EXPECT_NEAR(LeastIn([](double t) { return -std::sin(t); }, 0.0, 3.0, 1e-9), kPi / 2, 1e-7);  // a greatest value: flat, so to about 1e-8
    const auto s = [](double t) { return std::sin(t); };
    EXPECT_NEAR(RootNear(s, 4.5, 0.25, 5.0, 1e-10), kPi, 1e-9);  // pi is nearer than 2 pi
    EXPECT_NEAR(RootNear(s, 5.9, 0.25, 5.0, 1e-10), 2 * kPi, 1e-9);
    EXPECT_TRUE(std::isnan(RootNear([](double t) { return t * t + 1; }, 0.0, 0.5, 3.0, 1e-9)));
}

}  // namespace
}  // namespace quintara
