// The "positions" command: one chart as text or JSON, or a batch of charts.
#pragma once

#include <functional>
#include <iosfwd>
#include <vector>
#include <string>

#include "core/data/json_line.h"
#include "core/data/jsonl_format.h"
#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/i18n/languages.h"

namespace quintara::cli {

// Aligned text: header, bodies 1..12 and 25..28, then the twelve cusps.
// Names in the language of lang, or the built-in English without one.
std::string PositionsText(const tChart& chart, TLanguages* lang = nullptr);
// The chart as one JSON object (the schema of core/data/chart_json.h).
std::string PositionsJson(const tChart& chart);

struct tBatchCounts {
    long long charts = 0, errors = 0;
    bool writeFailed = false;  // out went bad: the run stopped there
};
// Fills a line's coordinates and zone (and the request's country) from its
// "place" (and "country"); warnings get what the user should know (a zone
// not sure, a clock time a change skipped). False with error.
using tPlaceLookup = std::function<bool(const tJsonObject& line, tChartRequest& request,
                                        std::vector<std::string>& warnings, std::string& error)>;
// One JSON object per input line in, exactly one line per input line out,
// in order: the chart ({"line":N, "id":..., chart keys, "warnings":[...]})
// or {"line":N, "id":..., "error":"..."}; errors and warnings also on err.
// jobs threads share the computing; what is written is the same as with
// one. A line needs hour, minute, adjust, lat and lon, or a place
// (looked up with lookUp) for what it lacks. ephemeris: where every
// chart's positions come from (tChart::tEphemeris).
tBatchCounts RunBatch(std::istream& in, std::ostream& out, std::ostream& err, unsigned jobs = 1,
                      std::uint8_t ephemeris = tChart::kBuiltIn, const tPlaceLookup& lookUp = {});

}  // namespace quintara::cli
