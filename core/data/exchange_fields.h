// Field forms shared by the exchange formats: clock times, zone offsets
// from UTC, decimal degrees. Each parser returns nothing with error saying
// what is accepted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data/exchange_record.h"

namespace quintara {

// "11:04", "11:04:30", "11.04" or "11": hour 0..23, minute 0..59
// (seconds, when given, are dropped).
bool ParseClock(std::string_view text, int& hour, int& minute, std::string& error);

// An offset from UTC as the world writes it, east positive: "+01:00",
// "-05:30", "+0:09:21", "UTC+1", "UTC", "Z", "+1", "5.5". Returns the
// chart's Adjust (packed h.mm added to clock time to give UT).
std::optional<double> ParseUtcOffset(std::string_view text, std::string& error);
// A zone as whole seconds east of UTC, and such seconds as the chart's
// Adjust (no negative zero for UTC itself).
long SecondsEast(double adjust);
double AdjustOfSecondsEast(double seconds);
// Adjust as "+01:00" (seconds only when the zone has them, "+00:09:21").
std::string UtcOffsetText(double adjust);

// Decimal degrees, north or east positive, a decimal point or (when
// decimalComma) a comma; also "48N52" and "2W21" forms. Returns packed d.mm
// with north and west positive, as charts hold them.
std::optional<double> ParseDecimalLatitude(std::string_view text, bool decimalComma, std::string& error);
std::optional<double> ParseDecimalLongitude(std::string_view text, bool decimalComma, std::string& error);
// Packed d.mm (north/west positive) as decimal degrees north/east positive.
std::string DecimalLatitudeText(double packed);
std::string DecimalLongitudeText(double packed);

// The Adjust that makes the clock time of the record's date give julianDay (UT).
double AdjustFromJulianDay(const tChartRequest& moment, double julianDay);
// The clock time (hour, minute) of the moment's date that the Julian day
// (UT) is in the moment's zone; false, nothing changed, when it falls on
// another date. Carries a time-unknown chart's stored moment through
// formats whose time field only says "unknown".
bool ClockFromJulianDay(tChartRequest& moment, double julianDay);

// The record's sex as a letter field: "M", "F" or "" for a file that did not say.
bool ParseSex(std::string_view text, char& sex);

}  // namespace quintara
