#include "core/chart/derived_charts.h"

#include <cmath>

#include "core/chart/chart_kind.h"
#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/engine/precise_ephemeris.h"

namespace quintara {

namespace {

double YearsOf(const tChart& c) { return c.Year + c.Month / 12.0 + c.Day / 365.0; }

}  // namespace

void ProgressChart(const tChart& natal, tChart& chosen)
{
    const double x = YearsOf(chosen) - YearsOf(natal);
    tDateTime t{natal.Year, natal.Month, natal.Day, natal.Hour, natal.Minute};
    t.hour += static_cast<int>(std::lround(FracPart(x) * 24));
    t.day += static_cast<int>(IntPart(x));
    NormalizeDateTime(t);
    SetChartDateTime(chosen, t);
    CalcChart(chosen);
    // Cast for the sky of the progressed moment, the angles would turn a
    // whole day per year. The Midheaven moves by the solar arc instead;
    // the Ascendant and the other cusps follow from it at the birth place.
    const double arc = chosen.BodyPosition(1) - natal.BodyPosition(1);
    double eps = 0;
    if (chosen.EphemerisUsed() == tChart::kPrecise && PreciseObliquity(chosen.JulianDay, eps)) {
        // The natal Midheaven as cast, turned by the arc, back to a right
        // ascension at the true obliquity.
        const double mc = Normalize360(natal.HouseCusp(10) + natal.Ayanamsa + arc);
        chosen.SiderealT = RamcOfMidheaven(mc, std::cos(eps * kDegToRad));
    } else {
        chosen.SiderealT = RamcOfMidheaven(Normalize360(MidheavenOf(natal.SiderealT) + arc));
    }
    chosen.Latitude = natal.Latitude;
    CalcHouses(chosen);
    if (chosen.Zodiac != 0)
        for (int n = kAscendant; n <= kLastCusp; ++n)
            if (const tPlanet* b = chosen.FindBody(n))
                chosen.SetBodyLongitude(n, Normalize360(b->GetPosition() - chosen.Ayanamsa));
    chosen.ChartType = kProgressedChart;
}

void MidpointChart(const tChart& first, const tChart& second, tChart& out)
{
    for (int i = 1; i <= out.BodyCount(); ++i) {
        const tPlanet* pa = first.BodyAt(i);
        const tPlanet* pb = second.BodyAt(i);
        if (!pa || !pb) continue;
        const double a = pa->GetPosition(), b = pb->GetPosition();
        double s = a + b;
        if (std::fabs(a - b) > 180) s += 360;
        s *= 0.5;
        if (s >= 360) s -= 360;  // 350 and 10 meet at 0, not at 360
        out.BodyAt(i)->SetLongitude(s);
    }
    out.ChartType = kMidpointChart;
}

}  // namespace quintara
