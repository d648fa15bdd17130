// Transit events: a moving body reaching an aspect to a natal body, with
// the moments the orb is entered and left. Times are universal time.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/chart/date_time.h"

namespace quintara {

class tOrbTable;

// Signed angle of aspect index 1..42 in degrees: indexes 2k - 1 and 2k are
// aspect type k at -angle and +angle (index 2 is 360, the conjunction seen
// from below). 0 outside.
double SignedAspectAngle(int index);
// Aspect type of an index: (index + 1) / 2.
constexpr int AspectTypeOfIndex(int index) { return (index + 1) / 2; }
// Past the longitudes: the transiting body's declination reaching the
// natal one (a parallel, type 22) or its negative (a contraparallel, 23).
inline constexpr int kParallelIndex = 43, kContraparallelIndex = 45;

struct tTransitEvent {
    std::uint8_t Transiting = 0;  // body 2..10
    std::uint8_t Natal = 0;       // body 1..24
    std::uint8_t AspectIndex = 0; // 1..42, a conjunction is 1; kParallelIndex, kContraparallelIndex
    double Score = 0.0;
    double Orb = 0.0;             // allowed orb, degrees (of declination for the parallels)
    tDateTime Begin{}, Exact{}, End{};
    bool Retrograde = false;      // the transiting body moves backwards at Exact
    double Moment = 0.0;          // Exact in Julian centuries of UT from J2000.0
};

// Sort order: the exact moment, then transiting body, then natal body.
bool CompareTransits(const tTransitEvent& a, const tTransitEvent& b);

class tTransitsCollection {
public:
    // An event of the same exact day, transiting body, natal body and
    // aspect as one already held is not added; returns the held one's index.
    std::size_t Add(const tTransitEvent& event);
    void Clear();
    // Stable: events that compare equal keep the order they were found in.
    void Sort();

    const std::vector<tTransitEvent>& Items() const { return items; }
    std::size_t Count() const { return items.size(); }

    // "" when the search's positions came from the ephemeris its chart
    // used, else why they are built-in (decided once for the whole search).
    std::string EphemerisNote;

private:
    friend void ScoreTransits(tTransitsCollection&, const tOrbTable&);
    std::vector<tTransitEvent> items;
    std::unordered_map<std::uint64_t, std::size_t> byKey;  // Add's key -> index
};

// Every event's score: the natal score at orb 0 of its bodies and type.
void ScoreTransits(tTransitsCollection& events, const tOrbTable& natalOrbs);

}  // namespace quintara
