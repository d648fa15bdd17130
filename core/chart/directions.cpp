#include "core/chart/directions.h"

#include "core/chart/chart_kind.h"
#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/chart/derived_charts.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"

namespace quintara {

namespace {

constexpr double kTropicalYear = 365.24219;  // days, mean, J2000

}  // namespace

double ProgressedMoment(const tChart& natal, double T) { return natal.Centuries + (T - natal.Centuries) / kTropicalYear; }

double SolarArc(const tChart& natal, double T)
{
    tEphemerisService eph = ChartEphemeris(natal);
    const double birth = eph.Longitude(kSun, natal.Centuries);
    // The progressed Sun moves about a degree a year: whole turns only
    // after three centuries, so the short way round is the arc.
    return AngleStep(birth, eph.Longitude(kSun, ProgressedMoment(natal, T)));
}

void SolarArcChart(const tChart& natal, double T, tChart& out)
{
    const double arc = SolarArc(natal, T);
    out.Assign(natal);
    out.CopyPointsOf(natal);
    SetChartDateTime(out, LocalDateTime(T, natal.Adjust));
    CalcChart(out);
    GivePlaces(out, [&](int n) -> std::optional<tGivenPlace> {
        const tPlanet* from = natal.FindBody(n);
        const double lon = from ? from->GetPosition() : -1;
        if (lon < 0) return tGivenPlace{};
        return tGivenPlace{Normalize360(lon + arc), from->Latitude};
    });
    out.TropicalAsc = Normalize360(natal.TropicalAsc + arc);
    out.TropicalMc = Normalize360(natal.TropicalMc + arc);
    out.ChartType = kDirectedChart;
}

}  // namespace quintara
