#include "core/engine/lunar_points.h"

#include <cmath>

#include "core/engine/angles.h"

namespace quintara {

tLunarPoints LunarPoints(double T)
{
    const double T2 = T * T;
    const double D = 5.19846674 + 7771.37715 * T - 0.0000285 * T2;
    const double F = 1.62790523 + 8433.46616 * T - 0.0000594 * T2;
    const double M = 6.24006001 + 628.303111 * T;
    const double Mp = 2.3555559 + 8328.69143 * T + 0.0001569 * T2;
    const double Lp = 3.8103444 + 8399.70911 * T - 0.0000232 * T2;
    using std::sin;
    const double moon = Lp + 0.1097598 * sin(Mp) + 0.0037648 * sin(2 * Mp) - 0.0032393 * sin(M)
        + 0.00071558 * sin(Mp - M) - 0.0005323 * sin(M + Mp) + 0.0114901 * sin(2 * D)
        + 0.0010263 * sin(2 * (D - Mp)) + 0.0009983 * sin(2 * D - M - Mp)
        + 0.022233555 * sin(2 * D - Mp) + 0.00093026 * sin(2 * D + Mp)
        + 0.0008011 * sin(2 * D - M) - 0.00060582 * sin(D) + 0.000267 * sin(2 * (D - F))
        - 0.0019949 * sin(2 * F) - 0.000219 * sin(2 * F + Mp) - 0.000192 * sin(2 * F - Mp);
    const double apogee = 1.4547885 + 71.0176866 * T - 0.000018 * T2 + kPi;
    const double node = 2.1824392 - 33.7570446 * T + 0.000036 * T2 + 0.026470826 * sin(2 * (F - D));
    return {ModAngle(moon, kTwoPi) * kRadToDeg, Normalize360(apogee * kRadToDeg),
            Normalize360(node * kRadToDeg)};
}

}  // namespace quintara
