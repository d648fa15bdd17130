#include "reports/report_printing.h"

#include <cmath>
#include <memory>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace quintara {

namespace {

int Pixels(int hundredthsOfMm, int dpi) { return static_cast<int>(std::lround(hundredthsOfMm * dpi / 2540.0)); }

// Distances the layout gives in pixels of a 300-dpi printer, on this device.
int DevicePixels(int printerPixels, int dpi) { return printerPixels * dpi / 300; }

}  // namespace

QRect PrintArea(const tPrintPage& page, const tPrintLayout& layout)
{
    const int left = Pixels(layout.left, page.dpi), top = Pixels(layout.top, page.dpi);
    return {left, top, std::max(10, page.width - left - Pixels(layout.right, page.dpi)),
            std::max(10, page.height - top - Pixels(layout.bottom, page.dpi))};
}

int PrintPages(QPainter& painter, const tPrintPage& page, const QTextDocument& document, const tPrintLayout& layout,
               const std::function<void()>& newPage)
{
    // The text keeps the layout it has on screen (its tab stops are screen
    // pixels); the painter scales it to the device.
    std::unique_ptr<QTextDocument> doc(document.clone());
    const QPaintDevice* screen = document.documentLayout() ? document.documentLayout()->paintDevice() : nullptr;
    const double screenDpi = screen ? screen->logicalDpiX() : 96.0;
    const double scale = page.dpi / screenDpi;
    const QRect text = PrintArea(page, layout);
    const int left = text.left(), top = text.top(), width = text.width(), height = text.height();
    const QSizeF area(width / scale, height / scale);
    doc->setPageSize(area);
    const int pages = std::max(1, doc->pageCount());
    const QFont font = document.defaultFont();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) newPage();
        painter.save();
        painter.translate(left, top);
        painter.scale(scale, scale);
        painter.translate(0, -i * area.height());
        doc->drawContents(&painter, QRectF(0, i * area.height(), area.width(), area.height()));
        painter.restore();
        QFont printed = font;
        printed.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() : 11);
        painter.setFont(printed);
        painter.setPen(Qt::black);
        if (!layout.header.isEmpty()) {
            const int y = std::max(painter.fontMetrics().ascent(), top - Pixels(1000, page.dpi));
            painter.drawText(left, y, layout.header);
            painter.drawText(page.width - DevicePixels(200, page.dpi), y, QString::number(i + 1));
        }
        if (!layout.footer.isEmpty()) painter.drawText(left, page.height - DevicePixels(100, page.dpi), layout.footer);
    }
    return pages;
}

bool PrintDocument(QPrinter& printer, const QTextDocument& document, const tPrintLayout& layout, const QString& title)
{
    printer.setDocName(title);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    PrintPages(painter, {page.width(), page.height(), printer.resolution()}, document, layout, [&] { printer.newPage(); });
    return painter.end();
}

}  // namespace quintara
