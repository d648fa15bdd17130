#include "core/engine/house_divisions.h"

#include <cmath>
#include <initializer_list>

#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/engine/sidereal_time.h"

namespace quintara {
namespace {

using Cusps = double[13];

struct Vec {
    double x, y, z;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// Equatorial frame of date: x to the equinox, z to the north pole.
Vec Equatorial(double ra, double dec)
{
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}
Vec EclipticPoint(double lonDeg)
{
    const double l = lonDeg * kDegToRad;
    return {std::cos(l), std::sin(l) * kFixedCosEps, std::sin(l) * kFixedSinEps};
}
double LongitudeOf(Vec v)
{
    return std::atan2(v.y * kFixedCosEps + v.z * kFixedSinEps, v.x) * kRadToDeg;
}
constexpr Vec kEclipticPole = {0, -kFixedSinEps, kFixedCosEps};

// The ecliptic degree of right ascension ra (degrees), reached along its
// hour circle.
double AlongHourCircle(double raDeg)
{
    const double a = raDeg * kDegToRad;
    return std::atan2(std::sin(a), std::cos(a) * kFixedCosEps) * kRadToDeg;
}
double RightAscensionOf(double lonDeg)
{
    const double l = lonDeg * kDegToRad;
    return std::atan2(std::sin(l) * kFixedCosEps, std::cos(l)) * kRadToDeg;
}

// Space divisions: the circle through u and v (v 90 deg on from u) is cut
// every 30 deg from u; the cusp is where the great circle through the axis
// and a cut meets the ecliptic, on the cut's side. Cusp 1 is at u, cusp 10 at
// v, the houses run 1, 12, 11, 10 from u to v.
void Lunes(Vec axis, Vec u, Vec v, Cusps c)
{
    for (int n = 1; n <= 12; ++n) {
        const double th = 30.0 * ((13 - n) % 12) * kDegToRad;
        const Vec cut = std::cos(th) * u + std::sin(th) * v;
        Vec d = Cross(Cross(axis, cut), kEclipticPole);
        if (Dot(d, cut) < 0) d = -1.0 * d;
        c[n] = LongitudeOf(d);
    }
}

// Equal arcs of right ascension from the Ascendant's (Carter's
// poli-equatorial houses).
void PoliEquatorial(Cusps c)
{
    const double ra1 = RightAscensionOf(c[1]);
    for (int n = 2; n <= 12; ++n) c[n] = AlongHourCircle(ra1 + 30.0 * (n - 1));
}

// The Ascendant degree's diurnal and nocturnal semi-arcs in thirds, in right
// ascension from the meridian and from the Ascendant (Alcabitius).
void Alcabitius(double ramcDeg, Cusps c)
{
    const double raAsc = RightAscensionOf(c[1]);
    const double day = Normalize360(raAsc - ramcDeg), night = 180.0 - day;
    c[10] = AlongHourCircle(ramcDeg);
    c[11] = AlongHourCircle(ramcDeg + day / 3.0);
    c[12] = AlongHourCircle(ramcDeg + 2.0 * day / 3.0);
    c[2] = AlongHourCircle(raAsc + night / 3.0);
    c[3] = AlongHourCircle(raAsc + 2.0 * night / 3.0);
    c[4] = c[10] + 180.0;
    for (int n : {5, 6}) c[n] = c[n + 6] + 180.0;
    for (int n : {7, 8, 9}) c[n] = c[n - 6] + 180.0;
}

// Midpoints of the quadrants' thirds (Sripati from Porphyry).
void Sripati(double mc, Cusps c)
{
    double p[13];
    p[1] = c[1];
    p[10] = mc;
    const double upper = Normalize360(p[1] - mc) / 3.0, lower = Normalize360(mc + 180.0 - p[1]) / 3.0;
    p[11] = mc + upper;
    p[12] = mc + 2.0 * upper;
    p[2] = p[1] + lower;
    p[3] = p[1] + 2.0 * lower;
    for (int n = 4; n <= 9; ++n) p[n] = p[n == 4 ? 10 : n <= 6 ? n + 6 : n - 6] + 180.0;
    for (int n = 1; n <= 12; ++n) {
        const double before = p[n == 1 ? 12 : n - 1];
        c[n] = before + Normalize360(p[n] - before) / 2.0;
    }
}

void EqualFrom(double start, int fromCusp, Cusps c)
{
    for (int n = 1; n <= 12; ++n) c[n] = start + 30.0 * (n - fromCusp);
}

}  // namespace

bool DivisionCusps(std::uint8_t system, double ramc, double phi, double c[13])
{
    const double mc = MidheavenOf(ramc);
    const Vec zenith = Equatorial(ramc, phi);
    const Vec east = Equatorial(ramc + kPi / 2, 0);
    switch (system) {
    case kWholeSign: EqualFrom(std::floor(Normalize360(c[1]) / 30.0) * 30.0, 1, c); return true;
    case kEqualMc: EqualFrom(mc, 10, c); return true;
    case kEqualAries: EqualFrom(0.0, 1, c); return true;
    case kVehlow: EqualFrom(c[1] - 15.0, 1, c); return true;
    case kAlcabitius: Alcabitius(ramc * kRadToDeg, c); return true;
    case kSripati: Sripati(mc, c); return true;
    case kCarter: PoliEquatorial(c); return true;
    case kKrusinski: {
        // The great circle through the Ascendant and the zenith, cut from
        // the Ascendant, the cuts taken to the ecliptic along hour circles
        // (Krusinski's definition, 1995).
        const Vec asc = EclipticPoint(c[1]);
        Lunes({0, 0, 1}, asc, zenith, c);
        return true;
    }
    case kHorizon: {
        // The horizon cut from the east point towards the pole below the
        // horizon; the house circles are verticals. Where the Midheaven
        // culminates on the pole's side of the zenith every cusp turns half
        // a circle, keeping cusp 10 on the Midheaven (as the precise mode's
        // library does, so that both modes agree).
        const Vec south = Equatorial(ramc, phi - kPi / 2);
        Lunes(zenith, east, phi >= 0 ? south : -1.0 * south, c);
        if (std::cos((c[10] - mc) * kDegToRad) < 0)
            for (int n = 1; n <= 12; ++n) c[n] += 180.0;
        return true;
    }
    default: return false;
    }
}

}  // namespace quintara
