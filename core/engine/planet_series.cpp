#include "core/engine/planet_series.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <span>

#include "core/engine/angles.h"
#include "core/engine/series_table.h"

namespace quintara {
namespace {

using namespace series;

struct tArgDef {
    double Constant, Rate;  // revolutions and revolutions per day
};

// Ls .. F9 in table order; D and Omega are derived.
constexpr tArgDef kArgDefs[kArgCount] = {
    {0.779072, 0.00273790931}, {0.993126, 0.0027377785},                          // Ls Gs
    {0.606434, 0.03660110129}, {0.374897, 0.03629164709}, {0.259091, 0.0367481952}, // Lm l F
    {0, 0}, {0, 0},                                                               // D Omega
    {0.700695, 0.011367714}, {0.485541, 0.01136759566}, {0.566441, 0.01136762384},
    {0.505498, 0.00445046867}, {0.140023, 0.00445036173}, {0.292498, 0.00445040017},
    {0.987353, 0.00145575328}, {0.053856, 0.00145561327}, {0.849694, 0.00145569465},
    {0.089608, 0.00023080893}, {0.056531, 0.00023080893},
    {0.133295, 0.00009294371}, {0.882987, 0.00009294371},
    {0.870169, 0.00003269438}, {0.400589, 0.00003269438}, {0.664614, 0.00003265562},
    {0.846912, 0.00001672092}, {0.725368, 0.00001672092}, {0.480856, 0.00001663715},
    {0.663854, 0.00001115482}, {0.04102, 0.00001104864}, {0.357355, 0.00001104864},
};

// Mean longitude argument of each body (index 0 = Sun).
constexpr tArg kMeanLongitude[10] = {Ls, Lm, L1, L2, L4, L5, L6, L7, L8, L9};

constexpr int kMaxMultiple = 20;
constexpr int kSpan = 2 * kMaxMultiple + 1;  // multiples -kMaxMultiple..kMaxMultiple

// Largest multiple of each argument over a list of terms.
constexpr void NoteMultiples(std::array<int, kArgCount>& m, std::span<const tSeriesTerm> terms)
{
    for (const tSeriesTerm& t : terms)
        for (int i = 0; i < t.Count; ++i) {
            const int k = t.Args[i].Multiple < 0 ? -t.Args[i].Multiple : t.Args[i].Multiple;
            if (k > m[t.Args[i].Arg]) m[t.Args[i].Arg] = k;
        }
}

constexpr std::array<std::array<int, kArgCount>, 10> MaxMultiples()
{
    std::array<std::array<int, kArgCount>, 10> all{};
    for (int b = 0; b < 10; ++b) {
        NoteMultiples(all[b], kBodySeries[b].dL);
        NoteMultiples(all[b], kBodySeries[b].B);
        if (b != 1) NoteMultiples(all[b], kBodySeries[b].R);  // the Moon's R is unused
    }
    return all;
}

constexpr auto kMaxMultiples = MaxMultiples();
static_assert([] {
    for (const auto& body : kMaxMultiples)
        for (int k : body)
            if (k > kMaxMultiple) return false;
    return true;
}());

// A term in the form the evaluation wants: the function chosen by which
// coefficient is non-zero (no branch), arguments as offsets into the table
// of powers.
struct tFlatTerm {
    double cosCoeff = 0.0, sinCoeff = 0.0, constCoeff = 0.0;
    std::uint16_t index[4] = {};
    std::uint8_t tauPower = 0, count = 0;
};

enum tQuantity { kDL, kB, kR };

constexpr std::size_t TotalTerms()
{
    std::size_t n = 0;
    for (const tBodySeries& b : kBodySeries) n += b.dL.size() + b.B.size() + b.R.size();
    return n;
}

struct tFlatSeries {
    std::array<tFlatTerm, TotalTerms()> terms;
    // Series of body b, quantity q is 3b + q; its terms of c arguments start
    // at start[3b + q][c] and end where those of c + 1 start.
    std::array<std::array<std::uint16_t, 6>, 31> start;

    std::span<const tFlatTerm> Of(int body, tQuantity q, int count) const
    {
        const auto& s = start[3 * body + q];
        return {terms.data() + s[count], terms.data() + s[count + 1]};
    }
};

constexpr tFlatSeries Flatten()
{
    tFlatSeries out{};
    std::size_t n = 0;
    for (int b = 0; b < 10; ++b) {
        const std::span<const tSeriesTerm> lists[3] = {
            kBodySeries[b].dL, kBodySeries[b].B, kBodySeries[b].R};
        for (int q = 0; q < 3; ++q) {
            // Grouped by argument count, each group summed by its own loop.
            for (int count = 0; count <= 4; ++count) {
                out.start[3 * b + q][count] = static_cast<std::uint16_t>(n);
                for (const tSeriesTerm& t : lists[q]) {
                    if (t.Count != count) continue;
                    tFlatTerm& f = out.terms[n++];
                    if (t.Func == kCos) f.cosCoeff = t.Coeff;
                    else if (t.Func == kSin) f.sinCoeff = t.Coeff;
                    else f.constCoeff = t.Coeff;
                    f.tauPower = t.TFactor;
                    f.count = t.Count;
                    for (int i = 0; i < t.Count; ++i)
                        f.index[i] = static_cast<std::uint16_t>(
                            t.Args[i].Arg * kSpan + kMaxMultiple + t.Args[i].Multiple);
                }
            }
            out.start[3 * b + q][5] = static_cast<std::uint16_t>(n);
        }
    }
    return out;
}

constexpr tFlatSeries kFlat = Flatten();

// Two moments side by side, one per lane: the next-day pass of the
// retrograde flags costs little more than the pass itself.
using tPair = double __attribute__((vector_size(16)));

template <class V> constexpr int kLanes = sizeof(V) / sizeof(double);

inline double GetLane(double v, int) { return v; }
inline double GetLane(tPair v, int n) { return v[n]; }
inline void SetLane(double& v, int, double x) { v = x; }
inline void SetLane(tPair& v, int n, double x) { v[n] = x; }

template <class V> struct tComplex {
    V re, im;
};

// cos and sin of k x argument for every argument and k = -kMaxMultiple..
// kMaxMultiple, by the multiple-angle recurrence: one sin/cos pair per
// argument instead of one per term.
template <class V>
class tArgPowers {
public:
    static constexpr int L = kLanes<V>;

    // A lane one day after the previous lane turns that lane's first powers
    // by each argument's daily motion instead of calling sin and cos again.
    void Set(const double julianDay[L], const std::array<int, kArgCount>& need)
    {
        for (int n = 0; n < L; ++n) SetValues(value[n], julianDay[n]);
        for (int a = 0; a < kArgCount; ++a) {
            if (need[a] == 0) continue;
            V c{}, s{};
            for (int n = 0; n < L; ++n) {
                if (n > 0 && julianDay[n] == julianDay[n - 1] + 1.0) {
                    const double c0 = GetLane(c, n - 1), s0 = GetLane(s, n - 1);
                    const tComplex<double>& t = DailyTurn()[a];
                    SetLane(c, n, c0 * t.re - s0 * t.im);
                    SetLane(s, n, c0 * t.im + s0 * t.re);
                } else {
                    double sv, cv;
                    SinCos(value[n][a], sv, cv);
                    SetLane(c, n, cv);
                    SetLane(s, n, sv);
                }
            }
            Fill(a, need[a], c, s);
        }
    }

    double Value(int lane, tArg a) const { return value[lane][a]; }
    const tComplex<V>* Powers() const { return power; }

private:
    static const std::array<tComplex<double>, kArgCount>& DailyTurn()
    {
        static const std::array<tComplex<double>, kArgCount> turn = [] {
            std::array<tComplex<double>, kArgCount> t{};
            double rate[kArgCount];
            for (int a = 0; a < kArgCount; ++a) rate[a] = kTwoPi * kArgDefs[a].Rate;
            rate[D] = rate[Lm] - rate[Ls];
            rate[Omega] = rate[Lm] - rate[F];
            for (int a = 0; a < kArgCount; ++a) t[a] = {std::cos(rate[a]), std::sin(rate[a])};
            return t;
        }();
        return turn;
    }

    static void SetValues(double v[kArgCount], double julianDay)
    {
        const double d = julianDay - 2451545.0;
        for (int a = 0; a < kArgCount; ++a)
            v[a] = ModRevolution(kArgDefs[a].Constant + kArgDefs[a].Rate * d);
        v[D] = v[Lm] - v[Ls];
        v[Omega] = v[Lm] - v[F];
    }

    // Multiples -k..k of argument a from its cosine and sine.
    void Fill(int a, int k, V c, V s)
    {
        tComplex<V>* p = power + a * kSpan + kMaxMultiple;
        p[0] = {c * 0.0 + 1.0, s * 0.0};
        p[1] = {c, s};
        p[-1] = {c, -s};
        for (int j = 2; j <= k; ++j) {
            p[j] = {p[j - 1].re * c - p[j - 1].im * s, p[j - 1].re * s + p[j - 1].im * c};
            p[-j] = {p[j].re, -p[j].im};
        }
    }

    double value[L][kArgCount];
    tComplex<V> power[kArgCount * kSpan];
};

// Sum of coefficient x tau^k x func(argument) over terms of Count
// arguments each, per lane.
template <class V, int Count>
V SumGroup(std::span<const tFlatTerm> terms, const tComplex<V>* powers, const V tauPow[3])
{
    V total{};
    for (const tFlatTerm& t : terms) {
        V x{}, y{};
        if constexpr (Count == 0) {
            x += 1.0;
        } else {
            x = powers[t.index[0]].re;
            y = powers[t.index[0]].im;
        }
        for (int i = 1; i < Count; ++i) {
            const tComplex<V>& p = powers[t.index[i]];
            const V nx = x * p.re - y * p.im;
            y = x * p.im + y * p.re;
            x = nx;
        }
        total += tauPow[t.tauPower] * (t.cosCoeff * x + t.sinCoeff * y + t.constCoeff);
    }
    return total;
}

template <class V>
V Sum(int body, tQuantity q, const tComplex<V>* powers, const V tauPow[3])
{
    return SumGroup<V, 0>(kFlat.Of(body, q, 0), powers, tauPow) + SumGroup<V, 1>(kFlat.Of(body, q, 1), powers, tauPow) +
           SumGroup<V, 2>(kFlat.Of(body, q, 2), powers, tauPow) + SumGroup<V, 3>(kFlat.Of(body, q, 3), powers, tauPow) +
           SumGroup<V, 4>(kFlat.Of(body, q, 4), powers, tauPow);
}

constexpr std::array<int, kArgCount> Needed(unsigned mask)
{
    std::array<int, kArgCount> need{};
    for (int b = 0; b < 10; ++b)
        if (mask & (1u << (b + 1)))
            for (int a = 0; a < kArgCount; ++a)
                if (kMaxMultiples[b][a] > need[a]) need[a] = kMaxMultiples[b][a];
    return need;
}

// Arctangent with the quadrant taken from the sign of x, as the theory's
// assembly does it, guarded against a zero denominator.
double QuadrantAtan(double num, double den)
{
    double a = std::atan(num / (den - (den == 0.0 ? 1e-9 : 0.0)));
    if (den < 0.0) a -= kPi;
    return a;
}

bool PlutoCorrected(double tau) { return tau > 0.0 && tau <= 1.0; }

// The correction's amount, degrees, wherever it is asked for.
double PlutoCorrection(double tau)
{
    return -(0.68 - tau) * 0.17 + 0.083 * std::sin((1.17 - tau - tau * tau) * 6.6) -
           0.018 * std::sin((0.02 - tau) * 16.5);
}

void CorrectPluto(double& longitude, double tau)
{
    if (PlutoCorrected(tau)) longitude += PlutoCorrection(tau);
}

struct tSunPosition {
    double x = 0.0, y = 0.0;  // AU, ecliptic of date
};

// What one lane (one moment) of an evaluation gives back; a null array is
// not asked for.
struct tLaneOut {
    double* longitudes = nullptr;     // [body], degrees
    double* latitudes = nullptr;      // [body], degrees
    tSunPosition* toward = nullptr;   // [body]: geocentric x, y of the planets 3..10
    unsigned longitudeMask = 0x7FEu;  // bodies whose longitude is wanted
};

// Degrees of body (1..10) from its summed series at one moment; the Sun's
// call records the vector the planets' call then uses.
void Place(int body, double meanLongitude, const double sum[3], double tau, tSunPosition& sun, const tLaneOut& out)
{
    const bool wantLongitude = out.longitudeMask & (1u << body);
    double lon = ModAngle(meanLongitude + sum[kDL] * kArcsecToRad, kTwoPi);
    double lat = sum[kB] * kArcsecToRad;
    if (body == 1 || body >= 3) {
        const double r = sum[kR] * 0.00001;
        double sinLat, cosLat, sinLon, cosLon;
        SinCos(lat, sinLat, cosLat);
        SinCos(lon, sinLon, cosLon);
        const double x = r * cosLat * cosLon, y = r * cosLat * sinLon;
        if (body == 1) {
            sun = {x, y};
        } else {
            const double gx = x + sun.x, gy = y + sun.y;  // geocentric
            if (out.toward) out.toward[body] = {gx, gy};
            if (wantLongitude) lon = ModAngle(QuadrantAtan(gy, gx), kTwoPi);
            if (out.latitudes) lat = QuadrantAtan(r * sinLat, std::sqrt(gx * gx + gy * gy));
        }
    }
    if (out.latitudes) out.latitudes[body] = lat * kRadToDeg;
    if (!wantLongitude) return;
    double& longitude = out.longitudes[body];
    longitude = lon * kRadToDeg;
    if (body == 10) {
        CorrectPluto(longitude, tau);
        longitude = Normalize360(longitude);
    }
}

// Bodies of mask at one moment per lane of V. The Sun must be in mask when
// any planet is: the planets' series are heliocentric.
template <class V>
void Evaluate(const double julianDay[], unsigned mask, const tLaneOut out[])
{
    constexpr int L = kLanes<V>;
    tArgPowers<V> args;
    static constexpr std::array<int, kArgCount> kAllBodies = Needed(0x7FEu);
    args.Set(julianDay, (mask & 0x7FEu) == 0x7FEu ? kAllBodies : Needed(mask));
    double tau[L];
    V tauPow[3];
    unsigned longitudes = 0;
    for (int n = 0; n < L; ++n) {
        tau[n] = (julianDay[n] - 2451545.0) / 36525.0 + 1.0;
        SetLane(tauPow[0], n, 1.0);
        SetLane(tauPow[1], n, tau[n]);
        SetLane(tauPow[2], n, tau[n] * tau[n]);
        longitudes |= out[n].longitudeMask;
    }
    const bool moonLongitude = longitudes & (1u << 2);
    tSunPosition sun[L];
    for (int body = 1; body <= 10; ++body) {
        if (!(mask & (1u << body))) continue;
        const V dL = body == 2 && !moonLongitude ? V{} : Sum<V>(body - 1, kDL, args.Powers(), tauPow);
        const V B = Sum<V>(body - 1, kB, args.Powers(), tauPow);
        const V R = body == 2 ? V{} : Sum<V>(body - 1, kR, args.Powers(), tauPow);  // Moon's R unused
        for (int n = 0; n < L; ++n) {
            const double sum[3] = {GetLane(dL, n), GetLane(B, n), GetLane(R, n)};
            Place(body, args.Value(n, kMeanLongitude[body - 1]), sum, tau[n], sun[n], out[n]);
        }
    }
}

}  // namespace

void PlanetSeriesMask(double longitudes[], double latitudes[], unsigned mask, double julianDay)
{
    const tLaneOut out[1] = {{longitudes, latitudes}};
    Evaluate<double>(&julianDay, mask | 1u << 1, out);
}

void PlanetSeriesWithMotion(double longitudes[], double latitudes[], bool retrograde[], double julianDay)
{
    // The next day's directions of the planets tell their motion without an
    // arctangent; only Pluto's longitude, which a correction moves, is
    // compared as a longitude.
    const double moments[2] = {julianDay, julianDay + 1.0};
    double later[11] = {};
    tSunPosition now[11], next[11];
    const tLaneOut out[2] = {{longitudes, latitudes, now, 0x7FEu & ~(1u << 2)}, {later, nullptr, next, 1u << 10}};
    Evaluate<tPair>(moments, 0x7FEu, out);
    for (int n = 3; n <= 9; ++n) retrograde[n] = now[n].x * next[n].y - now[n].y * next[n].x < 0.0;
    // The correction ends at J2000.0 with a jump of 0.1 degree: the later
    // position is compared under the rule of the present moment, or the
    // jump would read as motion.
    const double tauNow = (julianDay - 2451545.0) / 36525.0 + 1.0, tauLater = tauNow + 1.0 / 36525.0;
    if (PlutoCorrected(tauNow) != PlutoCorrected(tauLater))
        later[10] = Normalize360(later[10] + (PlutoCorrected(tauNow) ? 1.0 : -1.0) * PlutoCorrection(tauLater));
    retrograde[10] = AngleStep(longitudes[10], later[10]) < 0.0;
}

void PlanetSeries(double longitudes[], double latitudes[], int body, double julianDay)
{
    if (body == 0) PlanetSeriesMask(longitudes, latitudes, 0x7FEu, julianDay);
    else if (body >= 1 && body <= 10) PlanetSeriesMask(longitudes, latitudes, 1u << body, julianDay);
}

}  // namespace quintara
