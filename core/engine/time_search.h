// The one search for moments: where a function of time crosses zero, or
// turns. Every event search (returns, lunar phases, the sky's events,
// transits) states two things from the motion it follows and leaves the
// rest here:
//   step       the bracketing step: short enough that f crosses zero at
//              most once inside it, but for a turn (two crossings near an
//              extremum, which EachRoot looks for separately);
//   tolerance  how close to the moment the answer must be.
// Both are in the caller's unit of time (days or Julian centuries), and f
// is any continuous function of that time. An angular distance folded
// into half turns jumps by a whole turn where it wraps: the searches that
// walk take a jump bound that tells such a change of sign from a root.
#pragma once

#include <cmath>
#include <limits>

namespace quintara {

// The root in [a, b] of f, whose values fa = f(a) and fb = f(b) have
// opposite signs (or one is zero): false position with the Illinois
// halving, a bisection step whenever three steps fail to halve the
// bracket, and, once two estimates agree within half the tolerance, a
// probe a little less than the tolerance beyond the last one (false
// position then stands on one side of the root, very close to it). Ends
// when the bracket is narrower than tolerance: the answer lies within
// tolerance of a sign change of f.
template <class F>
double RootInBracket(const F& f, double a, double fa, double b, double fb, double tolerance)
{
    if (fa == 0) return a;
    if (fb == 0) return b;
    int side = 0;
    double previous = std::numeric_limits<double>::quiet_NaN();
    // Into the bracket at t, keeping its ends of opposite signs.
    const auto cut = [&](double t, double ft) {
        if ((ft > 0) == (fb > 0)) b = t, fb = ft;
        else a = t, fa = ft;
    };
    double span = b - a;  // the bracket three steps back
    for (int k = 0; k < 200 && b - a > tolerance; ++k) {
        double c = (a * fb - b * fa) / (fb - fa);
        // Half a tolerance inside the ends at least: an estimate at an end
        // would not narrow the bracket.
        if (!(c >= a + tolerance / 2)) c = a + tolerance / 2;
        if (!(c <= b - tolerance / 2)) c = b - tolerance / 2;
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
        if (std::fabs(c - previous) < tolerance / 2 && b - a > tolerance) {
            const double p = c == a ? a + 0.9 * tolerance : b - 0.9 * tolerance;
            const double fp = f(p);
            if (fp == 0) return p;
            cut(p, fp);
            side = 0;
        }
        previous = c;
        if (k % 3 != 2) continue;
        if (b - a > span / 2) {
            const double m = 0.5 * (a + b), fm = f(m);
            if (fm == 0) return m;
            cut(m, fm);
            side = 0;
        }
        span = b - a;
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
// A change of sign by more than jump (an angle folded into half turns
// wrapping round) is not a moment. Returns the number of moments.
template <class F, class G>
int EachRoot(const F& f, double from, double to, double step, double tolerance, const G& found, double touch = 0,
             double jump = std::numeric_limits<double>::infinity())
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
            if (f0 != 0 && std::fabs(f1 - f0) <= jump) report(t0, f0, t1, f1);
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
// up to reach away (a change of sign by more than jump is passed over, as
// in EachRoot); NaN when there is none.
template <class F>
double RootNear(const F& f, double guess, double step, double reach, double tolerance,
                double jump = std::numeric_limits<double>::infinity())
{
    const double f0 = f(guess);
    if (f0 == 0) return guess;
    const auto crosses = [jump](double fa, double fb) {
        return ((fa < 0) != (fb < 0) || fb == 0) && std::fabs(fb - fa) <= jump;
    };
    double before = guess, fBefore = f0, after = guess, fAfter = f0;
    for (int k = 1; k * step <= reach + step / 2; ++k) {
        const double t1 = guess + k * step, f1 = f(t1);
        if (crosses(fAfter, f1)) return RootInBracket(f, after, fAfter, t1, f1, tolerance);
        after = t1, fAfter = f1;
        const double t2 = guess - k * step, f2 = f(t2);
        if (crosses(fBefore, f2)) return RootInBracket(f, t2, f2, before, fBefore, tolerance);
        before = t2, fBefore = f2;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace quintara
