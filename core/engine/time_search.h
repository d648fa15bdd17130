// The one search for moments: where a function of time crosses zero, or
// turns. Every event search (returns, lunar phases, the sky's events,
// transits) states two things from the motion it follows and leaves the
// rest here:
//   step       the bracketing step: short enough that f crosses zero at
//              most once inside it, but for a turn (two crossings near an
//              extremum, which EachRoot looks for separately);
//   tolerance  how close to the moment the answer must be.
// Both are in the caller's unit of time (days or Julian centuries), and f
// is any continuous function of that time; angular distances must come
// folded so that f has no jump where it changes sign (AngleStep).
#pragma once

#include <cmath>
#include <limits>

namespace quintara {

// The root in [a, b] of f, whose values fa = f(a) and fb = f(b) have
// opposite signs (or one is zero): false position with the Illinois
// halving, falling back to a bisection step whenever a step fails to halve
// the bracket. The answer lies within tolerance of a sign change of f.
template <class F>
double RootInBracket(const F& f, double a, double fa, double b, double fb, double tolerance)
{
    if (fa == 0) return a;
    if (fb == 0) return b;
    int side = 0;
    for (int k = 0; k < 200 && b - a > tolerance; ++k) {
        const double width = b - a;
        double c = (a * fb - b * fa) / (fb - fa);
        // Never at an end, where a flat side would stall the bracket.
        if (!(c > a + tolerance / 4 && c < b - tolerance / 4)) c = 0.5 * (a + b);
        const double fc = f(c);
        if (fc == 0) return c;
        if ((fc > 0) == (fb > 0)) {
            b = c, fb = fc;
            if (side == -1) fa /= 2;
            side = -1;
        } else {
            a = c, fa = fc;
            if (side == 1) fb /= 2;
            side = 1;
        }
        if (b - a > width / 2 && k % 3 == 2) {
            // Slow convergence from one side: halve instead.
            const double m = 0.5 * (a + b), fm = f(m);
            if (fm == 0) return m;
            if ((fm > 0) == (fb > 0)) b = m, fb = fm;
            else a = m, fa = fm;
            side = 0;
        }
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
}

// The moment in [a, b] where f is least (golden section), to tolerance;
// near a flat extremum no better than about 1e-8 of its scale, where
// doubles can no longer tell the values apart.
// For a greatest value, pass -f.
template <class F>
double LeastIn(const F& f, double a, double b, double tolerance)
{
    constexpr double g = 0.6180339887498949;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    for (int k = 0; k < 200 && b - a > tolerance; ++k) {
        if (fc < fd) {
            b = d, d = c, fd = fc;
            c = b - g * (b - a), fc = f(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + g * (b - a), fd = f(d);
        }
    }
    return 0.5 * (a + b);
}

// Every moment in (from, to] where f changes sign, in time order:
// found(t, rising), rising when f goes from negative to positive; a zero
// at a sample counts once. f is sampled every step. With touch > 0, where
// |f| dips below touch between three samples without a change of sign
// (two crossings inside one step: a body turning near its target), the
// turn is found and both crossings are refined when f reaches zero there.
// Returns the number of moments.
template <class F, class G>
int EachRoot(const F& f, double from, double to, double step, double tolerance, const G& found, double touch = 0)
{
    if (!(to > from) || !(step > 0)) return 0;
    int count = 0;
    auto report = [&](double a, double fa, double b, double fb) {
        found(RootInBracket(f, a, fa, b, fb, tolerance), fb > fa);
        ++count;
    };
    double t0 = from, f0 = f(from);
    double tPrev = std::numeric_limits<double>::quiet_NaN(), fPrev = 0;
    while (t0 < to) {
        const double t1 = std::fmin(t0 + step, to), f1 = f(t1);
        if ((f0 < 0) != (f1 < 0) || f1 == 0) {
            if (f0 != 0) report(t0, f0, t1, f1);
        } else if (touch > 0 && std::fabs(f0) < touch && !std::isnan(tPrev) && (fPrev < 0) == (f0 < 0) &&
                   std::fabs(f0) < std::fabs(fPrev) && std::fabs(f0) < std::fabs(f1)) {
            const double sign = f0 > 0 ? 1 : -1;
            const double turn = LeastIn([&](double t) { return sign * f(t); }, tPrev, t1, tolerance);
            if (const double fTurn = f(turn); (fTurn < 0) != (f0 < 0)) {
                report(tPrev, fPrev, turn, fTurn);
                report(turn, fTurn, t1, f1);
            }
        }
        tPrev = t0, fPrev = f0;
        t0 = t1, f0 = f1;
    }
    return count;
}

// The root of f nearest guess, looked for in steps outward on both sides
// up to reach away; NaN when f keeps its sign there.
template <class F>
double RootNear(const F& f, double guess, double step, double reach, double tolerance)
{
    const double f0 = f(guess);
    if (f0 == 0) return guess;
    double before = guess, fBefore = f0, after = guess, fAfter = f0;
    for (double d = step; d <= reach + step / 2; d += step) {
        const double t1 = guess + d, f1 = f(t1);
        if ((f1 < 0) != (fAfter < 0) || f1 == 0) return RootInBracket(f, after, fAfter, t1, f1, tolerance);
        after = t1, fAfter = f1;
        const double t2 = guess - d, f2 = f(t2);
        if ((f2 < 0) != (fBefore < 0) || f2 == 0) return RootInBracket(f, t2, f2, before, fBefore, tolerance);
        before = t2, fBefore = f2;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace quintara
