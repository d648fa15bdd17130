#include "shell/printing/report_printing.h"

#include <cmath>
#include <memory>
#include <vector>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "core/options/main_options.h"
#include "core/reports/margin.h"

namespace quintara {

namespace {

struct tLine {
    double top, bottom;
    bool blank;
    bool continued = false;  // not the first line of its paragraph
    bool indented = false;   // begins with a tab or blank: goes on the line above
};

// The lines of the laid-out text, top to bottom, in document coordinates.
std::vector<tLine> Lines(const QTextDocument& doc)
{
    std::vector<tLine> lines;
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QRectF r = layout->blockBoundingRect(b);
        const bool blank = b.text().trimmed().isEmpty();
        const bool indented = !blank && (b.text().startsWith('\t') || b.text().startsWith(' '));
        const QTextLayout* l = b.layout();
        if (!l || l->lineCount() == 0) {
            lines.push_back({r.top(), r.bottom(), blank, false, indented});
            continue;
        }
        for (int i = 0; i < l->lineCount(); ++i) {
            const QTextLine line = l->lineAt(i);
            lines.push_back({r.top() + line.y(), r.top() + line.y() + line.height(), blank, i > 0, indented && i == 0});
        }
    }
    return lines;
}

// Where a page may begin: not inside a few lines that read together (the
// lines between two blank lines, a transit event with its leave time; of
// a longer run its first lines), nor right after a line standing alone (a
// heading) before the first lines that follow it.
std::vector<bool> AllowedStarts(const std::vector<tLine>& lines)
{
    constexpr std::size_t kWholeRun = 8, kFirstLines = 3;
    std::vector<bool> allowed(lines.size() + 1, true);
    // A paragraph is cut only where it is longer than a page; indented
    // lines (a transit's moments) stay with the line they belong to.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].continued) allowed[i] = false;
        if (!lines[i].indented) continue;
        std::size_t head = i;
        while (head > 0 && !lines[head - 1].blank && lines[head].indented) --head;
        if (i - head < kWholeRun) allowed[i] = false;
    }
    for (std::size_t i = 0; i < lines.size();) {
        if (lines[i].blank) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < lines.size() && !lines[end].blank) ++end;
        const std::size_t run = end - i;
        std::size_t keep = run <= kWholeRun ? end : i + kFirstLines;
        if (run == 1) {
            // A heading keeps the blank lines after it and the next run's first lines.
            std::size_t next = end;
            while (next < lines.size() && lines[next].blank) ++next;
            std::size_t taken = 0;
            while (next < lines.size() && !lines[next].blank && taken < kFirstLines - 1) ++next, ++taken;
            keep = next;
        }
        for (std::size_t k = i + 1; k < keep && k < allowed.size(); ++k) allowed[k] = false;
        i = end;
    }
    return allowed;
}

// Each page's top, in document coordinates, and the end of the text.
std::vector<double> PageTops(const QTextDocument& doc, double pageHeight)
{
    const std::vector<tLine> lines = Lines(doc);
    const std::vector<bool> allowed = AllowedStarts(lines);
    std::vector<double> tops{0};
    std::size_t first = 0;
    while (first < lines.size()) {
        const double limit = tops.back() + pageHeight;
        std::size_t cut = first;
        while (cut < lines.size() && lines[cut].bottom <= limit + 0.01) ++cut;
        if (cut == lines.size()) break;
        if (cut == first) cut = first + 1;  // a line taller than the page
        std::size_t kept = cut;
        while (kept > first + 1 && !allowed[kept]) --kept;
        if (allowed[kept]) cut = kept;
        tops.push_back(lines[cut].top);
        first = cut;
    }
    tops.push_back(lines.empty() ? 0 : lines.back().bottom + 1);
    return tops;
}

int Pixels(int hundredthsOfMm, int dpi) { return static_cast<int>(std::lround(hundredthsOfMm * dpi / 2540.0)); }

// Distances the layout gives in pixels of a 300-dpi printer, on this device.
int DevicePixels(int printerPixels, int dpi) { return printerPixels * dpi / 300; }

}  // namespace

tPrintLayout OptionsPrintLayout(TMainOptions& o, const QString& who)
{
    const TMargin m =
        PrintTextMargins(o.LeftMargin, o.TopMargin, o.RightMargin, o.BottomMargin, o.Header, !o.Footer.empty());
    tPrintLayout l{m.Left(), m.Top(), m.Right(), m.Bottom(), {}, QString::fromStdString(o.Footer)};
    if (o.Header) l.header = who;
    return l;
}

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
    // One long page laid out, cut into pages here: so the cuts can keep
    // together what reads together.
    doc->setTextWidth(area.width());
    const std::vector<double> tops = PageTops(*doc, area.height());
    const int pages = std::max(1, static_cast<int>(tops.size()) - 1);
    const QFont font = document.defaultFont();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) newPage();
        const double from = tops[static_cast<std::size_t>(i)];
        const double to = tops[static_cast<std::size_t>(i) + 1];
        painter.save();
        painter.translate(left, top);
        painter.scale(scale, scale);
        painter.translate(0, -from);
        // Within the page's lines only: the next page's first line touches the cut.
        doc->drawContents(&painter, QRectF(0, from + 0.25, area.width(), std::min(to - from, area.height()) - 0.5));
        painter.restore();
        QFont printed = font;
        printed.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() : 11);
        painter.setFont(printed);
        PaintPageFrame(painter, page, layout, i + 1);
    }
    return pages;
}

void PaintPageFrame(QPainter& painter, const tPrintPage& page, const tPrintLayout& layout, int pageNumber)
{
    const QRect text = PrintArea(page, layout);
    painter.save();
    painter.setPen(Qt::black);
    if (!layout.header.isEmpty()) {
        const int y = std::max(painter.fontMetrics().ascent(), text.top() - Pixels(1000, page.dpi));
        painter.drawText(text.left(), y, layout.header);
        painter.drawText(page.width - DevicePixels(200, page.dpi), y, QString::number(pageNumber));
    }
    if (!layout.footer.isEmpty())
        painter.drawText(text.left(), page.height - DevicePixels(100, page.dpi), layout.footer);
    painter.restore();
}

void PaintPicturePage(QPainter& painter, const tPrintPage& page, const tPrintLayout& layout, int pageNumber,
                      const std::function<void(QPainter&)>& paint)
{
    const QRect area = PrintArea(page, layout);
    painter.save();
    painter.setViewport(area);
    painter.setWindow(0, 0, area.width(), area.height());
    painter.setClipRect(0, 0, area.width(), area.height());
    paint(painter);
    painter.restore();
    QFont printed = painter.font();
    printed.setPointSizeF(11);
    painter.setFont(printed);
    PaintPageFrame(painter, page, layout, pageNumber);
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
