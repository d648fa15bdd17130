#include "shell/printing/print_picture.h"

#include <cmath>

#include <QPainter>
#include <QPrinter>

#include "core/graphics/chart_graphs.h"
#include "shell/canvas/qt_canvas.h"
#include "shell/printing/report_printing.h"

namespace quintara {

void PrintPicture(QPainter& painter, tDrawing& drawing, double zoom, bool keepProportions, std::int32_t lineWidthAdd,
                  int dpi)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect page = painter.viewport();
    tReplay r = PageReplay(page.width(), page.height(), zoom, keepProportions, false);
    r.LineWidthAdd = lineWidthAdd;
    tQtCanvas canvas(painter, nullptr);
    canvas.ForPaper(std::max(1, static_cast<int>(std::lround(dpi * 0.5 / 72))));
    drawing.play(canvas, r);
    painter.restore();
}

bool PrintPicturePage(QPrinter& printer, tDrawing& drawing, const tPrintLayout& layout, double zoom,
                      bool keepProportions, std::int32_t lineWidthAdd)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    const tPrintPage page{full.width(), full.height(), printer.resolution()};
    PaintPicturePage(painter, page, layout, 1,
                     [&](QPainter& p) { PrintPicture(p, drawing, zoom, keepProportions, lineWidthAdd, page.dpi); });
    return painter.end();
}

}  // namespace quintara
