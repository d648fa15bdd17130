// The moments a solar-arc directed body reaches an aspect to a natal body
// (directions.h): the arc grows about a degree a year, so each pair and
// aspect is met at most once in a few centuries.
#pragma once

#include <array>
#include <vector>

#include "core/chart/chart.h"

namespace quintara {

struct tDirectionHit {
    int directed = 0, natal = 0;  // body numbers
    int aspectIndex = 0;          // the signed angle table's (transits.h): 1..24, a conjunction 1
    double moment = 0;            // T: Julian centuries of UT from J2000.0
    double arc = 0;               // the solar arc then, degrees
};

// natal computed; [from, to] centuries of UT. aspects[k - 1]: aspect type k
// (1..12) is looked for. Every body that takes part in aspects is directed
// and aimed at. Sorted by moment, to within a few minutes of time.
std::vector<tDirectionHit> SolarArcHits(const tChart& natal, double from, double to,
                                        const std::array<bool, 36>& aspects);

// The aspects directions are read by: the five of Ptolemy (conjunction,
// sextile, square, trine, opposition), or every kind.
std::array<bool, 36> DirectionAspects(bool all);

}  // namespace quintara
