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
        if (tPreciseBody b; PreciseBody(body, T * kDaysPerCentury + kJ2000, b)) return Normalize360(b.longitude);
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

tLongitudeTrack::tLongitudeTrack(int body, double from, double to, double spacingDays, std::uint8_t ephemeris)
    : body(body), ephemeris(ephemeris), from(from), spacing(spacingDays / kDaysPerCentury)
{
    const auto count = static_cast<std::size_t>(std::ceil((to - from) / spacing)) + 4;
    nodes.assign(count, std::numeric_limits<double>::quiet_NaN());
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
    double& v = nodes[static_cast<std::size_t>(k)];
    if (std::isnan(v)) v = EngineLongitude(body, from + k * spacing, ephemeris);
    return v;
}

double tLongitudeTrack::At(double T)
{
    const double x = (T - from) / spacing;
    const long k = static_cast<long>(std::floor(x));
    if (k < 1 || static_cast<std::size_t>(k + 2) >= nodes.size()) return EngineLongitude(body, T, ephemeris);
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
    const double u = x - k;
    // Lagrange through u = -1, 0, 1, 2.
    const double v = -u * (u - 1) * (u - 2) / 6 * y0 + (u + 1) * (u - 1) * (u - 2) / 2 * y1
                     - (u + 1) * u * (u - 2) / 2 * y2 + (u + 1) * u * (u - 1) / 6 * y3;
    return v < 0 ? v + 360 : v >= 360 ? v - 360 : v;
}

}  // namespace quintara
