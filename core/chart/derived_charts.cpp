#include "core/chart/derived_charts.h"

#include <cmath>

#include "core/chart/chart_kind.h"
#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"

namespace quintara {

namespace {

// Days of the tropical year (mean, J2000).
constexpr double kTropicalYear = 365.24219;

// The nearer midpoint of two longitudes, degrees [0, 360).
double Midpoint(double a, double b)
{
    double s = a + b;
    if (std::fabs(a - b) > 180) s += 360;
    s *= 0.5;
    return s >= 360 ? s - 360 : s;  // 350 and 10 meet at 0, not at 360
}

}  // namespace

void ProgressChart(const tChart& natal, tChart& chosen)
{
    // Secondary progression: a day after birth for each tropical year of
    // life, from the exact moments (UT) of birth and of the chosen date, and
    // shown on the birth zone's clock to the minute.
    const double T = natal.Centuries + (chosen.Centuries - natal.Centuries) / kTropicalYear;
    chosen.Adjust = natal.Adjust;
    SetChartDateTime(chosen, LocalDateTime(T, natal.Adjust));
    CalcChart(chosen);
    // Cast for the sky of the progressed moment, the angles would turn a
    // whole day per year. The Midheaven moves by the solar arc instead;
    // the Ascendant and the other cusps follow from it at the birth place.
    const double arc = chosen.BodyPosition(1) - natal.BodyPosition(1);
    if (tEphemerisService eph = ChartEphemeris(chosen); eph.Precise()) {
        // The natal Midheaven as cast, turned by the arc, back to a right
        // ascension at the true obliquity.
        const double mc = Normalize360(natal.TropicalMc + arc);
        chosen.SiderealT = RamcOfMidheaven(mc, std::cos(eph.Obliquity(chosen.Centuries) * kDegToRad));
    } else {
        chosen.SiderealT = RamcOfMidheaven(Normalize360(MidheavenOf(natal.SiderealT) + arc));
    }
    chosen.Latitude = natal.Latitude;
    CalcHouses(chosen);
    CalcAnglePoints(chosen);
    if (chosen.Zodiac != 0)
        for (int n = kAscendant; n <= kLastCusp; ++n)
            if (const tPlanet* b = chosen.FindBody(n))
                chosen.SetBodyLongitude(n, Normalize360(b->GetPosition() - chosen.Ayanamsa));
    LaySignHouses(chosen);
    chosen.ChartType = kProgressedChart;
}

void MidpointChart(const tChart& first, const tChart& second, tChart& out)
{
    for (int i = 1; i <= out.BodyCount(); ++i) {
        const tPlanet* pa = first.BodyAt(i);
        const tPlanet* pb = second.BodyAt(i);
        if (!pa || !pb) continue;
        out.BodyAt(i)->SetLongitude(Midpoint(pa->GetPosition(), pb->GetPosition()));
    }
    out.TropicalAsc = Midpoint(first.TropicalAsc, second.TropicalAsc);
    out.TropicalMc = Midpoint(first.TropicalMc, second.TropicalMc);
    out.ChartType = kMidpointChart;
}

void CopyComputedChart(const tChart& from, tChart& to)
{
    to.Assign(from);
    to.CopyPointsOf(from);
    CalcChart(to);
    if (from.ChartType != kProgressedChart && from.ChartType != kMidpointChart) return;
    for (int n = 1; n <= kJuno; ++n) {
        const tPlanet* b = from.FindBody(n);
        if (!b) continue;
        to.SetBodyLongitude(n, b->GetPosition());
        to.SetBodyLatitude(n, b->Latitude);
        to.SetRetrograde(n, b->Retrograde);
    }
    to.SiderealT = from.SiderealT;
    to.TropicalAsc = from.TropicalAsc;
    to.TropicalMc = from.TropicalMc;
    to.HouseType = from.HouseType;
}

}  // namespace quintara
