#include "shell/reports/technique_windows.h"

#include "core/aspects/solar_arc_hits.h"
#include "core/chart/directions.h"
#include "core/chart/planetary_hours.h"
#include "core/chart/time_lords.h"
#include "core/data/second_chart.h"
#include "core/engine/julian_day.h"
#include "core/i18n/caption_ids.h"
#include "core/options/main_options.h"
#include "core/reports/technique_reports.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

namespace {

std::unique_ptr<tChart> Directed(tProgram& p, const tChart& natal, const tChart& chosen)
{
    auto c = std::make_unique<tChart>(&p.Options().BirthSet);
    SolarArcChart(natal, chosen.Centuries, *c);
    return c;
}

}  // namespace

TSolarArcWindow::TSolarArcWindow(tProgram& p, const tChart& natal, const tChart& chosen, QWidget* parent)
    : TDerivedWindow(p, caption::kSolarArc, help::kTechniques, kAnalysisBirthChart, *Directed(p, natal, chosen), natal,
                     parent)
{
    Build();
}

void TSolarArcWindow::InsText()
{
    // A year of hits from the directed date.
    const double from = First().Centuries, to = from + 1.0 / 100;
    const auto hits = SolarArcHits(Second(), from, to, DirectionAspects(false));
    Write([&](tReportText& t) { WriteDirectionHits(t, hits, ctx, ZoneOfPlace(Program().Data(), Second())); });
}

std::optional<tDocumentRequest> TSolarArcWindow::Wheel(bool usStyle)
{
    tDocumentRequest r{tDocumentKind::Wheel, &Second(), &First()};
    r.graph = usStyle ? tGraphKind::USTwo : tGraphKind::Two;
    r.caption = caption::kSolarArc;
    return r;
}

TTimeLordsWindow::TTimeLordsWindow(tProgram& p, const tChart& natal, const tChart& chosen, QWidget* parent)
    : TDerivedWindow(p, caption::kTimeLords, help::kTechniques, kAnalysisBirthChart, natal, natal, parent),
      date{chosen.Year, chosen.Month, chosen.Day, chosen.Hour, chosen.Minute}
{
    Build();
}

void TTimeLordsWindow::InsText()
{
    tProfection profection;
    const bool known = ProfectionAt(First(), date, profection);
    const auto periods = Firdaria(First());
    Write([&](tReportText& t) {
        if (known) WriteProfection(t, profection, date, ctx);
        WriteFirdaria(t, periods, First().Adjust, ctx);
    });
}

TPlanetaryHoursWindow::TPlanetaryHoursWindow(tProgram& p, const tChart& natal, const tChart& chosen, QWidget* parent)
    : TDerivedWindow(p, caption::kPlanetaryHours, help::kTechniques, kAnalysisBirthChart, chosen, natal, parent)
{
    Build();
}

void TPlanetaryHoursWindow::InsText()
{
    const tChart& day = First();
    tPlanetaryDay hours;
    std::string why;
    const bool ok = PlanetaryHours(day.Year, day.Month, day.Day, day.Adjust, day.Latitude, day.Longitude,
                                   day.Ephemeris, hours, why);
    Write([&](tReportText& t) {
        if (ok)
            WritePlanetaryHours(t, hours, day.Adjust, ctx);
        else
            t.AddLine(why);
    });
}

}  // namespace quintara
