#include "core/engine/orbit_body.h"

#include <algorithm>
#include <cmath>

#include "core/chart/planet.h"
#include "core/engine/angles.h"

namespace quintara {

void OrbitBody::Compute(double t, double& longitude, tVector3& sunVector)
{
    SetElements(t);
    SolveKepler();
    double helio = 0.0;
    Locate(helio, sunVector);
    longitude = GeocentricLongitude();
}

void OrbitBody::ToRadians()
{
    node *= kDegToRad;
    inclination *= kDegToRad;
    anomaly *= kDegToRad;
    perihelion = perihelion * kDegToRad + node;
}

void OrbitBody::SolveKepler()
{
    // Newton's method reaches the root the plain iteration E = M + e sin E
    // approaches, in a handful of steps instead of a fixed dozen.
    // The elements drift linearly with time; far from their epoch (Chiron's
    // from about the year 31,350) the eccentricity leaves the ellipse and the
    // anomaly has no value. Kept within [0, 0.99], the orbit stays finite.
    const double e = std::clamp(eccentricity, 0.0, 0.99);
    double E = anomaly, s = std::sin(E), c = std::cos(E);
    for (int i = 0; i < 20; ++i) {
        const double step = (E - e * s - anomaly) / (1.0 - e * c);
        E -= step;
        s = std::sin(E);
        c = std::cos(E);
        // Quadratic convergence: after a step this small the error is below 1e-12 rad.
        if (std::fabs(step) < 1e-6) break;
    }
    trueAnomaly = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * (s / (1.0 + c)));
    radius = axis - axis * e * c;
}

void OrbitBody::Locate(double& helioLongitude, const tVector3& sunVector)
{
    const double u = trueAnomaly + perihelion - node;
    const double su = std::sin(u), cu = std::cos(u);
    double l = std::atan(std::cos(inclination) * (su / cu)) + node;
    if (cu < 0.0) l += kPi;
    if (l < 0.0) l += kTwoPi;
    const double sb = su * std::sin(inclination);  // sine of the latitude
    const double cb = std::sqrt(1.0 - sb * sb);
    helioLongitude = l;
    x = radius * cb * std::cos(l) + sunVector.x;
    y = radius * cb * std::sin(l) + sunVector.y;
    z = radius * sb;
}

double OrbitBody::GeocentricLongitude()
{
    double l = std::atan(y / x);
    if (x < 0.0) l += kPi;
    return Normalize(l * kRadToDeg);
}

double OrbitBody::Normalize(double longitude) { return Normalize360(longitude); }

namespace {

class tEarthOrbit final : public OrbitBody {
public:
    void Compute(double T, double&, tVector3& sunVector) override
    {
        SetElements(T + 1.0);
        SolveKepler();
        const double l = trueAnomaly + perihelion;
        sunVector = {radius * std::cos(l), radius * std::sin(l), 0.0};
    }

protected:
    void SetElements(double t) override
    {
        tau = t;  // already radians
        eccentricity = 0.016708617 - 0.000042 * t;
        axis = 1.0000010178;
        perihelion = 4.93818827 + 0.028855642 * t;
        anomaly = 6.24006001 + 628.303111 * t;
        node = inclination = 0.0;
    }
};

class tChironOrbit final : public OrbitBody {
protected:
    void SetElements(double t) override
    {
        tau = t;
        anomaly = 34.6127752 + 713.5756219 * t;
        eccentricity = 0.382270369 - 0.004694073 * t;
        axis = 13.66975144;
        perihelion = 337.407213 + 2.163306646 * t;
        node = 208.1482658 + 1.247724355 * t;
        inclination = 6.911179715 + 0.11236955 * t;
        ToRadians();
    }
};

class tCeresOrbit final : public OrbitBody {
protected:
    void SetElements(double t) override
    {
        tau = t;
        anomaly = 108.2925 + 7820.36556 * t;
        eccentricity = 0.0794314;
        axis = 2.7672273;
        perihelion = 71.0794444;
        node = 80.23555556 + 1.3960111 * t;
        inclination = 10.59694444;
        ToRadians();
    }
};

class tPallasOrbit final : public OrbitBody {
protected:
    void SetElements(double t) override
    {
        tau = t;
        anomaly = 106.6641667 + 7806.531667 * t;
        eccentricity = 0.2347096;
        axis = 2.7704955;
        perihelion = 310.166111;
        node = 172.497222 + 1.39601111 * t;
        inclination = 34.81416667;
        ToRadians();
    }
};

class tJunoOrbit final : public OrbitBody {
protected:
    void SetElements(double t) override
    {
        tau = t;
        anomaly = 267.685 + 8256.081111 * t;
        eccentricity = 0.2562318;
        axis = 2.6689897;
        perihelion = 245.3752778;
        node = 170.137777 + 1.396011111 * t + 0.0003083333 * t * t;
        inclination = 13.01694444;
        ToRadians();
    }
};

}  // namespace

std::unique_ptr<OrbitBody> MakeOrbitBody(int body)
{
    switch (body) {
    case 0: return std::make_unique<tEarthOrbit>();
    case kChiron: return std::make_unique<tChironOrbit>();
    case kCeres: return std::make_unique<tCeresOrbit>();
    case kPallas: return std::make_unique<tPallasOrbit>();
    case kJuno: return std::make_unique<tJunoOrbit>();
    default: return nullptr;
    }
}

tVector3 SunVector(double T)
{
    tVector3 sun;
    double unused = 0.0;
    MakeOrbitBody(0)->Compute(T, unused, sun);
    return sun;
}

}  // namespace quintara
