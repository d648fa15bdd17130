// A chart picture on a printed page: replayed on the painter's viewport,
// every line wider by the "PrintLineFactor" setting and at least half a
// point, in colours that show on white paper.
#pragma once

#include <cstdint>

class QPainter;
class QPrinter;

namespace quintara {

class tDrawing;
struct tPrintLayout;

// dpi: the device's pixels per inch.
void PrintPicture(QPainter& painter, tDrawing& drawing, double zoom, bool keepProportions, std::int32_t lineWidthAdd,
                  int dpi);

// The picture on a page of its own within the page-setup margins, with the
// header and footer lines of the text pages; false when the printer could
// not be started.
bool PrintPicturePage(QPrinter& printer, tDrawing& drawing, const tPrintLayout& layout, double zoom,
                      bool keepProportions, std::int32_t lineWidthAdd);

}  // namespace quintara
