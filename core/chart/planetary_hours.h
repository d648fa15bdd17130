// Planetary hours of a day at a place: twelve unequal hours from sunrise
// to sunset and twelve from sunset to the next sunrise, the first ruled by
// the day's planet (Sunday the Sun, Monday the Moon, Tuesday Mars,
// Wednesday Mercury, Thursday Jupiter, Friday Venus, Saturday Saturn), the
// rest in the descending (Chaldean) order Saturn, Jupiter, Mars, Sun,
// Venus, Mercury, Moon. Sunrise and sunset: the Sun's upper limb on the
// horizon with standard refraction, its centre 0°50' below it.
// Moments T are Julian centuries of UT from J2000.0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quintara {

struct tPlanetaryHour {
    int ruler = 0;      // body 1..7
    double from = 0, to = 0;
    bool day = true;    // between sunrise and sunset
};

struct tPlanetaryDay {
    double sunrise = 0, sunset = 0, nextSunrise = 0;
    int dayRuler = 0;
    std::vector<tPlanetaryHour> hours;  // 24, from sunrise
};

// The day (year, month, day on the clock of adjust, h.mm added to clock
// time to give UT) at latitude and longitude (d.mm, north and west
// positive), positions from ephemeris (kBuiltInSource or kPreciseSource).
// False, with why, where the Sun does not rise or set that day or the next
// (polar day and night).
bool PlanetaryHours(int year, int month, int day, double adjust, double latitude, double longitude,
                    std::uint8_t ephemeris, tPlanetaryDay& out, std::string& why);

// The altitude of the Sun's centre at T at a place (latitude, longitude in
// radians, west positive), degrees, without refraction.
double SunAltitude(double T, double latitude, double longitude, std::uint8_t ephemeris);

}  // namespace quintara
