#include "core/engine/julian_day.h"

#include <cmath>

#include "core/engine/angles.h"

namespace quintara {
namespace {

// Days before each month; the 13th entry serves the reverse conversion.
constexpr int kCumDays[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 366};

// Truncating integer division, as Int() of the real quotient.
long long IntDiv(long long a, long long b) { return a / b; }

// First day of year y counted from day 0 = 1 January of year 0 (y >= 0).
long long YearStart(long long y)
{
    if (y <= 0) return 0;
    return 365 * y + (y + 3) / 4 - (y + 99) / 100 + (y + 399) / 400;
}

}  // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

double UniversalTimeHM(int hour, int minute, double adjust)
{
    const double x = IntPart(adjust) + hour + minute / 60.0 + FracPart(adjust) * 10.0 / 6.0;
    return DecimalToDegMin(x);
}

double DaysFromJ2000(int year, int month, int day, double utHM)
{
    if (month < 1) month = 1;
    if (month > 12) month = 12;
    long long n = day + kCumDays[month - 1];
    if (month >= 3 && IsLeapYear(year)) n += 1;
    const long long y1 = year - 1;
    // Integer form of Int((Y-1) x 0.25) - Int((Y-1) x 0.01) + Int((Y-1) x 0.0025):
    // identical for every year 0..65535, without rounding doubts.
    n += 365LL * year + IntDiv(y1, 4) - IntDiv(y1, 100) + IntDiv(y1, 400);
    const double hours = IntPart(utHM) + FracPart(utHM) / 0.6;
    return static_cast<double>(n) - 730485.5 + hours / 24.0;
}

tDateWords DateFromCenturies(double T)
{
    double n = T * kDaysPerCentury + 730485.5 + 1.0;
    const double lastDay = static_cast<double>(YearStart(65536));
    if (!(n >= 1.0)) n = 1.0;  // also catches NaN
    if (n >= lastDay) n = lastDay - 1e-9;

    tDateWords w{};
    const double dayFrac = FracPart(n) * 24.0;
    w.Hour = static_cast<std::uint16_t>(IntPart(dayFrac));
    w.Minute = static_cast<std::uint16_t>(std::lround(FracPart(dayFrac) * 60.0));

    const long long day = static_cast<long long>(IntPart(n));
    long long y = static_cast<long long>(day / 365.2425);
    while (y > 0 && YearStart(y) > day) --y;
    while (YearStart(y + 1) <= day) ++y;
    long long q = day - YearStart(y);
    if (q == 0) {
        w.Year = static_cast<std::uint16_t>(y - 1);
        w.Month = 12;
        w.Day = 31;
        return w;
    }
    const bool leap = IsLeapYear(static_cast<int>(y));
    w.Year = static_cast<std::uint16_t>(y);
    if (leap && q == 60) {
        w.Month = 2;
        w.Day = 29;
        return w;
    }
    if (leap && q > 60) --q;
    int m = 1;
    while (m < 12 && !(kCumDays[m - 1] < q && q <= kCumDays[m])) ++m;
    w.Month = static_cast<std::uint16_t>(m);
    w.Day = static_cast<std::uint16_t>(q - kCumDays[m - 1]);
    return w;
}

}  // namespace quintara
