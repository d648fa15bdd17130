// House cusps (bodies 13..24) for the house systems both modes compute.
//
// Cusps are degrees [0, 360) of the ecliptic of date.
#pragma once

#include <cstdint>

namespace quintara {

// Codes stored in tChart::HouseType. 6 trisects the quadrants (Porphyry),
// 7 projects the equator's 30-degree divisions from the Midheaven's right
// ascension along circles of longitude (Morinus). Versions before 0.1 named
// these two the other way round; the stored codes and their cusps are kept.
enum tHouseSystem : std::uint8_t {
    kPlacidus = 0, kCampanus = 1, kMontroyal = 2, kEqual = 3, kKoch = 4,
    kMeridian = 5, kPorphyry = 6, kMorinus = 7, kTopocentric = 8,
    kWholeSign = 9, kEqualMc = 10, kEqualAries = 11, kAlcabitius = 12, kKrusinski = 13, kVehlow = 14,
    kSripati = 15, kCarter = 16, kHorizon = 17, kApc = 18, kPullenSd = 19, kPullenSr = 20, kSunshine = 21,
    kSavardA = 22,
    kTimeUnknown = 255
};
// Codes below this are house systems.
inline constexpr int kHouseSystemCount = 23;

// Polar bound: from this absolute latitude (degrees) on, Placidus and Koch
// give Equal houses and the chart's HouseType becomes 3.
inline constexpr double kPolarLatitude = 66.0;

// Ecliptic longitude (radians, not normalised) rising on the horizon of
// pole height `pole` when the meridian has right ascension ra; fixed
// obliquity 23.45 deg.
double AscendantAt(double ra, double pole);

// The Midheaven (degrees [0, 360)) of a right ascension of the meridian
// (radians), and back; fixed obliquity 23.45 deg, as the cusps use.
double MidheavenOf(double ramc);
double RamcOfMidheaven(double mcDeg);
// The same at an obliquity of the ecliptic whose cosine is cosEps.
double RamcOfMidheaven(double mcDeg, double cosEps);

// Cusps 1..12 into cusps[1..12] for the right ascension of the meridian
// ramc (radians), latitude (d.mm, positive north) and T (Julian centuries
// of UT from J2000.0). May set houseType to 3 (see kPolarLatitude); a code
// outside the systems runs Placidus (see IsHouseSystem). The Sunshine
// houses divide the day and night arcs of the Sun's declination
// (radians, see SunDeclination).
void BuiltInCusps(double ramc, double latitude, double T, std::uint8_t& houseType, double cusps[13],
                  double sunDeclination = 0);

// The declination (radians) of the Sun at ecliptic longitude sunLongitude
// (degrees, on the ecliptic), at the obliquity of date T.
double SunDeclination(double sunLongitude, double T);

// The true Ascendant and Midheaven (degrees [0, 360)) of the cusps that
// BuiltInCusps gave for houseType; cusps 1 and 10 where the system puts the
// angles there, so that they read alike.
struct tAngles {
    double ascendant = 0, midheaven = 0;
};
tAngles BuiltInAngles(double ramc, double latitude, std::uint8_t houseType, const double cusps[13]);

// Whether a chart may ask for this code: a system both modes compute
// (every code below kHouseSystemCount).
bool IsHouseSystem(int code);

}  // namespace quintara
