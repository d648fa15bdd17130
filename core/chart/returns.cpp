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

}  // namespace

void ApplyAyanamsa(tChart& chart, double T) { ApplyZodiacAt(chart, T); }

int SolarReturn(const tChart& a, tChart& b, int yearOffset)
{
    b.Year = static_cast<std::uint16_t>(a.Year + yearOffset);
    b.Month = a.Month;
    b.Day = a.Day;
    b.Hour = a.Hour;
    b.Minute = a.Minute;
    double T = CalcJulianDay(b, UniversalTimeHM(b.Hour, b.Minute, b.Adjust));
    const double target = a.BodyPosition(kSun);
    auto distance = [&](double t) {
        CalcBodies(b, kSun, t);
        ApplyAyanamsa(b, t);
        return AngleStep(b.BodyPosition(kSun), target);
    };

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
    for (int pass = 0; pass < 31; ++pass) {
        const double d = FoldHalfOpenBelow(target - b.BodyPosition(kMoon));
        T += d / 450000.0;
        CalcBodies(b, kMoon, T);
        ApplyAyanamsa(b, T);
        if (std::fabs(d) < 0.1) break;
    }
    SetChartDateTime(b, LocalDateTime(T, b.Adjust));
    CalcChart(b);
}

tPhaseResult LunarPhases(tChart& chart)
{
    tPhaseResult r;
    CalcChart(chart);
    double speed = 450000, previous = 0;
    double T = chart.Centuries - 28.0 / kDaysPerCentury;
    for (int i = 0; i < 9; ++i) {
        for (int pass = 1; pass <= 21; ++pass) {
            const double d = FoldHalfOpenBelow(i * 90 + chart.BodyPosition(kSun) - chart.BodyPosition(kMoon));
            if (pass >= 3 && (d < 0) != (previous < 0) && d != 0 && previous != 0) speed *= 1.1;
            previous = d;
            T += d / speed;
            CalcBodies(chart, kMoon, T);
            CalcBodies(chart, kSun, T);
            if (std::fabs(d) < 0.1) break;
        }
        r.when[i] = LocalDateTime(T, chart.Adjust);
        r.moonLongitude[i] = chart.BodyPosition(kMoon);
        r.centuries[i] = T;
        T += 7.0 / kDaysPerCentury;
        CalcBodies(chart, kMoon, T);
    }
    return r;
}

}  // namespace quintara
