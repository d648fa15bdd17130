#include "shell/reports/chart_print.h"

#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include "core/graphics/chart_graphs.h"
#include "core/graphics/picture_setup.h"
#include "shell/printing/print_picture.h"
#include "shell/printing/report_printing.h"
#include "shell/reports/astro_base_window.h"
#include "shell/widgets/af_rich_edit.h"

namespace quintara {

namespace {

// The wheel a report window draws, as its graphic window would print it.
void PrintWheel(QPainter& painter, tProgram& p, const tDocumentRequest& wheel, int dpi)
{
    TMainOptions& o = p.Options();
    tPictureCharts charts(o, *wheel.first, wheel.second, IsTwoChartGraph(wheel.graph));
    const tPictureContext ctx = MakePictureContext(o, p.Languages());  // the picture keeps a reference
    tChartGraph picture(wheel.graph, charts.First(), charts.Second(), ctx);
    picture.Legend = true;
    picture.Setup();
    picture.RecordGraph();
    PrintPicture(painter, picture, o.Zoom > 0 ? o.Zoom : 1.0, true, o.PrintLineFactor, dpi);
}

}  // namespace

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
    std::optional<tDocumentRequest> wheel;
    if (graphic && window.Supports(tCommand::Wheel)) wheel = window.Wheel(false);
    if (!text && !wheel) return false;

    printer.setDocName(JobTitle());
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    const tPrintPage page{full.width(), full.height(), printer.resolution()};
    const tPrintLayout layout = window.PrintLayout();
    const int pages = text ? PrintPages(painter, page, *richText->document(), layout, [&] { printer.newPage(); }) : 0;
    if (wheel) {
        if (text) printer.newPage();
        // The wheel within the margins and framed, as the text.
        PaintPicturePage(painter, page, layout, pages + 1,
                         [&](QPainter& p) { PrintWheel(p, window.Program(), *wheel, page.dpi); });
    }
    return painter.end();
}

}  // namespace quintara
