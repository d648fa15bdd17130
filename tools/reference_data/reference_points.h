// The stars-table and planets-table rows the program ships with: fixed
// stars (type 2, ecliptic J2000.0), Arabic parts (type 1), midpoints
// (type 4 with divider 2) and the default planets rows.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace quintara::build {

struct tPointRow {
    std::string name, shortName;
    int num = 0, type = 0, plus1 = 0, plus2 = 0, minus1 = 0, divider = 0, offset = 0;
    bool visible = false, aspects = false;
    double value = 0, longitude = 0, latitude = 0, magnitude = 0;
};

// Catalogue rows "name, RA (deg, J2000), Dec (deg), magnitude" become type-2
// rows; then the parts and midpoints follow. Returns the number of stars.
std::size_t AddStars(const std::vector<std::vector<std::string>>& catalogue,
                     const std::function<void(const tPointRow&)>& add);

// Body 49, the Part of Fortune (Ascendant + Moon - Sun), and the twelve
// dominants 37..48: dominant n is the middle of house n, the midpoint of
// cusps n and n + 1 on the shorter arc; dominants are neither drawn nor aspected.
std::vector<tPointRow> DefaultPlanetRows();

// Rows of the computed points (type -1, numbered as body_numbers.h says) and
// the traditional lots (type -2, reversed by night; type 1 where a lot is
// not), numbered from 301.
std::vector<tPointRow> ComputedPointRows();
std::vector<tPointRow> LotRows();

// The stars of the ephemeris' catalogue file (sefstars.txt: name,
// designation, frame, RA, Dec, ..., magnitude), one row per star, numbered
// from 1001; names in known and stars seen under another name are left
// out. Empty when the file cannot be read.
std::vector<tPointRow> CatalogueStars(const std::string& path, const std::set<std::string>& known);

// Equatorial J2000.0 (degrees) to ecliptic J2000.0 (degrees, longitude in [0, 360)).
void EquatorialToEcliptic(double ra, double dec, double& longitude, double& latitude);

}  // namespace quintara::build
