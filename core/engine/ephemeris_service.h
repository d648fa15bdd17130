// Where every position of the sky comes from. A service is decided once,
// for one moment (a chart) or one span (a search), and answers every
// question from that one source: the built-in theory, which answers for any
// date, or the precise ephemeris (data files covering 1800 to 2399). When
// the precise ephemeris is asked for but cannot answer for the whole span
// (files missing, a date outside them, an ayanamsa it cannot give), the
// whole service is built-in and Note() says why, in words a user reads.
//
// Time: T is Julian centuries of universal time from J2000.0. Longitudes
// are degrees [0, 360), tropical, of the equinox of date (precise: apparent
// places of the true equinox); latitudes degrees; ayanamsas degrees.
//
// A service is a small value: copy it for each thread of a search.
#pragma once

#include <cstdint>
#include <string>

#include "core/engine/ephemeris.h"
#include "core/engine/zodiac.h"

namespace quintara {

// The two sources, numbered as chart rows store the choice.
inline constexpr std::uint8_t kBuiltInSource = 0;
inline constexpr std::uint8_t kPreciseSource = 1;
// The source a stored setting (settings file, command line) asks for:
// anything but the precise one reads as built-in.
constexpr std::uint8_t EphemerisSourceOf(long setting)
{
    return setting == kPreciseSource ? kPreciseSource : kBuiltInSource;
}

// Whether the precise ephemeris' data files are installed, and where they
// are looked for (a folder to name in a message).
bool PreciseEphemerisInstalled();
std::string PreciseEphemerisFolder();

// Cusps [1..12] and the true angles, degrees; houseType as answered (Equal
// where the asked quadrant system has no cusps at that latitude).
struct tHouseAnswer {
    double cusps[13] = {};
    double ascendant = 0, midheaven = 0;
    std::uint8_t houseType = 0;
};

class tEphemerisService {
public:
    // wanted: kBuiltInSource or kPreciseSource; [jdFrom, jdTo] the span of
    // universal-time Julian days the caller will ask about; zodiac the
    // ayanamsa it will ask for, if any.
    tEphemerisService(std::uint8_t wanted, double jdFrom, double jdTo, const tZodiacChoice& zodiac = {});
    // For one chart: Sky() then decides, answering wholly from one source.
    explicit tEphemerisService(std::uint8_t wanted, const tZodiacChoice& zodiac = {});
    // A source decided before (the one a computed chart used): no probing.
    static tEphemerisService Decided(std::uint8_t source);

    std::uint8_t Source() const { return source; }
    bool Precise() const { return source == kPreciseSource; }
    // Empty unless the precise ephemeris was asked for and something came
    // from the built-in theory instead.
    const std::string& Note() const { return note; }
    // The same span from the built-in theory: searches scan with it and
    // refine what they find with this service.
    tEphemerisService BuiltIn() const
    {
        tEphemerisService b = Decided(kBuiltInSource);
        b.meanNode = meanNode;
        return b;
    }

    // Bodies, cusps, angles and sidereal time of a moment and place. A
    // chart's whole sky: when the precise ephemeris fails for it, the whole
    // answer is built-in and Note() says why.
    void Sky(const tSkyQuery& q, tSkyAnswer& out);

    // Body 1..12 or 25..28, or a computed point with a motion of its own
    // (Vesta, Pholus, the nodes, the osculating apogee, the Uranian points)
    // at T, without the speed: for searches and steps. NaN for a point the
    // built-in theory lacks (Pholus, the osculating apogee, the Uranian
    // points: sky_points.h) when the answer is built-in.
    double Longitude(int body, double T);
    // The same body's longitude and latitude at T, degrees (the longitude
    // NaN where Longitude is).
    void Place(int body, double T, double& longitude, double& latitude);
    // The same body's declination at T, degrees north positive, from its
    // longitude and latitude at the obliquity of Obliquity(T): as a chart
    // of that moment shows it. NaN where Longitude is.
    double Declination(int body, double T);
    // A fixed star of the precise catalogue by name: its tropical longitude
    // and latitude of date, degrees, with proper motion. False (no note)
    // when the service is built-in or the catalogue has no such star.
    bool Star(const std::string& name, double T, double& longitude, double& latitude);
    // Body 12 is the mean node, not the true one (the settings' choice).
    void UseMeanNode(bool mean) { meanNode = mean; }

    // Houses for a right ascension of the meridian (radians) at latitude
    // (d.mm, north positive), with the obliquity of T: charts whose angles
    // are directed (progressions).
    tHouseAnswer HousesAtRamc(double ramc, double latitude, double T, std::uint8_t houseType);
    // The obliquity of the ecliptic at T, degrees: the true one (precise)
    // or the mean one (built-in).
    double Obliquity(double T);
    double Ayanamsa(const tZodiacChoice& zodiac, double T);

private:
    struct tDecided {};
    tEphemerisService(tDecided, std::uint8_t source) : source(source) {}
    // A precise answer failed inside a span that was covered: the answer
    // is built-in, and the note says so.
    void Missed(const std::string& why);

    std::uint8_t source = kBuiltInSource;
    bool meanNode = false;
    std::string note;
};

}  // namespace quintara
