#include "shell/reports/two_chart_window.h"

#include "core/chart/chart_kind.h"
#include "core/reports/chart_saving.h"
#include "core/reports/two_chart_reports.h"
#include "shell/reports/chart_print.h"

namespace quintara {

namespace {

QString PairCaption(tProgram& p, int caption, const tChart& c)
{
    return p.Caption(caption) + ": " + QString::fromStdString(c.Name) + " " + QString::fromStdString(c.FirstName);
}

}  // namespace

TTwoChartWindow::TTwoChartWindow(tProgram& p, int c, const tChart& first, const tChart& second, QWidget* parent)
    : TAstroWindow(p, first, &second, parent), pairAspects(ctx.AspectRules), caption(c)
{
    setWindowTitle(PairCaption(p, caption, First()));
}

bool TTwoChartWindow::Supports(tCommand c) const
{
    switch (c) {
    case tCommand::Midpoints:
    case tCommand::Composite:
    case tCommand::Davison:
    case tCommand::SecondChart:
    case tCommand::Compare2:
    case tCommand::SideBySide:
    case tCommand::USSideBySide:
    case tCommand::Wheel:
    case tCommand::USWheel: return true;
    case tCommand::InsertAnalysis: return Interprets();
    case tCommand::NewList:
    case tCommand::NewAspects:
    case tCommand::NewAnalysis:
    case tCommand::NewNatal:
    case tCommand::InsertList:
    case tCommand::InsertAspects: return false;
    default: return !IsChart2Command(c) && TAstroWindow::Supports(c);
    }
}

void TTwoChartWindow::Chart2Command(tCommand command)
{
    tProgram& p = Program();
    if (command == tCommand::Midpoints) {
        p.Open({tDocumentKind::Midpoints, &First(), &Second()});
    } else if (command == tCommand::Composite || command == tCommand::Davison) {
        p.Open({command == tCommand::Composite ? tDocumentKind::Composite : tDocumentKind::Davison, &First(),
                &Second()});
    } else if (command == tCommand::SecondChart) {
        if (!ChooseSecond()) return;
        tDocumentRequest r{tDocumentKind::Natal, &Second()};
        r.modified = Second().ChartType == kTransitChart;
        p.Open(r);
    } else if (command == tCommand::Compare2) {
        if (!ChooseSecond()) return;
        p.Open(Comparison());
    }
}

std::optional<tDocumentRequest> TTwoChartWindow::Wheel(bool usStyle)
{
    // A pair draws as two wheels: inner the first chart, outer the second.
    if (!ChooseSecond()) return std::nullopt;
    tDocumentRequest r{tDocumentKind::Wheel, &First(), &Second()};
    r.graph = usStyle ? tGraphKind::USTwo : tGraphKind::Two;
    r.caption = caption == 75 || caption == 76 ? caption : 78;
    return r;
}

std::optional<tDocumentRequest> TTwoChartWindow::SideBySide(bool usStyle)
{
    if (!ChooseSecond()) return std::nullopt;
    tDocumentRequest r{tDocumentKind::Wheel, &First(), &Second()};
    r.graph = usStyle ? tGraphKind::USSideBySide : tGraphKind::SideBySide;
    return r;
}

// Synastry, and the other pairs with a table of their own.
std::unique_ptr<TChartPrint> TTwoChartWindow::MakePrint() { return std::make_unique<tPrintCompare2>(*this); }

tDocumentRequest TTwoChartWindow::Comparison() { return {tDocumentKind::Compare2, &First(), &Second()}; }

void TTwoChartWindow::StoreChart()
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

}  // namespace quintara
