// Local sidereal time and the obliquities of the ecliptic.
#pragma once

namespace quintara {

// Local sidereal time (RAMC) in radians.
//   utAngle   universal time as an angle (hours x 15 deg), radians
//   longitude geographic, radians, positive west
//   T         Julian centuries of UT from J2000.0, time of day included
// Reduced once from above 2 pi; may be negative (only trigonometry follows).
double SiderealTime(double utAngle, double longitude, double T);

// Mean obliquity with the main nutation term, epoch J2000.0; radians.
double ObliquityJ2000(double T);
// The same expression on the epoch J1900.0 with the lunar node Lm - F; radians.
double ObliquityJ1900(double T);

// Fixed obliquity of 23.45 deg for the Ascendant, Campanus and Regiomontanus.
inline constexpr double kFixedSinEps = 0.397949;
inline constexpr double kFixedCosEps = 0.917408;
inline constexpr double kFixedInvCosEps = 1.090027555896613;

}  // namespace quintara
