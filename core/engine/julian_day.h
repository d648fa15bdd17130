// Civil time -> universal time -> Julian day and back.
//
// Time scale: universal time is the argument of every theory (no Delta T).
// Calendar: proleptic Gregorian throughout; year 0 is a leap year.
#pragma once

#include <cstdint>

namespace quintara {

inline constexpr double kJ2000 = 2451545.0;      // Julian day of J2000.0
inline constexpr double kDaysPerCentury = 36525.0;

bool IsLeapYear(int year);

// Universal time in h.mm from clock hour, minute and the zone correction
// Adjust (h.mm). Not reduced to 0..24: the day count carries the overflow.
double UniversalTimeHM(int hour, int minute, double adjust);

// Days from J2000.0 (JD 2451545.0) of the date at universal time utHM (h.mm).
double DaysFromJ2000(int year, int month, int day, double utHM);

struct tDateWords {
    std::uint16_t Year, Month, Day, Hour, Minute;  // Minute may read 60
};

// Calendar date of T (Julian centuries from J2000.0). Moments before year 0
// or after year 65535 are clamped to the first or last day the words hold.
tDateWords DateFromCenturies(double T);

}  // namespace quintara
