// The "positions" command: one chart as text or JSON, or a batch of charts.
#pragma once

#include <iosfwd>
#include <string>

#include "core/data/jsonl_format.h"
#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/i18n/languages.h"

namespace quintara::cli {

// Aligned text: header, bodies 1..12 and 25..28, then the twelve cusps.
// Names in the language of lang, or the built-in English without one.
std::string PositionsText(const tChart& chart, TLanguages* lang = nullptr);
// One JSON object with the same content and the sign positions.
std::string PositionsJson(const tChart& chart, TLanguages* lang = nullptr);
// The compact batch record: jd, st, house, bodies, latitudes, retro, cusps.
std::string BatchRecord(const tChart& chart);

struct tBatchCounts {
    long long charts = 0, errors = 0;
};
// One JSON object per input line in, one record per line out; bad lines are
// reported on err with their line number and skipped. jobs threads share
// the computing; what is written is the same as with one, in input order.
// ephemeris: where every chart's positions come from (tChart::tEphemeris).
tBatchCounts RunBatch(std::istream& in, std::ostream& out, std::ostream& err, unsigned jobs = 1,
                      std::uint8_t ephemeris = tChart::kBuiltIn);

}  // namespace quintara::cli
