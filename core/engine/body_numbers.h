// Body numbers shared by the whole program: 1..12 the bodies and lunar
// points, 13..24 the cusps, 25..28 the minor bodies, then user points.
#pragma once

namespace quintara {

enum : int {
    kSun = 1, kMoon = 2, kMercury = 3, kPluto = 10, kLilith = 11, kNode = 12,
    kAscendant = 13, kMidheaven = 22, kLastCusp = 24,
    kChiron = 25, kCeres = 26, kPallas = 27, kJuno = 28,
    kFirstUserPoint = 29
};

// Bodies whose motion the chart flags: Mercury to Pluto, Chiron to Juno.
constexpr bool HasRetroFlag(int n) { return (n >= 3 && n <= 10) || (n >= 25 && n <= 28); }

}  // namespace quintara
