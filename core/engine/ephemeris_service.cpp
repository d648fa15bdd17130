#include "core/engine/ephemeris_service.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"
#include "core/engine/lunar_points.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/planet_series.h"
#include "core/engine/precise_ephemeris.h"

namespace quintara {
namespace {

double JulianDayOf(double T) { return T * kDaysPerCentury + kJ2000; }

// Longitude (and latitude when asked) of body at T; NaN for a point
// without an orbit in the built-in theory. Points on the ecliptic by
// definition (nodes, apogee) have latitude 0.
double BuiltInLongitude(int body, double T, double* latitude = nullptr)
{
    if (latitude) *latitude = 0;
    const double jd = JulianDayOf(T);
    double lon[11] = {}, lat[11] = {};
    if (body == kMoon) {
        // The longitude of the lunar theory, the latitude of the series.
        if (latitude) PlanetSeries(lon, lat, kMoon, jd), *latitude = lat[kMoon];
        return LunarPoints(T).Moon;
    }
    if (body == kLilith) return LunarPoints(T).Apogee;
    if (body == kNode || body == kTrueNode) return LunarPoints(T).TrueNode;
    if (body == kMeanNode) return LunarPoints(T).MeanNode;
    if (body == kVesta || (body >= kChiron && body <= kJuno)) {
        const tMinorPlace p = BuiltInMinorBody(body, T);
        if (latitude) *latitude = p.latitude;
        return Normalize360(p.longitude);
    }
    if (body < 1 || body > 10) return std::nan("");  // no orbit in the built-in theory
    PlanetSeries(lon, lat, body, jd);
    if (latitude) *latitude = lat[body];
    return lon[body];
}

}  // namespace

tEphemerisService::tEphemerisService(std::uint8_t wanted, double jdFrom, double jdTo, const tZodiacChoice& zodiac)
{
    if (wanted != kPreciseSource) return;
    if (std::string error; !PreciseCovers(jdFrom, jdTo, &error))
        note = "precise positions unavailable (" + error + "); built-in positions shown";
    else
        *this = tEphemerisService(wanted, zodiac);
}

tEphemerisService::tEphemerisService(std::uint8_t wanted, const tZodiacChoice& zodiac)
{
    if (wanted != kPreciseSource) return;
    std::string error;
    // An ayanamsa tied to a star needs the star catalogue besides the files.
    if (double probe; IsSidereal(zodiac.code) && !PreciseAyanamsa(zodiac.code, kJ2000, zodiac.user, probe, &error))
        note = "precise ayanamsa unavailable (" + error + "); built-in positions shown";
    else
        source = kPreciseSource;
}

tEphemerisService tEphemerisService::Decided(std::uint8_t source)
{
    return tEphemerisService(tDecided{}, source == kPreciseSource ? kPreciseSource : kBuiltInSource);
}

void tEphemerisService::Missed(const std::string& why)
{
    if (note.empty()) note = "some positions from the built-in theory (" + why + ")";
}

void tEphemerisService::Sky(const tSkyQuery& q, tSkyAnswer& out)
{
    if (Precise()) {
        std::string error;
        if (PreciseSky(q, out, &error)) return OppositePoints(q, out);
        // A chart is one source throughout: this service answers built-in
        // from now on.
        source = kBuiltInSource;
        note = "precise positions unavailable (" + error + "); built-in positions shown";
        out = {};
    }
    BuiltInSky(q, out);
    OppositePoints(q, out);
}

bool tEphemerisService::Star(const std::string& name, double T, double& longitude, double& latitude)
{
    tPreciseBody b;
    if (!Precise() || !PreciseStar(name, JulianDayOf(T), b)) return false;
    longitude = Normalize360(b.longitude);
    latitude = b.latitude;
    return true;
}

double tEphemerisService::Longitude(int body, double T)
{
    if (body == kNode && meanNode) body = kMeanNode;
    if (Precise()) {
        std::string error;
        if (double lon; PreciseLongitude(body, JulianDayOf(T), lon, &error)) return Normalize360(lon);
        Missed(error);
    }
    return BuiltInLongitude(body, T);
}

void tEphemerisService::Place(int body, double T, double& lon, double& lat)
{
    if (body == kNode && meanNode) body = kMeanNode;
    if (Precise()) {
        std::string error;
        if (PreciseLongitude(body, JulianDayOf(T), lon, &error, &lat)) {
            lon = Normalize360(lon);
            return;
        }
        Missed(error);
    }
    lon = BuiltInLongitude(body, T, &lat);
}

double tEphemerisService::Declination(int body, double T)
{
    double lon = 0, lat = 0;
    Place(body, T, lon, lat);
    const double e = Obliquity(T) * kDegToRad, l = lon * kDegToRad, b = lat * kDegToRad;
    return std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l)) * kRadToDeg;
}

tHouseAnswer tEphemerisService::HousesAtRamc(double ramc, double latitude, double T, std::uint8_t houseType)
{
    tHouseAnswer h;
    // Only the Sunshine houses need the Sun (the declination of the moment T).
    const double sunDeclination = houseType == kSunshine ? SunDeclination(Longitude(1, T), T) : 0.0;
    if (Precise()) {
        std::string error;
        tPreciseHouses p;
        if (PreciseHousesAtArmc(ramc * kRadToDeg, DegMinToDecimal(latitude), JulianDayOf(T), houseType,
                                sunDeclination * kRadToDeg, p, &error)) {
            h.houseType = p.HouseTypeUsed(houseType);
            for (int n = 1; n <= 12; ++n) h.cusps[n] = Normalize360(p.cusps[n]);
            h.ascendant = Normalize360(p.ascendant);
            h.midheaven = Normalize360(p.midheaven);
            return h;
        }
        Missed(error);
    }
    h.houseType = houseType;
    BuiltInCusps(ramc, latitude, T, h.houseType, h.cusps, sunDeclination);
    const tAngles angles = BuiltInAngles(ramc, latitude, h.houseType, h.cusps);
    h.ascendant = angles.ascendant;
    h.midheaven = angles.midheaven;
    return h;
}

double tEphemerisService::Obliquity(double T)
{
    if (Precise()) {
        std::string error;
        if (double eps; PreciseObliquity(JulianDayOf(T), eps, &error)) return eps;
        Missed(error);
    }
    return MeanObliquity(T) * kRadToDeg;
}

double tEphemerisService::Ayanamsa(const tZodiacChoice& zodiac, double T)
{
    if (!IsSidereal(zodiac.code)) return 0.0;
    const double jd = JulianDayOf(T);
    if (Precise()) {
        std::string error;
        if (double d; PreciseAyanamsa(zodiac.code, jd, zodiac.user, d, &error)) return d;
        Missed(error);
    }
    return BuiltInAyanamsa(zodiac.code, jd, zodiac.user);
}

}  // namespace quintara
