// The new-chart form as the user typed it, read and completed before the
// chart changes. The dialog shows the fault, the question or the doubt;
// what is accepted and what is said is decided here.
#pragma once

#include <optional>
#include <string>

#include "core/chart/chart.h"

namespace quintara {

class TData1;
class TLanguages;

struct tChartEntryFields {
    std::string date;                  // the national short date format
    std::string time;                  // "14:30", "14", "2:30 pm"
    bool timeUnknown = false;          // noon is taken, the time is not read
    std::string latitude, longitude;   // d.mm; the sign comes from north/west
    bool north = true, west = true;
    bool placeLookedUp = false;        // the locality gives the coordinates
    std::string zone;                  // packed h.mm, "UTC+1", or "auto"
};

struct tChartEntry {
    int year = 0, month = 0, day = 0, hour = 12, minute = 0;
    double latitude = 0, longitude = 0;  // packed d.mm, north and west positive
    bool autoZone = false;               // the zone is to be looked up
    double adjust = 0;                   // packed h.mm added to clock time to give UT
};

struct tEntryFault {
    enum tField { kDate, kTime, kLatitude, kLongitude, kZone } field = kDate;
    int caption = 0;  // the field's caption number, for the message
    std::string why;  // what is wrong and what is accepted
};

// Reads every field in form order; the first bad one is the fault.
// Coordinates are not read when the place was looked up.
std::optional<tChartEntry> ReadChartEntry(const tChartEntryFields& fields, const std::string& dateFormat,
                                          tEntryFault& fault);

// The Yes/No question asked when a typed zone was typed for another date,
// time or place: Yes keeps it, No looks it up.
std::string ZoneTypedElsewhereQuestion(const std::string& typed, double adjust);

// Date, time and coordinates (unless looked up) into the chart.
void ApplyChartEntry(const tChartEntry& entry, bool placeLookedUp, tChart& chart);

// Looks the chart's zone up (Adjust is set) and returns what the user should
// see before accepting it: an unsure zone and where it was taken from, a
// clock time the clocks skipped or repeated. Empty when there is no doubt.
std::string LookUpEntryZone(TData1& data, const TLanguages& languages, tChart& chart, bool timeKnown,
                            bool placeLookedUp);

}  // namespace quintara
