// The rows one IANA zone contributes to the time files: standard time from
// a date on (Time1) and the daylight-saving corrections (Time2), both in
// the chart's convention of packed h.mm added to clock time to give UT
// (Paris in winter: -1.00).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/adjust_codes.h"
#include "core/data/tzif.h"

namespace quintara {

struct tStandardRow {
    std::string date;  // ISO local date of the change, in the time before it
    int hour = 0;      // local hour of the change, in the time before it
    double adjust = 0;
};

struct tCorrectionRow {
    std::string date;  // ISO local date of the change, in the time before it
    int hour = 0;      // local hour of the change, in the time before it
    double adjust = 0; // added to the standard row's value, or a code above 16
    bool ask = false;  // local mean time or no time at all: ask the user
};

struct tZoneTables {
    std::vector<tStandardRow> standard;
    std::vector<tCorrectionRow> corrections;
    // The zone file's POSIX rule ("" if none) and the UT moment (seconds
    // since 1970) after which it, not the rows, gives the zone's time.
    std::string rule;
    std::int64_t ruleAfter = 0;
};

// Rows from the start of time to the end of lastYear. Before the zone's
// first standard time the correction is the local-mean-time code, with ASK.
// The rule continues the rows from their last change, or from the end of
// lastYear when the file lists changes beyond it.
tZoneTables MakeZoneTables(const tTzHistory& history, int lastYear = 2037);

}  // namespace quintara
