#include "core/engine/sidereal_time.h"

#include <cmath>

#include "core/engine/angles.h"

namespace quintara {

double SiderealTime(double utAngle, double longitude, double T)
{
    const double seconds = 24110.5484 + 8640184.81 * T + 0.0931 * T * T;
    double hours = std::fmod(seconds / 3600.0, 24.0);  // same as repeated +-24
    if (hours < 0.0) hours += 24.0;
    double lst = hours * kPi / 12.0 - longitude + utAngle;
    if (lst > kTwoPi) lst -= kTwoPi;
    return lst;
}

double ObliquityJ2000(double T)
{
    const double omega = Normalize360(125.0445 - 1934.13618 * T + 0.00208 * T * T);
    return (84381.0 - 47.0 * T + 9.0 * std::cos(omega * kDegToRad)) * kArcsecToRad;
}

double ObliquityJ1900(double T)
{
    const double d = T * 36525.0;
    const double lm = 0.606434 + 0.03660110129 * d;
    const double f = 0.259091 + 0.0367481952 * d;
    const double tau = T + 1.0;
    return (84428.0 - 47.0 * tau + 9.0 * std::cos(ModRevolution(lm - f))) * kArcsecToRad;
}

}  // namespace quintara
