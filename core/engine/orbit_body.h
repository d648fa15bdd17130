// Kepler orbits with linearly drifting elements: the Earth (giving the Sun
// vector) and the minor bodies Chiron, Ceres, Pallas, Juno and Vesta.
//
// Frame: ecliptic of date. Time: tau = Julian centuries of UT from J1900.0
// (T + 1 for T from J2000.0).
#pragma once

namespace quintara {

struct tVector3 {
    double x = 0.0, y = 0.0, z = 0.0;  // AU
};

// Elements of an orbit at one moment, radians and AU.
struct tOrbitElements {
    double node = 0.0;
    double perihelion = 0.0;  // longitude of perihelion, node + argument
    double inclination = 0.0;
    double eccentricity = 0.0;  // kept within [0, 0.99]
    double meanAnomaly = 0.0;   // not reduced to one turn
    double axis = 0.0;          // AU
};

// Elements of body 25..28 or Vesta at tau; all zero for any other body.
tOrbitElements MinorBodyElements(int body, double tau);

// The eccentric anomaly (radians) of an orbit with its sine and cosine.
struct tAnomaly {
    double E, sinE, cosE;
};

// Kepler's equation by Newton's method from start (the mean anomaly when no
// better guess is known).
tAnomaly SolveKepler(const tOrbitElements& e, double start);

// Sines and cosines of the orientation angles: argument of perihelion w,
// node n, inclination i.
struct tOrbitAngles {
    double cw = 1.0, sw = 0.0, cn = 1.0, sn = 0.0, ci = 1.0, si = 0.0;
};
tOrbitAngles AnglesOf(const tOrbitElements& e);
// The angles of later, elements a little after those of before whose
// angles are known: turned by the small differences, no library call.
tOrbitAngles AnglesAfter(const tOrbitAngles& known, const tOrbitElements& before, const tOrbitElements& later);

// Geocentric longitude, degrees [0, 360), of a body on the orbit at the
// eccentric anomaly a, given the orbit's angles and the geocentric Sun vector.
double GeocentricLongitude(const tOrbitElements& e, const tAnomaly& a, const tOrbitAngles& angles, const tVector3& sun);

// The same longitude and the geocentric ecliptic latitude, degrees, at once.
void GeocentricPlace(const tOrbitElements& e, const tAnomaly& a, const tOrbitAngles& angles, const tVector3& sun,
                     double& longitude, double& latitude);

// Geocentric Sun vectors (AU) at T, Julian centuries of UT from J2000.0,
// and at T + dT for a small dT (the second solved from the first).
void SunVectors(double T, double dT, tVector3& atT, tVector3& later);

}  // namespace quintara
