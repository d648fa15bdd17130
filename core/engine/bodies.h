// Bodies 1..12 of a chart: positions, latitudes and retrograde flags.
#pragma once

namespace quintara {

class tChart;

// body 0: bodies 1..12 with latitudes of 1..10 and retrograde flags of 3..10.
// body 1, 3..10: that body's longitude only. body 2, 11 or 12: all three
// lunar points. Any other body: nothing. T: Julian centuries of UT from J2000.0.
void CalcBodies(tChart& chart, int body, double T);

}  // namespace quintara
