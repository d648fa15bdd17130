// One chart as the exchange formats carry it, between reading a file and
// checking it against the reference tables (or between a chart and a
// written line). Coordinates and zone are in the chart's own units.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/chart/chart_input.h"

namespace quintara {

enum class tExchangeFormat { kAaf, kCsv, kJsonLines };

struct tExchangeRecord {
    std::size_t line = 0;  // first line of the record in its file, 1-based
    std::string name, firstName, comment, place, country;
    char sex = 0;  // 'M', 'F', or 0 when the file does not say
    // Date and clock time; adjust, latitude and longitude only where the
    // flags below say the file gave them. house and zodiac likewise.
    tChartRequest moment;
    bool timeUnknown = false;     // noon is taken, no houses
    bool hasZone = false;         // moment.adjust was given
    bool hasCoordinates = false;  // moment.latitude/longitude were given
    bool hasHouse = false, hasZodiac = false;
    std::optional<double> julianDay;  // UT, when the file gives it (AAF)
    std::string problem;              // "field: what is wrong", found while reading
};

}  // namespace quintara
