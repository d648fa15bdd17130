// Bodies 1..12 from the built-in theory.
#pragma once

#include "core/engine/ephemeris.h"

namespace quintara {

// All of bodies 1..12 into out: longitudes, latitudes of 1..10, motion of
// 3..10. T: Julian centuries of UT from J2000.0.
void BuiltInBodies(double T, tSkyAnswer& out);

}  // namespace quintara
