// Delta T = TT - UT, seconds, from the polynomial expressions of F. Espenak
// and J. Meeus (Five Millennium Canon of Solar Eclipses, NASA TP-2006-
// 214141, sect. 2.6) for 1900-2150, their long-term parabola outside.
#pragma once

namespace quintara {

// year: decimal year (2024.5 is mid-2024).
double DeltaTSeconds(double year);

}  // namespace quintara
