// The two root steps every event search here shares: a bracketed root by
// false position, and a few Newton steps to settle a root found roughly.
// f is any function of one variable (a distance from a target, in the
// caller's units); the variable's unit is the caller's too.
#pragma once

#include <algorithm>
#include <cmath>

namespace quintara {

// False position with the Illinois halving on [a, b], whose ends have
// opposite signs (fa = f(a), fb = f(b)): a moment where |f| < tolerance,
// or the last estimate after 100 steps.
template <class F>
double FalsePosition(const F& f, double a, double fa, double b, double fb, double tolerance)
{
    int side = 0;
    double c = a;
    for (int k = 0; k < 100; ++k) {
        c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if (std::fabs(fc) < tolerance) break;
        if ((fc > 0) == (fb > 0)) {
            b = c, fb = fc;
            if (side == -1) fa /= 2;
            side = -1;
        } else {
            a = c, fa = fc;
            if (side == 1) fb /= 2;
            side = 1;
        }
    }
    return c;
}

// Up to four Newton steps from t on the slope over h, each at most
// maxStep long; a step that does not bring |f| down is undone. Lets every
// candidate of one crossing settle on the same moment.
template <class F>
double PolishRoot(const F& f, double t, double h, double maxStep)
{
    double ft = f(t);
    for (int k = 0; k < 4 && std::fabs(ft) > 1e-6; ++k) {
        const double slope = (f(t + h) - ft) / h;
        if (slope == 0) break;
        const double next = t - std::clamp(ft / slope, -maxStep, maxStep);
        const double fn = f(next);
        if (std::fabs(fn) >= std::fabs(ft)) break;
        t = next, ft = fn;
    }
    return t;
}

}  // namespace quintara
