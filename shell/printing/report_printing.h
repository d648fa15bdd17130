// Printing a report's text page by page within the page margins, with the
// header line (first name, name, page number) and the footer line on every
// page.
#pragma once

#include <functional>

#include <QRect>
#include <QString>

class QPainter;
class QPrinter;
class QTextDocument;

namespace quintara {
class TMainOptions;
}

namespace quintara {

struct tPrintPage {
    int width = 0, height = 0;  // device pixels of the whole page
    int dpi = 96;               // device pixels per inch
};

struct tPrintLayout {
    // Margins in hundredths of a millimetre (the text's, header and footer
    // room already added as the settings say).
    int left = 2500, top = 2000, right = 1500, bottom = 2000;
    QString header;  // "" for none; stands 10 mm above the text
    QString footer;  // "" for none; 100 pixels (of a 300-dpi page) above its foot
};

// The page setup of the options: margins with room for the header and
// footer, the header line naming who (when the settings ask for one).
tPrintLayout OptionsPrintLayout(TMainOptions& options, const QString& who);

// The part of the page within the margins, in device pixels.
QRect PrintArea(const tPrintPage& page, const tPrintLayout& layout);

// Lays the document out at its screen resolution on pages of the text area
// and paints page after page on painter; newPage starts the next page.
// Returns the number of pages.
int PrintPages(QPainter& painter, const tPrintPage& page, const QTextDocument& document, const tPrintLayout& layout,
               const std::function<void()>& newPage);

// The header line (with the page number) and the footer line of a page.
void PaintPageFrame(QPainter& painter, const tPrintPage& page, const tPrintLayout& layout, int pageNumber);

// A page whose content paint draws on the part within the margins (the
// painter's viewport and window set to it), framed as a text page.
void PaintPicturePage(QPainter& painter, const tPrintPage& page, const tPrintLayout& layout, int pageNumber,
                      const std::function<void(QPainter&)>& paint);

// The document on the printer (or PDF file); false when the printer could
// not be started.
bool PrintDocument(QPrinter& printer, const QTextDocument& document, const tPrintLayout& layout, const QString& title);

}  // namespace quintara
