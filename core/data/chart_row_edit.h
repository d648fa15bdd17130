// The fields the chart-file editor lets the user type for one row, read
// from the current row and written back in one step. What is accepted is
// decided here; the editor only shows the fault.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/data/data_module.h"

namespace quintara {

struct tChartRowFields {
    std::string name, firstName, comment, reference;
    std::string date;                   // the national short date format
    std::string time;                   // "14:30", "2:30 pm"
    std::string adjust;                 // packed h.mm added to clock time to give UT, or "UTC+1"
    std::string sex;                    // "M" or "F" (either case)
    std::array<bool, 12> retrograde{};  // R1..R12
    bool operator==(const tChartRowFields&) const = default;
};

// The current row as the editor shows it (date in the short format).
tChartRowFields ChartRowFields(const tTable& table, const std::string& dateFormat);

struct tRowFault {
    int caption = 0;  // the field's caption number
    std::string why;  // what is wrong and what is accepted
};

// Checks every field in form order; on the first bad one nothing is
// written. Otherwise the current row gets them in one post. Throws
// tStorageError when the storage refuses: the table is back in browse
// state, the row as it was.
std::optional<tRowFault> PostChartRowFields(tTable& table, const tChartRowFields& fields,
                                            const std::string& dateFormat);

// The current row's birthplace, country, state and coordinates from a
// locality, posted.
void PostChartRowPlace(tTable& table, const tLocality& place);

}  // namespace quintara
