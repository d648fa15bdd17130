// Bodies 25..28 (Chiron, Ceres, Pallas, Juno) and Vesta from the built-in orbits.
#pragma once

#include "core/engine/ephemeris.h"

namespace quintara {

// Longitude (tropical), latitude and motion of each of bodies 25..28 asked
// for in bodies, at T (Julian centuries of UT from J2000.0); the rest of out
// is left alone.
void BuiltInMinorBodies(double T, tSkyBodies bodies, tSkyAnswer& out);

// One of them, or Vesta (kVesta).
struct tMinorPlace {
    double longitude = 0, latitude = 0;
    bool retrograde = false;
};
tMinorPlace BuiltInMinorBody(int body, double T);

}  // namespace quintara
