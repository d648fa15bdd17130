#include "shell/reports/derived_windows.h"

#include "core/i18n/caption_ids.h"
#include "core/chart/derived_charts.h"
#include "core/data/second_chart.h"
#include "core/reports/analysis.h"
#include "core/reports/natal_reports.h"
#include "shell/reports/chart_print.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

namespace {

// The derived chart, made by derive into a chart of the birth option set.
template <class F>
std::unique_ptr<tChart> Derived(tProgram& p, F&& derive)
{
    auto c = std::make_unique<tChart>(&p.Options().BirthSet);
    derive(*c);
    return c;
}

}  // namespace

TDerivedWindow::TDerivedWindow(tProgram& p, int caption, int h, int a, const tChart& derived, const tChart& natal,
                               QWidget* parent)
    : TTwoChartWindow(p, caption, derived, natal, parent), help(h), analysis(a)
{
}

void TDerivedWindow::InsText()
{
    // The derived chart's header is written by Build; its aspects follow.
    tAspectsCollection aspects(ctx.AspectRules);
    Write([&](tReportText& t) { DisplayAspects(t, First(), aspects, ctx, false); });
}

void TDerivedWindow::InsAnalyse()
{
    AppendInterpretation(analysis, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseChart(analysis, file, lines, First(), ctx);
    });
}

bool TDerivedWindow::Supports(tCommand c) const
{
    if (c == tCommand::SideBySide || c == tCommand::USSideBySide) return false;
    if (c == tCommand::NewList) return true;  // the positions of the derived chart
    return TTwoChartWindow::Supports(c);
}

std::optional<tDocumentRequest> TDerivedWindow::Wheel(bool usStyle) { return TAstroWindow::Wheel(usStyle); }

TSunReturnWindow::TSunReturnWindow(tProgram& p, const tChart& natal, const tChart& place, int years, QWidget* parent)
    : TDerivedWindow(p, caption::kSunReturn, help::kSunReturn, kAnalysisSunReturn,
                     *Derived(p, [&](tChart& c) { SunReturnChart(p.Data(), natal, place, years, c); }), natal, parent)
{
    Build();
}

tDocumentRequest TSunReturnWindow::Comparison() { return {tDocumentKind::RevCompare, &Second(), &First()}; }
std::unique_ptr<TChartPrint> TSunReturnWindow::MakePrint() { return std::make_unique<tprintSunReturn>(*this); }

TMoonReturnWindow::TMoonReturnWindow(tProgram& p, const tChart& natal, const tChart& start, QWidget* parent)
    : TDerivedWindow(p, caption::kMoonReturn, 506, kAnalysisSunReturn,
                     *Derived(p, [&](tChart& c) { MoonReturnChart(p.Data(), natal, start, c); }), natal, parent)
{
    Build();
}

tDocumentRequest TMoonReturnWindow::Comparison() { return {tDocumentKind::RevCompare, &Second(), &First()}; }
std::unique_ptr<TChartPrint> TMoonReturnWindow::MakePrint() { return std::make_unique<tprintSunReturn>(*this); }

TProgressionWindow::TProgressionWindow(tProgram& p, const tChart& natal, const tChart& chosen, QWidget* parent)
    : TDerivedWindow(p, caption::kProgression, 508, kAnalysisProgression,
                     *Derived(p, [&](tChart& c) { ProgressedChart(natal, chosen, c); }), natal, parent)
{
    Build();
}

tDocumentRequest TProgressionWindow::Comparison() { return {tDocumentKind::ProgCompare, &Second(), &First()}; }
std::unique_ptr<TChartPrint> TProgressionWindow::MakePrint() { return std::make_unique<tPrintprogression>(*this); }

TMidpointsWindow::TMidpointsWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TDerivedWindow(p, caption::kMidPoints, 509, kAnalysisBirthChart, first, first, parent)
{
    // The window's copies are computed afresh: the midpoints go on after.
    partner = Derived(p, [&](tChart& c) {
        c.Assign(second);
        CalcChart(c);
    });
    MidpointChart(Second(), *partner, First());
    Build();
}

void TMidpointsWindow::InsHeader()
{
    Write([&](tReportText& t) { WritePairHeader(t, Second(), *partner, ctx); });
}

bool TMidpointsWindow::Supports(tCommand c) const
{
    if (c == tCommand::Wheel || c == tCommand::USWheel || c == tCommand::AspectGrid) return false;
    return TDerivedWindow::Supports(c);
}

}  // namespace quintara
