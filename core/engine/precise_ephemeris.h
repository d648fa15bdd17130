// The engine's own: only core/engine reads this header (the build checks);
// everything else asks tEphemerisService (ephemeris_service.h).
//
// Positions from the Swiss Ephemeris library and its data files (1800 to
// 2399): apparent geocentric ecliptic longitudes and latitudes of the true
// equinox of date (light time, aberration, nutation), at a moment of
// universal time (the library applies Delta T), and houses with the true
// obliquity. Degrees, speeds in degrees a day; tropical.
#pragma once

#include <cstdint>
#include <string>

#include "core/engine/ephemeris.h"
#include "core/engine/houses.h"
#include "core/engine/zodiac.h"

namespace quintara {

inline constexpr const char* kSwissEphemerisDir = "/usr/share/libswe/ephe";

struct tPreciseBody {
    double longitude = 0, latitude = 0, speed = 0;
};

struct tPreciseHouses {
    double cusps[13] = {};  // [1..12]
    double armc = 0;        // right ascension of the Midheaven, degrees
    double ascendant = 0, midheaven = 0;  // the true angles, degrees
    double vertex = 0, eastPoint = 0;     // degrees
    bool equalInstead = false;  // no quadrant houses there (beyond the polar circles): Equal houses

    // The chart's house code for these cusps when it asked for asked.
    std::uint8_t HouseTypeUsed(std::uint8_t asked) const
    {
        return equalInstead && asked != kTimeUnknown ? static_cast<std::uint8_t>(kEqual) : asked;
    }
};

// The data files are read from kSwissEphemerisDir unless the
// QUINTARA_EPHEMERIS_DIR environment variable names another folder
// (PreciseEphemerisFolder, ephemeris_service.h).

// Body by the chart's numbering: 1..10 Sun to Pluto, 11 Lilith (the mean
// apogee), 12 the true node, 25..28 Chiron, Ceres, Pallas, Juno, and the
// computed points the library has (Vesta, Pholus, the nodes, the
// osculating apogee, the Uranian points from its orbital elements file). False, with
// error saying why, when the data files are missing or do not cover the
// moment (the library is never let fall back to its analytical theory).
bool PreciseBody(int body, double jdUt, tPreciseBody& out, std::string* error = nullptr);

// The longitude (degrees, not normalised) and, when asked, the latitude,
// without the speed that costs the library a second light-time solution:
// for searches.
bool PreciseLongitude(int body, double jdUt, double& longitude, std::string* error = nullptr,
                      double* latitude = nullptr);

// A star of the data files' catalogue (sefstars.txt) by its name, as
// apparent place of date with its proper motion. False, with error, when
// the catalogue is missing or has no star of that name.
bool PreciseStar(const std::string& name, double jdUt, tPreciseBody& out, std::string* error = nullptr);

// houseType: the chart's code (tHouseSystem). east: geographic longitude, east positive.
bool PreciseHouses(double jdUt, double latitude, double east, int houseType, tPreciseHouses& out,
                   std::string* error = nullptr);

// Cusps for a right ascension of the meridian armc (degrees) instead of a
// moment, at the true obliquity of jdUt: for charts whose angles are
// directed (progressions). sunDeclination (degrees) serves the Sunshine
// houses, which the library cannot find without a moment.
bool PreciseHousesAtArmc(double armc, double latitude, double jdUt, int houseType, double sunDeclination,
                         tPreciseHouses& out, std::string* error = nullptr);
// Whether the data files answer for the planets, the Moon and the asteroids
// at both ends of [jdFrom, jdTo] (UT): a search over the span then takes
// every position from them. False, with error saying why, otherwise.
bool PreciseCovers(double jdFrom, double jdTo, std::string* error = nullptr);
// The true obliquity of the ecliptic at jdUt, degrees.
bool PreciseObliquity(double jdUt, double& eps, std::string* error = nullptr);

// The ayanamsa of a zodiac code (see zodiac.h) at jdUt as the library
// computes it, with nutation, to be taken from the apparent longitudes
// above; the classic shift is its own formula. False, with error, when the
// library cannot answer (a star's ayanamsa without the star catalogue).
bool PreciseAyanamsa(int code, double jdUt, const tAyanamsaRef& user, double& degrees, std::string* error = nullptr);

// The whole sky of a query. False, with error saying why, when the data
// files cannot answer for the moment; out is then incomplete.
bool PreciseSky(const tSkyQuery& q, tSkyAnswer& out, std::string* error = nullptr);

// What the library is asked, for the chart's numbering: its body number
// (-1 for none), its house-system letter, the calculation flags.
int SwissBody(int body);
char SwissHouseSystem(int houseType);
int SwissFlags();

}  // namespace quintara
