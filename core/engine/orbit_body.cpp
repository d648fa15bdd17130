#include "core/engine/orbit_body.h"

#include <algorithm>
#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"

namespace quintara {
namespace {

// Elements as the tables give them: degrees, perihelion as its argument.
struct tDegrees {
    double anomaly, eccentricity, axis, perihelion, node, inclination;
};

tOrbitElements FromDegrees(const tDegrees& d)
{
    tOrbitElements e;
    e.node = d.node * kDegToRad;
    e.inclination = d.inclination * kDegToRad;
    e.meanAnomaly = d.anomaly * kDegToRad;
    e.perihelion = d.perihelion * kDegToRad + e.node;
    // The elements drift linearly with time; far from their epoch (Chiron's
    // from about the year 31,350) the eccentricity leaves the ellipse and the
    // anomaly has no value. Kept within [0, 0.99], the orbit stays finite.
    e.eccentricity = std::clamp(d.eccentricity, 0.0, 0.99);
    e.axis = d.axis;
    return e;
}

// Position on the orbit's plane: radius and the direction of the true
// anomaly, from the eccentric anomaly without an arctangent.
struct tInPlane {
    double radius, cosNu, sinNu;
};

tInPlane InPlane(const tOrbitElements& e, const tAnomaly& a)
{
    const double d = 1.0 - e.eccentricity * a.cosE;
    return {e.axis * d, (a.cosE - e.eccentricity) / d, std::sqrt(1.0 - e.eccentricity * e.eccentricity) * a.sinE / d};
}

// (c, s), the cosine and sine of an angle, turned by a small angle h
// (|h| < 1e-3): the series is exact to well below a double's rounding.
void TurnBySmall(double& c, double& s, double h)
{
    const double h2 = h * h;
    const double ch = 1.0 - h2 / 2.0 * (1.0 - h2 / 12.0), sh = h * (1.0 - h2 / 6.0 * (1.0 - h2 / 20.0));
    const double nc = c * ch - s * sh;
    s = s * ch + c * sh;
    c = nc;
}

// The Earth's orbit at T (centuries from J2000.0); angles in radians.
tOrbitElements EarthElements(double T)
{
    const double t = T + 1.0;
    tOrbitElements earth;
    earth.eccentricity = 0.016708617 - 0.000042 * t;
    earth.axis = 1.0000010178;
    earth.perihelion = 4.93818827 + 0.028855642 * t;
    earth.meanAnomaly = 6.24006001 + 628.303111 * t;
    return earth;
}

tVector3 EarthSun(const tOrbitElements& earth, const tAnomaly& a)
{
    const tInPlane p = InPlane(earth, a);
    double cp, sp;
    SinCos(earth.perihelion, sp, cp);
    return {p.radius * (p.cosNu * cp - p.sinNu * sp), p.radius * (p.sinNu * cp + p.cosNu * sp), 0.0};
}

}  // namespace

tOrbitElements MinorBodyElements(int body, double t)
{
    switch (body) {
    case kChiron:
        return FromDegrees({34.6127752 + 713.5756219 * t, 0.382270369 - 0.004694073 * t, 13.66975144,
                            337.407213 + 2.163306646 * t, 208.1482658 + 1.247724355 * t,
                            6.911179715 + 0.11236955 * t});
    case kCeres:
        return FromDegrees({108.2925 + 7820.36556 * t, 0.0794314, 2.7672273, 71.0794444,
                            80.23555556 + 1.3960111 * t, 10.59694444});
    case kPallas:
        return FromDegrees({106.6641667 + 7806.531667 * t, 0.2347096, 2.7704955, 310.166111,
                            172.497222 + 1.39601111 * t, 34.81416667});
    case kJuno:
        return FromDegrees({267.685 + 8256.081111 * t, 0.2562318, 2.6689897, 245.3752778,
                            170.137777 + 1.396011111 * t + 0.0003083333 * t * t, 13.01694444});
    case kVesta:
        // Osculating elements of J2000.0 (ecliptic and equinox J2000.0), the
        // node carried by the general precession as the others'.
        return FromDegrees({-9578.761507 + 9919.785409 * t, 0.0900231, 2.3615366, 149.586559,
                            102.555418 + 1.396011 * t, 7.133940});
    default: return {};
    }
}

tAnomaly SolveKepler(const tOrbitElements& o, double E)
{
    // Newton's method: a handful of steps from the mean anomaly, one or two
    // from a nearby solution.
    const double e = o.eccentricity, M = o.meanAnomaly;
    for (int i = 0; i < 20; ++i) {
        double s, c;
        SinCos(E, s, c);
        const double step = (E - e * s - M) / (1.0 - e * c);
        E -= step;
        // Quadratic convergence: after a step this small the error is below
        // 1e-12 rad, and the sine and cosine follow the step by the series.
        if (std::fabs(step) < 1e-6) {
            TurnBySmall(c, s, -step);
            return {E, s, c};
        }
    }
    return {E, std::sin(E), std::cos(E)};
}

tOrbitAngles AnglesOf(const tOrbitElements& o)
{
    tOrbitAngles a;
    SinCos(o.perihelion - o.node, a.sw, a.cw);
    SinCos(o.node, a.sn, a.cn);
    SinCos(o.inclination, a.si, a.ci);
    return a;
}

tOrbitAngles AnglesAfter(const tOrbitAngles& known, const tOrbitElements& before, const tOrbitElements& later)
{
    tOrbitAngles a = known;
    TurnBySmall(a.cw, a.sw, (later.perihelion - later.node) - (before.perihelion - before.node));
    TurnBySmall(a.cn, a.sn, later.node - before.node);
    TurnBySmall(a.ci, a.si, later.inclination - before.inclination);
    return a;
}

namespace {

// The geocentric ecliptic vector (AU) of a body on its orbit.
tVector3 GeocentricVector(const tOrbitElements& o, const tAnomaly& a, const tOrbitAngles& g, const tVector3& sun)
{
    const tInPlane p = InPlane(o, a);
    // The argument of latitude u = true anomaly + argument of perihelion,
    // then the heliocentric direction turned by the node: cos(b) cos(l - node)
    // is cos u and cos(b) sin(l - node) is cos(i) sin u.
    const double cu = p.cosNu * g.cw - p.sinNu * g.sw, su = p.sinNu * g.cw + p.cosNu * g.sw;
    return {p.radius * (cu * g.cn - g.ci * su * g.sn) + sun.x, p.radius * (cu * g.sn + g.ci * su * g.cn) + sun.y,
            p.radius * su * g.si + sun.z};
}

double LongitudeOf(const tVector3& v)
{
    double l = std::atan(v.y / v.x);
    if (v.x < 0.0) l += kPi;
    return Normalize360(l * kRadToDeg);
}

}  // namespace

double GeocentricLongitude(const tOrbitElements& o, const tAnomaly& a, const tOrbitAngles& g, const tVector3& sun)
{
    return LongitudeOf(GeocentricVector(o, a, g, sun));
}

void GeocentricPlace(const tOrbitElements& o, const tAnomaly& a, const tOrbitAngles& g, const tVector3& sun,
                     double& longitude, double& latitude)
{
    const tVector3 v = GeocentricVector(o, a, g, sun);
    longitude = LongitudeOf(v);
    latitude = std::atan(v.z / std::sqrt(v.x * v.x + v.y * v.y)) * kRadToDeg;
}

void SunVectors(double T, double dT, tVector3& atT, tVector3& later)
{
    const tOrbitElements now = EarthElements(T), next = EarthElements(T + dT);
    const tAnomaly a = SolveKepler(now, now.meanAnomaly);
    atT = EarthSun(now, a);
    later = EarthSun(next, SolveKepler(next, a.E + (next.meanAnomaly - now.meanAnomaly)));
}

}  // namespace quintara
