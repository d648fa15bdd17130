// Charts derived from a pair: the progressed chart (one day after birth
// for each year of life) and the midpoint chart.
#pragma once

#include "core/chart/chart.h"

namespace quintara {

// chosen holds the chosen date; it gets the natal date and time moved by
// one day (and the matching share of a day in hours) per year elapsed,
// x = (year + month / 12 + day / 365) of the chosen date minus the same of
// the natal date; computed, chart type 3.
void ProgressChart(const tChart& natal, tChart& chosen);

// Body at list position i of out := the midpoint on the shorter arc of the
// bodies at position i of a and b (positions missing in a or b are left
// alone); a point formula of the body is cleared. Chart type 4. out must
// already be computed (its cusps and times are kept).
void MidpointChart(const tChart& a, const tChart& b, tChart& out);

}  // namespace quintara
