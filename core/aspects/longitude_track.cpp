#include "core/aspects/longitude_track.h"

#include <cmath>
#include <limits>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/engine/lunar_points.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/planet_series.h"
#include "core/engine/precise_ephemeris.h"

namespace quintara {
namespace {

// later - now for neighbouring nodes, which are less than half a turn apart.
double Step(double now, double later)
{
    const double d = later - now;
    return d > 180 ? d - 360 : d < -180 ? d + 360 : d;
}

}  // namespace

double EngineLongitude(int body, double T, std::uint8_t ephemeris)
{
    if (ephemeris == tChart::kPrecise)
        if (double lon; PreciseLongitude(body, T * kDaysPerCentury + kJ2000, lon)) return Normalize360(lon);
    if (body == 2) return LunarPoints(T).Moon;
    if (body >= kChiron && body <= kJuno) {
        tSkyAnswer a;
        BuiltInMinorBodies(T, tSkyBodies{1} << body, a);
        return Normalize360(a.longitude[static_cast<std::size_t>(body)]);
    }
    double lon[11], lat[11];
    PlanetSeries(lon, lat, body, T * kDaysPerCentury + kJ2000);
    return lon[body];
}

namespace {

// Days between the precise ephemeris' corrections to the built-in theory,
// for the bodies whose own spacing is short; 0: the precise nodes themselves.
// The corrections stay within about 3e-4 degree of the truth between nodes.
double CorrectionSpacingDays(int body)
{
    switch (body) {
    case 2: return 1;
    case 3: return 2;
    case 4: case 5: return 4;
    default: return 0;
    }
}

bool PreciseAt(int body, double T)
{
    double lon;
    return PreciseLongitude(body, T * kDaysPerCentury + kJ2000, lon);
}

// Lagrange through u = -1, 0, 1, 2.
double Cubic(double y0, double y1, double y2, double y3, double u)
{
    return -u * (u - 1) * (u - 2) / 6 * y0 + (u + 1) * (u - 1) * (u - 2) / 2 * y1 -
           (u + 1) * u * (u - 2) / 2 * y2 + (u + 1) * u * (u - 1) / 6 * y3;
}

}  // namespace

tLongitudeTrack::tLongitudeTrack(int body, double from, double to, double spacingDays, std::uint8_t ephemeris)
    : body(body), ephemeris(ephemeris), from(from)
{
    const auto nodesOver = [&](tNodes& n, double days) {
        n.spacing = days / kDaysPerCentury;
        n.value.assign(static_cast<std::size_t>(std::ceil((to - from) / n.spacing)) + 4,
                       std::numeric_limits<double>::quiet_NaN());
    };
    nodesOver(longitudes, spacingDays);
    if (ephemeris != tChart::kPrecise) return;
    const double last = from + static_cast<double>(longitudes.value.size() - 1) * longitudes.spacing;
    if (!PreciseAt(body, from) || !PreciseAt(body, last)) {
        this->ephemeris = tChart::kBuiltIn;
        fellBack = true;
    } else if (const double days = CorrectionSpacingDays(body); days > spacingDays) {
        this->ephemeris = tChart::kBuiltIn;
        nodesOver(corrections, days);
    }
}

double tLongitudeTrack::SpacingDays(int body)
{
    // The bound is h^4 |f''''| / 43; the fourth derivative is largest in
    // the retrograde loops (Mercury, Venus) and for the Moon's inequalities.
    switch (body) {
    case 2: return 0.25;
    case 3: return 0.5;
    case 4: case 5: return 1;
    case 6: return 4;
    default: return 8;
    }
}

double tLongitudeTrack::Node(long k)
{
    double& v = longitudes.value[static_cast<std::size_t>(k)];
    if (std::isnan(v)) v = EngineLongitude(body, from + k * longitudes.spacing, ephemeris);
    return v;
}

double tLongitudeTrack::CorrectionNode(long k)
{
    double& v = corrections.value[static_cast<std::size_t>(k)];
    if (std::isnan(v)) {
        const double T = from + k * corrections.spacing;
        v = Step(EngineLongitude(body, T, tChart::kBuiltIn), EngineLongitude(body, T, tChart::kPrecise));
    }
    return v;
}

double tLongitudeTrack::Correction(double T)
{
    if (corrections.value.empty()) return 0;
    const double x = (T - from) / corrections.spacing;
    const long k = static_cast<long>(std::floor(x));
    if (k < 1 || static_cast<std::size_t>(k + 2) >= corrections.value.size())
        return Step(EngineLongitude(body, T, tChart::kBuiltIn), EngineLongitude(body, T, tChart::kPrecise));
    return Cubic(CorrectionNode(k - 1), CorrectionNode(k), CorrectionNode(k + 1), CorrectionNode(k + 2), x - k);
}

double tLongitudeTrack::At(double T)
{
    const double spacing = longitudes.spacing;
    const double x = (T - from) / spacing;
    const long k = static_cast<long>(std::floor(x));
    if (k < 1 || static_cast<std::size_t>(k + 2) >= longitudes.value.size())
        return Normalize360(EngineLongitude(body, T, ephemeris) + Correction(T));
    // The engine's Pluto correction applies from J1900.0 to J2000.0 only, so
    // Pluto jumps there: no curve through nodes on both sides.
    if (body == 10 && ephemeris != tChart::kPrecise)
        for (double jump : {-1.0, 0.0})
            if (from + (k - 1) * spacing < jump && jump <= from + (k + 2) * spacing) return EngineLongitude(body, T, ephemeris);
    // Unwrapped around node k so a crossing of 0 degrees stays smooth.
    const double y1 = Node(k);
    const double y0 = y1 + Step(y1, Node(k - 1));
    const double y2 = y1 + Step(y1, Node(k + 1));
    const double y3 = y2 + Step(Node(k + 1), Node(k + 2));
    const double v = Cubic(y0, y1, y2, y3, x - k) + Correction(T);
    return v < 0 ? v + 360 : v >= 360 ? v - 360 : v;
}

}  // namespace quintara
