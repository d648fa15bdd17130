#include "core/engine/precise_ephemeris.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

#include <swephexp.h>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"

namespace quintara {
namespace {

// The library keeps its files and caches per thread (Debian builds it with
// thread-local state), so the transit search's jobs ask it side by side.
// Each thread opens the folder named now, and closes its files when it ends.
class tThreadFiles {
public:
    ~tThreadFiles()
    {
        if (!dir.empty()) swe_close();
    }
    void Open()
    {
        std::string wanted = PreciseEphemerisFolder();
        if (wanted == dir) return;
        dir = std::move(wanted);
        swe_set_ephe_path(dir.data());
    }

private:
    std::string dir;
};

void OpenForThisThread()
{
    thread_local tThreadFiles files;
    files.Open();
}

bool Fail(std::string* error, const std::string& why)
{
    if (error) *error = why;
    return false;
}

}  // namespace

std::string PreciseEphemerisFolder()
{
    const char* dir = std::getenv("QUINTARA_EPHEMERIS_DIR");
    return dir && *dir ? dir : kSwissEphemerisDir;
}

bool PreciseEphemerisInstalled()
{
    const std::string dir = PreciseEphemerisFolder();
    for (const char* file : {"/sepl_18.se1", "/semo_18.se1", "/seas_18.se1"})
        if (FILE* f = std::fopen((dir + file).c_str(), "rb")) std::fclose(f);
        else return false;
    return true;
}

int SwissBody(int body)
{
    if (body >= 1 && body <= 10) return body - 1;  // SE_SUN .. SE_PLUTO
    switch (body) {
    case 11: return SE_MEAN_APOG;
    case 12: return SE_TRUE_NODE;
    case 25: return SE_CHIRON;
    case 26: return SE_CERES;
    case 27: return SE_PALLAS;
    case 28: return SE_JUNO;
    case kVesta: return SE_VESTA;
    case kPholus: return SE_PHOLUS;
    case kMeanNode: return SE_MEAN_NODE;
    case kTrueNode: return SE_TRUE_NODE;
    case kTrueLilith: return SE_OSCU_APOG;
    default: return body >= kCupido && body <= kPoseidon ? SE_CUPIDO + (body - kCupido) : -1;
    }
}

char SwissHouseSystem(int houseType)
{
    switch (houseType) {
    case kCampanus: return 'C';
    case kMontroyal: return 'R';
    case kEqual: return 'E';
    case kKoch: return 'K';
    case kMeridian: return 'X';
    case kPorphyry: return 'O';
    case kMorinus: return 'M';
    case kTopocentric: return 'T';
    case kWholeSign: return 'W';
    case kEqualMc: return 'D';
    case kEqualAries: return 'N';
    case kAlcabitius: return 'B';
    case kKrusinski: return 'U';
    case kVehlow: return 'V';
    case kSripati: return 'S';
    case kCarter: return 'F';
    case kHorizon: return 'H';
    case kApc: return 'Y';
    case kPullenSd: return 'L';
    case kPullenSr: return 'Q';
    case kSunshine: return 'I';
    case kSavardA: return 'J';
    default: return 'P';
    }
}

int SwissFlags() { return SEFLG_SWIEPH | SEFLG_SPEED; }

namespace {

// The library's answer for one body; the caller has opened its files.
bool CalcOpened(int body, double jdUt, int flags, tPreciseBody& out, std::string* error)
{
    const int ipl = SwissBody(body);
    if (ipl < 0) return Fail(error, "body " + std::to_string(body) + " has no precise position");
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    const int32 got = swe_calc_ut(jdUt, ipl, flags, x, serr);
    // Without its files the library answers from its own theory and says so
    // only in the flags it returns: that is no precise position. The Uranian
    // points are orbits of their own (the elements file), never from files.
    const bool fictitious = ipl >= SE_FICT_OFFSET && ipl <= SE_FICT_MAX;
    if (fictitious && (got < 0 || !std::isfinite(x[0])))
        return Fail(error, std::string("the orbital elements cannot give it: ") + serr);
    if (got < 0 || (!fictitious && !(got & SEFLG_SWIEPH)) || !std::isfinite(x[0]))
        return Fail(error,
                    "no data file in " + PreciseEphemerisFolder() + " covers that date (the files cover 1800 to 2399)");
    out = {x[0], x[1], x[3]};
    return true;
}

// Cusps from one of the library's house calls, asked for system hsys;
// Equal houses where quadrant houses do not exist (beyond the polar circles).
// ascmc[9] carries the Sun's declination into the call, for the Sunshine
// houses when the library is given a meridian instead of a moment.
template <class F>
bool CuspsOrEqual(const F& houses, int houseType, double latitude, tPreciseHouses& out, std::string* error,
                  double sunDeclinationDeg = 0)
{
    double cusps[13] = {}, ascmc[10] = {};
    ascmc[9] = sunDeclinationDeg;
    out.equalInstead = false;
    if (houses(SwissHouseSystem(houseType), cusps, ascmc) < 0) {
        out.equalInstead = true;
        if (houses('E', cusps, ascmc) < 0) return Fail(error, "no houses at latitude " + std::to_string(latitude));
    }
    for (int n = 1; n <= 12; ++n) out.cusps[n] = cusps[n];
    out.armc = ascmc[2];
    out.ascendant = ascmc[0];
    out.midheaven = ascmc[1];
    out.vertex = ascmc[SE_VERTEX];
    out.eastPoint = ascmc[SE_EQUASC];
    return true;
}

bool HousesOpened(double jdUt, double latitude, double east, int houseType, tPreciseHouses& out, std::string* error)
{
    const auto houses = [&](int hsys, double* cusps, double* ascmc) {
        return swe_houses_ex(jdUt, 0, latitude, east, hsys, cusps, ascmc);
    };
    return CuspsOrEqual(houses, houseType, latitude, out, error);
}

// The computed points of a query into out; a point the files cannot give
// (a date beyond the asteroid file) is marked missing, the rest stands.
void PrecisePoints(const tSkyQuery& q, double jdUt, const tPreciseHouses& h, tSkyAnswer& out)
{
    for (int n = kFirstComputedPoint; n <= kLastComputedPoint; ++n) {
        const auto i = static_cast<std::size_t>(n - 50);
        if (!(q.points & SkyPointBit(n))) continue;
        if (n == kVertex || n == kAntiVertex) {
            out.pointLongitude[i] = Normalize360(h.vertex);
            continue;
        }
        if (n == kEastPoint) {
            out.pointLongitude[i] = Normalize360(h.eastPoint);
            continue;
        }
        if (SwissBody(n) < 0) continue;  // the south node: from body 12
        tPreciseBody b;
        if (!CalcOpened(n, jdUt, SwissFlags(), b, nullptr)) {
            out.pointMissing |= SkyPointBit(n);
            continue;
        }
        out.pointLongitude[i] = Normalize360(b.longitude);
        out.pointLatitude[i] = b.latitude;
        if (b.speed < 0) out.pointRetrograde |= SkyPointBit(n);
    }
}

}  // namespace

bool PreciseBody(int body, double jdUt, tPreciseBody& out, std::string* error)
{
    OpenForThisThread();
    return CalcOpened(body, jdUt, SwissFlags(), out, error);
}

bool PreciseStar(const std::string& name, double jdUt, tPreciseBody& out, std::string* error)
{
    OpenForThisThread();
    // The library writes the star's full name back into the buffer.
    char star[SE_MAX_STNAME + 1] = "";
    name.copy(star, std::min<std::size_t>(name.size(), SE_MAX_STNAME - 1));
    if (std::strchr(star, ',') || !star[0]) return Fail(error, "no star named \"" + name + "\"");
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    if (swe_fixstar2_ut(star, jdUt, SwissFlags() & ~SEFLG_SPEED, x, serr) < 0 || !std::isfinite(x[0]))
        return Fail(error, serr);
    out = {x[0], x[1], 0};
    return true;
}

bool PreciseLongitude(int body, double jdUt, double& longitude, std::string* error, double* latitude)
{
    OpenForThisThread();
    tPreciseBody b;
    if (!CalcOpened(body, jdUt, SwissFlags() & ~SEFLG_SPEED, b, error)) return false;
    longitude = b.longitude;
    if (latitude) *latitude = b.latitude;
    return true;
}

bool PreciseHouses(double jdUt, double latitude, double east, int houseType, tPreciseHouses& out, std::string* error)
{
    OpenForThisThread();
    return HousesOpened(jdUt, latitude, east, houseType, out, error);
}

bool PreciseCovers(double jdFrom, double jdTo, std::string* error)
{
    tPreciseBody b;
    for (int body : {1, 2, 25})
        for (double jd : {jdFrom, jdTo})
            if (!PreciseBody(body, jd, b, error)) return false;
    return true;
}

bool PreciseObliquity(double jdUt, double& eps, std::string* error)
{
    OpenForThisThread();
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    if (swe_calc_ut(jdUt, SE_ECL_NUT, SEFLG_SWIEPH, x, serr) < 0 || !std::isfinite(x[0]))
        return Fail(error, std::string("no obliquity: ") + serr);
    eps = x[0];
    return true;
}

bool PreciseAyanamsa(int code, double jdUt, const tAyanamsaRef& user, double& degrees, std::string* error)
{
    if (!IsSidereal(code) || code == kClassicSidereal || !IsZodiacCode(code)) {
        degrees = BuiltInAyanamsa(code, jdUt, user);
        return true;
    }
    OpenForThisThread();
    if (code == kUserAyanamsa)
        swe_set_sid_mode(SE_SIDM_USER | SE_SIDBIT_USER_UT, user.jdUt, user.degrees);
    else
        swe_set_sid_mode(code - kAyanamsaBase, 0, 0);
    char serr[AS_MAXCH] = "";
    double d = 0;
    if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_SWIEPH, &d, serr) < 0 || !std::isfinite(d))
        return Fail(error, std::string("the ephemeris cannot give the ayanamsa: ") + serr);
    degrees = d;
    return true;
}

bool PreciseHousesAtArmc(double armc, double latitude, double jdUt, int houseType, double sunDeclination,
                         tPreciseHouses& out, std::string* error)
{
    double eps = 0;
    if (!PreciseObliquity(jdUt, eps, error)) return false;
    const auto houses = [&](int hsys, double* cusps, double* ascmc) {
        return swe_houses_armc(armc, latitude, eps, hsys, cusps, ascmc);
    };
    return CuspsOrEqual(houses, houseType, latitude, out, error, sunDeclination);
}

bool PreciseSky(const tSkyQuery& q, tSkyAnswer& out, std::string* error)
{
    const double jdUt = q.T * kDaysPerCentury + kJ2000;
    OpenForThisThread();
    for (int n = 1; n <= 28; ++n) {
        if (!(q.bodies >> n & 1) || SwissBody(n) < 0) continue;
        // Speed only where the chart shows the motion: it costs the library
        // a second light-time solution.
        const int flags = HasRetroFlag(n) ? SwissFlags() : SwissFlags() & ~SEFLG_SPEED;
        tPreciseBody b;
        if (!CalcOpened(n == kNode && q.meanNode ? kMeanNode : n, jdUt, flags, b, error)) return false;
        out.longitude[static_cast<std::size_t>(n)] = Normalize360(b.longitude);
        out.latitude[static_cast<std::size_t>(n)] = b.latitude;
        out.retrograde[static_cast<std::size_t>(n)] = HasRetroFlag(n) && b.speed < 0;
    }
    tPreciseHouses h;
    if (!HousesOpened(jdUt, DegMinToDecimal(q.latitude), -DegMinToDecimal(q.longitude), q.houseType, h, error))
        return false;
    out.houseType = h.HouseTypeUsed(q.houseType);
    out.siderealT = h.armc * kDegToRad;
    out.ascendant = Normalize360(h.ascendant);
    out.midheaven = Normalize360(h.midheaven);
    for (int n = 1; n <= 12; ++n) out.longitude[static_cast<std::size_t>(12 + n)] = Normalize360(h.cusps[n]);
    if (!PreciseObliquity(jdUt, out.obliquity, error)) return false;
    PrecisePoints(q, jdUt, h, out);
    return true;
}

}  // namespace quintara
