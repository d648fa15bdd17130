// The house systems past the first nine, on the fixed obliquity of 23.45 deg
// that the built-in Ascendant and Midheaven use, so that a chart's angles and
// cusps agree. Used by houses.cpp only.
#pragma once

#include <cstdint>

namespace quintara {

// Cusps 1..12 into c (degrees, not normalised) for the right ascension of
// the meridian ramc and the latitude phi (both radians); c[1] holds the
// Ascendant on entry; sunDeclination (radians) serves the Sunshine houses.
// False when the code is none of these systems.
bool DivisionCusps(std::uint8_t system, double ramc, double phi, double sunDeclination, double c[13]);

}  // namespace quintara
