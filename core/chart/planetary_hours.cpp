#include "core/chart/planetary_hours.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/julian_day.h"
#include "core/engine/sidereal_time.h"
#include "core/engine/time_search.h"

namespace quintara {

namespace {

constexpr double kDay = 1.0 / kDaysPerCentury;
constexpr double kRisingAltitude = -50.0 / 60;  // degrees: refraction 34', semidiameter 16'

// The Chaldean order, descending, and each weekday's place in it.
constexpr int kChaldean[7] = {7, 6, 5, 1, 4, 3, 2};  // Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon
constexpr int kWeekdayStart[7] = {3, 6, 2, 5, 1, 4, 0};  // Sunday .. Saturday: the Sun, Moon, Mars, ...

double SunAltitudeWith(tEphemerisService& eph, double T, double latitude, double longitude)
{
    const double lon = eph.Longitude(kSun, T) * kDegToRad, eps = eph.Obliquity(T) * kDegToRad;
    const double ra = std::atan2(std::sin(lon) * std::cos(eps), std::cos(lon));
    const double dec = std::asin(std::sin(eps) * std::sin(lon));
    const double jd = T * kDaysPerCentury + kJ2000;
    const double ut = jd - 0.5 - std::floor(jd - 0.5);  // fraction of the UT day
    const double ramc = SiderealTime(ut * 2 * kPi, longitude, T);
    const double h = std::asin(std::sin(latitude) * std::sin(dec) +
                               std::cos(latitude) * std::cos(dec) * std::cos(ramc - ra));
    return h * kRadToDeg;
}

}  // namespace

double SunAltitude(double T, double latitude, double longitude, std::uint8_t ephemeris)
{
    tEphemerisService eph = tEphemerisService::Decided(ephemeris);
    return SunAltitudeWith(eph, T, latitude, longitude);
}

bool PlanetaryHours(int year, int month, int day, double adjust, double latitude, double longitude,
                    std::uint8_t ephemeris, tPlanetaryDay& out, std::string& why)
{
    const double midnight = DaysFromJ2000(year, month, day, 0) / kDaysPerCentury + DegMinToDecimal(adjust) / 24 * kDay;
    tEphemerisService eph(ephemeris, midnight * kDaysPerCentury + kJ2000 - 1, midnight * kDaysPerCentury + kJ2000 + 3);
    const double phi = DegMinToDecimal(latitude) * kDegToRad, lambda = DegMinToDecimal(longitude) * kDegToRad;
    const auto above = [&](double t) { return SunAltitudeWith(eph, t, phi, lambda) - kRisingAltitude; };
    // The Sun's altitude turns twice a day: hourly steps hold one crossing each.
    double rise[2] = {NAN, NAN}, set = NAN;
    int rises = 0;
    EachRoot(above, midnight, midnight + 2 * kDay, kDay / 24, kDay / 86400, [&](double t, bool rising) {
        if (rising && rises < 2) rise[rises++] = t;
        else if (!rising && rises == 1 && std::isnan(set)) set = t;
    });
    if (rises < 2 || std::isnan(set) || rise[0] >= midnight + kDay) {
        why = "the Sun does not rise and set there that day";
        return false;
    }
    out.sunrise = rise[0], out.sunset = set, out.nextSunrise = rise[1];
    // The weekday of the civil date: 1 January 2000 was a Saturday.
    const long days = std::lround(DaysFromJ2000(year, month, day, 12.0));
    const int weekday = static_cast<int>(((days + 6) % 7 + 7) % 7);  // 0 Sunday
    int k = kWeekdayStart[weekday];
    out.dayRuler = kChaldean[k];
    out.hours.clear();
    for (int i = 0; i < 24; ++i, k = (k + 1) % 7) {
        const bool isDay = i < 12;
        const double from = isDay ? out.sunrise : out.sunset, to = isDay ? out.sunset : out.nextSunrise;
        const int j = i % 12;
        out.hours.push_back({kChaldean[k], from + (to - from) * j / 12, from + (to - from) * (j + 1) / 12, isDay});
    }
    return true;
}

}  // namespace quintara
