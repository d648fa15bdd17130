// A chart picture on a printed page: replayed on the painter's viewport,
// every line wider by the "PrintLineFactor" setting.
#pragma once

#include <cstdint>

class QPainter;

namespace quintara {

class tDrawing;

void PrintPicture(QPainter& painter, tDrawing& drawing, double zoom, bool keepProportions, std::int32_t lineWidthAdd);

}  // namespace quintara
