// Where the glyphs of bodies stand on a ring so that none covers another:
// bodies closer than the room a glyph needs are spread apart along the
// ring, evenly around the middle of their group and in zodiac order; a
// body with room keeps its exact angle. One placement serves the screen,
// printing and every file format.
#pragma once

#include <vector>

namespace quintara {

// Display longitudes (degrees, [0, 360)) for the given longitudes
// (degrees, any value), each glyph needing gap degrees of the ring. When
// the ring cannot hold them all at gap, they share it evenly.
std::vector<double> SpreadOnRing(const std::vector<double>& longitudes, double gap);

// The same along a line: positions within [low, high] at least gap apart,
// in their order, each as near its own value as the others allow.
std::vector<double> SpreadOnLine(const std::vector<double>& values, double gap, double low, double high);

// The gap in degrees a glyph of width units needs on a ring of radius units.
double RingGap(double width, double radius);

}  // namespace quintara
