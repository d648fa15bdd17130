// Kepler orbits with linearly drifting elements: the Earth (giving the Sun
// vector) and the minor bodies Chiron, Ceres, Pallas and Juno.
//
// Frame: ecliptic of date. Time: tau = Julian centuries of UT from J1900.0.
#pragma once

#include <memory>

namespace quintara {

struct tVector3 {
    double x = 0.0, y = 0.0, z = 0.0;  // AU
};

class OrbitBody {
public:
    virtual ~OrbitBody() = default;

    // Minor bodies: geocentric longitude in degrees [0, 360) at tau, given the
    // geocentric Sun vector. The Earth variant fills sunVector instead
    // (it takes T and adds 1 itself).
    virtual void Compute(double tau, double& longitude, tVector3& sunVector);

protected:
    virtual void ToRadians();
    virtual void SetElements(double tau) = 0;
    virtual void SolveKepler();
    virtual void Locate(double& helioLongitude, const tVector3& sunVector);
    virtual double GeocentricLongitude();
    virtual double Normalize(double longitude);

    double tau = 0.0;
    double node = 0.0;         // ascending node
    double axis = 0.0;         // AU
    double perihelion = 0.0;   // argument, then longitude of perihelion
    double inclination = 0.0;
    double eccentricity = 0.0;
    double anomaly = 0.0;      // mean anomaly
    double trueAnomaly = 0.0;  // radians
    double radius = 0.0;       // AU
    double x = 0.0, y = 0.0, z = 0.0;  // geocentric, AU
};

// Variant for body 25..28, or the Earth for body 0; nullptr otherwise.
std::unique_ptr<OrbitBody> MakeOrbitBody(int body);

// Geocentric Sun vector (AU) at T, Julian centuries of UT from J2000.0.
tVector3 SunVector(double T);

}  // namespace quintara
