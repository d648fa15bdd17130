#include "core/engine/precise_ephemeris.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include <swephexp.h>

#include "core/engine/houses.h"

namespace quintara {
namespace {

// The library keeps its files and caches in process-wide state: one caller
// at a time (the transit search asks from several threads).
std::mutex& Lock()
{
    static std::mutex m;
    return m;
}

void OpenOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        std::string dir = PreciseEphemerisDir();
        swe_set_ephe_path(dir.data());
    });
}

bool Fail(std::string* error, const std::string& why)
{
    if (error) *error = why;
    return false;
}

}  // namespace

std::string PreciseEphemerisDir()
{
    const char* dir = std::getenv("QUINTARA_EPHEMERIS_DIR");
    return dir && *dir ? dir : kSwissEphemerisDir;
}

bool PreciseEphemerisInstalled()
{
    const std::string dir = PreciseEphemerisDir();
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
    default: return -1;
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
    case kMorinusTrisection: return 'O';   // trisected quadrants: the library's Porphyry
    case kPorphyryProjection: return 'M';  // projection along longitude circles: its Morinus
    case kTopocentric: return 'T';
    default: return 'P';
    }
}

int SwissFlags() { return SEFLG_SWIEPH | SEFLG_SPEED; }

bool PreciseBody(int body, double jdUt, tPreciseBody& out, std::string* error)
{
    const int ipl = SwissBody(body);
    if (ipl < 0) return Fail(error, "body " + std::to_string(body) + " has no precise position");
    std::lock_guard<std::mutex> hold(Lock());
    OpenOnce();
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    const int32 flags = swe_calc_ut(jdUt, ipl, SwissFlags(), x, serr);
    // Without its files the library answers from its own theory and says so
    // only in the flags it returns: that is no precise position.
    if (flags < 0 || !(flags & SEFLG_SWIEPH) || !std::isfinite(x[0]))
        return Fail(error, "no data file in " + PreciseEphemerisDir() + " covers that date (the files cover 1800 to 2399)");
    out = {x[0], x[1], x[3]};
    return true;
}

bool PreciseHouses(double jdUt, double latitude, double east, int houseType, tPreciseHouses& out, std::string* error)
{
    std::lock_guard<std::mutex> hold(Lock());
    OpenOnce();
    double cusps[13] = {}, ascmc[10] = {};
    int hsys = SwissHouseSystem(houseType);
    out.equalInstead = false;
    if (swe_houses_ex(jdUt, 0, latitude, east, hsys, cusps, ascmc) < 0) {
        // Quadrant houses do not exist there (beyond the polar circles).
        hsys = 'E';
        out.equalInstead = true;
        if (swe_houses_ex(jdUt, 0, latitude, east, hsys, cusps, ascmc) < 0)
            return Fail(error, "no houses at latitude " + std::to_string(latitude));
    }
    for (int n = 1; n <= 12; ++n) out.cusps[n] = cusps[n];
    out.armc = ascmc[2];
    return true;
}

}  // namespace quintara
