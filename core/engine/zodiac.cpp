#include "core/engine/zodiac.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/engine/angles.h"

namespace quintara {
namespace {

// What carries an ayanamsa from J2000.0 to another moment.
enum tAnchor {
    kEquinox,  // fixed at an epoch: the general precession alone
    kSpica, kZetaPiscium, kDeltaCancri, kLambdaScorpii, kGalacticCentre,
    kGalacticPole,                // the galactic equator's node: 90 degrees from its pole
    kGalacticCentreOnHourCircle,  // the Centre brought to the ecliptic along its hour circle
};

struct tAyanamsaDef {
    const char* key;
    const char* name;
    double atJ2000;  // degrees, mean equinox: the reference library's value from the definition
    tAnchor anchor;
};

constexpr tAyanamsaDef kAyanamsas[kAyanamsaCount] = {
    {"fagan-bradley", "Fagan/Bradley", 24.7403000, kEquinox},  // 0
    {"lahiri", "Lahiri", 23.8570924, kEquinox},  // 1
    {"de-luce", "De Luce", 27.8157528, kEquinox},  // 2
    {"raman", "Raman", 22.4107910, kEquinox},  // 3
    {"usha-shashi", "Usha/Shashi", 20.0575410, kEquinox},  // 4
    {"krishnamurti", "Krishnamurti", 23.7602400, kEquinox},  // 5
    {"djwhal-khul", "Djwhal Khul", 28.3596786, kEquinox},  // 6
    {"yukteshwar", "Yukteshwar", 22.4788030, kEquinox},  // 7
    {"jn-bhasin", "J. N. Bhasin", 22.7621370, kEquinox},  // 8
    {"babylonian-kugler-1", "Babylonian (Kugler 1)", 23.5336399, kEquinox},  // 9
    {"babylonian-kugler-2", "Babylonian (Kugler 2)", 24.9336399, kEquinox},  // 10
    {"babylonian-kugler-3", "Babylonian (Kugler 3)", 25.7836399, kEquinox},  // 11
    {"babylonian-huber", "Babylonian (Huber)", 24.7336399, kEquinox},  // 12
    {"babylonian-eta-piscium", "Babylonian (Eta Piscium)", 24.5225280, kEquinox},  // 13
    {"babylonian-aldebaran", "Babylonian (Aldebaran at 15 Taurus)", 24.7589239, kEquinox},  // 14
    {"hipparchos", "Hipparchos", 20.2477881, kEquinox},  // 15
    {"sassanian", "Sassanian", 19.9929594, kEquinox},  // 16
    {"galactic-center-0-sag", "Galactic Centre at 0 Sagittarius", 26.8460478, kGalacticCentre},  // 17
    {"j2000", "J2000", 0.0000000, kEquinox},  // 18
    {"j1900", "J1900", 1.3965810, kEquinox},  // 19
    {"b1950", "B1950", 0.6983702, kEquinox},  // 20
    {"suryasiddhanta", "Suryasiddhanta", 20.8950589, kEquinox},  // 21
    {"suryasiddhanta-mean-sun", "Suryasiddhanta (mean Sun)", 20.6804249, kEquinox},  // 22
    {"aryabhata", "Aryabhata", 20.8950598, kEquinox},  // 23
    {"aryabhata-mean-sun", "Aryabhata (mean Sun)", 20.6574274, kEquinox},  // 24
    {"ss-revati", "Suryasiddhanta Revati", 20.1033884, kEquinox},  // 25
    {"ss-citra", "Suryasiddhanta Citra", 23.0057633, kEquinox},  // 26
    {"true-citra", "True Citra", 23.8400180, kSpica},  // 27
    {"true-revati", "True Revati", 20.0451617, kZetaPiscium},  // 28
    {"true-pushya", "True Pushya", 22.7270917, kDeltaCancri},  // 29
    {"galactic-center-gil-brand", "Galactic Centre (Gil Brand)", 22.4691067, kGalacticCentre},  // 30
    {"galactic-equator-iau1958", "Galactic Equator (IAU 1958)", 30.0231725, kGalacticPole},  // 31
    {"galactic-equator-true", "Galactic Equator (true)", 30.0760922, kGalacticPole},  // 32
    {"galactic-equator-mula", "Galactic Equator (mid-Mula)", 23.4094255, kGalacticPole},  // 33
    {"skydram-mardyks", "Skydram (Mardyks)", 30.0177939, kEquinox},  // 34
    {"true-mula", "True Mula (Chandra Hari)", 24.5799750, kLambdaScorpii},  // 35
    {"galactic-center-mula-wilhelm", "Galactic Centre in mid-Mula (Wilhelm)", 20.0392352, kGalacticCentreOnHourCircle},  // 36
    {"aryabhata-522", "Aryabhata 522", 20.5758470, kEquinox},  // 37
    {"babylonian-britton", "Babylonian (Britton)", 24.6157528, kEquinox},  // 38
    {"true-sheoran", "True Sheoran", 25.2344495, kDeltaCancri},  // 39
    {"galactic-center-cochrane", "Galactic Centre at 0 Capricorn (Cochrane)", 356.8460478, kGalacticCentre},  // 40
    {"galactic-equator-fiorenza", "Galactic Equator (Fiorenza)", 25.0000191, kEquinox},  // 41
    {"vettius-valens", "Vettius Valens", 22.7956093, kEquinox},  // 42
    {"lahiri-1940", "Lahiri 1940", 23.8423233, kEquinox},  // 43
    {"lahiri-vp285", "Lahiri VP285", 23.8634812, kEquinox},  // 44
    {"krishnamurti-senthilathiban", "Krishnamurti (Senthilathiban)", 23.7803650, kEquinox},  // 45
    {"lahiri-icrc", "Lahiri ICRC", 23.8567890, kEquinox},  // 46
};

// J2000.0 mean ecliptic places (degrees) and proper motions (degrees per
// Julian century), from the ICRS positions of the stars (Hipparcos, as the
// library's star catalogue gives them) and of Sgr A*, and the IAU 1958
// galactic north pole.
struct tPlace {
    double lon, lat, dLon, dLat;
};
constexpr tPlace kPlaces[] = {
    {},                                                   // kEquinox
    {203.8413578, -2.0544887, -0.0007771, -0.0012275},    // Spica
    {19.8775470, -0.2134313, 0.0031462, -0.0029525},      // zeta Piscium
    {128.7219904, 0.0771611, 0.0011939, -0.0062746},      // delta Cancri
    {264.5857125, -13.7884545, -0.0002022, -0.0008658},   // lambda Scorpii
    {266.8517136, -5.6076845, -0.0000730, -0.0001559},    // Sgr A*
    {180.0232170, 29.8114385, 0, 0},                      // galactic north pole
    {266.8517136, -5.6076845, -0.0000730, -0.0001559},    // Sgr A*
};

double Arcsec(double a) { return a / 3600.0; }

// A J2000.0 ecliptic place on the ecliptic and equinox of date (Meeus,
// eq. 21.5 with the starting epoch J2000.0; p is IAU 2006's).
void PrecessEcliptic(double T, double& lon, double& lat)
{
    const double eta = Arcsec(47.0029 * T - 0.03302 * T * T + 0.000060 * T * T * T) * kDegToRad;
    const double pi = (174.876384 + Arcsec(3289.4789 * T + 0.60622 * T * T)) * kDegToRad;
    const double l = lon * kDegToRad, b = lat * kDegToRad;
    const double a = std::cos(eta) * std::cos(b) * std::sin(pi - l) - std::sin(eta) * std::sin(b);
    const double bb = std::cos(b) * std::cos(pi - l);
    const double c = std::cos(eta) * std::sin(b) + std::sin(eta) * std::cos(b) * std::sin(pi - l);
    lon = (pi - std::atan2(a, bb)) * kRadToDeg + GeneralPrecession(T);
    lat = std::asin(c) * kRadToDeg;
}

// The anchor's longitude of date, degrees (not normalised).
double AnchorLongitude(tAnchor anchor, double T)
{
    const tPlace& p = kPlaces[anchor];
    double lon = p.lon + p.dLon * T, lat = p.lat + p.dLat * T;
    PrecessEcliptic(T, lon, lat);
    if (anchor != kGalacticCentreOnHourCircle) return lon;
    // The ecliptic point of the same right ascension.
    const double e = MeanObliquity(T), l = lon * kDegToRad, b = lat * kDegToRad;
    const double ra = std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
    return std::atan2(std::sin(ra), std::cos(ra) * std::cos(e)) * kRadToDeg;
}

double Centuries(double jdUt) { return (jdUt - kJ2000) / kDaysPerCentury; }

std::string Folded(std::string_view s)
{
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c))) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool ParseNumber(std::string_view s, double& out)
{
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && std::isfinite(out);
}

}  // namespace

bool IsZodiacCode(int code)
{
    return code == kTropicalZodiac || code == kClassicSidereal || code == kUserAyanamsa ||
           (code >= kAyanamsaBase && code < kAyanamsaBase + kAyanamsaCount);
}

double AyanamsaAt(double T) { return 23.8530556 + 1.391 * T; }

double MeanObliquity(double T)
{
    return (23.4392911 - Arcsec(46.8150 * T + 0.00059 * T * T - 0.001813 * T * T * T)) * kDegToRad;
}

double GeneralPrecession(double T)
{
    return Arcsec(T * (5028.796195 + T * (1.1054348 + T * (0.00007964 + T * (-0.000023857 + T * -0.0000000383)))));
}

double BuiltInAyanamsa(int code, double jdUt, const tAyanamsaRef& user)
{
    const double T = Centuries(jdUt);
    if (code == kClassicSidereal) return AyanamsaAt(T);
    if (code == kUserAyanamsa) return user.degrees + GeneralPrecession(T) - GeneralPrecession(Centuries(user.jdUt));
    if (code == kTropicalZodiac) return 0;
    // Any other code was "sidereal" before there was a choice.
    if (code < kAyanamsaBase || code >= kAyanamsaBase + kAyanamsaCount) return AyanamsaAt(T);
    const tAyanamsaDef& d = kAyanamsas[code - kAyanamsaBase];
    if (d.anchor == kEquinox) return d.atJ2000 + GeneralPrecession(T);
    return d.atJ2000 + AnchorLongitude(d.anchor, T) - AnchorLongitude(d.anchor, 0);
}

// Any non-zero code the list does not know was "sidereal": the classic shift.
int Known(int code) { return IsZodiacCode(code) ? code : kClassicSidereal; }

std::string_view AyanamsaKey(int code)
{
    if (code == kTropicalZodiac) return {};
    code = Known(code);
    if (code == kClassicSidereal) return "classic";
    if (code >= kAyanamsaBase && code < kAyanamsaBase + kAyanamsaCount) return kAyanamsas[code - kAyanamsaBase].key;
    return {};
}

std::string_view AyanamsaEnglishName(int code)
{
    if (code == kTropicalZodiac) return {};
    code = Known(code);
    if (code == kClassicSidereal) return "Classic (23\xC2\xB0" "51' in 2000)";
    if (code >= kAyanamsaBase && code < kAyanamsaBase + kAyanamsaCount) return kAyanamsas[code - kAyanamsaBase].name;
    if (code == kUserAyanamsa) return "User-defined";
    return {};
}

bool ParseAyanamsa(std::string_view text, int& code, tAyanamsaRef& user, std::string& error)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    if (text.size() > 5 && Folded(text.substr(0, 4)) == "user" && text[4] == ':') {
        const std::string_view rest = text.substr(5);
        const auto colon = rest.find(':');
        tAyanamsaRef r;
        if (colon != std::string_view::npos && ParseNumber(rest.substr(0, colon), r.jdUt) &&
            ParseNumber(rest.substr(colon + 1), r.degrees) && r.jdUt >= 0 && r.jdUt <= 26000000 &&
            std::fabs(r.degrees) <= 360) {
            code = kUserAyanamsa;
            user = r;
            return true;
        }
        error = std::string("\"").append(text).append(
                "\" is not user:JD:DEGREES (a Julian day 0..26000000 and degrees within -360..360)");
        return false;
    }
    int number = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (!text.empty() && ec == std::errc() && end == text.data() + text.size()) {
        if (number >= 0 && number < kAyanamsaCount) {
            code = kAyanamsaBase + number;
            return true;
        }
    } else {
        const std::string folded = Folded(text);
        for (int c = kAyanamsaBase - 1; c < kAyanamsaBase + kAyanamsaCount; ++c) {
            const int candidate = c < kAyanamsaBase ? kClassicSidereal : c;
            if (!folded.empty() && (folded == Folded(AyanamsaKey(candidate)) || folded == Folded(AyanamsaEnglishName(candidate)))) {
                code = candidate;
                return true;
            }
        }
    }
    error = std::string("unknown \"").append(text).append(
            "\" (a name such as lahiri, fagan-bradley, krishnamurti, true-citra or classic; a number 0..46; "
            "or user:JD:DEGREES)");
    return false;
}

std::string AyanamsaText(int code, const tAyanamsaRef& user)
{
    if (code != kUserAyanamsa) return std::string(AyanamsaKey(code));
    char buf[64];
    std::snprintf(buf, sizeof buf, "user:%.6f:%.7f", user.jdUt, user.degrees);
    return buf;
}

}  // namespace quintara
