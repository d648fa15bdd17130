#include "core/engine/angles.h"

#include <algorithm>
#include <cmath>

namespace quintara {

double IntPart(double v) { return std::trunc(v); }
double FracPart(double v) { return v - std::trunc(v); }

double DegMinToDecimal(double v) { return IntPart(v) + FracPart(v) * 10.0 / 6.0; }

double DecimalToDegMin(double x) { return IntPart(x) + FracPart(x) * 6.0 * 0.1; }

double Normalize360(double a)
{
    // fmod instead of repeated subtraction: equal for ordinary angles, and
    // a wild value (year 65535, 1e300) cannot make the loop run for ever.
    if (a >= 360.0 || a < 0.0) {
        a = std::fmod(a, 360.0);
        if (a < 0.0) a += 360.0;
        if (a >= 360.0) a -= 360.0;
    }
    return a;
}

double RoundDegMin(int n, double x)
{
    if (n < 0) n = 0;
    const double whole = IntPart(x);
    const double s = std::pow(10.0, n);
    double m = std::nearbyint(FracPart(x) * 0.6 * s);  // halves to even
    double cap = 5994.0;
    if (n == 2) cap = 59.0;
    else if (n == 1 || n == 3) cap = 594.0;
    if (m > cap) m = cap;
    if (m < -cap) m = -cap;
    return whole + m / s;
}

double RoundDegMinCarry(int n, double x)
{
    n = std::clamp(n, 1, 4);
    const double perDegree = 0.6 * std::pow(10.0, n);  // units of the last digit
    const double units = std::nearbyint(std::fabs(x) * perDegree);
    const double whole = std::floor(units / perDegree + 1e-9);
    const double rest = units - whole * perDegree;
    const double v = whole + rest / std::pow(10.0, n);
    return x < 0 ? -v : v;
}

int SignOf(double lambda) { return static_cast<int>(IntPart(lambda / 30.0)) + 1; }

tSignPos SignPosition(int n, double lambda)
{
    const int sign = SignOf(lambda);
    return {sign, RoundDegMin(n, lambda - (sign - 1) * 30.0)};
}

double HoursDegMin(int n, double r) { return RoundDegMin(n, r * 12.0 / kPi); }

double AngleStep(double now, double later)
{
    double d = std::fmod(later - now, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

double ArcMidpoint(double a, double b)
{
    a = Normalize360(a), b = Normalize360(b);
    double s = a + b;
    if (std::fabs(a - b) > 180) s += 360;
    s *= 0.5;
    return s >= 360 ? s - 360 : s;
}

}  // namespace quintara
