#include "reports/chart_print.h"

#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include "graphics/graphic_window.h"
#include "reports/af_rich_edit.h"
#include "reports/astro_base_window.h"
#include "reports/report_printing.h"
#include "reports/two_chart_windows.h"

namespace quintara {

TChartPrint::TChartPrint(TAstroBaseWindow& w) : window(w), richText(std::make_unique<TAFRichEdit>())
{
    richText->setFont(w.Text().font());
    richText->document()->setDefaultFont(w.Text().font());
}

TChartPrint::~TChartPrint() = default;

void TChartPrint::header_block() { window.InsHeader(); }
void TChartPrint::position_list() { window.InsList(); }
void TChartPrint::print_aspects() { window.InsAspects(); }
void TChartPrint::print_analysis() { window.InsAnalyse(); }

void tTransitsPrint::print_aspects() { window.InsText(); }
void tPrintCompare2::print_aspects() { window.InsText(); }
void tprintSunReturn::print_aspects() { window.InsText(); }

QString TChartPrint::JobTitle() const
{
    const tChart& c = window.First();
    return QString::fromStdString(c.Name + " " + c.FirstName + " " + c.Comment);
}

bool TChartPrint::Print(QPrinter& printer, tPrintSections sections)
{
    const bool text = sections != tPrintSections::Graphic;
    const bool graphic = sections == tPrintSections::Graphic || sections == tPrintSections::All;
    richText->clear();
    if (text)
        window.WriteInto(*richText, [&] {
            header_block();
            if (sections != tPrintSections::Analysis) {
                position_list();
                print_aspects();
            }
            if (sections != tPrintSections::ChartAndAspects) print_analysis();
        });
    std::unique_ptr<TChartGraphWindow> wheel = graphic ? NewWheelWindow(window, false) : nullptr;
    if (!text && !wheel) return false;

    printer.setDocName(JobTitle());
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    const tPrintPage page{full.width(), full.height(), printer.resolution()};
    const tPrintLayout layout = window.PrintLayout();
    if (text) PrintPages(painter, page, *richText->document(), layout, [&] { printer.newPage(); });
    if (wheel) {
        if (text) printer.newPage();
        // The wheel within the margins, as the text.
        const QRect area = PrintArea(page, layout);
        painter.setViewport(area);
        painter.setWindow(0, 0, area.width(), area.height());
        wheel->PrintOn(painter);
    }
    return painter.end();
}

std::unique_ptr<TChartPrint> MakeChartPrint(TAstroBaseWindow& w)
{
    if (dynamic_cast<TTransitsWindow*>(&w)) return std::make_unique<tTransitsPrint>(w);
    if (dynamic_cast<TCompareDayWindow*>(&w)) return std::make_unique<tPrintCompareDay>(w);
    if (dynamic_cast<TRevCompareWindow*>(&w)) return std::make_unique<tPrintRevCompare>(w);
    if (dynamic_cast<TProgCompareWindow*>(&w)) return std::make_unique<tPrintProgCompare>(w);
    if (dynamic_cast<TSunReturnWindow*>(&w) || dynamic_cast<TMoonReturnWindow*>(&w))
        return std::make_unique<tprintSunReturn>(w);
    if (dynamic_cast<TProgressionWindow*>(&w)) return std::make_unique<tPrintprogression>(w);
    // Synastry, and the other pairs with a table of their own.
    if (dynamic_cast<TTwoChartWindow*>(&w)) return std::make_unique<tPrintCompare2>(w);
    return std::make_unique<TChartPrint>(w);
}

std::unique_ptr<TChartGraphWindow> NewWheelWindow(TAstroBaseWindow& w, bool usStyle)
{
    if (!w.IsChartWindow() || dynamic_cast<TPrevisionsWindow*>(&w) || dynamic_cast<TMidpointsWindow*>(&w))
        return nullptr;
    tProgram& p = w.Program();
    // A pair draws as two wheels: inner the first chart, outer the second.
    auto* pair = dynamic_cast<TTwoChartWindow*>(&w);
    if (pair && !dynamic_cast<TDerivedWindow*>(&w)) {
        if (!pair->ChooseSecond()) return nullptr;
        const int caption = pair->Caption() == 75 || pair->Caption() == 76 ? pair->Caption() : 78;
        return std::make_unique<TChartGraphWindow>(p, usStyle ? tGraphKind::USTwo : tGraphKind::Two, w.First(),
                                                   &w.Second(), nullptr, caption);
    }
    return std::make_unique<TChartGraphWindow>(p, usStyle ? tGraphKind::US : tGraphKind::Daisy, w.First(), &w.Second());
}

}  // namespace quintara
