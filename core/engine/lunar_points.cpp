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
    // The sines of the combined arguments by angle addition from four
    // sine-cosine pairs, instead of a library call each.
    struct tTurn {
        double c, s;
        tTurn operator+(tTurn o) const { return {c * o.c - s * o.s, s * o.c + c * o.s}; }
        tTurn operator-(tTurn o) const { return {c * o.c + s * o.s, s * o.c - c * o.s}; }
    };
    const auto turn = [](double a) {
        tTurn t;
        SinCos(a, t.s, t.c);
        return t;
    };
    const tTurn d = turn(D), f = turn(F), m = turn(M), mp = turn(Mp);
    const tTurn d2 = d + d, mp2 = mp + mp, f2 = f + f;
    const double moon = Lp + 0.1097598 * mp.s + 0.0037648 * mp2.s - 0.0032393 * m.s + 0.00071558 * (mp - m).s -
                        0.0005323 * (m + mp).s + 0.0114901 * d2.s + 0.0010263 * (d2 - mp2).s +
                        0.0009983 * (d2 - m - mp).s + 0.022233555 * (d2 - mp).s + 0.00093026 * (d2 + mp).s +
                        0.0008011 * (d2 - m).s - 0.00060582 * d.s + 0.000267 * (d2 - f2).s - 0.0019949 * f2.s -
                        0.000219 * (f2 + mp).s - 0.000192 * (f2 - mp).s;
    const double apogee = 1.4547885 + 71.0176866 * T - 0.000018 * T2 + kPi;
    const double meanNode = 2.1824392 - 33.7570446 * T + 0.000036 * T2;
    const double node = meanNode + 0.026470826 * (f2 - d2).s;
    return {ModAngle(moon, kTwoPi) * kRadToDeg, Normalize360(apogee * kRadToDeg), Normalize360(node * kRadToDeg),
            Normalize360(meanNode * kRadToDeg)};
}

}  // namespace quintara
