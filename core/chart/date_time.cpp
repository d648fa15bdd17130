#include "core/chart/date_time.h"

#include <cmath>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"

namespace quintara {

namespace {

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return IsLeapYear(year) ? 29 : 28;
    default: return 31;
    }
}

}  // namespace

void NormalizeDateTime(tDateTime& t)
{
    while (t.minute < 0) t.minute += 60, t.hour -= 1;
    while (t.hour < 0) t.hour += 24, t.day -= 1;
    while (t.day < 1) {
        if (--t.month < 1) t.month = 12, t.year -= 1;
        t.day += DaysInMonth(t.month, t.year);
    }
    while (t.month < 1) t.month += 12, t.year -= 1;
    while (t.minute > 59) t.minute -= 60, t.hour += 1;
    while (t.hour > 23) t.hour -= 24, t.day += 1;
    while (t.month > 12) t.month -= 12, t.year += 1;
    // Until the day fits its month (a fixed number of passes can leave
    // 31 April when a long carry ends on a short month).
    while (t.day > DaysInMonth(t.month, t.year)) {
        t.day -= DaysInMonth(t.month, t.year);
        if (++t.month > 12) t.month = 1, t.year += 1;
    }
}

tDateTime LocalDateTime(double T, double adjust) { return LocalDateTime(DateTimeFromCenturies(T), adjust); }

tDateTime LocalDateTime(const tDateTime& universal, double adjust)
{
    tDateTime t = universal;
    t.minute -= static_cast<int>(std::lround(DegMinToDecimal(adjust) * 60.0));
    NormalizeDateTime(t);
    return t;
}

tDateTime DateTimeFromCenturies(double T)
{
    const tDateWords w = DateFromCenturies(T);
    tDateTime t{w.Year, w.Month, w.Day, w.Hour, w.Minute};
    NormalizeDateTime(t);
    return t;
}

void SetChartDateTime(tChart& chart, const tDateTime& t)
{
    chart.Year = static_cast<std::uint16_t>(t.year);
    chart.Month = static_cast<std::uint16_t>(t.month);
    chart.Day = static_cast<std::uint16_t>(t.day);
    chart.Hour = static_cast<std::uint16_t>(t.hour);
    chart.Minute = static_cast<std::uint16_t>(t.minute);
    chart.Second = 0;
}

}  // namespace quintara
