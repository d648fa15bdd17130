#include "core/engine/houses.h"

#include <algorithm>
#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/house_divisions.h"
#include "core/engine/sidereal_time.h"

namespace quintara {
namespace {

constexpr double kSin60 = 0.8660254037844386;

using Cusps = double[13];  // index 1..12, degrees

// Arcsine that tolerates the rounding overshoot at the poles.
double SafeAsin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }

// atan(ratio) with its quadrant chosen by the sign of the numerator's sine:
// + pi when the arctangent is negative, + pi again when sinNum < 0.
double QuadrantAtan(double ratio, double sinNum)
{
    double a = std::atan(ratio);
    if (std::isnan(a)) a = 0.0;  // 0/0 at a pole: the numerator vanished
    if (a < 0.0) a += kPi;
    if (sinNum < 0.0) a += kPi;
    return a;
}

void OppositeCusps(Cusps c)
{
    for (int n = 1; n <= 6; ++n) c[n + 6] = c[n] + 180.0;
}

void Equal(Cusps c, double a0)
{
    for (int n = 1; n <= 12; ++n) c[n] = a0 + (n - 1) * 30.0;
}

// Placidus semi-arcs; falls back to Equal at the polar bound.
void Placidus(std::uint8_t& houseType, double ramc, double latDeg, double T, Cusps c)
{
    if (std::fabs(latDeg) >= kPolarLatitude) {
        houseType = kEqual;
        Equal(c, c[1]);
        return;
    }
    const bool south = latDeg < 0.0;
    const double eps = ObliquityJ1900(T);
    const double k = std::fabs(std::tan(latDeg * kDegToRad) * std::tan(eps));
    double h0 = ramc * 12.0 / kPi;
    if (south) h0 += 12.0;
    // Cusp n's right ascension solves ra = ra0 + f x asin(k sin ra), a
    // contracting fixed point (factor <= k < 1). The six iterations are
    // independent: stepped side by side, one's sine overlaps another's.
    double ra0[7], f[7], x[7] = {}, ra[7] = {};
    bool done[7] = {};
    for (int n = 1; n <= 6; ++n) {
        f[n] = std::abs(n - 4) / 3.0;
        const int m = n <= 3 ? n + 2 : n - 4;
        ra0[n] = 15.0 * h0 + 30.0 * m;
    }
    // The cap only guards against a non-finite RAMC.
    for (int i = 0, left = 6; i < 10000 && left > 0; ++i)
        for (int n = 1; n <= 6; ++n) {
            if (done[n]) continue;
            ra[n] = ra0[n] + f[n] * x[n] * kRadToDeg;  // reduced once it has settled
            const double next = SafeAsin(k * std::sin(ra[n] * kDegToRad));
            done[n] = std::fabs(next - x[n]) <= 0.0001;
            left -= done[n];
            x[n] = next;
        }
    for (int n = 1; n <= 6; ++n) {
        const double r = ModAngle(ra[n], 360.0);
        double lambda;
        if (std::fabs(180.0 - r) != 90.0)
            lambda = std::atan(std::tan(r * kDegToRad) / std::cos(eps)) * kRadToDeg;
        else
            lambda = 180.0 - r;
        if (std::fabs(180.0 - r) < 90.0) lambda -= 180.0;
        if (n >= 4) lambda -= 180.0;
        if (south) lambda -= 180.0;
        c[n] = Normalize360(lambda);
    }
    OppositeCusps(c);
}

double FixedMidheaven(double ramc)
{
    double mc = std::atan(std::tan(ramc) * kFixedInvCosEps) * kRadToDeg;
    if (std::cos(ramc) < 0.0) mc += 180.0;
    return mc;
}

void MidheavenAndOpposites(Cusps c, double ramc)
{
    c[10] = FixedMidheaven(ramc);
    c[4] = c[10] + 180.0;
    c[7] = c[1] + 180.0;
    c[8] = c[2] + 180.0;
    c[9] = c[3] + 180.0;
    c[5] = c[11] + 180.0;
    c[6] = c[12] + 180.0;
}

void Campanus(double ramc, double phi, Cusps c)
{
    struct Step { int cusp; double s, c; int side; };
    constexpr Step steps[] = {{2, kSin60, 0.5, 1}, {3, 0.5, kSin60, 1},
                              {12, kSin60, 0.5, -1}, {11, 0.5, kSin60, -1}};
    for (const Step& st : steps) {
        const double pole = SafeAsin(st.s * std::sin(phi));
        const double ra = ramc + st.side * SafeAsin(st.c / std::cos(pole));
        c[st.cusp] = AscendantAt(ra, pole) * kRadToDeg;
    }
    MidheavenAndOpposites(c, ramc);
}

void Regiomontanus(double ramc, double phi, Cusps c)
{
    struct Step { int cusp; double offsetDeg, k; };
    constexpr Step steps[] = {{2, 30, kSin60}, {3, 60, 0.5}, {11, -60, 0.5}, {12, -30, kSin60}};
    for (const Step& st : steps) {
        const double pole = std::atan(std::tan(phi) * st.k);
        c[st.cusp] = AscendantAt(ramc + st.offsetDeg * kDegToRad, pole) * kRadToDeg;
    }
    MidheavenAndOpposites(c, ramc);
}

void Koch(double ramc, double phi, double eps, Cusps c)
{
    const double ad = SafeAsin(std::tan(phi) * std::tan(eps) * std::sin(ramc)) * kRadToDeg;
    for (int n = 1; n <= 12; ++n) {
        const double a = ModAngle(30.0 * n + 60.0, 360.0);
        const double sign = a < 180.0 ? 1.0 : -1.0;
        const double q = a < 180.0 ? a / 90.0 - 1.0 : a / 90.0 - 3.0;
        const double ra = ModAngle(ramc * kRadToDeg + a + q * ad, 360.0) * kDegToRad;
        const double den = std::cos(eps) * std::cos(ra) - std::sin(eps) * sign * std::tan(phi);
        c[n] = QuadrantAtan(std::sin(ra) / den, std::sin(ra)) * kRadToDeg;
    }
}

// Meridian (divide by cos eps) and the projection along longitude circles
// (multiply by cos eps) differ only in that factor.
void EquatorProjection(double ramc, double eps, bool alongLongitude, Cusps c)
{
    const double factor = alongLongitude ? std::cos(eps) : 1.0 / std::cos(eps);
    for (int n = 1; n <= 12; ++n) {
        const double ra = ramc + (30.0 * n + 60.0) * kDegToRad;
        c[n] = QuadrantAtan(std::tan(ra) * factor, std::sin(ra)) * kRadToDeg;
    }
}

void Trisection(Cusps c)
{
    const double q1 = Normalize360(c[1] - c[10]) / 3.0;
    c[5] = c[10] + 180.0 + q1;
    c[6] = c[10] + 180.0 + 2.0 * q1;
    const double q2 = Normalize360(c[10] + 180.0 - c[1]) / 3.0;
    for (int i = 1; i <= 3; ++i) c[1 + i] = c[1] + i * q2;
    OppositeCusps(c);
}

void Topocentric(double ramc, double phi, double eps, Cusps c)
{
    const double tanPhi = std::tan(phi);
    const double p1 = std::atan(tanPhi / 3.0), p2 = std::atan(2.0 * tanPhi / 3.0);
    struct Step { double pole; int cusp; double turn; };
    const Step steps[] = {{p1, 5, kPi}, {p2, 6, kPi}, {phi, 1, 0}, {p2, 2, 0}, {p1, 3, 0}};
    c[4] = c[10] + 180.0;
    for (int i = 0; i < 5; ++i) {
        const double ra = ModAngle(ramc + (i + 1) * 30.0 * kDegToRad, kTwoPi);
        const double x = std::atan(std::tan(steps[i].pole) / std::cos(ra));
        const double ratio = std::cos(x) * std::tan(ra) / std::cos(x + eps);
        c[steps[i].cusp] = (QuadrantAtan(ratio, std::sin(ra)) + steps[i].turn) * kRadToDeg;
    }
    OppositeCusps(c);
}

}  // namespace

double AscendantAt(double ra, double pole)
{
    const double d = std::tan(pole) * kFixedSinEps + std::sin(ra) * kFixedCosEps;
    double lambda = std::atan(-std::cos(ra) / d);
    if (d > 0.0) lambda += kPi;
    return lambda;
}

double MidheavenOf(double ramc) { return Normalize360(FixedMidheaven(ramc)); }

double RamcOfMidheaven(double mcDeg) { return RamcOfMidheaven(mcDeg, kFixedCosEps); }

double RamcOfMidheaven(double mcDeg, double cosEps)
{
    const double mc = mcDeg * kDegToRad;
    const double ramc = std::atan2(std::sin(mc) * cosEps, std::cos(mc));
    return ramc < 0 ? ramc + 2 * kPi : ramc;
}

tAngles BuiltInAngles(double ramc, double latitude, std::uint8_t houseType, const double cusps[13])
{
    // These take their angles at the obliquity of date, the others (and
    // their cusps) at the fixed one: up to a minute of arc apart.
    if (houseType == kPlacidus || houseType == kKoch || houseType == kPorphyry || houseType == kTopocentric)
        return {cusps[1], cusps[10]};
    return {Normalize360(AscendantAt(ramc, DegMinToDecimal(latitude) * kDegToRad) * kRadToDeg), MidheavenOf(ramc)};
}

bool IsHouseSystem(int code) { return code >= 0 && code < kHouseSystemCount; }

double SunDeclination(double sunLongitude, double T)
{
    return SafeAsin(std::sin(ObliquityJ2000(T)) * std::sin(sunLongitude * kDegToRad));
}

void BuiltInCusps(double ramc, double latitude, double T, std::uint8_t& houseType, double cusps[13],
                  double sunDeclination)
{
    const double latDeg = DegMinToDecimal(latitude);
    const double phi = latDeg * kDegToRad;
    const double eps = ObliquityJ2000(T);

    Cusps c{};
    c[1] = Normalize360(AscendantAt(ramc, phi) * kRadToDeg);
    switch (houseType) {
    case kPlacidus: Placidus(houseType, ramc, latDeg, T, c); break;
    case kCampanus: Campanus(ramc, phi, c); break;
    case kMontroyal: Regiomontanus(ramc, phi, c); break;
    case kEqual: Equal(c, c[1]); break;
    case kKoch:
        // The Midheaven's ascensional difference has no arcsine near the
        // polar circle; name and compute Equal houses as Placidus does.
        if (std::fabs(latDeg) >= kPolarLatitude) {
            houseType = kEqual;
            Equal(c, c[1]);
        } else {
            Koch(ramc, phi, eps, c);
        }
        break;
    case kMeridian: EquatorProjection(ramc, eps, false, c); break;
    case kPorphyry:
        Placidus(houseType, ramc, latDeg, T, c);
        Trisection(c);
        break;
    case kMorinus: EquatorProjection(ramc, eps, true, c); break;
    case kTopocentric:
        Placidus(houseType, ramc, latDeg, T, c);
        Topocentric(ramc, phi, eps, c);
        break;
    default:
        if (!DivisionCusps(houseType, ramc, phi, sunDeclination, c)) Placidus(houseType, ramc, latDeg, T, c);
        break;
    }
    for (int n = 1; n <= 12; ++n) cusps[n] = Normalize360(c[n]);
}

}  // namespace quintara
