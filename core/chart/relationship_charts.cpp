#include "core/chart/relationship_charts.h"

#include "core/chart/chart_kind.h"
#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/chart/derived_charts.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"

namespace quintara {

double MeanLatitude(double a, double b) { return DecimalToDegMin((DegMinToDecimal(a) + DegMinToDecimal(b)) / 2); }

double MeanLongitude(double a, double b)
{
    // As longitudes east of Greenwich, so that the shorter arc is the
    // angles' own.
    const double east = ArcMidpoint(-DegMinToDecimal(a), -DegMinToDecimal(b));
    const double west = east >= 180 ? 360 - east : -east;  // (-180, 180]
    return DecimalToDegMin(west);
}

namespace {

// out: first's birth data and points, cast at its own moment.
void StartFrom(const tChart& first, tChart& out)
{
    out.Assign(first);
    out.CopyPointsOf(first);
}

bool TimeUnknown(const tChart& a, const tChart& b)
{
    return a.HouseType == kTimeUnknown || b.HouseType == kTimeUnknown;
}

}  // namespace

void CompositeChart(const tChart& first, const tChart& second, tChart& out)
{
    StartFrom(first, out);
    if (TimeUnknown(first, second)) out.HouseType = kTimeUnknown;
    CalcChart(out);
    GivePlaces(out, [&](int n) -> std::optional<tGivenPlace> {
        if (n >= kAscendant && n <= kLastCusp) return std::nullopt;  // from the Midheaven below
        const tPlanet* pa = first.FindBody(n);
        const tPlanet* pb = second.FindBody(n);
        const double a = pa ? pa->GetPosition() : -1, b = pb ? pb->GetPosition() : -1;
        if (a < 0 || b < 0) return tGivenPlace{};
        return tGivenPlace{ArcMidpoint(a, b), (pa->Latitude + pb->Latitude) / 2};
    });
    out.Longitude = MeanLongitude(first.Longitude, second.Longitude);
    if (out.HouseType != kTimeUnknown)
        HousesForMidheaven(out, ArcMidpoint(first.TropicalMc, second.TropicalMc),
                           MeanLatitude(first.Latitude, second.Latitude));
    else
        out.Latitude = MeanLatitude(first.Latitude, second.Latitude);
    out.ChartType = kCompositeChart;
}

void DavisonChart(const tChart& first, const tChart& second, tChart& out)
{
    StartFrom(first, out);
    if (TimeUnknown(first, second)) out.HouseType = kTimeUnknown;
    out.Latitude = MeanLatitude(first.Latitude, second.Latitude);
    out.Longitude = MeanLongitude(first.Longitude, second.Longitude);
    out.Adjust = 0;
    out.Country = out.State = 0;
    out.BirthPlace.clear();
    SetChartDateTime(out, LocalDateTime((first.Centuries + second.Centuries) / 2, 0.0));
    CalcChart(out);
    out.ChartType = kNatalChart;
}

void RelocatedChart(const tChart& natal, double latitude, double longitude, double adjust, tChart& out)
{
    StartFrom(natal, out);
    out.Latitude = latitude;
    out.Longitude = longitude;
    out.Adjust = adjust;
    SetChartDateTime(out, LocalDateTime(natal.Centuries, adjust));
    CalcChart(out);
    out.ChartType = kNatalChart;
}

}  // namespace quintara
