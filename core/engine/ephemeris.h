// What an ephemeris tells of one moment and place. The built-in theory and
// the precise ephemeris both answer the same question; tEphemerisService
// (ephemeris_service.h) chooses which.
//
// Longitudes are degrees [0, 360), tropical, of the equinox of date;
// latitudes degrees. Time scale: universal time.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quintara {

// Bit n set asks for body n (1..12, 25..28 are known).
using tSkyBodies = std::uint32_t;
inline constexpr tSkyBodies kAllSkyBodies = 0x1e001ffe;  // 1..12 and 25..28

// Bit n - 50 set asks for computed point n (51..68, body_numbers.h).
using tSkyPoints = std::uint32_t;
inline constexpr int kSkyPointSlots = 19;  // [n - 50]
constexpr tSkyPoints SkyPointBit(int n) { return tSkyPoints{1} << (n - 50); }

struct tSkyQuery {
    double T = 0;                // Julian centuries of UT from J2000.0
    double utAngle = 0;          // universal time of day as an angle, radians
    double latitude = 0;         // d.mm, positive north
    double longitude = 0;        // d.mm, positive west
    std::uint8_t houseType = 0;  // tHouseSystem; kTimeUnknown computes Placidus cusps
    tSkyBodies bodies = kAllSkyBodies;
    tSkyPoints points = 0;
    bool meanNode = false;  // body 12 (and the south node) the mean node, not the true one
};

struct tSkyAnswer {
    std::array<double, 29> longitude{};  // [n]: body n; [12 + k]: cusp k = 1..12
    std::array<double, 29> latitude{};   // [n]: body n, 1..10 and 25..28
    // Motion of Mercury to Pluto and the minor bodies: the sign of the
    // speed (precise) or the motion over the next day (built-in).
    std::array<bool, 29> retrograde{};
    double siderealT = 0;        // local sidereal time (RAMC), radians
    double ascendant = 0, midheaven = 0;  // the true angles, degrees, whatever the cusps
    std::uint8_t houseType = 0;  // as asked, or kEqual where the asked system has no cusps
    double obliquity = 0;        // of the ecliptic, degrees: the true one (precise), the mean one (built-in)
    // Computed points asked for, [n - 50]; those the source cannot give are
    // in pointMissing and stay zero.
    std::array<double, kSkyPointSlots> pointLongitude{}, pointLatitude{};
    tSkyPoints pointRetrograde = 0, pointMissing = 0;
};

// The built-in theory; always answers. Bodies not asked for stay zero.
void BuiltInSky(const tSkyQuery& q, tSkyAnswer& out);

// What neither source computes on its own, from the rest of an answer:
// the south node opposite body 12, the Anti-Vertex opposite the Vertex.
void OppositePoints(const tSkyQuery& q, tSkyAnswer& out);

}  // namespace quintara
