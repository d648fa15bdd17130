#include "core/chart/returns.h"

#include <cmath>

#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/julian_day.h"
#include "core/engine/zodiac.h"

namespace quintara {

namespace {

constexpr int kMaxSolarTrials = 100;

// Into [-180, 180), by the engine's reduction: a loop of whole turns
// would never end for a huge (damaged) value.
double FoldHalfOpenBelow(double d) { return ModAngle(d + 180, 360.0) - 180; }

// A body's longitude in a zodiac at T, degrees [0, 360).
double ZodiacLongitude(tEphemerisService& eph, const tZodiacChoice& zodiac, int body, double T)
{
    return Normalize360(eph.Longitude(body, T) - eph.Ayanamsa(zodiac, T));
}

// The moments are found with the built-in theory, which is cheap; a
// precise chart's moment is then that of the precise positions: Newton
// steps on distance (degrees still to go, as a function of T) at the
// rate the built-in theory measures there, degrees per century.
template <class F>
double RefinedMoment(const tEphemerisService& eph, const F& distance, double T, double rate)
{
    if (!eph.Precise()) return T;
    for (int k = 0; k < 4; ++k) {
        const double d = distance(T);
        T += d / rate;
        // The rate is within a few percent: a step from under 1e-4 degree
        // lands within a few millionths.
        if (std::fabs(d) < 1e-4) break;
    }
    return T;
}

// Degrees per century of f (a longitude or a difference of two) over an
// hour after T.
template <class F>
double RateOf(const F& f, double T)
{
    constexpr double h = 1.0 / 24 / kDaysPerCentury;
    return AngleStep(f(T), f(T + h)) / h;
}

}  // namespace

int SolarReturn(const tChart& a, tChart& b, int yearOffset)
{
    b.Year = static_cast<std::uint16_t>(a.Year + yearOffset);
    b.Month = a.Month;
    b.Day = a.Day;
    b.Hour = a.Hour;
    b.Minute = a.Minute;
    double T = CalcJulianDay(b, UniversalTimeHM(b.Hour, b.Minute, b.Adjust));
    const double target = a.BodyPosition(kSun);
    tEphemerisService eph = ChartEphemeris(a), scan = eph.BuiltIn();
    const tZodiacChoice zodiac = ChartZodiac(a);
    auto sunIn = [&](tEphemerisService& source) {
        return [&](double t) { return ZodiacLongitude(source, zodiac, kSun, t); };
    };
    auto distance = [&](double t) { return AngleStep(sunIn(scan)(t), target); };

    int trials = 0;
    double dir = 1;
    for (;; ++trials) {
        const double d = distance(T);
        if (std::fabs(d) < 0.001) break;
        if (trials == kMaxSolarTrials) {
            // Oscillating: bracket the root walking with the Sun's mean
            // motion, then halve the bracket.
            double lo = T, dLo = d, hi = T, dHi = d;
            for (int k = 0; k < 800 && (dLo > 0) == (dHi > 0); ++k) {
                lo = hi, dLo = dHi;
                hi = lo + (dLo > 0 ? 0.5 : -0.5) / kDaysPerCentury;
                dHi = distance(hi);
            }
            for (int k = 0; k < 60 && std::fabs(dHi) >= 0.001; ++k) {
                const double mid = (lo + hi) / 2, dMid = distance(mid);
                if ((dMid > 0) == (dLo > 0)) lo = mid, dLo = dMid;
                else hi = mid, dHi = dMid;
            }
            T = std::fabs(dLo) < std::fabs(dHi) ? lo : hi;
            break;
        }
        const double T1 = T + d * dir / kDaysPerCentury;
        const double d1 = distance(T1);
        if (std::fabs(d) < std::fabs(d1)) dir = -dir;
        T = T1 + d1 * dir / kDaysPerCentury;
    }
    T = RefinedMoment(eph, [&](double t) { return AngleStep(sunIn(eph)(t), target); }, T, RateOf(sunIn(scan), T));
    // On the clock of b's zone, as the lunar return: a chart entered at the
    // place would show that time.
    SetChartDateTime(b, LocalDateTime(T, b.Adjust));
    CalcChart(b);
    return trials;
}

void LunarReturn(const tChart& a, tChart& b)
{
    CalcChart(b);
    double T = b.Centuries;
    const double target = a.BodyPosition(kMoon);
    tEphemerisService eph = ChartEphemeris(b), scan = eph.BuiltIn();
    const tZodiacChoice zodiac = ChartZodiac(b);
    auto moonIn = [&](tEphemerisService& source) {
        return [&](double t) { return ZodiacLongitude(source, zodiac, kMoon, t); };
    };
    double moon = moonIn(scan)(T);
    for (int pass = 0; pass < 31; ++pass) {
        const double d = FoldHalfOpenBelow(target - moon);
        T += d / 450000.0;
        moon = moonIn(scan)(T);
        if (std::fabs(d) < 0.1) break;
    }
    T = RefinedMoment(eph, [&](double t) { return FoldHalfOpenBelow(target - moonIn(eph)(t)); }, T,
                      RateOf(moonIn(scan), T));
    SetChartDateTime(b, LocalDateTime(T, b.Adjust));
    CalcChart(b);
}

tPhaseResult LunarPhases(tChart& chart)
{
    tPhaseResult r;
    CalcChart(chart);
    tEphemerisService eph = ChartEphemeris(chart), scan = eph.BuiltIn();
    double sun = chart.BodyPosition(kSun), moon = chart.BodyPosition(kMoon);
    if (eph.Precise()) {
        sun = scan.Longitude(kSun, chart.Centuries);
        moon = scan.Longitude(kMoon, chart.Centuries);
    }
    double speed = 450000, previous = 0;
    double T = chart.Centuries - 28.0 / kDaysPerCentury;
    for (int i = 0; i < 9; ++i) {
        for (int pass = 1; pass <= 21; ++pass) {
            const double d = FoldHalfOpenBelow(i * 90 + sun - moon);
            if (pass >= 3 && (d < 0) != (previous < 0) && d != 0 && previous != 0) speed *= 1.1;
            previous = d;
            T += d / speed;
            moon = scan.Longitude(kMoon, T);
            sun = scan.Longitude(kSun, T);
            if (std::fabs(d) < 0.1) break;
        }
        const auto elongation = [&](tEphemerisService& source) {
            return [&](double t) { return source.Longitude(kMoon, t) - source.Longitude(kSun, t); };
        };
        const double found = T;
        T = RefinedMoment(eph, [&](double t) { return FoldHalfOpenBelow(i * 90 - elongation(eph)(t)); }, T,
                          RateOf(elongation(scan), T));
        r.when[i] = LocalDateTime(T, chart.Adjust);
        r.moonLongitude[i] = eph.Precise() ? eph.Longitude(kMoon, T) : moon;
        r.centuries[i] = T;
        T = found + 7.0 / kDaysPerCentury;
        moon = scan.Longitude(kMoon, T);
    }
    // Left at the last phase's moment, as the phases were found.
    CalcBodies(chart, kSun, r.centuries[8]);
    CalcBodies(chart, kMoon, r.centuries[8]);
    return r;
}

}  // namespace quintara
