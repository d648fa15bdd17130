#include "core/engine/minor_bodies.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/orbit_body.h"

namespace quintara {

void BuiltInMinorBodies(double T, tSkyBodies bodies, tSkyAnswer& out)
{
    constexpr double kOneDay = 1.0 / 36525.0;
    tVector3 sunNow, sunLater;
    SunVectors(T, kOneDay, sunNow, sunLater);
    for (int n = kChiron; n <= kJuno; ++n) {
        if (!(bodies >> n & 1)) continue;
        const tOrbitElements now = MinorBodyElements(n, T + 1.0);
        const tOrbitElements later = MinorBodyElements(n, T + kOneDay + 1.0);
        // M + e sin M starts Newton a step or two nearer the root.
        const tAnomaly E = SolveKepler(now, now.meanAnomaly + now.eccentricity * std::sin(now.meanAnomaly));
        const tOrbitAngles angles = AnglesOf(now);
        const double lon = GeocentricLongitude(now, E, angles, sunNow);
        out.longitude[n] = lon;
        // A day later the orbit has barely moved: today's solution is a
        // Newton step from tomorrow's, today's angles a small turn.
        const tAnomaly Elater = SolveKepler(later, E.E + (later.meanAnomaly - now.meanAnomaly));
        const double lonLater = GeocentricLongitude(later, Elater, AnglesAfter(angles, now, later), sunLater);
        out.retrograde[n] = AngleStep(lon, lonLater) < 0.0;
    }
}

}  // namespace quintara
