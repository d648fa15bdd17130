// Charts derived from a pair: the progressed chart (one day after birth
// for each year of life) and the midpoint chart.
#pragma once

#include <functional>
#include <optional>

#include "core/chart/chart.h"

namespace quintara {

// chosen, computed for the chosen date, gets the moment one day after
// birth per tropical year (365.24219 days) from birth to that date, on the
// birth zone's clock to the minute; its angles move by the solar arc.
// Computed, chart type 3.
void ProgressChart(const tChart& natal, tChart& chosen);

// The houses of a computed chart turned to stand on a Midheaven it was not
// cast with: mc tropical degrees, at latitude (d.mm, north positive), the
// Ascendant and every cusp following from it as the chart's house system
// puts them; the angle points follow too.
void HousesForMidheaven(tChart& chart, double mc, double latitude);

// A place given to a body of a chart whose positions stand for no moment
// (composite, directed): longitude in degrees, negative for none (the body
// is then hidden), and latitude.
struct tGivenPlace {
    double longitude = -1, latitude = 0;
};
// Each body of out takes place(its number) as a fixed position, not
// retrograde; a body place gives nothing for is left as it is.
void GivePlaces(tChart& out, const std::function<std::optional<tGivenPlace>(int num)>& place);

// A copy of a computed chart (birth data, points, positions) as another
// window or picture keeps it: cast again from its moment, except a chart
// whose positions are not its moment's (progressed, midpoint, composite), which keeps
// the positions it was given.
void CopyComputedChart(const tChart& from, tChart& to);

// Body at list position i of out := the midpoint on the shorter arc of the
// bodies at position i of a and b (positions missing in a or b are left
// alone); a point formula of the body is cleared. Chart type 4. out must
// already be computed (its cusps and times are kept).
void MidpointChart(const tChart& a, const tChart& b, tChart& out);

}  // namespace quintara
