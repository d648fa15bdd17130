// Sidereal zodiac.
#pragma once

namespace quintara {

// Ayanamsa in degrees for T (Julian centuries of UT from J2000.0).
double AyanamsaAt(double T);

}  // namespace quintara
