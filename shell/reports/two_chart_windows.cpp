#include "reports/two_chart_windows.h"

#include <QApplication>
#include <QDate>
#include <QProgressDialog>

#include "chart/derived_charts.h"
#include "chart/returns.h"
#include "main/chart2_dialogs.h"
#include "main/date_time_dlg.h"
#include "main/open_chart_dlg.h"
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
        ShowDocument(area, new TTransitsWindow(p, First(), second, bodies, months));
    } else if (command == "CompareDay") {
        second.ChartType = 6;
        TDateTimeDlg d(p, second, this);
        if (d.exec() != QDialog::Accepted) return;
        p.Data().FindAdjust(second);
        CalcChart(second);
        ShowDocument(area, new TCompareWindow(p, 76, First(), second));
    } else if (command == "Previsions") {
        second.ChartType = 7;
        Today(second);
        CalcChart(second);
        int steps = 12, hours = 168;
        TPrevisionsDlg d(p, steps, hours, this);
        if (d.exec() != QDialog::Accepted) return;
        ShowDocument(area, new TPrevisionsWindow(p, First(), second, steps, hours));
    } else if (command == "Compare2") {
        TOpenChartDlg d(p, this);
        if (d.exec() != QDialog::Accepted) return;
        std::unique_ptr<tChart> other = p.Data().OpenCurrentChart(&p.Options().BirthSet);
        CalcChart(*other);
        ShowDocument(area, new TCompareWindow(p, 78, First(), *other));
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
        tChart ret(&p.Options().BirthSet);
        ret.Assign(second);
        LunarReturn(First(), ret);
        ret.ChartType = 2;
        ZoneOfMoment(p, ret);
        ShowDocument(area, new TDerivedWindow(p, 82, ret, First()));
    } else if (command == "Sunreturn") {
        second.ChartType = 1;
        Today(second);
        int years = second.Year - First().Year;
        TSunReturnDlg d(p, years, this);
        if (d.exec() != QDialog::Accepted) return;
        tChart ret(&p.Options().BirthSet);
        ret.Assign(First());
        SolarReturn(First(), ret, years);
        ret.ChartType = 1;
        ShowDocument(area, new TDerivedWindow(p, 83, ret, First()));
    } else if (command == "Progression") {
        second.ChartType = 3;
        Today(second);
        TDateTimeDlg d(p, second, this);
        if (d.exec() != QDialog::Accepted) return;
        CalcChart(second);
        ProgressChart(First(), second);
        ShowDocument(area, new TDerivedWindow(p, 80, second, First()));
    }
}

// ---- Two-chart windows ----

TTwoChartWindow::TTwoChartWindow(tProgram& p, int caption, const tChart& first, const tChart& second, QWidget* parent)
    : TAstroWindow(p, first, &second, parent), pairAspects(ctx.AspectRules)
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
        tChart mid(&p.Options().BirthSet);
        mid.Assign(First());
        CalcChart(mid);
        MidpointChart(First(), Second(), mid);
        ShowDocument(AreaOf(this), new TDerivedWindow(p, 85, mid, First()));
    } else if (command == "Secondchart") {
        auto* w = new TNatalWindow(p, false, Second());
        w->ChartModified = Second().ChartType == 5;
        ShowDocument(AreaOf(this), w);
    } else if (command == "Compare2") {
        ShowDocument(AreaOf(this), new TCompareWindow(p, 78, First(), Second()));
    }
}

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

TTransitsWindow::TTransitsWindow(tProgram& p, const tChart& first, const tChart& second, unsigned bodies, int months,
                                 QWidget* parent)
    : TTwoChartWindow(p, 75, first, second, parent)
{
    // The natal positions with the clock of the start: computed first, then
    // dated (the search reads the date fields as its start).
    tChart start(&p.Options().BirthSet);
    start.Assign(First());
    CalcChart(start);
    start.Year = Second().Year, start.Month = Second().Month, start.Day = Second().Day;
    events = FindTransits(p.Options(), start, months, bodies, false);
    Build();
}

void TTransitsWindow::InsText() { Write([&](tReportText& t) { WriteTransitsTable(t, events, ctx); }); }

void TTransitsWindow::InsAnalyse()
{
    AppendInterpretation(kAnalysisTransits, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseTransitList(file, lines, First(), events, ctx);
    });
}

TCompareWindow::TCompareWindow(tProgram& p, int c, const tChart& first, const tChart& second, QWidget* parent)
    : TTwoChartWindow(p, c, first, second, parent), caption(c), help(c == 76 ? 502 : c == 78 ? 504 : 512)
{
    pairAspects.BuildComparison(First(), Second());
    if (caption == 78) pairAspects.ScoreSynastry();
    else pairAspects.ScoreComparison();
    Build();
}

void TCompareWindow::InsAnalyse()
{
    const int kind = caption == 78 ? kAnalysisSynastry : kAnalysisCompareToDay;
    AppendInterpretation(kind, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseComparison(kind, file, lines, First(), Second(), pairAspects, ctx);
    });
}

TPrevisionsWindow::TPrevisionsWindow(tProgram& p, const tChart& first, const tChart& second, int steps, int stepHours,
                                     QWidget* parent)
    : TTwoChartWindow(p, 77, first, second, parent)
{
    list = BuildPrevisions(First(), Second(), steps, stepHours, pairAspects);
    Build();
}

void TPrevisionsWindow::InsText() { Write([&](tReportText& t) { WritePrevisionsTable(t, list, ctx); }); }

std::optional<std::vector<tCompareMatch>> ScanChartFile(tProgram& p, const tChart& first,
                                                       const tCompareFileRequest& request, QWidget* parent)
{
    tChart scratch(&p.Options().BirthSet);
    tAspectsCollection aspects(p.ReportContext().AspectRules);
    const QDate today = QDate::currentDate();
    QProgressDialog progress(p.Caption(79), p.Caption(223), 0, 1, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);  // the hourglass until the progress shows
    bool cancelled = false;
    auto matches = CompareToFile(p.Data(), first, scratch, request, {today.year(), today.month(), today.day()}, aspects,
                                 [&](int done, int total) {
                                     progress.setMaximum(total);
                                     progress.setValue(done);
                                     return !progress.wasCanceled();
                                 },
                                 &cancelled);
    QApplication::restoreOverrideCursor();
    if (cancelled) return std::nullopt;
    return matches;
}

TCompareFileWindow::TCompareFileWindow(tProgram& p, const tChart& first, std::vector<tCompareMatch> m, QWidget* parent)
    : TTwoChartWindow(p, 79, first, first, parent), matches(std::move(m))
{
    Build();
}

void TCompareFileWindow::InsText() { Write([&](tReportText& t) { WriteCompareFileTable(t, matches); }); }

TDerivedWindow::TDerivedWindow(tProgram& p, int caption, const tChart& derived, const tChart& natal, QWidget* parent)
    : TTwoChartWindow(p, caption, derived, natal, parent),
      help(caption == 83 ? 507 : caption == 82 ? 506 : caption == 80 ? 508 : 509)
{
    Build();
}

void TDerivedWindow::InsText()
{
    // The derived chart's header is written by Build; its aspects follow.
    tAspectsCollection aspects(ctx.AspectRules);
    Write([&](tReportText& t) { DisplayAspects(t, First(), aspects, ctx, false); });
}

}  // namespace quintara
