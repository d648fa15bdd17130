#include "core/aspects/aspects.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/houses.h"
#include "core/options/option_set.h"

namespace quintara {
namespace {

constexpr int kSearched = 12;
constexpr double kAngles[kSearched + 1] = {0,  0,   60,  90,  120, 180, 30,
                                           45, 72,  135, 150, 144, 360.0 / 7.0};
constexpr int kGroups[kSearched + 1] = {0, 1, 1, 2, 1, 2, 4, 8, 4, 8, 4, 8, 4};

bool Pair(int b1, int b2, int x, int y) { return (b1 == x && b2 == y) || (b1 == y && b2 == x); }

// The chart's bodies by list position (index 0 unused), positions evaluated once.
struct tSide {
    std::vector<double> position;
    std::vector<char> takesPart;
    std::vector<std::int32_t> number;
    std::vector<int> participants;  // positions taking part, in order
    std::vector<double> declination;  // of the participants by position when parallels are asked; NaN for none

    explicit tSide(const tChart& c)
    {
        const int n = c.BodyCount();
        position.resize(static_cast<std::size_t>(n) + 1);
        takesPart.resize(static_cast<std::size_t>(n) + 1);
        number.resize(static_cast<std::size_t>(n) + 1);
        for (int p = 1; p <= n; ++p) {
            const tPlanet* b = c.BodyAt(p);
            position[static_cast<std::size_t>(p)] = c.AspectPosition(b->Num);
            takesPart[static_cast<std::size_t>(p)] = b->TakesPartInAspects();
            number[static_cast<std::size_t>(p)] = b->Num;
            if (b->TakesPartInAspects()) participants.push_back(p);
        }
    }
};

// Limits of one search: the enabled aspects and each row's scaled orb.
class tPairTester {
public:
    tPairTester(const tOrbTable& orbs, int aspectTypes, int percent)
    {
        const double scale = percent / 100.0;
        for (int k = 1; k <= kSearched; ++k) {
            if (!(aspectTypes & kGroups[k])) continue;
            kind[count] = k;
            angle[count] = kAngles[k];
            for (int row = 1; row <= 13; ++row) rowLimit[row][count] = orbs.At(row, k) * scale;
            ++count;
        }
    }

    // Pair at list positions i and j; the orb rows go by position (the
    // built-in bodies' positions are their numbers).
    void Test(double p1, double p2, int i, int j, std::int32_t body1, std::int32_t body2,
              std::vector<tAspect>& out) const
    {
        double d = p1 - p2;
        if (d > 180.0) d = 360.0 - d;
        if (d < -180.0) d += 360.0;
        const double ad = std::fabs(d);
        double own[kSearched];
        const double* limit = rowLimit[13];
        if (i < 14 && j < 14) {
            for (int e = 0; e < count; ++e) own[e] = std::max(rowLimit[i][e], rowLimit[j][e]);
            limit = own;
        }
        // Branch-free rejection first: a bit for each searched kind one of
        // whose two entries may hold. Most pairs have none. An entry of the
        // other sign (or 360) can only hold when |d| + a < limit, which
        // implies ||d| - a| < limit, so that one test covers both entries.
        double closest = 1.0;
        for (int e = 0; e < count; ++e) closest = std::min(closest, std::fabs(ad - angle[e]) - limit[e]);
        if (!(closest < 0.0)) return;
        unsigned candidates = 0;
        for (int e = 0; e < count; ++e)
            candidates |= static_cast<unsigned>(std::fabs(ad - angle[e]) < limit[e]) << e;
        while (candidates) {
            const int e = std::countr_zero(candidates);
            candidates &= candidates - 1;
            const int k = kind[e];
            const double a = angle[e], l = limit[e];
            // The angle table's entries of k in order: -a then +a (0 and 360 for k = 1).
            const double first = k == 1 ? 0.0 : -a, second = k == 1 ? 360.0 : a;
            if (first - l < d && d < first + l) out.push_back({body1, body2, k, std::fabs(d - first), 0.0});
            if (second - l < d && d < second + l) out.push_back({body1, body2, k, std::fabs(d - second), 0.0});
        }
    }

private:
    // The searched kinds in table order, their angles and each row's limits.
    int kind[kSearched] = {};
    double angle[kSearched] = {};
    double rowLimit[14][kSearched] = {};
    int count = 0;
};

bool InNodeOrCusps(int p) { return p >= 12 && p <= 24; }
bool IsCusp(int n) { return n >= kAscendant && n <= kLastCusp; }

// The declinations of a side's participants, once for all its pairs: none
// (NaN) for a cusp or a point without a position.
void AddDeclinations(const tChart& c, tSide& s)
{
    s.declination.assign(s.position.size(), std::nan(""));
    for (const int p : s.participants) {
        const tPlanet& b = *c.BodyAt(p);
        const double lon = b.GetPosition();
        if (!IsCusp(b.Num) && lon >= 0) s.declination[static_cast<std::size_t>(p)] = b.DeclinationAt(lon);
    }
}

// The parallels of position i of a with position j of b, appended:
// declinations within orb of each other (parallel) or of each other's negative.
void TestParallel(const tSide& a, int i, const tSide& b, int j, double orb, std::vector<tAspect>& out)
{
    const double d1 = a.declination[static_cast<std::size_t>(i)], d2 = b.declination[static_cast<std::size_t>(j)];
    if (std::isnan(d1) || std::isnan(d2)) return;
    const std::int32_t n1 = a.number[static_cast<std::size_t>(i)], n2 = b.number[static_cast<std::size_t>(j)];
    if (std::fabs(d1 - d2) < orb) out.push_back({n1, n2, kParallel, std::fabs(d1 - d2), 0.0});
    if (std::fabs(d1 + d2) < orb) out.push_back({n1, n2, kContraparallel, std::fabs(d1 + d2), 0.0});
}

}  // namespace

double AspectAngle(int k) { return k >= 1 && k <= kSearched ? kAngles[k] : 0.0; }

int AspectGroup(int k) { return k >= 1 && k <= kSearched ? kGroups[k] : 0; }

void tAspectsCollection::BuildNatal(const tChart& chart)
{
    items.clear();
    if (!rules.NatalOrbs) return;
    tSide s(chart);
    const tPairTester tester(*rules.NatalOrbs, chart.EffectiveAspectTypes(rules.AspectTypes), chart.OrbPercent);
    const bool timeUnknown = chart.HouseType == kTimeUnknown;
    // Positions that take part, in list order; the rules below need only these.
    std::vector<int>& on = s.participants;
    for (std::size_t x = 0; x < on.size(); ++x) {
        const int i = on[x];
        // Without a birth time the node and the cusps have no meaning: the
        // bodies before them stop there, and the cusps aspect nothing.
        if (timeUnknown && InNodeOrCusps(i)) continue;
        for (std::size_t y = x + 1; y < on.size(); ++y) {
            const int j = on[y];
            if (timeUnknown && (InNodeOrCusps(j) || (i < 12 && j > 24))) break;
            if (InNodeOrCusps(i) && InNodeOrCusps(j)) continue;
            tester.Test(s.position[static_cast<std::size_t>(i)], s.position[static_cast<std::size_t>(j)], i, j,
                        s.number[static_cast<std::size_t>(i)], s.number[static_cast<std::size_t>(j)], items);
        }
    }
    if (!(rules.ParallelOrb > 0)) return;
    const double orb = rules.ParallelOrb * chart.OrbPercent / 100.0;
    AddDeclinations(chart, s);
    for (std::size_t x = 0; x < on.size(); ++x)
        for (std::size_t y = x + 1; y < on.size(); ++y) {
            if (timeUnknown && (on[x] == kNode || on[y] == kNode)) continue;
            TestParallel(s, on[x], s, on[y], orb, items);
        }
}

void tAspectsCollection::BuildComparison(const tChart& a, const tChart& b)
{
    if (!rules.SynastryOrbs) return;
    tSide sa(a), sb(b);
    const tPairTester tester(*rules.SynastryOrbs, a.EffectiveAspectTypes(rules.AspectTypes), a.OrbPercent);
    const int nb = b.BodyCount();
    // Both flags from a: the two charts share the body layout.
    for (const int i : sa.participants)
        for (const int j : sa.participants) {
            if (j > nb) break;
            // A fixed star stands where it stood for both: its "conjunction
            // with itself" says nothing about the pair.
            if (i == j && a.BodyAt(i)->PointType == 2) continue;
            tester.Test(sa.position[static_cast<std::size_t>(i)], sb.position[static_cast<std::size_t>(j)], i, j,
                        sa.number[static_cast<std::size_t>(i)], sa.number[static_cast<std::size_t>(j)], items);
        }
    if (!(rules.ParallelOrb > 0)) return;
    const double orb = rules.ParallelOrb * a.OrbPercent / 100.0;
    AddDeclinations(a, sa);
    // b's own bodies at a's participants' positions (the flags are read from a).
    sb.participants.clear();
    for (const int j : sa.participants)
        if (j <= nb) sb.participants.push_back(j);
    AddDeclinations(b, sb);
    for (const int i : sa.participants)
        for (const int j : sa.participants) {
            if (j > nb) break;
            if (i == j && a.BodyAt(i)->PointType == 2) continue;
            TestParallel(sa, i, sb, j, orb, items);
        }
}

double NatalScore(const tOrbTable& orbs, int b1, int b2, int k, double orb)
{
    if (IsParallel(k)) return 0.0;  // outside the scores' system
    const int m = orbs.Orb(b1, b2, k);
    const double base = m > 0 ? std::fabs(1.0 - orb / m) * 10.0 : 10.0;
    int w = 0;
    if (b1 >= 1 && b1 <= 12) w += 11 - b1;
    if (b2 >= 1 && b2 <= 12) w += 11 - b2;
    if (b1 == 13) w += 10;
    if (b2 == 18) w += 8;
    double score = w * base;
    switch (k) {
    case 1:
        score *= 4.0;
        if (Pair(b1, b2, 1, 7) || Pair(b1, b2, 2, 5) || Pair(b1, b2, 2, 7) || Pair(b1, b2, 5, 7)) score *= 0.3;
        if (Pair(b1, b2, 2, 7)) score *= 0.5;
        if (Pair(b1, b2, 1, 5)) score *= 0.7;
        break;
    case 2: score *= 2.0; break;
    case 3: score *= -1.0; break;
    case 5: score *= -2.0; break;
    case 6: case 8: case 10: score *= 0.5; break;
    case 7: case 9: score *= -0.5; break;
    default: break;
    }
    return score;
}

double DignityFactor(int body, int sign)
{
    struct tDignity {
        int up15[2], up13, down07[2], down05;
    };
    // Signs multiplying by 1.5, 1.3, 0.7 and 0.5; 0 = none.
    static constexpr tDignity kTable[11] = {
        {{0, 0}, 0, {0, 0}, 0},
        {{5, 0}, 1, {11, 0}, 7},   {{4, 0}, 2, {10, 0}, 8},  {{3, 6}, 0, {9, 12}, 0},
        {{2, 7}, 12, {1, 8}, 6},   {{1, 8}, 10, {2, 7}, 4},  {{9, 12}, 4, {3, 6}, 10},
        {{10, 11}, 7, {4, 5}, 1},  {{11, 0}, 0, {5, 0}, 0},  {{12, 0}, 0, {6, 0}, 0},
        {{8, 0}, 0, {2, 0}, 0},
    };
    if (body < 1 || body > 10 || sign < 1 || sign > 12) return 1.0;
    const tDignity& d = kTable[body];
    if (sign == d.up15[0] || sign == d.up15[1]) return 1.5;
    if (sign == d.up13) return 1.3;
    if (sign == d.down07[0] || sign == d.down07[1]) return 0.7;
    if (sign == d.down05) return 0.5;
    return 1.0;
}

double SynastryScore(const tOrbTable& orbs, int b1, int b2, int k, double orb)
{
    if (IsParallel(k)) return 0.0;
    const int m = orbs.Orb(b1, b2, k);
    int divisor = b1 + b2;
    for (int b : {b1, b2})
        if (b == 13 || b == 18) divisor -= 7;
    // A zero orb row or a divisor of 0 would divide by zero.
    double base = (1.0 - (m > 0 ? orb / (2.0 * m) : 0.0)) * 320.0;
    if (divisor != 0) base /= divisor;
    switch (k) {
    case 1:
        if (Pair(b1, b2, 3, 3) || Pair(b1, b2, 4, 4)) base *= 2.0;
        else if (!Pair(b1, b2, 1, 1) && !Pair(b1, b2, 5, 5)) base *= 5.0;
        break;
    case 2: case 4: base *= 3.0; break;
    case 3: base *= -5.0; break;
    case 5:
        if (Pair(b1, b2, 1, 2) || Pair(b1, b2, 1, 4) || Pair(b1, b2, 2, 2) || Pair(b1, b2, 2, 3) ||
            Pair(b1, b2, 2, 4) || Pair(b1, b2, 3, 3))
            base *= 2.0;
        else
            base *= -3.0;
        break;
    case 6: case 8: case 10: base *= 0.5; break;
    case 7: case 9: base *= -0.5; break;
    default: break;
    }
    return base;
}

double TransitScore(const tOrbTable& orbs, int b1, int b2, int angleIndex)
{
    return NatalScore(orbs, b1, b2, (angleIndex + 1) / 2, 0.0);
}

void tAspectsCollection::ScoreNatal(const tChart& chart)
{
    if (!rules.NatalOrbs) return;
    for (tAspect& a : items) {
        a.Score = NatalScore(*rules.NatalOrbs, a.Body1, a.Body2, a.Aspect, a.Orb);
        for (int b : {a.Body1, a.Body2})
            if (b >= 1 && b <= 10) {
                const double lon = chart.BodyPosition(b);
                if (lon >= 0.0) a.Score *= DignityFactor(b, SignOf(lon));
            }
    }
}

void tAspectsCollection::ScoreComparison()
{
    if (!rules.NatalOrbs) return;
    for (tAspect& a : items) a.Score = NatalScore(*rules.NatalOrbs, a.Body1, a.Body2, a.Aspect, a.Orb);
}

void tAspectsCollection::ScoreSynastry()
{
    if (!rules.SynastryOrbs) return;
    for (tAspect& a : items) a.Score = SynastryScore(*rules.SynastryOrbs, a.Body1, a.Body2, a.Aspect, a.Orb);
}

tAspectTotals tAspectsCollection::Totals() const
{
    tAspectTotals t;
    for (const tAspect& a : items) {
        if (a.Score > 0.0) t.Positive += a.Score;
        if (a.Score < 0.0) t.Negative += a.Score;
    }
    t.Global = t.Positive + t.Negative;
    return t;
}

}  // namespace quintara
