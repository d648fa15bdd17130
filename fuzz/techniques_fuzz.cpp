// The techniques past the classic charts on charts of any date, place and
// house system the input checks let through: composite, Davison and
// relocated charts, solar-arc directions and their hits, the time lords,
// planetary hours and the almanac over short spans. Never a crash or a
// hang; positions are numbers, lists are in order.
#include <cmath>

#include "core/aspects/almanac.h"
#include "core/aspects/solar_arc_hits.h"
#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/chart/directions.h"
#include "core/chart/planetary_hours.h"
#include "core/chart/relationship_charts.h"
#include "core/chart/time_lords.h"
#include "core/engine/julian_day.h"
#include "core/options/option_set.h"
#include "fuzz_support.h"

using namespace quintara;

namespace {

bool ChartFrom(fuzz::tBytes& in, tChart& c)
{
    tChartRequest r;
    r.year = in.Int(1, 4000);
    r.month = in.Int(1, 12);
    r.day = in.Int(1, 31);
    r.hour = in.Int(0, 23);
    r.minute = in.Int(0, 59);
    r.adjust = in.Near(14);
    r.latitude = in.Near(90);
    r.longitude = in.Near(180);
    r.house = in.Bool() ? 255 : in.Int(0, 8);
    r.zodiac = in.Int(0, 1);
    if (!CheckRequest(r).empty()) return false;
    ApplyRequest(r, c);
    CalcChart(c);
    return true;
}

void RequireNumbers(const tChart& c, const char* what)
{
    for (int p = 1; p <= c.BodyCount(); ++p) fuzz::RequireFinite(c.BodyAt(p)->GetPosition(), what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const tOptionRecord options = tOptionRecord::Defaults();
    fuzz::tBytes in(data, size);
    tChart a(&options.BirthSet), b(&options.BirthSet), out(&options.BirthSet);
    if (!ChartFrom(in, a) || !ChartFrom(in, b)) return 0;
    switch (in.Int(0, 6)) {
    case 0:
        CompositeChart(a, b, out);
        RequireNumbers(out, "composite position not a number");
        break;
    case 1:
        DavisonChart(a, b, out);
        RequireNumbers(out, "Davison position not a number");
        break;
    case 2:
        RelocatedChart(a, b.Latitude, b.Longitude, b.Adjust, out);
        fuzz::Require(std::fabs(out.Centuries - a.Centuries) < 1e-6, "relocation moved the moment");
        break;
    case 3: {
        SolarArcChart(a, b.Centuries, out);
        RequireNumbers(out, "directed position not a number");
        const double from = a.Centuries + in.Int(-100, 100) / 100.0;
        const auto hits = SolarArcHits(a, from, from + in.Int(0, 200) / 10000.0, DirectionAspects(in.Bool()));
        for (std::size_t i = 1; i < hits.size(); ++i) fuzz::Require(hits[i - 1].moment <= hits[i].moment, "hits out of order");
        break;
    }
    case 4: {
        tProfection p;
        if (ProfectionAt(a, {b.Year, b.Month, b.Day, 0, 0}, p))
            fuzz::Require(p.annualSign >= 1 && p.annualSign <= 12 && p.monthlyLord >= 1 && p.monthlyLord <= 7,
                          "profection out of range");
        const auto f = Firdaria(a);
        fuzz::Require(f.empty() || f.size() == 58, "firdaria of the wrong length");
        break;
    }
    case 5: {
        tPlanetaryDay d;
        std::string why;
        if (PlanetaryHours(b.Year, b.Month, b.Day, b.Adjust, b.Latitude, b.Longitude, 0, d, why))
            fuzz::Require(d.hours.size() == 24 && d.sunrise < d.sunset && d.sunset < d.nextSunrise, "hours out of order");
        else
            fuzz::Require(!why.empty(), "no hours without a reason");
        break;
    }
    default: {
        tSkyEventRules rules;
        rules.voidOfCourse = in.Bool(), rules.shadows = in.Bool();
        const double jd = a.Centuries * kDaysPerCentury + kJ2000, span = in.Int(1, 40);
        const auto events = AlmanacEvents(jd, jd + span, rules);
        for (std::size_t i = 1; i < events.size(); ++i) fuzz::Require(events[i - 1].jd <= events[i].jd, "events out of order");
        const auto natal = NatalAlmanacEvents(b, jd, jd + span * 10);
        for (const tSkyEvent& e : natal) fuzz::RequireFinite(e.jd + e.longitude, "natal event not a number");
        break;
    }
    }
    return 0;
}
