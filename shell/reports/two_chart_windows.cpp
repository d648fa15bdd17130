#include "reports/two_chart_windows.h"

#include <algorithm>
#include <cmath>

#include <QDate>

#include "chart/derived_charts.h"
#include "chart/returns.h"
#include "graphics/time_graph_windows.h"
#include "graphics/trans_line_graph_dlg.h"
#include "main/chart2_dialogs.h"
#include "main/choose_dlgs.h"
#include "main/date_time_dlg.h"
#include "main/open_chart_dlg.h"
#include "platform/long_work.h"
#include "reports/analysis.h"
#include "reports/chart_saving.h"
#include "reports/natal_reports.h"
#include "reports/two_chart_reports.h"

namespace quintara {

namespace {

QString PairCaption(tProgram& p, int caption, const tChart& c)
{
    return p.Caption(caption) + ": " + QString::fromStdString(c.Name) + " " + QString::fromStdString(c.FirstName);
}

void Today(tChart& c)
{
    const QDate d = QDate::currentDate();
    c.Year = static_cast<std::uint16_t>(d.year());
    c.Month = static_cast<std::uint16_t>(d.month());
    c.Day = static_cast<std::uint16_t>(d.day());
}

// A derived chart's clock in the zone its place had then.
void ZoneOfMoment(tProgram& p, tChart& c)
{
    if (c.Country) p.Data().ZoneAtMoment(c);
    CalcChart(c);
}

// A computed copy with the birth option set, for the derived charts.
std::unique_ptr<tChart> Copy(tProgram& p, const tChart& c)
{
    auto copy = std::make_unique<tChart>(&p.Options().BirthSet);
    copy->Assign(c);
    CalcChart(*copy);
    return copy;
}

// A derived chart is the person's: their names head its report and wheel,
// with the derived moment, whatever chart gave the place or the date.
void NamesOf(const tChart& natal, tChart& derived)
{
    derived.Name = natal.Name;
    derived.FirstName = natal.FirstName;
    derived.Sex = natal.Sex;
}

std::unique_ptr<tChart> SunReturnChart(tProgram& p, const tChart& natal, const tChart& place, int years)
{
    auto ret = Copy(p, place);
    SolarReturn(natal, *ret, years);
    NamesOf(natal, *ret);
    ret->ChartType = 1;
    return ret;
}

std::unique_ptr<tChart> MoonReturnChart(tProgram& p, const tChart& natal, const tChart& start)
{
    auto ret = Copy(p, start);
    LunarReturn(natal, *ret);
    NamesOf(natal, *ret);
    ret->ChartType = 2;
    ZoneOfMoment(p, *ret);
    return ret;
}

std::unique_ptr<tChart> ProgressedChart(tProgram& p, const tChart& natal, const tChart& chosen)
{
    auto c = Copy(p, chosen);
    ProgressChart(natal, *c);
    NamesOf(natal, *c);
    return c;
}


}  // namespace

// ---- The Chart 2 commands of a chart window ----

bool TAstroWindow::Offers(const std::string& command) const
{
    return command != "Midpoints" && command != "Secondchart";
}

void TAstroWindow::Chart2Command(const std::string& command)
{
    tProgram& p = Program();
    QMdiArea* area = AreaOf(this);
    // The second chart: a copy of the first, prepared for the command.
    tChart second(&p.Options().BirthSet);
    second.Assign(First());
    CalcChart(second);
    if (command == "Transits1") {
        second.ChartType = 5;
        Today(second);
        unsigned bodies = 0x7FCu;
        int months = 1;
        TTransitsDlg d(p, second, bodies, months, this);
        if (d.exec() != QDialog::Accepted) return;
        CalcChart(second);
        tLongWork work(p.Caption(75), p.Caption(223), this);
        auto* w = new TTransitsWindow(p, First(), second, bodies, months, work.Progress());
        if (w->Cancelled()) return delete w;
        ShowDocument(area, w);
    } else if (command == "CompareDay") {
        second.ChartType = 6;
        Today(second);  // as its siblings: the day to compare with is most often today
        TDateTimeDlg d(p, second, this);
        if (d.exec() != QDialog::Accepted) return;
        p.Data().FindAdjust(second);
        CalcChart(second);
        ShowDocument(area, new TCompareDayWindow(p, First(), second));
    } else if (command == "Previsions") {
        second.ChartType = 7;
        Today(second);
        int steps = 12, hours = 168;
        TPrevisionsDlg d(p, second, steps, hours, this);
        if (d.exec() != QDialog::Accepted) return;
        p.Data().FindAdjust(second);
        CalcChart(second);
        tLongWork work(p.Caption(77), p.Caption(223), this);
        auto* w = new TPrevisionsWindow(p, First(), second, steps, hours, work.Progress());
        if (w->Cancelled()) return delete w;
        ShowDocument(area, w);
    } else if (command == "Compare2") {
        TOpenChartDlg d(p, this);
        if (d.exec() != QDialog::Accepted) return;
        std::unique_ptr<tChart> other = p.Data().OpenCurrentChart(&p.Options().BirthSet);
        CalcChart(*other);
        ShowDocument(area, new TCompare2Window(p, First(), *other));
    } else if (command == "CompareFile") {
        tCompareFileRequest request;
        TCompareFileDlg d(p, First().Sex, request, this);
        if (d.exec() != QDialog::Accepted) return;
        const auto matches = ScanChartFile(p, First(), request, this);
        if (matches) ShowDocument(area, new TCompareFileWindow(p, First(), *matches));
    } else if (command == "Moonreturn") {
        second.ChartType = 2;
        Today(second);
        TDateTimeDlg d(p, second, this);
        if (d.exec() != QDialog::Accepted) return;
        ShowDocument(area, new TMoonReturnWindow(p, First(), second));
    } else if (command == "Sunreturn") {
        second.ChartType = 1;
        Today(second);
        int years = second.Year - First().Year;
        TSunReturnDlg d(p, second, years, this);
        if (d.exec() != QDialog::Accepted) return;
        ShowDocument(area, new TSunReturnWindow(p, First(), second, years));
    } else if (command == "Progression") {
        second.ChartType = 3;
        Today(second);
        TDateTimeDlg d(p, second, this);
        if (d.exec() != QDialog::Accepted) return;
        ShowDocument(area, new TProgressionWindow(p, First(), second));
    }
}

// ---- Two-chart windows ----

TTwoChartWindow::TTwoChartWindow(tProgram& p, int c, const tChart& first, const tChart& second, QWidget* parent)
    : TAstroWindow(p, first, &second, parent), pairAspects(ctx.AspectRules), caption(c)
{
    setWindowTitle(PairCaption(p, caption, First()));
}

bool TTwoChartWindow::Offers(const std::string& command) const
{
    return command == "Midpoints" || command == "Secondchart" || command == "Compare2";
}

void TTwoChartWindow::Chart2Command(const std::string& command)
{
    tProgram& p = Program();
    if (command == "Midpoints") {
        ShowDocument(AreaOf(this), new TMidpointsWindow(p, First(), Second()));
    } else if (command == "Secondchart") {
        if (!ChooseSecond()) return;
        auto* w = new TNatalWindow(p, false, Second());
        w->ChartModified = Second().ChartType == 5;
        ShowDocument(AreaOf(this), w);
    } else if (command == "Compare2") {
        if (!ChooseSecond()) return;
        ShowDocument(AreaOf(this), NewComparison());
    }
}

TAstroBaseWindow* TTwoChartWindow::NewComparison() { return new TCompare2Window(Program(), First(), Second()); }

void TTwoChartWindow::SaveChart()
{
    const bool textModified = Text().document()->isModified();
    const std::string rtf = Rtf();
    AppendChart(Program().Data(), First(), textModified ? &rtf : nullptr);
    ChartModified = false;
    Text().document()->setModified(false);
}

void TTwoChartWindow::InsText()
{
    Write([&](tReportText& t) { WriteTwoChartAspects(t, First(), Second(), pairAspects, ctx); });
}

// ---- Transits ----

TTransitsWindow::TTransitsWindow(tProgram& p, const tChart& first, const tChart& second, unsigned b, int months,
                                 const tProgress& progress, QWidget* parent)
    : TTwoChartWindow(p, 75, first, second, parent), bodies(b)
{
    // The natal positions with the clock of the start: computed first, then
    // dated (the search reads the date fields as its start).
    tChart start(&p.Options().BirthSet);
    start.Assign(First());
    CalcChart(start);
    start.Year = Second().Year, start.Month = Second().Month, start.Day = Second().Day;
    events = FindTransits(p.Options(), start, months, bodies, false, progress, &cancelled);
    if (!cancelled) Build();
}

void TTransitsWindow::InsText() { Write([&](tReportText& t) { WriteTransitsTable(t, events, ctx); }); }

void TTransitsWindow::InsAnalyse()
{
    AppendInterpretation(kAnalysisTransits, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseTransitList(file, lines, First(), events, ctx);
    });
}

bool TTransitsWindow::OffersChartItem(const std::string& item) const
{
    return item == "NewAnalysis" || item == "InsertAnalysis" || item == "Chart2Item";
}

void TTransitsWindow::NewNatal()
{
    if (!ChooseSecond()) return;
    auto* w = new TNatalWindow(Program(), false, First(), &Second());
    ShowDocument(AreaOf(this), w);
}

void TTransitsWindow::NewAnalysis()
{
    ShowDocument(AreaOf(this), new TTransAnalysisWindow(Program(), First(), Second(), events));
}

bool TTransitsWindow::ChooseSecond()
{
    TTransChooseDlg d(Program(), events, this);
    if (d.exec() != QDialog::Accepted || d.Chosen() < 0) return false;
    SetMoment(events.Items()[static_cast<std::size_t>(d.Chosen())]);
    return true;
}

void TTransitsWindow::SetMoment(const tTransitEvent& e)
{
    tChart& c = Second();
    c.ChartType = 5;
    c.Adjust = 0;  // the exact moment is universal time
    SetChartDateTime(c, e.Exact);
    ZoneOfMoment(Program(), c);
}

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
    transits.Assign(Second());
    transits.ChartType = 5;
    Today(transits);
    double step = ProposedLineGraphDays();
    int body = 0;
    TTransLineGraphDlg d(p, transits, step, body, this);
    if (d.exec() != QDialog::Accepted) return;
    p.Data().FindAdjust(transits);
    CalcChart(transits);
    const std::int32_t minutes = static_cast<std::int32_t>(std::max(1L, std::lround(step)) * 1440);
    ShowDocument(AreaOf(this), new TTransLineGraphWindow(p, First(), transits, minutes, body, bodies));
}

TAstroBaseWindow* TTransitsWindow::NewComparison() { return new TCompareDayWindow(Program(), First(), Second()); }

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

// ---- Comparisons ----

TCompareWindow::TCompareWindow(tProgram& p, int caption, int h, bool synastry, int a, const tChart& first,
                               const tChart& second, QWidget* parent)
    : TTwoChartWindow(p, caption, first, second, parent), help(h), analysis(a)
{
    pairAspects.BuildComparison(First(), Second());
    if (synastry) pairAspects.ScoreSynastry();
    else pairAspects.ScoreComparison();
    Build();
}

void TCompareWindow::InsAnalyse()
{
    if (!analysis) return;
    AppendInterpretation(analysis, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseComparison(analysis, file, lines, First(), Second(), pairAspects, ctx);
    });
}

TCompareDayWindow::TCompareDayWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, 76, 502, false, kAnalysisCompareToDay, first, second, parent)
{
}

TCompare2Window::TCompare2Window(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, 78, 504, true, kAnalysisSynastry, first, second, parent)
{
}

TProgCompareWindow::TProgCompareWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, 81, 512, false, kAnalysisCompareProgression, first, second, parent)
{
}

TRevCompareWindow::TRevCompareWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TCompareWindow(p, 84, 512, false, kAnalysisCompareReturn, first, second, parent)
{
}

// ---- Previsions ----

TPrevisionsWindow::TPrevisionsWindow(tProgram& p, const tChart& first, const tChart& second, int steps, int stepHours,
                                     const tProgress& progress, QWidget* parent)
    : TTwoChartWindow(p, 77, first, second, parent)
{
    list = BuildPrevisions(First(), Second(), steps, stepHours, pairAspects, progress);
    cancelled = list.empty() && steps > 0;
    if (!cancelled) Build();
}

void TPrevisionsWindow::InsText() { Write([&](tReportText& t) { WritePrevisionsTable(t, list, ctx); }); }

// ---- Compare to file ----

std::optional<std::vector<tCompareMatch>> ScanChartFile(tProgram& p, const tChart& first,
                                                       const tCompareFileRequest& request, QWidget* parent)
{
    tChart scratch(&p.Options().BirthSet);
    tAspectsCollection aspects(p.ReportContext().AspectRules);
    const QDate today = QDate::currentDate();
    tLongWork work(p.Caption(79), p.Caption(223), parent);
    bool cancelled = false;
    auto matches = CompareToFile(p.Data(), first, scratch, request, {today.year(), today.month(), today.day()}, aspects,
                                 work.Progress(), &cancelled);
    if (cancelled) return std::nullopt;
    return matches;
}

TCompareFileWindow::TCompareFileWindow(tProgram& p, const tChart& first, std::vector<tCompareMatch> m, QWidget* parent)
    : TTwoChartWindow(p, 79, first, *Copy(p, first), parent), matches(std::move(m))
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

// ---- Returns, progression and mid-points ----

TDerivedWindow::TDerivedWindow(tProgram& p, int caption, int h, const tChart& derived, const tChart& natal,
                               QWidget* parent)
    : TTwoChartWindow(p, caption, derived, natal, parent), help(h)
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
    const int kind = help == 508 ? kAnalysisProgression : help == 509 ? kAnalysisBirthChart : kAnalysisSunReturn;
    AppendInterpretation(kind, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseChart(kind, file, lines, First(), ctx);
    });
}

TSunReturnWindow::TSunReturnWindow(tProgram& p, const tChart& natal, const tChart& place, int years, QWidget* parent)
    : TDerivedWindow(p, 83, 507, *SunReturnChart(p, natal, place, years), natal, parent)
{
    Build();
}

TAstroBaseWindow* TSunReturnWindow::NewComparison() { return new TRevCompareWindow(Program(), Second(), First()); }

TMoonReturnWindow::TMoonReturnWindow(tProgram& p, const tChart& natal, const tChart& start, QWidget* parent)
    : TDerivedWindow(p, 82, 506, *MoonReturnChart(p, natal, start), natal, parent)
{
    Build();
}

TAstroBaseWindow* TMoonReturnWindow::NewComparison() { return new TRevCompareWindow(Program(), Second(), First()); }

TProgressionWindow::TProgressionWindow(tProgram& p, const tChart& natal, const tChart& chosen, QWidget* parent)
    : TDerivedWindow(p, 80, 508, *ProgressedChart(p, natal, chosen), natal, parent)
{
    Build();
}

TAstroBaseWindow* TProgressionWindow::NewComparison() { return new TProgCompareWindow(Program(), Second(), First()); }

TMidpointsWindow::TMidpointsWindow(tProgram& p, const tChart& first, const tChart& second, QWidget* parent)
    : TDerivedWindow(p, 85, 509, first, first, parent)
{
    // The window's copies are computed afresh: the midpoints go on after.
    MidpointChart(Second(), *Copy(p, second), First());
    Build();
}

}  // namespace quintara
