#include "core/aspects/previsions.h"

#include "core/aspects/aspects.h"
#include "core/chart/chart.h"
#include "core/chart/date_time.h"

namespace quintara {
namespace {

void DropFromComparison(tChart& chart, int body)
{
    if (tPlanet* p = chart.FindBody(body)) p->Aspects = false;
}

}  // namespace

tPrevCollection BuildPrevisions(tChart& natal, tChart& moving, int steps, int stepHours,
                                tAspectsCollection& aspects, const tProgress& progress)
{
    if (stepHours > 6)
        for (int n = kAscendant; n <= kLastCusp; ++n) DropFromComparison(natal, n);
    if (stepHours > 168) DropFromComparison(natal, kMoon);
    if (stepHours > 1440) DropFromComparison(natal, kMercury);

    tPrevCollection list;
    list.reserve(steps > 0 ? static_cast<std::size_t>(steps) : 0);
    for (int k = 0; k < steps; ++k) {
        if (progress && k % 32 == 0 && !progress(k, steps)) return {};
        CalcChart(moving);
        aspects.Clear();
        aspects.BuildComparison(natal, moving);
        aspects.ScoreComparison();
        const tAspectTotals totals = aspects.Totals();
        tPrevRecord r;
        r.Positive = totals.Positive, r.Negative = totals.Negative, r.Total = totals.Global;
        r.Year = moving.Year, r.Month = moving.Month, r.Day = moving.Day;
        r.Hour = moving.Hour, r.Minute = moving.Minute;
        list.push_back(r);

        tDateTime next{moving.Year, moving.Month, moving.Day, moving.Hour + stepHours % 24, moving.Minute};
        next.day += stepHours / 24;
        NormalizeDateTime(next);
        const std::uint16_t second = moving.Second;
        SetChartDateTime(moving, next);
        moving.Second = second;
    }
    return list;
}

}  // namespace quintara
