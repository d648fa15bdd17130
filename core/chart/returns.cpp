#include "core/chart/returns.h"

#include <cmath>

#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/julian_day.h"
#include "core/engine/time_search.h"
#include "core/engine/zodiac.h"

namespace quintara {

namespace {

constexpr double kDay = 1.0 / kDaysPerCentury, kHour = kDay / 24, kSecond = kDay / 86400;
// A distance folded into half turns wraps by a turn; a root changes it by
// a few degrees a step.
constexpr double kWrap = 180;
constexpr double kSynodicMonth = 29.530589;  // days, mean

// A body's distance past target in a zodiac at T, degrees [-180, 180).
double Past(tEphemerisService& eph, const tZodiacChoice& zodiac, int body, double target, double T)
{
    return AngleStep(target, eph.Longitude(body, T) - eph.Ayanamsa(zodiac, T));
}

// The moment distance(source, t) is zero nearest T: found with the
// built-in theory in steps of step (the motion's own scale), which is
// cheap; a precise chart's moment is then that of the precise positions,
// minutes from the built-in one.
template <class F>
double MomentNear(tEphemerisService& eph, const F& distance, double T, double step, double reach)
{
    tEphemerisService scan = eph.BuiltIn();
    T = RootNear([&](double t) { return distance(scan, t); }, T, step, reach, kSecond, kWrap);
    if (!eph.Precise() || std::isnan(T)) return T;
    const double precise = RootNear([&](double t) { return distance(eph, t); }, T, kHour / 6, kDay, kSecond, kWrap);
    return std::isnan(precise) ? T : precise;
}

}  // namespace

void SolarReturn(const tChart& a, tChart& b, int yearOffset)
{
    b.Year = static_cast<std::uint16_t>(a.Year + yearOffset);
    b.Month = a.Month;
    b.Day = a.Day;
    b.Hour = a.Hour;
    b.Minute = a.Minute;
    const double birthday = CalcJulianDay(b, UniversalTimeHM(b.Hour, b.Minute, b.Adjust));
    const double target = a.BodyPosition(kSun);
    tEphemerisService eph = ChartEphemeris(a);
    const tZodiacChoice zodiac = ChartZodiac(a);
    // The Sun moves a degree a day: a day's steps, the return within days
    // of the birthday, or anywhere in the half year either side for a
    // position that is not the birthday's.
    double T = MomentNear(
        eph, [&](tEphemerisService& s, double t) { return Past(s, zodiac, kSun, target, t); }, birthday, kDay,
        184 * kDay);
    if (std::isnan(T)) T = birthday;  // a damaged position: the birthday itself
    // On the clock of b's zone, as the lunar return: a chart entered at the
    // place would show that time.
    SetChartDateTime(b, LocalDateTime(T, b.Adjust));
    CalcChart(b);
}

void LunarReturn(const tChart& a, tChart& b)
{
    CalcChart(b);
    const double target = a.BodyPosition(kMoon);
    tEphemerisService eph = ChartEphemeris(b);
    const tZodiacChoice zodiac = ChartZodiac(b);
    // Thirteen degrees a day: the return the short way round lies within
    // fourteen days, the wrap (the Moon opposite) on the other side.
    double T = MomentNear(
        eph, [&](tEphemerisService& s, double t) { return Past(s, zodiac, kMoon, target, t); }, b.Centuries,
        kDay / 4, 15 * kDay);
    if (std::isnan(T)) T = b.Centuries;
    SetChartDateTime(b, LocalDateTime(T, b.Adjust));
    CalcChart(b);
}

tPhaseResult LunarPhases(tChart& chart)
{
    tPhaseResult r;
    CalcChart(chart);
    tEphemerisService eph = ChartEphemeris(chart);
    const auto quarters = [](int i) {
        return [i](tEphemerisService& s, double t) {
            return AngleStep(i * 90.0, s.Longitude(kMoon, t) - s.Longitude(kSun, t));
        };
    };
    // Phase 0 is the new moon a lunation before the one nearest the chart;
    // each next phase the one nearest a mean quarter after the last.
    tEphemerisService scan = eph.BuiltIn();
    const auto newMoon = quarters(0);
    const double nearest = RootNear([&](double t) { return newMoon(scan, t); }, chart.Centuries, kDay / 2, 16 * kDay,
                                    kSecond, kWrap);
    double T = (std::isnan(nearest) ? chart.Centuries : nearest) - kSynodicMonth * kDay;
    for (int i = 0; i < 9; ++i) {
        const double found = MomentNear(eph, quarters(i), T, kDay / 2, 16 * kDay);
        T = std::isnan(found) ? T : found;
        r.when[static_cast<std::size_t>(i)] = LocalDateTime(T, chart.Adjust);
        r.moonLongitude[static_cast<std::size_t>(i)] = eph.Longitude(kMoon, T);
        r.centuries[static_cast<std::size_t>(i)] = T;
        T += kSynodicMonth / 4 * kDay;
    }
    // Left at the last phase's moment, as the phases were found.
    CalcBodies(chart, kSun, r.centuries[8]);
    CalcBodies(chart, kMoon, r.centuries[8]);
    return r;
}

}  // namespace quintara
