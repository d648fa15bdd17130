#include "core/engine/eclipses.h"

#include <cmath>
#include <optional>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/delta_t.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/julian_day.h"
#include "core/engine/time_search.h"

namespace quintara {

namespace {

struct tLunation {
    double jde;          // mean syzygy, Julian ephemeris day
    double gamma, u;
};

// Meeus ch. 54 for lunation k (whole: new moon; half: full moon): nothing
// when the Moon is too far from its node for any eclipse.
std::optional<tLunation> Lunation(double k)
{
    const double T = k / 1236.85, T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    const double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    const double r = kDegToRad;
    const double M = (2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3) * r;
    const double Mm = (201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4) * r;
    const double F = (160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4) * r;
    const double Om = (124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3) * r;
    if (std::fabs(std::sin(F)) > 0.36) return std::nullopt;
    const double E = 1 - 0.002516 * T - 0.0000074 * T2;
    const double F1 = F - 0.02665 * r * std::sin(Om);
    const double P = 0.2070 * E * std::sin(M) + 0.0024 * E * std::sin(2 * M) - 0.0392 * std::sin(Mm) +
                     0.0116 * std::sin(2 * Mm) - 0.0073 * E * std::sin(Mm + M) + 0.0067 * E * std::sin(Mm - M) +
                     0.0118 * std::sin(2 * F1);
    const double Q = 5.2207 - 0.0048 * E * std::cos(M) + 0.0020 * E * std::cos(2 * M) - 0.3299 * std::cos(Mm) -
                     0.0060 * E * std::cos(Mm + M) + 0.0041 * E * std::cos(Mm - M);
    const double W = std::fabs(std::cos(F1));
    const double gamma = (P * std::cos(F1) + Q * std::sin(F1)) * (1 - 0.0048 * W);
    const double u = 0.0059 + 0.0046 * E * std::cos(M) - 0.0182 * std::cos(Mm) + 0.0004 * std::cos(2 * Mm) -
                     0.0005 * std::cos(M + Mm);
    return tLunation{jde, gamma, u};
}

std::optional<tEclipseKind> SolarKind(double gamma, double u)
{
    const double g = std::fabs(gamma);
    if (g > 1.5433 + u) return std::nullopt;
    if (g < 0.9972) {
        if (u < 0) return tEclipseKind::Total;
        if (u > 0.0047) return tEclipseKind::Annular;
        return u < 0.00464 * std::sqrt(1 - gamma * gamma) ? tEclipseKind::Hybrid : tEclipseKind::Annular;
    }
    if (g < 0.9972 + std::fabs(u)) return u < 0 ? tEclipseKind::Total : tEclipseKind::Annular;
    return tEclipseKind::Partial;
}

std::optional<tEclipseKind> LunarKind(double gamma, double u)
{
    const double g = std::fabs(gamma);
    const double umbral = (1.0128 - u - g) / 0.5450, penumbral = (1.5573 + u - g) / 0.5450;
    if (umbral >= 1) return tEclipseKind::Total;
    if (umbral > 0) return tEclipseKind::Partial;
    // Meeus' magnitudes come from mean elements: an eclipse that barely
    // touches the penumbra (2027 July 18, magnitude 0.001) reads a hair
    // below zero, so the last hundredth counts.
    if (penumbral > -0.01) return tEclipseKind::Penumbral;
    return std::nullopt;
}

// Degrees between two ecliptic places.
double Separation(double lon1, double lat1, double lon2, double lat2)
{
    const double r = kDegToRad;
    const double c = std::sin(lat1 * r) * std::sin(lat2 * r) + std::cos(lat1 * r) * std::cos(lat2 * r) * std::cos((lon1 - lon2) * r);
    return std::acos(std::fmin(1.0, std::fmax(-1.0, c))) * kRadToDeg;
}

}  // namespace

std::vector<tEclipse> FindEclipses(double jdFrom, double jdTo, std::uint8_t ephemeris)
{
    std::vector<tEclipse> out;
    if (!(jdTo > jdFrom)) return out;
    tEphemerisService eph(ephemeris, jdFrom - 2, jdTo + 2);
    constexpr double kDay = 1.0 / kDaysPerCentury;
    const double kFrom = std::floor((jdFrom - 2451550.09766) / 29.530588861) - 1;
    for (double k = kFrom; ; k += 0.5) {
        const auto l = Lunation(k);
        const double mean = 2451550.09766 + 29.530588861 * k;
        if (mean > jdTo + 2) break;
        if (!l) continue;
        const bool solar = std::fmod(k, 1.0) == 0;
        const auto kind = solar ? SolarKind(l->gamma, l->u) : LunarKind(l->gamma, l->u);
        if (!kind) continue;
        // The syzygy is within a few hours of the mean one (Meeus' JDE is
        // dynamical time): the least distance within 18 hours of it.
        const double year = 2000 + (l->jde - kJ2000) / 365.25;
        const double T = (l->jde - DeltaTSeconds(year) / 86400 - kJ2000) / kDaysPerCentury;
        const auto distance = [&](double t) {
            double sl, sb, ml, mb;
            eph.Place(kSun, t, sl, sb);
            eph.Place(kMoon, t, ml, mb);
            return solar ? Separation(ml, mb, sl, sb) : Separation(ml, mb, sl + 180, -sb);
        };
        const double least = LeastIn(distance, T - 0.75 * kDay, T + 0.75 * kDay, 1.0 / 86400 * kDay);
        const double jd = least * kDaysPerCentury + kJ2000;
        if (jd >= jdFrom && jd < jdTo) out.push_back({solar, *kind, jd});
    }
    return out;
}

}  // namespace quintara
