// The transit search: every moment in a period at which a moving body
// (Moon to Pluto) makes an aspect to a natal body, and where it enters and
// leaves the orb. Moments are Julian centuries of UT from J2000.0; dates in
// the results are universal time; longitudes are degrees in the natal
// chart's zodiac.
#pragma once

#include <array>
#include <cstdint>

#include "core/aspects/transits.h"
#include "core/engine/body_numbers.h"
#include "core/platform/progress.h"

namespace quintara {

class tChart;
class tOrbTable;

// The bodies that transit, in the order lists show them: the Sun to Pluto,
// then Chiron and Vesta.
inline constexpr int kTransitingBodies[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, kChiron, kVesta};

struct tTransitRules {
    std::array<bool, 36> TransitAspects{};  // [k - 1]: aspect type k is searched (1..12 used)
    const tOrbTable* SynastryOrbs = nullptr; // row = transiting body, column = aspect type
    double TransitOrb = 4.0;                 // divider of those orbs, at least 1
    double ParallelOrb = 0.0;                // degrees of declination, before the divider; 0: no parallels
};

// 1 when target lies on the way from prev to cur (an interval widened by
// tolerance at both ends, taken the short way round), -1 when it lies on
// the way back, 0 when it is not reached.
int CrossesTarget(double prev, double cur, double target, double tolerance);

// Days between samples of the scan: the value of the fastest selected body
// (Moon 1, Mercury 4, Venus and the Sun 6, Mars 8), else 16.
int TransitStepDays(tBodyMask bodies);

// chart: natal positions (bodies that are shown and take part in aspects),
// its clock fields and Adjust set to the start of the period. Searches
// months whole months from one day before that moment. bodies: bits 1..10,
// 25 and 51 select the transiting bodies, the Sun to Pluto, Chiron, Vesta. result is cleared,
// then holds the events sorted by CompareTransits, not yet scored. With a
// parallel orb, the moments a body's declination reaches a natal body's
// (or its negative) are events too (kParallelIndex, kContraparallelIndex).
// progress counts sampling steps and is called on the calling thread; when
// it asks to stop, result is left empty and the search returns false.
// jobs: the period is shared out over that many threads (0: one per core);
// the result is the same for any number.
bool TransitSearch(const tChart& chart, int months, tBodyMask bodies, const tTransitRules& rules,
                   tTransitsCollection& result, const tProgress& progress = {}, unsigned jobs = 0);

}  // namespace quintara
