#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/ephemeris.h"
#include "core/engine/houses.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/sidereal_time.h"
#include "core/engine/sky_points.h"
#include "core/engine/zodiac.h"
#include "core/engine/lunar_points.h"

namespace quintara {

void BuiltInSky(const tSkyQuery& q, tSkyAnswer& out)
{
    out.siderealT = SiderealTime(q.utAngle, DegMinToDecimal(q.longitude) * kDegToRad, q.T);
    BuiltInBodies(q.T, out);
    out.houseType = q.houseType;
    double cusps[13];
    const double sunDeclination = q.houseType == kSunshine ? SunDeclination(out.longitude[1], q.T) : 0.0;
    BuiltInCusps(out.siderealT, q.latitude, q.T, out.houseType, cusps, sunDeclination);
    for (int n = 1; n <= 12; ++n) out.longitude[static_cast<std::size_t>(12 + n)] = cusps[n];
    const tAngles angles = BuiltInAngles(out.siderealT, q.latitude, out.houseType, cusps);
    out.ascendant = angles.ascendant;
    out.midheaven = angles.midheaven;
    BuiltInMinorBodies(q.T, q.bodies, out);
    out.obliquity = MeanObliquity(q.T) * kRadToDeg;
    if (q.meanNode) out.longitude[12] = LunarPoints(q.T).MeanNode;
    BuiltInPoints(q, out);
}

}  // namespace quintara
