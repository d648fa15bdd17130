#include "shell/reports/compare_windows.h"

#include "core/data/civil_date.h"
#include "core/i18n/caption_ids.h"
#include "core/reports/analysis.h"
#include "core/reports/natal_reports.h"
#include "shell/chart/choose_dlgs.h"
#include "shell/platform/long_work.h"
#include "shell/reports/chart_print.h"
#include "shell/widgets/help_contexts.h"

namespace quintara {

namespace {

// A chart of its own for the window's second: the matches are read into it.
std::unique_ptr<tChart> Copy(tProgram& p, const tChart& c)
{
    auto copy = std::make_unique<tChart>(&p.Options().BirthSet);
    copy->Assign(c);
    return copy;
}

}  // namespace

TCompareWindow::TCompareWindow(tProgram& p, int caption, int h, bool synastry, int a, const tChart& first,
                               const tChart& second, QWidget* parent)
    : TTwoChartWindow(p, caption, first, second, parent), help(h), analysis(a), pairOfPeople(synastry)
{
    pairAspects.BuildComparison(First(), Second());
    if (synastry) pairAspects.ScoreSynastry();
    else pairAspects.ScoreComparison();
    Build();
}

void TCompareWindow::InsHeader()
{
    if (!pairOfPeople) return TTwoChartWindow::InsHeader();
    Write([&](tReportText& t) { WritePairHeader(t, First(), Second(), ctx); });
}

void TCompareWindow::InsAnalyse()
{
    if (!analysis) return;
    AppendInterpretation(analysis, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseComparison(analysis, file, lines, First(), Second(), pairAspects, ctx);
    });
}

TCompareDayWindow::TCompareDayWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, caption::kCompareToDay, 502, false, kAnalysisCompareToDay, first, second, parent)
{
}

std::unique_ptr<TChartPrint> TCompareDayWindow::MakePrint() { return std::make_unique<tPrintCompareDay>(*this); }

TCompare2Window::TCompare2Window(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, caption::kSynastry, 504, true, kAnalysisSynastry, first, second, parent)
{
}

TProgCompareWindow::TProgCompareWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, caption::kCompareProgression, help::kCompareDerived, false, kAnalysisCompareProgression, first, second, parent)
{
}

std::unique_ptr<TChartPrint> TProgCompareWindow::MakePrint() { return std::make_unique<tPrintProgCompare>(*this); }

TRevCompareWindow::TRevCompareWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, caption::kCompareReturn, help::kCompareDerived, false, kAnalysisCompareReturn, first, second, parent)
{
}

std::unique_ptr<TChartPrint> TRevCompareWindow::MakePrint() { return std::make_unique<tPrintRevCompare>(*this); }

std::optional<std::vector<tCompareMatch>> ScanChartFile(tProgram& p, const tChart& first,
                                                       const tCompareFileRequest& request, QWidget* parent)
{
    tChart scratch(&p.Options().BirthSet);
    tAspectsCollection aspects(p.ReportContext().AspectRules);
    tLongWork work(p.Caption(caption::kCompareToFile), p.Caption(caption::kCancel), parent);
    bool cancelled = false;
    auto matches = CompareToFile(p.Data(), first, scratch, request, LocalToday(), aspects,
                                 work.Progress(), &cancelled);
    if (cancelled) return std::nullopt;
    return matches;
}

TCompareFileWindow::TCompareFileWindow(tProgram& p, const tChart& first, std::vector<tCompareMatch> m, QWidget* parent)
    : TTwoChartWindow(p, caption::kCompareToFile, first, *Copy(p, first), parent), matches(std::move(m))
{
    Build();
}

void TCompareFileWindow::InsText() { Write([&](tReportText& t) { WriteCompareFileTable(t, matches, ctx); }); }

bool TCompareFileWindow::ChooseSecond()
{
    TCompareFileChooseDlg d(Program(), matches, this);
    if (d.exec() != QDialog::Accepted || d.Chosen() < 0) return false;
    const tCompareMatch& m = matches[static_cast<std::size_t>(d.Chosen())];
    if (ReadMatch(m)) return true;
    Program().Messenger().Tell(this, tMessenger::kError, windowTitle(),
                               QString::fromStdString(m.Name + " " + m.FirstName) +
                                   ": the chart file no longer holds this chart");
    return false;
}

bool TCompareFileWindow::ReadMatch(const tCompareMatch& m)
{
    tTable& t = Program().Data().ChartTable();
    if (!t.Locate({"Index"}, {std::int64_t{m.Index}})) return false;
    tChart& c = Second();
    Program().Data().ReadChart(c);
    c.HouseType = First().HouseType;  // as the scan compared it
    CalcChart(c);
    return true;
}

}  // namespace quintara
