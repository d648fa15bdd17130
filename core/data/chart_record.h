// The mapping between a chart and one row of a chart file.
#pragma once

#include "chart/chart.h"
#include "data/table.h"

namespace quintara {

// Copies the current row into the chart: index, names, birth data, time
// results (fields Index..SIDERAL_T). The chart's bodies are untouched.
void ReadChart(const tTable& table, tChart& chart);

// Copies the chart into the row being inserted or edited: the birth data
// and, for filtering, P1..P12 with R1..R12 (bodies) and P13..P24 (cusps).
// The caller posts; Index comes from the row.
void WriteChart(tTable& table, const tChart& chart);

}  // namespace quintara
