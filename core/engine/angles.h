// Angle conventions and display conversions shared by the whole engine.
//
// Longitudes are degrees in [0, 360); trigonometry is in radians.
// Packed sexagesimal values: d.mm (48.52 = 48 deg 52 min) and h.mm.
#pragma once

#include <cmath>

namespace quintara {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kDegToRad = 0.017453292519943295;
inline constexpr double kRadToDeg = 57.29577951308232;
inline constexpr double kArcsecToRad = kDegToRad / 3600.0;

// Truncation toward zero and the matching fraction (Frac(-5.30) = -0.30).
double IntPart(double v);
double FracPart(double v);

// d.mm (or h.mm) -> decimal degrees (hours): Int(v) + Frac(v) x 10/6.
double DegMinToDecimal(double v);
// Decimal degrees (hours) -> d.mm (h.mm), unrounded.
double DecimalToDegMin(double x);

// Degrees into [0, 360).
double Normalize360(double a);
// x reduced into [0, m) for m > 0 (radians with m = 2 pi, degrees with m = 360).
// Inline: the series and the house iterations call it in their inner loops.
inline double ModAngle(double x, double m)
{
    const double q = x / m;
    const double n = q >= 0.0 ? std::trunc(q) : std::trunc(q - 1.0);
    double r = x - m * n;
    // A tiny negative x or an exact negative multiple lands on m itself.
    if (r >= m) r -= m;
    if (r < 0.0) r += m;
    return r;
}
// Sine and cosine of one angle in one call, where the compiler would not
// see the pair (values as std::sin and std::cos give them).
inline void SinCos(double x, double& s, double& c)
{
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
    ::sincos(x, &s, &c);
#else
    s = std::sin(x);
    c = std::cos(x);
#endif
}
// Revolutions -> radians in [0, 2 pi).
inline double ModRevolution(double x) { return kTwoPi * ModAngle(x, 1.0); }

// Display form d.mm with n digits after the point; minutes never read 60:
// they stop at 59 (positions within a sign stay in their sign), for
// negative values too.
double RoundDegMin(int n, double x);
// Display form d.mm of a value that is not a place in a sign (latitudes,
// declinations, orbs): rounded to whole units of the last digit first, so
// -0.9999 degrees reads -1.00, never -0.60. n from 1 to 4.
double RoundDegMinCarry(int n, double x);

struct tSignPos {
    int Sign;        // 1 Aries .. 12 Pisces
    double Degrees;  // within the sign, d.mm via RoundDegMin
};
// Sign number of a longitude in degrees: Int(lambda / 30) + 1.
int SignOf(double lambda);
tSignPos SignPosition(int n, double lambda);

// Angle in radians shown as hours.minutes.
double HoursDegMin(int n, double r);

// Signed difference later - now in (-180, 180] degrees; used for motion direction.
double AngleStep(double now, double later);
// The midpoint of two longitudes on the shorter arc between them, degrees
// [0, 360) (350 and 10 meet at 0; opposite ones at their mean).
double ArcMidpoint(double a, double b);

}  // namespace quintara
