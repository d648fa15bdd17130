#include "core/engine/house_divisions.h"

#include <algorithm>
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

// Where the great circle through axis and p meets the ecliptic: of the two
// opposite meeting points, the one on the side of `side`.
double MeetsEcliptic(Vec axis, Vec p, Vec side)
{
    const Vec d = Cross(Cross(axis, p), kEclipticPole);
    return LongitudeOf(Dot(d, side) < 0 ? -1.0 * d : d);
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
        c[n] = MeetsEcliptic(axis, cut, cut);
    }
}

// Cusps 4..9 opposite 10..12 and 1..3.
void Opposites(Cusps c)
{
    for (int n = 4; n <= 9; ++n) c[n] = c[n <= 6 ? n + 6 : n - 6] + 180.0;
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
    Opposites(c);
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
    Opposites(p);
    for (int n = 1; n <= 12; ++n) {
        const double before = p[n == 1 ? 12 : n - 1];
        c[n] = before + Normalize360(p[n] - before) / 2.0;
    }
}

// Where the great circle through the horizon's north and south points and p
// meets the ecliptic, on p's half of that circle.
double ThroughNorthSouth(Vec north, Vec p) { return MeetsEcliptic(north, p, p + (-Dot(p, north)) * north); }

// The parallel of declination dec cut into six equal arcs above the horizon
// and six below, from its rising point; the cusps lie on the circles through
// the north and south points and the cuts. Knegt's APC houses take the
// Ascendant's parallel, Makransky's Sunshine houses the Sun's. Cusps 1 and 7
// stay on the horizon. A parallel that does not cross the horizon has its
// day (or night) arc shrunk to the meridian, whose cuts give the Midheaven
// (or the Imum Coeli), as the precise mode's library does.
void ParallelDivision(double ramc, double mc, double phi, double dec, Vec north, Cusps c)
{
    const double k = std::clamp(-std::tan(phi) * std::tan(dec), -1.0, 1.0);
    const double dayHalf = std::acos(k), nightHalf = kPi - dayHalf;
    for (int n = 1; n <= 12; ++n) {
        if (n == 1 || n == 7) continue;
        // Hour angle of cusp n's cut: cusps 12, 11, 10, 9, 8 cut the day arc
        // westwards from rising, 2, 3, 4, 5, 6 the night arc.
        const int day = (13 - n) % 12;  // 1 for cusp 12, 2 for cusp 11, ...
        const double hourAngle = day <= 6 ? -dayHalf + day * dayHalf / 3.0
                                          : -dayHalf - (12 - day) * nightHalf / 3.0;
        if (std::fabs(std::sin(hourAngle)) < 1e-12)
            c[n] = std::cos(hourAngle) > 0 ? mc : mc + 180.0;
        else
            c[n] = ThroughNorthSouth(north, Equatorial(ramc - hourAngle, dec));
    }
    c[7] = c[1] + 180.0;
}

// Savard's reading of the houses he called Albategnius': the prime vertical
// cut where its declination is a third and two thirds of the latitude, the
// cuts taken to the ecliptic along circles through the north and south points.
void SavardA(Vec east, Vec zenith, double phi, Vec north, Cusps c)
{
    for (int n = 1; n <= 12; ++n) {
        const int fromEast = (13 - n) % 12;  // 0 cusp 1, 1 cusp 12, 2 cusp 11, 3 cusp 10
        const int step = fromEast <= 6 ? fromEast : fromEast - 12;
        const int thirds = step > 3 ? 6 - step : step < -3 ? -6 - step : step;
        const double s = std::fabs(std::sin(phi)) < 1e-9 ? thirds / 3.0 : std::sin(thirds * phi / 3.0) / std::sin(phi);
        double t = std::asin(std::clamp(s, -1.0, 1.0));
        if (std::abs(step) > 3) t = (step > 0 ? kPi : -kPi) - t;
        c[n] = ThroughNorthSouth(north, std::cos(t) * east + std::sin(t) * zenith);
    }
}

// Pullen's sinusoidal houses: the twelve house sizes follow a sine wave whose
// crests are the middle houses of the larger quadrants, the edge houses taking
// half the middle one's swing. In the delta form the sizes swing by a number
// of degrees (30 + x, 30 + 2x, 30 + x in a quadrant of 90 + 4x; a middle house
// that would be negative is empty); in the ratio form their logarithms swing,
// so a size is r times the next towards the crest.
struct tQuadrantSizes {
    double edge, middle;
};
tQuadrantSizes SinusoidalDelta(double q)
{
    const double middle = std::max(0.0, 30.0 + (q - 90.0) / 2.0);
    return {(q - middle) / 2.0, middle};
}
void SinusoidalRatio(double q, tQuadrantSizes& mine, tQuadrantSizes& other)
{
    const double small = std::min(q, 180.0 - q), large = 180.0 - small;
    const double k = large / std::max(small, 1e-9);
    // r^3 (r + 2) = k (2r + 1): convex for r > 0, so Newton's steps from
    // r = 1 + k, where it is positive, fall straight to the root.
    double r = 1.0 + k;
    for (int i = 0; i < 200; ++i) {
        const double f = r * r * r * (r + 2.0) - k * (2.0 * r + 1.0);
        const double step = f / (4.0 * r * r * r + 6.0 * r * r - 2.0 * k);
        r -= step;
        if (std::fabs(step) < 1e-12 * r) break;
    }
    const double x = small / (2.0 * r + 1.0);
    const tQuadrantSizes s{x * r, x}, l{x * r * r * r, x * r * r * r * r};
    mine = q <= 90.0 ? s : l;
    other = q <= 90.0 ? l : s;
}
void Sinusoidal(bool ratio, double mc, Cusps c)
{
    const double upper = Normalize360(c[1] - mc);
    tQuadrantSizes up, down;
    if (ratio) {
        SinusoidalRatio(upper, up, down);
    } else {
        up = SinusoidalDelta(upper);
        down = SinusoidalDelta(180.0 - upper);
    }
    c[10] = mc;
    c[11] = mc + up.edge;
    c[12] = c[11] + up.middle;
    c[2] = c[1] + down.edge;
    c[3] = c[2] + down.middle;
    Opposites(c);
}

void EqualFrom(double start, int fromCusp, Cusps c)
{
    for (int n = 1; n <= 12; ++n) c[n] = start + 30.0 * (n - fromCusp);
}

}  // namespace

bool DivisionCusps(std::uint8_t system, double ramc, double phi, double sunDeclination, double c[13])
{
    const double mc = MidheavenOf(ramc);
    const Vec zenith = Equatorial(ramc, phi);
    const Vec north = Equatorial(ramc + kPi, kPi / 2 - phi);
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
    case kApc: {
        const double dec = std::asin(kFixedSinEps * std::sin(c[1] * kDegToRad));
        ParallelDivision(ramc, mc, phi, dec, north, c);
        return true;
    }
    case kSunshine: ParallelDivision(ramc, mc, phi, sunDeclination, north, c); return true;
    case kPullenSd: Sinusoidal(false, mc, c); return true;
    case kPullenSr: Sinusoidal(true, mc, c); return true;
    case kSavardA: SavardA(east, zenith, phi, north, c); return true;
    default: return false;
    }
}

}  // namespace quintara
