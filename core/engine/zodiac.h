// The sidereal zodiac: which ayanamsa a chart uses and its value.
//
// A chart's zodiac is one code, stored as is in chart rows (ZODIAC):
//   0          tropical
//   1          sidereal with the program's classic shift, 23.8530556 + 1.391 T
//              degrees (T in Julian centuries of UT from J2000.0): what
//              "sidereal" always meant, so older files and settings keep it
//   100 + n    sidereal with ayanamsa n of the common numbering, n = 0..46
//              (0 Fagan/Bradley, 1 Lahiri, ..., 27 True Citra, ..., 46)
//   355        sidereal with a user-defined ayanamsa: a value at a reference
//              moment, carried by general precession
// Ayanamsas are degrees, the distance from the sidereal to the tropical
// zero point measured on the ecliptic of date; sidereal = tropical - ayanamsa.
#pragma once

#include <string>
#include <string_view>

#include "core/engine/julian_day.h"

namespace quintara {

inline constexpr int kTropicalZodiac = 0;
inline constexpr int kClassicSidereal = 1;
inline constexpr int kAyanamsaBase = 100;
inline constexpr int kAyanamsaCount = 47;
inline constexpr int kUserAyanamsa = kAyanamsaBase + 255;

// A user-defined ayanamsa: its value (degrees) at a moment (Julian day, UT).
struct tAyanamsaRef {
    double jdUt = kJ2000;
    double degrees = 0;
};

// A zodiac as settings choose it: the code and, for kUserAyanamsa, its reference.
struct tZodiacChoice {
    tZodiacChoice(int code = kTropicalZodiac, tAyanamsaRef user = {}) : code(code), user(user) {}
    int code;
    tAyanamsaRef user;
};

bool IsZodiacCode(int code);
// Sidereal codes: 1, 100..146, 355.
inline bool IsSidereal(int code) { return code != kTropicalZodiac; }

// The classic shift in degrees for T (Julian centuries of UT from J2000.0).
double AyanamsaAt(double T);

// The ayanamsa of a zodiac code at jdUt (UT), mean equinox of date (no
// nutation), from the built-in definitions: each ayanamsa is its value at
// J2000.0 carried by the motion of what defines it: the general precession
// in longitude (IAU 2006, Capitaine et al. 2003) for those fixed at an
// epoch; for those tied to a star, the Galactic Centre or the galactic
// equator, that point's J2000.0 ecliptic place and proper motion taken to
// the ecliptic of date (Meeus, Astronomical Algorithms, ch. 21). user is
// read for kUserAyanamsa only. 0 for tropical; the classic shift for codes
// this list does not know (any non-zero code once meant "sidereal").
double BuiltInAyanamsa(int code, double jdUt, const tAyanamsaRef& user = {});

// The mean obliquity of the ecliptic at T (Julian centuries, TT ~ UT
// here), radians: IAU 1980 (Meeus, Astronomical Algorithms, 22.2).
double MeanObliquity(double T);

// The general precession in longitude from J2000.0 to T (Julian centuries,
// TT ~ UT here), degrees.
double GeneralPrecession(double T);

// Names: a command-line key ("lahiri", "true-citra", "classic", ...) and
// the program's English name ("Lahiri", "True Citra", ...). Empty for
// tropical (and a key for user-defined); a code the list does not know has
// the classic shift's, as BuiltInAyanamsa computes it.
std::string_view AyanamsaKey(int code);
std::string_view AyanamsaEnglishName(int code);

// "NAME", "NUMBER" (0..46) or "user:JD:DEGREES" as a zodiac code; false
// with error (without a field name) listing what is accepted.
bool ParseAyanamsa(std::string_view text, int& code, tAyanamsaRef& user, std::string& error);
// The text ParseAyanamsa reads back: the key, or "user:JD:DEGREES".
std::string AyanamsaText(int code, const tAyanamsaRef& user);

}  // namespace quintara
