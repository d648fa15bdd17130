#include "shell/printing/print_picture.h"

#include <QPainter>

#include "core/graphics/chart_graphs.h"
#include "shell/canvas/qt_canvas.h"

namespace quintara {

void PrintPicture(QPainter& painter, tDrawing& drawing, double zoom, bool keepProportions, std::int32_t lineWidthAdd)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect page = painter.viewport();
    tReplay r = PageReplay(page.width(), page.height(), zoom, keepProportions, false);
    r.LineWidthAdd = lineWidthAdd;
    tQtCanvas canvas(painter, nullptr);
    drawing.play(canvas, r);
    painter.restore();
}

}  // namespace quintara
