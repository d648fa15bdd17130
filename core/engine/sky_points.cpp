#include "core/engine/sky_points.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/lunar_points.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/zodiac.h"

namespace quintara {

bool BuiltInGivesPoint(int n)
{
    return n == kVesta || n == kMeanNode || n == kTrueNode || n == kSouthNode || n == kVertex || n == kAntiVertex ||
           n == kEastPoint;
}

double VertexAt(double ramc, double latitude, double obliquity)
{
    // Equatorial frame of date. The prime vertical is the great circle
    // whose pole is the north point of the horizon; it meets the ecliptic
    // along the cross product of the two poles, taken on the western side.
    const double phi = latitude * kDegToRad, eps = obliquity * kDegToRad;
    const double se = std::sin(eps), ce = std::cos(eps);
    const double nx = -std::sin(phi) * std::cos(ramc), ny = -std::sin(phi) * std::sin(ramc), nz = std::cos(phi);
    // north x ecliptic pole (0, -sin e, cos e)
    double dx = ny * ce + nz * se, dy = -nx * ce, dz = -nx * se;
    const double west = dx * std::sin(ramc) - dy * std::cos(ramc);
    if (west < 0) dx = -dx, dy = -dy, dz = -dz;
    return Normalize360(std::atan2(dy * ce + dz * se, dx) * kRadToDeg);
}

double EastPointAt(double ramc, double obliquity)
{
    const double a = ramc + kPi / 2;
    return Normalize360(std::atan2(std::sin(a), std::cos(a) * std::cos(obliquity * kDegToRad)) * kRadToDeg);
}

void BuiltInPoints(const tSkyQuery& q, tSkyAnswer& out)
{
    if (!q.points) return;
    const auto wants = [&q](int n) { return (q.points & SkyPointBit(n)) != 0; };
    const auto set = [&out](int n, double lon, double lat) {
        out.pointLongitude[static_cast<std::size_t>(n - 50)] = Normalize360(lon);
        out.pointLatitude[static_cast<std::size_t>(n - 50)] = lat;
    };
    for (int n = kFirstComputedPoint; n <= kLastComputedPoint; ++n)
        if (wants(n) && !BuiltInGivesPoint(n)) out.pointMissing |= SkyPointBit(n);
    if (wants(kVesta)) {
        const tMinorPlace p = BuiltInMinorBody(kVesta, q.T);
        set(kVesta, p.longitude, p.latitude);
        if (p.retrograde) out.pointRetrograde |= SkyPointBit(kVesta);
    }
    if (wants(kMeanNode) || wants(kTrueNode)) {
        const tLunarPoints l = LunarPoints(q.T);
        set(kMeanNode, l.MeanNode, 0);
        set(kTrueNode, l.TrueNode, 0);
    }
    const double eps = MeanObliquity(q.T) * kRadToDeg;
    if (wants(kVertex) || wants(kAntiVertex)) set(kVertex, VertexAt(out.siderealT, DegMinToDecimal(q.latitude), eps), 0);
    if (wants(kEastPoint)) set(kEastPoint, EastPointAt(out.siderealT, eps), 0);
}

void OppositePoints(const tSkyQuery& q, tSkyAnswer& out)
{
    const auto at = [&out](int n) -> double& { return out.pointLongitude[static_cast<std::size_t>(n - 50)]; };
    if (q.points & SkyPointBit(kSouthNode)) at(kSouthNode) = Normalize360(out.longitude[kNode] + 180.0);
    if (q.points & SkyPointBit(kAntiVertex)) at(kAntiVertex) = Normalize360(at(kVertex) + 180.0);
}

}  // namespace quintara
