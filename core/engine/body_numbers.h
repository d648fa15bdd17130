// Body numbers shared by the whole program: 1..12 the bodies and lunar
// points, 13..24 the cusps, 25..28 the minor bodies, then user points
// (29..49 the planets table's own rows), the computed points (51..68) and
// the points of the stars table (from 101).
#pragma once

#include <cstdint>

namespace quintara {

// Bit n set selects body n (1..63: the bodies, the computed points).
using tBodyMask = std::uint64_t;
constexpr tBodyMask BodyBit(int n) { return tBodyMask{1} << n; }

enum : int {
    kSun = 1, kMoon = 2, kMercury = 3, kPluto = 10, kLilith = 11, kNode = 12,
    kAscendant = 13, kMidheaven = 22, kLastCusp = 24,
    kChiron = 25, kCeres = 26, kPallas = 27, kJuno = 28,
    kFirstUserPoint = 29
};

// Points the program computes, chosen in chart setup as planets-table rows
// of their own kind (kComputedPoint): the number says which.
enum : int {
    kVesta = 51, kPholus = 52, kMeanNode = 53, kTrueNode = 54, kSouthNode = 55, kTrueLilith = 56,
    kVertex = 57, kAntiVertex = 58, kEastPoint = 59,
    kCupido = 61, kHades, kZeus, kKronos, kApollon, kAdmetos, kVulkanus, kPoseidon = 68,
    kFirstComputedPoint = kVesta, kLastComputedPoint = kPoseidon
};
constexpr bool IsComputedPoint(int n)
{
    return n >= kFirstComputedPoint && n <= kLastComputedPoint && n != 60;
}
// The points of the houses' circles: they need a birth time and have no motion of their own.
constexpr bool IsAnglePoint(int n) { return n == kVertex || n == kAntiVertex || n == kEastPoint; }

// Bodies whose motion the chart flags: Mercury to Pluto, Chiron to Juno.
constexpr bool HasRetroFlag(int n) { return (n >= 3 && n <= 10) || (n >= 25 && n <= 28); }

}  // namespace quintara
