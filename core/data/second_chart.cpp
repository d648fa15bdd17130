#include "core/data/second_chart.h"

#include "core/chart/chart_kind.h"
#include "core/chart/derived_charts.h"
#include "core/chart/relationship_charts.h"
#include "core/chart/returns.h"

namespace quintara {

namespace {

tChartKind KindOf(tSecondChart command)
{
    switch (command) {
    case tSecondChart::Transits: return kTransitChart;
    case tSecondChart::CompareDay: return kCompareDayChart;
    case tSecondChart::Previsions: return kPrevisionsChart;
    case tSecondChart::MoonReturn: return kMoonReturnChart;
    case tSecondChart::SunReturn: return kSunReturnChart;
    case tSecondChart::Progression: return kProgressedChart;
    }
    return kNatalChart;
}

void NamesOf(const tChart& natal, tChart& derived)
{
    derived.Name = natal.Name;
    derived.FirstName = natal.FirstName;
    derived.Sex = natal.Sex;
}

void ComputedCopy(const tChart& from, tChart& out)
{
    out.Assign(from);
    CalcChart(out);
}

}  // namespace

void PrepareSecondChart(tSecondChart command, const tChart& first, tChart& second, tCivilDate today)
{
    ComputedCopy(first, second);
    second.ChartType = KindOf(command);
    second.Year = static_cast<std::uint16_t>(today.year);
    second.Month = static_cast<std::uint16_t>(today.month);
    second.Day = static_cast<std::uint16_t>(today.day);
}

void CompleteSecondChart(tSecondChart command, TData1& data, tChart& second)
{
    if (command == tSecondChart::CompareDay || command == tSecondChart::Previsions) data.FindAdjust(second);
    CalcChart(second);
}

void ZoneOfMoment(TData1& data, tChart& chart)
{
    if (chart.Country) data.ZoneAtMoment(chart);
    CalcChart(chart);
}

void SunReturnChart(TData1& data, const tChart& natal, const tChart& place, int years, tChart& out)
{
    ComputedCopy(place, out);
    SolarReturn(natal, out, years);
    NamesOf(natal, out);
    out.ChartType = kSunReturnChart;
    ZoneOfMoment(data, out);
}

void MoonReturnChart(TData1& data, const tChart& natal, const tChart& start, tChart& out)
{
    ComputedCopy(start, out);
    LunarReturn(natal, out);
    NamesOf(natal, out);
    out.ChartType = kMoonReturnChart;
    ZoneOfMoment(data, out);
}

void RelocatedToPlace(TData1& data, const tChart& natal, const tChart& place, tChart& out)
{
    RelocatedChart(natal, place.Latitude, place.Longitude, place.Adjust, out);
    out.Country = place.Country;
    out.State = place.State;
    out.BirthPlace = place.BirthPlace;
    ZoneOfMoment(data, out);
}

void ProgressedChart(const tChart& natal, const tChart& chosen, tChart& out)
{
    ComputedCopy(chosen, out);
    ProgressChart(natal, out);
    NamesOf(natal, out);
}

std::function<double(const tDateTime&)> ZoneOfPlace(TData1& data, const tChart& place)
{
    const double own = place.Adjust;
    if (!place.Country) return [own](const tDateTime&) { return own; };
    const int country = place.Country, state = place.State;
    const double longitude = place.Longitude, latitude = place.Latitude;
    return [&data, country, state, longitude, latitude](const tDateTime& universal) {
        tChart probe;
        probe.Country = country, probe.State = state;
        probe.Longitude = longitude, probe.Latitude = latitude;
        probe.Adjust = 0;
        SetChartDateTime(probe, universal);
        data.ZoneAtMoment(probe);
        return probe.Adjust;
    };
}

void TransitMomentChart(TData1& data, const tDateTime& exact, tChart& chart)
{
    chart.ChartType = kTransitChart;
    chart.Adjust = 0;  // the exact moment is universal time
    SetChartDateTime(chart, exact);
    ZoneOfMoment(data, chart);
}

}  // namespace quintara
