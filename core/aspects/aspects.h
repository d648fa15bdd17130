// Aspects inside one chart or between two charts, their orbs and scores.
//
// Positions are ecliptic longitudes in degrees; orbs are degrees from the
// exact angle. Aspect kinds k = 1..12 are searched (13..21 only have names);
// the parallels of declination (22, 23) when the rules give them an orb.
#pragma once

#include <cstdint>
#include <vector>

namespace quintara {

class tChart;
class tOrbTable;

// Declinations alike (parallel) or opposite (contraparallel), north or
// south: their orb is the difference of the two, in degrees. Not longitude
// aspects: no angle, no score, no chord on a wheel.
inline constexpr int kParallel = 22, kContraparallel = 23;
constexpr bool IsParallel(int k) { return k == kParallel || k == kContraparallel; }

// Angle of aspect k (1..12) in degrees; 0 outside.
double AspectAngle(int k);
// Group bit of aspect k: 1 (conjunction, sextile, trine), 2 (square,
// opposition), 4 (semi-sextile, quintile, inconjunct, septile), 8 (semi-square,
// sesquiquadrate, biquintile).
int AspectGroup(int k);

struct tAspect {
    std::int32_t Body1 = 0, Body2 = 0;  // body numbers
    std::int32_t Aspect = 0;            // k, 1..12
    double Orb = 0.0;                   // |distance - exact angle|, degrees
    double Score = 0.0;                 // 0 until scored
};

// What the searches and scores take from the options.
struct tAspectRules {
    const tOrbTable* NatalOrbs = nullptr;
    const tOrbTable* SynastryOrbs = nullptr;
    std::int32_t AspectTypes = 3;  // used by charts whose own value is 255
    double ParallelOrb = 0.0;      // degrees of declination; 0: no parallels
};

struct tAspectTotals {
    double Positive = 0.0, Negative = 0.0, Global = 0.0;
};

class tAspectsCollection {
public:
    explicit tAspectsCollection(tAspectRules rules) : rules(rules) {}

    // Clears the list, then the aspects inside the chart (natal orbs),
    // ordered by first body, second body, then angle-table order.
    void BuildNatal(const tChart& chart);
    // Appends the aspects of every body of a with every body of b
    // (synastry orbs). Which bodies take part is read from a for both sides.
    void BuildComparison(const tChart& a, const tChart& b);

    // Natal scoring with the dignities of the chart's signs.
    void ScoreNatal(const tChart& chart);
    // Natal scoring without dignities.
    void ScoreComparison();
    void ScoreSynastry();

    tAspectTotals Totals() const;

    const std::vector<tAspect>& Items() const { return items; }
    std::vector<tAspect>& Items() { return items; }
    void Clear() { items.clear(); }

private:
    tAspectRules rules;
    std::vector<tAspect> items;
};

// Natal score of one aspect, without dignities.
double NatalScore(const tOrbTable& natalOrbs, int body1, int body2, int k, double orb);
// Synastry score of one aspect.
double SynastryScore(const tOrbTable& synastryOrbs, int body1, int body2, int k, double orb);
// Dignity factor of body (1..10) in sign (1..12); 1 otherwise.
double DignityFactor(int body, int sign);
// Score of a transit: natal scoring at orb 0 of the aspect of angle-table
// entry n (1..24).
double TransitScore(const tOrbTable& natalOrbs, int body1, int body2, int angleIndex);

}  // namespace quintara
