// Sidereal zodiac.
#pragma once

namespace quintara {

class tChart;

// Ayanamsa in degrees for T (Julian centuries of UT from J2000.0).
double AyanamsaAt(double T);

// Sidereal charts (Zodiac != 0): sets Ayanamsa and subtracts it from bodies
// 1..24. Tropical charts: Ayanamsa = 0. Bodies from 25 on are left alone.
void ApplyZodiac(tChart& chart);

}  // namespace quintara
