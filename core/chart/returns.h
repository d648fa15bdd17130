// Moments derived from a chart: the solar return in a year, the lunar
// return near a moment, and nine successive lunar quarter phases. Times
// are universal time unless a field says otherwise; T is Julian centuries
// of UT from J2000.0; longitudes are degrees.
#pragma once

#include <array>

#include "core/chart/chart.h"
#include "core/chart/date_time.h"

namespace quintara {

// B gets A's birth day and clock time in A's year + yearOffset, then the
// moment the Sun (in A's zodiac) returns to A's Sun; B ends computed at
// that moment, its clock on b's Adjust. The moment is within a second of
// the Sun's (the chart's ephemeris) return.
void SolarReturn(const tChart& a, tChart& b, int yearOffset);

// B, holding a starting moment, ends computed at the return of the Moon to
// A's Moon that lies within 180 degrees of the start; B's clock is local
// (its Adjust kept).
void LunarReturn(const tChart& a, tChart& b);

struct tPhaseResult {
    std::array<tDateTime, 9> when{};         // local clock time of the chart's Adjust
    std::array<double, 9> moonLongitude{};   // degrees
    std::array<double, 9> centuries{};       // T of each phase
};
// From 28 days before the chart's moment: phase 0 a new moon, 1 first
// quarter, 2 full moon, 3 last quarter, and so on to the ninth. The chart
// is left at the last phase's moment (bodies 1 and 2).
tPhaseResult LunarPhases(tChart& chart);

}  // namespace quintara
