// The computed points (body_numbers.h, 51..68) of the built-in theory, and
// what a source can give of them.
#pragma once

#include "core/engine/ephemeris.h"

namespace quintara {

// Vesta, the mean and true nodes, the Vertex and the East Point from the
// built-in theory into out (after the bodies and out.siderealT); Pholus,
// the osculating Lilith and the Uranian points it cannot give are marked
// missing (see BuiltInGivesPoint).
void BuiltInPoints(const tSkyQuery& q, tSkyAnswer& out);

// Whether the built-in theory gives point n, and why not: Pholus and the
// Uranian points have no orbit in it, and the osculating apogee needs the
// Moon's distance and velocity, which its lunar series does not give.
bool BuiltInGivesPoint(int n);

// The ecliptic longitude (degrees [0, 360)) where the prime vertical meets
// the ecliptic in the west (the Vertex), and where the hour circle of the
// east point does (the East Point, the Ascendant of the equator): ramc in
// radians, latitude degrees (north positive), obliquity degrees.
double VertexAt(double ramc, double latitude, double obliquity);
double EastPointAt(double ramc, double obliquity);

}  // namespace quintara
