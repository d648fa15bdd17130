// Dates, clock times and zones as the user types and reads them in the
// chart-entry dialogs: the short date format of the national settings
// ("dd/mm/yyyy" or "mm/dd/yyyy"), 24-hour or am/pm times, and the zone as
// the chart keeps it (packed h.mm added to clock time to give UT, Paris
// -1.00) or as clocks name it ("UTC+01:00"). Messages say what is accepted
// in the user's own terms.
#pragma once

#include <optional>
#include <string>

namespace quintara {

// The years a typed date may have: those the chart file can store.
inline constexpr int kFirstTypedYear = 1, kLastTypedYear = 9999;

// "17/05/1990" for format "dd/mm/yyyy"; "05/17/1990" for "mm/dd/yyyy".
std::string DateText(const std::string& format, int year, int month, int day);
// Day, month and year in the format's order, separated by '/'; the year
// within kFirstTypedYear..kLastTypedYear, the day within its month.
bool ParseDateText(const std::string& format, const std::string& text, int& year, int& month, int& day,
                   std::string& error);

// timeFormat 0: "02:30 pm"; else "14:30".
std::string TimeText(int timeFormat, int hour, int minute);
// "14:30", "14", "2:30 pm".
bool ParseTimeText(const std::string& text, int& hour, int& minute, std::string& error);

// The zone as typed: packed h.mm within -24.00..24.00 ("-1.00"), or as
// clocks name it, "UTC+1", "UTC+01:00", "GMT-5", "UTC" (UT minus local
// time, so UTC+1 is -1.00). Returns the packed value.
std::optional<double> ParseZoneText(const std::string& text, std::string& error);
// A packed zone as clocks name it: -1.00 is "UTC+01:00", 0 is "UTC".
std::string UtcText(double adjust);

}  // namespace quintara
