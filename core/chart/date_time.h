// Five-word date-times after arithmetic on their fields, and moments
// turned into dates that never show minute 60.
#pragma once

namespace quintara {

class tChart;

struct tDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
    friend bool operator==(const tDateTime&, const tDateTime&) = default;
};

// Brings every field into calendar range, carrying into the next larger
// one (minute -30 borrows an hour, day 0 is the last of the month before).
// February has 29 days in Gregorian leap years only.
void NormalizeDateTime(tDateTime& t);

// Calendar date-time (universal time) of T, Julian centuries from J2000.0;
// a minute rounding up to 60 is carried.
tDateTime DateTimeFromCenturies(double T);

// The clock date-time of T in a zone of the given Adjust (hours.minutes
// added to the clock to give UT), to the minute.
tDateTime LocalDateTime(double T, double adjust);
tDateTime LocalDateTime(const tDateTime& universal, double adjust);

// The chart's clock fields from a date-time (seconds 0).
void SetChartDateTime(tChart& chart, const tDateTime& t);

}  // namespace quintara
