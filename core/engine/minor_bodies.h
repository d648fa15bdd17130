// Bodies 25..28 (Chiron, Ceres, Pallas, Juno) of a chart.
#pragma once

namespace quintara {

class tChart;

// Sets the longitude and retrograde flag of each of bodies 25..28 the chart
// contains, tropical, from the chart's Centuries. Absent bodies are skipped.
void CalcMinorBodies(tChart& chart);

}  // namespace quintara
