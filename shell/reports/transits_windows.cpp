#include "shell/reports/transits_windows.h"

#include <algorithm>
#include <cmath>


#include "core/i18n/caption_ids.h"
#include "core/chart/chart_kind.h"
#include "core/data/second_chart.h"
#include "core/reports/analysis.h"
#include "core/reports/two_chart_reports.h"
#include "shell/chart/choose_dlgs.h"
#include "shell/chart/trans_line_graph_dlg.h"
#include "shell/reports/chart_print.h"

namespace quintara {

TTransitsWindow::TTransitsWindow(tProgram& p, const tChart& first, const tChart& second, tTransitsCollection list,
                                 tBodyMask b, QWidget* parent)
    : TTwoChartWindow(p, caption::kTransits, first, second, parent), events(std::move(list)), bodies(b)
{
    Build();
}

void TTransitsWindow::InsText()
{
    // On the clock of the birth place, or in GMT where the user chose it.
    const auto zone = Program().Options().TransitTimesUniversal
                          ? std::function<double(const tDateTime&)>()
                          : ZoneOfPlace(Program().Data(), First());
    Write([&](tReportText& t) { WriteTransitsTable(t, events, ctx, zone); });
}

void TTransitsWindow::InsAnalyse()
{
    AppendInterpretation(kAnalysisTransits, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseTransitList(file, lines, First(), events, ctx);
    });
}

bool TTransitsWindow::Supports(tCommand c) const
{
    switch (c) {
    case tCommand::NewAnalysis:
    case tCommand::NewNatal:
    case tCommand::TransitsLineGraph: return true;
    case tCommand::Midpoints: return false;
    default: return TTwoChartWindow::Supports(c);
    }
}

void TTransitsWindow::Run(tCommand c)
{
    if (c == tCommand::TransitsLineGraph) return TransitsLineGraph();
    TTwoChartWindow::Run(c);
}

std::unique_ptr<TChartPrint> TTransitsWindow::MakePrint() { return std::make_unique<tTransitsPrint>(*this); }

void TTransitsWindow::NewNatal()
{
    if (ChooseSecond()) Program().Open({tDocumentKind::Natal, &First(), &Second()});
}

void TTransitsWindow::NewAnalysis()
{
    tDocumentRequest r{tDocumentKind::TransAnalysis, &First(), &Second()};
    r.events = &events;
    Program().Open(r);
}

bool TTransitsWindow::ChooseSecond()
{
    TTransChooseDlg d(Program(), events, this);
    if (d.exec() != QDialog::Accepted || d.Chosen() < 0) return false;
    SetMoment(events.Items()[static_cast<std::size_t>(d.Chosen())]);
    return true;
}

void TTransitsWindow::SetMoment(const tTransitEvent& e) { TransitMomentChart(Program().Data(), e.Exact, Second()); }

int TTransitsWindow::ProposedLineGraphDays() const
{
    const auto& items = events.Items();
    if (items.size() < 2) return 7;
    const auto days = [](const tDateTime& t) { return DaysFromCivil({t.year, t.month, t.day}); };
    std::int64_t first = days(items.front().Exact), last = first;
    for (const tTransitEvent& e : items) first = std::min(first, days(e.Exact)), last = std::max(last, days(e.Exact));
    return static_cast<int>(std::clamp<std::int64_t>(last - first, 7, 30));
}

void TTransitsWindow::TransitsLineGraph()
{
    tProgram& p = Program();
    tChart transits(&p.Options().BirthSet);
    PrepareSecondChart(tSecondChart::Transits, Second(), transits, LocalToday());
    double step = ProposedLineGraphDays();
    int body = 0;
    TTransLineGraphDlg d(p, transits, step, body, this);
    if (d.exec() != QDialog::Accepted) return;
    p.Data().FindAdjust(transits);
    CalcChart(transits);
    tDocumentRequest r{tDocumentKind::TransitsLineGraph, &First(), &transits};
    r.stepMinutes = static_cast<std::int32_t>(std::max(1L, std::lround(step)) * 1440);
    r.body = body;
    r.bodies = bodies;
    p.Open(r);
}

tDocumentRequest TTransitsWindow::Comparison() { return {tDocumentKind::CompareDay, &First(), &Second()}; }

TTransAnalysisWindow::TTransAnalysisWindow(tProgram& p, const tChart& first, const tChart& second,
                                           const tTransitsCollection& list, QWidget* parent)
    : TAnalysisWindow(p, first, &second, parent, false), events(list)
{
    Build();
}

void TTransAnalysisWindow::InsAnalyse()
{
    AppendInterpretation(kAnalysisTransits, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseTransitList(file, lines, First(), events, ctx);
    });
}

}  // namespace quintara
