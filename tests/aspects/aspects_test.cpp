#include "core/aspects/aspects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

#include "core/chart/chart.h"
#include "core/engine/houses.h"
#include "core/options/option_set.h"
#include "support/birth.h"

using namespace quintara;

namespace {

// Default options; the tests choose which bodies take part.
struct tFixture {
    tOptionRecord options = tOptionRecord::Defaults();
    tAspectRules Rules(int aspectTypes = 15) const
    {
        return {&options.NatalOrbs, &options.SynastryOrbs, aspectTypes};
    }
};

// Only bodies in `on` take part in aspects.
void OnlyBodies(tChart& c, std::initializer_list<int> on)
{
    for (int p = 1; p <= c.BodyCount(); ++p) {
        tPlanet* b = c.BodyAt(p);
        b->Visible = b->Aspects = false;
        for (int n : on)
            if (b->Num == n) b->Visible = b->Aspects = true;
    }
}

}  // namespace

TEST(Aspects, FoldingAndStrictOrbBounds)
{
    tFixture f;
    tChart c;
    OnlyBodies(c, {1, 2});
    c.SetBodyLongitude(1, 359.0);
    c.SetBodyLongitude(2, 1.0);
    tAspectsCollection list(f.Rules());
    list.BuildNatal(c);
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_EQ(list.Items()[0].Aspect, 1);
    EXPECT_NEAR(list.Items()[0].Orb, 2.0, 1e-12);
    // Sextile orb is 4 for both rows: exactly 4 off is no aspect.
    c.SetBodyLongitude(1, 64.0);
    c.SetBodyLongitude(2, 0.0);
    list.BuildNatal(c);
    EXPECT_TRUE(list.Items().empty());
    c.SetBodyLongitude(1, 63.9);
    list.BuildNatal(c);
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_EQ(list.Items()[0].Aspect, 2);
    // Negative side of the table: Moon 60 degrees ahead of the Sun.
    c.SetBodyLongitude(1, 0.0);
    c.SetBodyLongitude(2, 61.0);
    list.BuildNatal(c);
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_NEAR(list.Items()[0].Orb, 1.0, 1e-12);
}

TEST(Aspects, OrbPercentAndAspectTypes)
{
    tFixture f;
    tChart c;
    OnlyBodies(c, {1, 2});
    c.SetBodyLongitude(1, 0.0);
    c.SetBodyLongitude(2, 93.0);  // square, orb 3 of 6
    tAspectsCollection list(f.Rules(3));
    list.BuildNatal(c);
    EXPECT_EQ(list.Items().size(), 1u);
    c.OrbPercent = 50;  // limit 3: strict
    list.BuildNatal(c);
    EXPECT_TRUE(list.Items().empty());
    c.OrbPercent = 0;
    c.SetBodyLongitude(2, 90.0);
    list.BuildNatal(c);
    EXPECT_TRUE(list.Items().empty());
    // Major aspects only: a semi-sextile is not listed.
    c.OrbPercent = 100;
    c.SetBodyLongitude(2, 30.5);
    list.BuildNatal(c);
    EXPECT_TRUE(list.Items().empty());
    c.AspectTypes = 15;
    list.BuildNatal(c);
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_EQ(list.Items()[0].Aspect, 6);
}

TEST(Aspects, OrbRowsByPositionAndRowThirteen)
{
    tFixture f;
    f.options.NatalOrbs.Set(1, 1, 3);
    f.options.NatalOrbs.Set(2, 1, 8);
    f.options.NatalOrbs.Set(13, 1, 1);
    tChart c;
    OnlyBodies(c, {1, 2, 25});
    c.SetBodyLongitude(1, 10.0);
    c.SetBodyLongitude(2, 17.0);   // 7 off: within the Moon's 8
    c.SetBodyLongitude(25, 11.5);  // 1.5 off the Sun: row 13 (1) says no
    tAspectsCollection list(f.Rules());
    list.BuildNatal(c);
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_EQ(list.Items()[0].Body2, 2);
}

TEST(Aspects, TimeUnknownKeepsNodeAndCuspsOut)
{
    tFixture f;
    tChart c;
    for (int n = 1; n <= c.BodyCount(); ++n) {
        c.SetBodyLongitude(n, 0.0);  // all conjunct
        c.BodyAt(n)->Visible = c.BodyAt(n)->Aspects = true;
    }
    c.HouseType = 255;
    tAspectsCollection list(f.Rules());
    list.BuildNatal(c);
    for (const tAspect& a : list.Items()) {
        EXPECT_FALSE(a.Body1 >= 12 && a.Body1 <= 24) << a.Body1;
        EXPECT_FALSE(a.Body2 >= 12 && a.Body2 <= 24) << a.Body2;
        if (a.Body1 <= 11) {
            EXPECT_LE(a.Body2, 11);
        }
    }
    // 11 first bodies among themselves and Chiron..Juno among themselves.
    EXPECT_EQ(list.Items().size(), 55u + 6u);
    c.HouseType = 0;
    list.BuildNatal(c);
    // Node and cusps never aspect each other.
    for (const tAspect& a : list.Items()) EXPECT_FALSE(a.Body1 >= 12 && a.Body2 <= 24 && a.Body2 >= 12);
}

TEST(Aspects, NatalScoringExamplesAndDignities)
{
    tFixture f;
    const tOrbTable& n = f.options.NatalOrbs;
    EXPECT_DOUBLE_EQ(NatalScore(n, 1, 2, 1, 0.0), 760.0);
    EXPECT_DOUBLE_EQ(NatalScore(n, 1, 7, 1, 0.0), (10 + 4) * 10 * 4 * 0.3);
    EXPECT_DOUBLE_EQ(NatalScore(n, 2, 7, 1, 0.0), (9 + 4) * 10 * 4 * 0.3 * 0.5);
    EXPECT_DOUBLE_EQ(NatalScore(n, 5, 1, 1, 0.0), (6 + 10) * 10 * 4 * 0.7);
    EXPECT_DOUBLE_EQ(NatalScore(n, 1, 2, 5, 4.5), 19 * 5.0 * -2.0);  // orb half of 9
    EXPECT_DOUBLE_EQ(NatalScore(n, 13, 18, 4, 0.0), (10 + 8) * 10.0);
    EXPECT_DOUBLE_EQ(NatalScore(n, 12, 12, 3, 0.0), -(-1 - 1) * 10.0);
    tOrbTable zero;
    EXPECT_DOUBLE_EQ(NatalScore(zero, 1, 2, 4, 3.0), 190.0);  // m = 0: base 10
    EXPECT_DOUBLE_EQ(DignityFactor(1, 5), 1.5);
    EXPECT_DOUBLE_EQ(DignityFactor(4, 12), 1.3);
    EXPECT_DOUBLE_EQ(DignityFactor(7, 4), 0.7);
    EXPECT_DOUBLE_EQ(DignityFactor(5, 4), 0.5);
    EXPECT_DOUBLE_EQ(DignityFactor(8, 1), 1.0);
    EXPECT_DOUBLE_EQ(DignityFactor(11, 5), 1.0);
    // Sun in Leo conjunct Moon in Leo: 760 x 1.5 (Sun) x 1 (Moon).
    tChart c;
    OnlyBodies(c, {1, 2});
    c.SetBodyLongitude(1, 130.0);
    c.SetBodyLongitude(2, 130.0);
    tAspectsCollection list(f.Rules());
    list.BuildNatal(c);
    list.ScoreNatal(c);
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_DOUBLE_EQ(list.Items()[0].Score, 1140.0);
    list.ScoreComparison();
    EXPECT_DOUBLE_EQ(list.Items()[0].Score, 760.0);
    EXPECT_DOUBLE_EQ(TransitScore(f.options.NatalOrbs, 1, 2, 2), 760.0);  // entry 2: k = 1
}

TEST(Aspects, SynastryScoringDivisors)
{
    tFixture f;
    const tOrbTable& s = f.options.SynastryOrbs;
    EXPECT_DOUBLE_EQ(SynastryScore(s, 1, 2, 4, 0.0), 320.0 / 3 * 3);
    EXPECT_DOUBLE_EQ(SynastryScore(s, 13, 1, 4, 0.0), 320.0 / 7 * 3);    // 14 - 7
    EXPECT_DOUBLE_EQ(SynastryScore(s, 13, 18, 4, 0.0), 320.0 / 17 * 3);  // 31 - 14
    EXPECT_DOUBLE_EQ(SynastryScore(s, 1, 1, 1, 0.0), 320.0 / 2);
    EXPECT_DOUBLE_EQ(SynastryScore(s, 4, 4, 1, 0.0), 320.0 / 8 * 2);
    EXPECT_DOUBLE_EQ(SynastryScore(s, 6, 6, 1, 2.5), (1 - 2.5 / 10) * 320.0 / 12 * 5);
    EXPECT_DOUBLE_EQ(SynastryScore(s, 2, 3, 5, 0.0), 320.0 / 5 * 2);
    EXPECT_DOUBLE_EQ(SynastryScore(s, 5, 6, 5, 0.0), 320.0 / 11 * -3);
    EXPECT_DOUBLE_EQ(SynastryScore(s, 5, 6, 3, 0.0), 320.0 / 11 * -5);
}

TEST(Aspects, ComparisonReadsFlagsFromTheFirstChartAndTotals)
{
    tFixture f;
    tChart a, b;
    OnlyBodies(a, {1, 2});
    OnlyBodies(b, {});  // b's flags play no part
    a.SetBodyLongitude(1, 0.0);
    a.SetBodyLongitude(2, 200.0);
    b.SetBodyLongitude(1, 1.0);    // a's Sun conjunct b's Sun
    b.SetBodyLongitude(2, 90.5);   // a's Sun square b's Moon
    tAspectsCollection list(f.Rules());
    list.BuildComparison(a, b);
    ASSERT_EQ(list.Items().size(), 2u);
    EXPECT_EQ(list.Items()[0].Body2, 1);
    EXPECT_EQ(list.Items()[1].Aspect, 3);
    list.ScoreSynastry();
    const tAspectTotals t = list.Totals();
    EXPECT_GT(t.Positive, 0.0);
    EXPECT_LT(t.Negative, 0.0);
    EXPECT_DOUBLE_EQ(t.Global, t.Positive + t.Negative);
    list.BuildComparison(a, b);  // appends
    EXPECT_EQ(list.Items().size(), 4u);

    // A star is never paired with itself across the two charts; with
    // another star or a body it is.
    for (tChart* c : {&a, &b}) {
        for (int num : {30, 31}) {
            tPlanet& star = c->AddBody(num);
            star.PointType = 2, star.Longitude = 149.8, star.Visible = star.Aspects = true;
        }
        c->SetBodyLongitude(1, 150.0);
    }
    tAspectsCollection stars(f.Rules());
    stars.BuildComparison(a, b);
    for (const tAspect& x : stars.Items()) EXPECT_FALSE(x.Body1 == x.Body2 && x.Body1 >= 30) << x.Body1;
    const auto pairs = [&](int p, int q) {
        return std::count_if(stars.Items().begin(), stars.Items().end(),
                             [&](const tAspect& x) { return x.Body1 == p && x.Body2 == q; });
    };
    EXPECT_EQ(pairs(30, 31), 1);
    EXPECT_EQ(pairs(1, 30), 1);
    EXPECT_EQ(pairs(1, 1), 1);
}

namespace {

// The search written the plain way: every pair, all 24 angle-table entries
// in order, row choice by position.
std::vector<tAspect> PlainNatal(const tChart& c, const tOrbTable& orbs, int types)
{
    std::vector<tAspect> out;
    const int n = c.BodyCount();
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const tPlanet* a = c.BodyAt(i);
            const tPlanet* b = c.BodyAt(j);
            if (!a->TakesPartInAspects() || !b->TakesPartInAspects()) continue;
            if (i >= 12 && i <= 24 && j >= 12 && j <= 24) continue;
            double d = a->GetPosition() - b->GetPosition();
            if (d > 180.0) d = 360.0 - d;
            if (d < -180.0) d += 360.0;
            for (int k = 1; k <= 12; ++k) {
                if (!(types & AspectGroup(k))) continue;
                const int o = i < 14 && j < 14 ? std::max(orbs.At(i, k), orbs.At(j, k)) : orbs.At(13, k);
                const double limit = o * c.OrbPercent / 100.0;
                const double entries[2] = {k == 1 ? 0.0 : -AspectAngle(k), k == 1 ? 360.0 : AspectAngle(k)};
                for (double e : entries)
                    if (e - limit < d && d < e + limit) out.push_back({a->Num, b->Num, k, std::fabs(d - e), 0.0});
            }
        }
    return out;
}

}  // namespace

TEST(Aspects, SearchMatchesThePlainScanIncludingWideOrbs)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    for (int round = 0; round < 200; ++round) {
        tOrbTable orbs;
        for (int r = 1; r <= 13; ++r)
            for (int k = 1; k <= 21; ++k) orbs.Set(r, k, static_cast<std::uint8_t>(round % 20 == 0 ? next() % 250 : next() % 12));
        tOptionRecord o;
        o.NatalOrbs = orbs;
        tChart c;
        for (int n = 1; n <= c.BodyCount(); ++n) {
            c.SetBodyLongitude(n, (next() % 36000) / 100.0);
            c.BodyAt(n)->Visible = c.BodyAt(n)->Aspects = next() % 4 != 0;
        }
        c.TropicalAsc = c.BodyPosition(kAscendant), c.TropicalMc = c.BodyPosition(kMidheaven);  // on their cusps
        c.OrbPercent = static_cast<std::int32_t>(next() % 150);
        const int types = static_cast<int>(next() % 16);
        c.AspectTypes = types;
        tAspectsCollection list({&o.NatalOrbs, &o.SynastryOrbs, 3});
        list.BuildNatal(c);
        const std::vector<tAspect> plain = PlainNatal(c, orbs, types);
        ASSERT_EQ(list.Items().size(), plain.size()) << "round " << round;
        for (std::size_t x = 0; x < plain.size(); ++x) {
            EXPECT_EQ(list.Items()[x].Body1, plain[x].Body1);
            EXPECT_EQ(list.Items()[x].Body2, plain[x].Body2);
            EXPECT_EQ(list.Items()[x].Aspect, plain[x].Aspect);
            EXPECT_DOUBLE_EQ(list.Items()[x].Orb, plain[x].Orb);
        }
    }
}

namespace quintara {
namespace {

// In Whole Sign houses cusp I is the start of a sign: aspects to the
// Ascendant and Midheaven are measured from the true angles, natal and
// between charts alike.
TEST(Aspects, AnglesAspectFromTheirTrueDegrees)
{
    tOptionRecord o = tOptionRecord::Defaults();
    tChart c(&o.BirthSet), other(&o.BirthSet);
    c.HouseType = kWholeSign;
    test::Birth(c, 1990, 5, 17, 14, 30);
    test::Birth(other, 2001, 9, 3, 6, 10);
    ASSERT_FALSE(c.AngleOnCusp(kAscendant));
    ASSERT_FALSE(c.AngleOnCusp(kMidheaven));
    const auto check = [&](const tChart& a, const tChart& b, const std::vector<tAspect>& items) {
        int angles = 0;
        for (const tAspect& x : items) {
            if (x.Body1 != kAscendant && x.Body1 != kMidheaven) continue;
            const double angle = x.Body1 == kAscendant ? a.Ascendant() : a.Midheaven();
            double d = std::fabs(std::remainder(angle - b.BodyPosition(x.Body2), 360.0));
            d = std::fabs(d - AspectAngle(x.Aspect));
            EXPECT_NEAR(d, x.Orb, 1e-9) << x.Body1 << "-" << x.Body2;
            ++angles;
        }
        return angles;
    };
    tAspectsCollection natal({&o.NatalOrbs, &o.SynastryOrbs, 3});
    natal.BuildNatal(c);
    tAspectsCollection pair({&o.NatalOrbs, &o.SynastryOrbs, 3});
    pair.BuildComparison(c, other);
    EXPECT_GT(check(c, c, natal.Items()) + check(c, other, pair.Items()), 0);
}

}  // namespace
}  // namespace quintara

// Parallels of declination: alike north or south within the orb, opposite
// for a contraparallel; only when the rules give them an orb; no score.
TEST(Aspects, ParallelsOfDeclination)
{
    tFixture f;
    tChart c;
    OnlyBodies(c, {1, 2, 5, 6, 13});
    c.SetBodyLongitude(1, 30.0);    // +11.5
    c.SetBodyLongitude(2, 150.4);   // +11.3: parallel, 150 less an opposition
    c.SetBodyLongitude(5, 210.0);   // -11.5: contraparallel to the Sun
    c.SetBodyLongitude(6, 100.0);   // +22.9: neither
    c.SetBodyLongitude(13, 30.0);   // the Ascendant: a cusp, no parallels
    tAspectRules rules = f.Rules(0);  // no longitude aspects at all
    tAspectsCollection none(rules);
    none.BuildNatal(c);
    EXPECT_TRUE(none.Items().empty());
    rules.ParallelOrb = 1.0;
    tAspectsCollection list(rules);
    list.BuildNatal(c);
    list.ScoreNatal(c);
    std::vector<std::tuple<int, int, int>> found;
    for (const tAspect& a : list.Items()) {
        found.emplace_back(a.Body1, a.Body2, a.Aspect);
        EXPECT_EQ(a.Score, 0.0);
        EXPECT_LT(a.Orb, 1.0);
    }
    const std::vector<std::tuple<int, int, int>> expected = {
        {1, 2, kParallel}, {1, 5, kContraparallel}, {2, 5, kContraparallel}};
    EXPECT_EQ(found, expected);
    // The chart's orb percentage scales the orb: the Moon's 0.2 stays, at 10 %.
    c.OrbPercent = 10;
    list.BuildNatal(c);
    EXPECT_EQ(list.Items().size(), 1u);  // Sun and Mars exactly contraparallel
    // Between two charts: each body of one with each of the other.
    c.OrbPercent = 100;
    tChart other;
    OnlyBodies(other, {1});
    other.SetBodyLongitude(1, 330.0);  // -11.5
    tAspectsCollection pair(rules);
    pair.BuildComparison(c, other);
    int contra = 0;
    for (const tAspect& a : pair.Items()) contra += a.Aspect == kContraparallel && a.Body2 == 1;
    EXPECT_EQ(contra, 2);  // the Sun and the Moon of the first
}
