#include "core/chart/derived_charts.h"

#include <cmath>

#include "core/chart/chart_kind.h"
#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/chart/directions.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"

namespace quintara {

void ProgressChart(const tChart& natal, tChart& chosen)
{
    // Secondary progression: a day after birth for each tropical year of
    // life, from the exact moments (UT) of birth and of the chosen date, and
    // shown on the birth zone's clock to the minute.
    const double T = ProgressedMoment(natal, chosen.Centuries);
    chosen.Adjust = natal.Adjust;
    SetChartDateTime(chosen, LocalDateTime(T, natal.Adjust));
    CalcChart(chosen);
    // Cast for the sky of the progressed moment, the angles would turn a
    // whole day per year. The Midheaven moves by the solar arc instead;
    // the Ascendant and the other cusps follow from it at the birth place.
    const double arc = chosen.BodyPosition(1) - natal.BodyPosition(1);
    // The natal Midheaven as cast (precise) or from the natal sidereal
    // time (built-in, at the fixed obliquity of its houses), turned by the arc.
    const double mc = ChartEphemeris(chosen).Precise() ? natal.TropicalMc : MidheavenOf(natal.SiderealT);
    HousesForMidheaven(chosen, Normalize360(mc + arc), natal.Latitude);
    chosen.ChartType = kProgressedChart;
}

void HousesForMidheaven(tChart& chart, double mc, double latitude)
{
    if (tEphemerisService eph = ChartEphemeris(chart); eph.Precise())
        chart.SiderealT = RamcOfMidheaven(mc, std::cos(eph.Obliquity(chart.Centuries) * kDegToRad));
    else
        chart.SiderealT = RamcOfMidheaven(mc);
    chart.Latitude = latitude;
    CalcHouses(chart);
    CalcAnglePoints(chart);
    if (chart.Zodiac != 0)
        for (int n = kAscendant; n <= kLastCusp; ++n)
            if (const tPlanet* b = chart.FindBody(n))
                chart.SetBodyLongitude(n, Normalize360(b->GetPosition() - chart.Ayanamsa));
    LaySignHouses(chart);
}

void GivePlaces(tChart& out, const std::function<std::optional<tGivenPlace>(int num)>& place)
{
    for (int i = 1; i <= out.BodyCount(); ++i) {
        tPlanet* p = out.BodyAt(i);
        const std::optional<tGivenPlace> given = place(p->Num);
        if (!given) continue;
        if (given->longitude < 0) {
            p->Visible = false;
            continue;
        }
        p->SetFixedLongitude(given->longitude);
        p->Latitude = given->latitude;
        p->Retrograde = false;
    }
}

void MidpointChart(const tChart& first, const tChart& second, tChart& out)
{
    for (int i = 1; i <= out.BodyCount(); ++i) {
        const tPlanet* pa = first.BodyAt(i);
        const tPlanet* pb = second.BodyAt(i);
        if (!pa || !pb) continue;
        out.BodyAt(i)->SetFixedLongitude(ArcMidpoint(pa->GetPosition(), pb->GetPosition()));
    }
    out.TropicalAsc = ArcMidpoint(first.TropicalAsc, second.TropicalAsc);
    out.TropicalMc = ArcMidpoint(first.TropicalMc, second.TropicalMc);
    out.ChartType = kMidpointChart;
}

void CopyComputedChart(const tChart& from, tChart& to)
{
    to.Assign(from);
    to.CopyPointsOf(from);
    CalcChart(to);
    if (!PositionsOfNoMoment(from.ChartType)) return;
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
