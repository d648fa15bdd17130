// What a chart stands for: the CHARTTYPE a chart carries and the chart file
// stores. The numbers are the file's and never change.
#pragma once

#include <cstdint>

namespace quintara {

enum tChartKind : std::int32_t {
    kNatalChart = 0,
    kSunReturnChart = 1,
    kMoonReturnChart = 2,
    kProgressedChart = 3,
    kMidpointChart = 4,
    kTransitChart = 5,
    kCompareDayChart = 6,
    kPrevisionsChart = 7,
    kCompositeChart = 8,  // positions of no moment: midpoints of a pair
    kDirectedChart = 9,   // positions of no moment: the birth chart turned by an arc
};

// Charts whose positions were given, not cast for their moment: a copy
// keeps them.
constexpr bool PositionsOfNoMoment(std::int32_t kind)
{
    return kind == kProgressedChart || kind == kMidpointChart || kind == kCompositeChart || kind == kDirectedChart;
}

}  // namespace quintara
