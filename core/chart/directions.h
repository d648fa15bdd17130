// Solar arc directions: the birth chart turned, every body, cusp and point
// alike, by the true solar arc: the progressed Sun's distance from the
// natal Sun, the progressed moment a day after birth per tropical year of
// life (as the progression takes it). Times T are Julian centuries of UT
// from J2000.0; arcs and longitudes degrees.
#pragma once

#include "core/chart/chart.h"

namespace quintara {

// The progressed moment of T: natal + (T - natal) / 365.24219.
double ProgressedMoment(const tChart& natal, double T);

// The true solar arc at T (natal computed): the Sun's tropical motion from
// the birth to the progressed moment, from the chart's ephemeris. Negative
// before the birth.
double SolarArc(const tChart& natal, double T);

// out: natal's data and points, dated at T on natal's clock, every
// position of natal turned by the arc (latitudes kept); chart type
// kDirectedChart (positions of no moment).
void SolarArcChart(const tChart& natal, double T, tChart& out);

}  // namespace quintara
