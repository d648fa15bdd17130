#include <gtest/gtest.h>

#include "core/graphics/chart_graphs.h"
#include "core/graphics/grids.h"
#include "core/graphics/moon_cycle.h"
#include "support/birth.h"
#include "support/report_fixture.h"

namespace quintara {
namespace {

using tGridFixture = test::tPictureFixture;

std::vector<const tLine*> Lines(const tElement& e)
{
    std::vector<const tLine*> out;
    for (const auto& r : e.Display)
        if (auto* l = dynamic_cast<const tLine*>(r.get())) out.push_back(l);
    return out;
}

TEST(LineGrid, CoarseStepsHideFastBodies)
{
    tGridFixture f;
    auto visible = [&](std::int32_t step) {
        tChart c(&f.o.BirthSet);
        test::Birth(c, 1990, 5, 17, 14, 30);
        tLineGrid g(nullptr, c, step, f.pc);
        std::vector<int> shown;
        for (int n = 1; n <= 12; ++n)
            if (c.FindBody(n)->Visible) shown.push_back(n);
        return shown;
    };
    const std::vector<int> all = visible(7 * 1440);
    EXPECT_EQ(visible(30 * 1440).size(), all.size() - 1);  // the Moon only
    const auto forty = visible(40 * 1440);
    EXPECT_EQ(forty.size(), all.size() - 2);  // and Mercury
    EXPECT_EQ(std::count(forty.begin(), forty.end(), 3), 0);
}

TEST(LineGrid, ACurveOverZeroDegreesLeavesAtTheBottomAndComesBackAtTheTop)
{
    tGridFixture f;
    tChart c(&f.o.BirthSet);
    test::Birth(c, 1990, 5, 17, 14, 30);
    std::array<double, kLineSamples> s{};
    for (int i = 0; i < kLineSamples; ++i) s[static_cast<std::size_t>(i)] = 335 + 10 * i;  // 355 to 5 in the third step
    for (double& v : s) v = v >= 360 ? v - 360 : v;
    tGridPlanet p(nullptr, c, *c.FindBody(1), s, 454, 714, f.pc);
    p.RecordGraph();
    const auto lines = Lines(p);
    const std::int32_t bottom = 12 * 714 - p.Y, top = -p.Y;
    int down = 0, up = 0;
    for (const tLine* l : lines) down += l->Y2 == bottom, up += l->Y1 == top;
    EXPECT_EQ(down, 1);
    EXPECT_EQ(up, 1);
    // Halfway through the third step (355 to 5 degrees).
    for (const tLine* l : lines) {
        if (l->Y2 == bottom) {
            EXPECT_EQ(l->X2 + p.X, 3 * 454 + 227);
        }
    }
}

TEST(PrevGrid, ScaleBoundsAndOneRecord)
{
    tGridFixture f;
    tChart c(&f.o.BirthSet);
    tPrevCollection small = {{500, -200, 300, 2026, 1, 1, 0, 0}, {999, 0, 999, 2026, 1, 8, 0, 0}};
    tPrevGrid g(nullptr, c, small);
    g.RecordGraph();
    EXPECT_EQ(g.MaxK, 1);
    EXPECT_EQ(g.MinK, -1);
    EXPECT_EQ(g.RowHeight, 4500);
    EXPECT_EQ(g.ColWidth, 9000);
    tPrevCollection big = {{2500, -1500, 1000, 2026, 1, 1, 0, 0}};
    tPrevGrid one(nullptr, c, big);  // a single step divides by nothing
    one.RecordGraph();
    EXPECT_EQ(one.MaxK, 3);
    EXPECT_EQ(one.MinK, -2);
    EXPECT_FALSE(one.Display.empty());
}

TEST(MoonGrid, NewMoonsLowFullMoonsHigh)
{
    tGridFixture f;
    tChart c(&f.o.BirthSet);
    test::Birth(c, 2026, 12, 7, 12, 0);
    tMoonGraph g(c, f.pc);
    g.Setup();
    g.RecordGraph();
    tElement& grid = g.Child(0);
    ASSERT_EQ(grid.Elements.size(), 9u);
    const std::int32_t wave[4] = {1000, -1000, -3000, -1000};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(grid.Child(static_cast<std::size_t>(i)).X, i * 1000 - 4000);
        EXPECT_EQ(grid.Child(static_cast<std::size_t>(i)).Y, wave[i % 4]);
    }
    // A new moon is a filled disc.
    bool filled = false;
    for (const auto& r : grid.Child(0).Display) filled = filled || dynamic_cast<const tFloodFill*>(r.get());
    EXPECT_TRUE(filled);
}

}  // namespace
}  // namespace quintara
