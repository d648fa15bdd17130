// Charts of a pair, and of a move. Conventions, after their authors:
//   composite  R. Hand, Planets in Composite (1975): every body and point
//              the midpoint on the shorter arc of the pair's; the Midheaven
//              the midpoint of the two, the Ascendant and the other cusps
//              following from it in the first chart's house system at the
//              mean latitude of the two places (Hand's derived Ascendant).
//   Davison    R. C. Davison, Synastry (1977): a chart cast for the moment
//              midway between the two births (universal time) at the place
//              midway (mean latitude; mean longitude the short way round).
//   relocated  the birth moment cast at another place.
// Each out takes the first (or only) chart's settings and planets table.
#pragma once

#include "core/chart/chart.h"

namespace quintara {

// first and second computed. out ends with the composite positions, chart
// type kCompositeChart, its clock the first's (it stands for no moment).
// A point one of the pair lacks is hidden; without a birth time in either
// chart there are no houses.
void CompositeChart(const tChart& first, const tChart& second, tChart& out);

// first and second computed; out ends computed at the midway moment and
// place, its clock in universal time (Adjust 0), no locality.
void DavisonChart(const tChart& first, const tChart& second, tChart& out);

// natal computed; out ends computed for the same moment at latitude and
// longitude (d.mm, north and west positive), on the clock of adjust (h.mm
// added to clock time to give UT). The caller names the place.
void RelocatedChart(const tChart& natal, double latitude, double longitude, double adjust, tChart& out);

// Mean of two latitudes (d.mm) and of two longitudes (d.mm) the short way
// round, d.mm.
double MeanLatitude(double a, double b);
double MeanLongitude(double a, double b);

}  // namespace quintara
