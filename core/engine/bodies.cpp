#include "core/engine/bodies.h"

#include "core/engine/body_numbers.h"
#include "core/engine/lunar_points.h"
#include "core/engine/planet_series.h"

namespace quintara {

void BuiltInBodies(double T, tSkyAnswer& out)
{
    const double jd = T * 36525.0 + 2451545.0;
    double lon[11] = {}, lat[11] = {};
    bool retrograde[11] = {};
    PlanetSeriesWithMotion(lon, lat, retrograde, jd);
    for (int n = 1; n <= 10; ++n) {
        out.longitude[n] = lon[n];
        out.latitude[n] = lat[n];
    }
    const tLunarPoints p = LunarPoints(T);
    out.longitude[kMoon] = p.Moon;
    out.longitude[kLilith] = p.Apogee;
    out.longitude[kNode] = p.TrueNode;
    for (int n = 3; n <= 10; ++n) out.retrograde[n] = retrograde[n];
}

}  // namespace quintara
