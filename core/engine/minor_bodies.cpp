#include "core/engine/minor_bodies.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/orbit_body.h"

namespace quintara {
namespace {

constexpr double kOneDay = 1.0 / 36525.0;

tMinorPlace Place(int body, double T, const tVector3& sunNow, const tVector3& sunLater)
{
    const tOrbitElements now = MinorBodyElements(body, T + 1.0);
    const tOrbitElements later = MinorBodyElements(body, T + kOneDay + 1.0);
    // M + e sin M starts Newton a step or two nearer the root.
    const tAnomaly E = SolveKepler(now, now.meanAnomaly + now.eccentricity * std::sin(now.meanAnomaly));
    const tOrbitAngles angles = AnglesOf(now);
    tMinorPlace p;
    GeocentricPlace(now, E, angles, sunNow, p.longitude, p.latitude);
    // A day later the orbit has barely moved: today's solution is a
    // Newton step from tomorrow's, today's angles a small turn.
    const tAnomaly Elater = SolveKepler(later, E.E + (later.meanAnomaly - now.meanAnomaly));
    const double lonLater = GeocentricLongitude(later, Elater, AnglesAfter(angles, now, later), sunLater);
    p.retrograde = AngleStep(p.longitude, lonLater) < 0.0;
    return p;
}

}  // namespace

void BuiltInMinorBodies(double T, tSkyBodies bodies, tSkyAnswer& out)
{
    tVector3 sunNow, sunLater;
    SunVectors(T, kOneDay, sunNow, sunLater);
    for (int n = kChiron; n <= kJuno; ++n) {
        if (!(bodies >> n & 1)) continue;
        const tMinorPlace p = Place(n, T, sunNow, sunLater);
        out.longitude[n] = p.longitude;
        out.latitude[n] = p.latitude;
        out.retrograde[n] = p.retrograde;
    }
}

tMinorPlace BuiltInMinorBody(int body, double T)
{
    tVector3 sunNow, sunLater;
    SunVectors(T, kOneDay, sunNow, sunLater);
    return Place(body, T, sunNow, sunLater);
}

}  // namespace quintara
