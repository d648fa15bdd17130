#include "engine/planet_series.h"

#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/series_table.h"

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

// cos and sin of k x argument for k = 0..kMaxMultiple, built by the
// multiple-angle recurrence: one sin/cos pair per argument instead of one per term.
class tArgPowers {
public:
    tArgPowers(double julianDay, const std::array<int, kArgCount>& need)
    {
        const double d = julianDay - 2451545.0;
        double rad[kArgCount];
        for (int a = 0; a < kArgCount; ++a)
            rad[a] = ModRevolution(kArgDefs[a].Constant + kArgDefs[a].Rate * d);
        rad[D] = rad[Lm] - rad[Ls];
        rad[Omega] = rad[Lm] - rad[F];
        for (int a = 0; a < kArgCount; ++a) {
            value[a] = rad[a];
            const int k = need[a];
            if (k == 0) continue;
            const double c = std::cos(rad[a]), s = std::sin(rad[a]);
            re[a][0] = 1.0;
            im[a][0] = 0.0;
            re[a][1] = c;
            im[a][1] = s;
            for (int j = 2; j <= k; ++j) {
                re[a][j] = re[a][j - 1] * c - im[a][j - 1] * s;
                im[a][j] = re[a][j - 1] * s + im[a][j - 1] * c;
            }
        }
    }

    double Value(tArg a) const { return value[a]; }

    // Sum of coefficient x tau^k x func(argument) over the terms.
    double Sum(std::span<const tSeriesTerm> terms, double tau) const
    {
        const double tauPow[3] = {1.0, tau, tau * tau};
        double total = 0.0;
        for (const tSeriesTerm& t : terms) {
            double x = 1.0, y = 0.0;
            for (int i = 0; i < t.Count; ++i) {
                const int a = t.Args[i].Arg;
                const int m = t.Args[i].Multiple;
                const double pr = re[a][m < 0 ? -m : m];
                const double pi = m < 0 ? -im[a][-m] : im[a][m];
                const double nx = x * pr - y * pi;
                y = x * pi + y * pr;
                x = nx;
            }
            const double f = t.Func == kSin ? y : t.Func == kCos ? x : 1.0;
            total += t.Coeff * tauPow[t.TFactor] * f;
        }
        return total;
    }

private:
    double value[kArgCount];
    double re[kArgCount][kMaxMultiple + 1];
    double im[kArgCount][kMaxMultiple + 1];
};

std::array<int, kArgCount> Needed(unsigned mask)
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

void CorrectPluto(double& longitude, double tau)
{
    if (!(tau > 0.0 && tau <= 1.0)) return;
    longitude -= (0.68 - tau) * 0.17;
    longitude += 0.083 * std::sin((1.17 - tau - tau * tau) * 6.6);
    longitude -= 0.018 * std::sin((0.02 - tau) * 16.5);
}

}  // namespace

void PlanetSeriesMask(double longitudes[], double latitudes[], unsigned mask, double julianDay)
{
    mask |= 1u << 1;
    const tArgPowers args(julianDay, Needed(mask));
    const double tau = (julianDay - 2451545.0) / 36525.0 + 1.0;
    double sunX = 0.0, sunY = 0.0;
    for (int body = 1; body <= 10; ++body) {
        if (!(mask & (1u << body))) continue;
        const tBodySeries& s = kBodySeries[body - 1];
        const double dL = args.Sum(s.dL, tau);
        const double B = args.Sum(s.B, tau);
        double lon = ModAngle(args.Value(kMeanLongitude[body - 1]) + dL * kArcsecToRad, kTwoPi);
        double lat = B * kArcsecToRad;
        if (body == 1) {
            const double r = args.Sum(s.R, tau) * 0.00001;
            sunX = r * std::cos(lat) * std::cos(lon);
            sunY = r * std::cos(lat) * std::sin(lon);
        } else if (body >= 3) {
            const double r = args.Sum(s.R, tau) * 0.00001;
            const double x = r * std::cos(lat) * std::cos(lon) + sunX;
            const double y = r * std::cos(lat) * std::sin(lon) + sunY;
            const double z = r * std::sin(lat);
            lon = QuadrantAtan(y, x);
            lat = QuadrantAtan(z, std::hypot(x, y));
            lon = ModAngle(lon, kTwoPi);
        }
        longitudes[body] = lon * kRadToDeg;
        latitudes[body] = lat * kRadToDeg;
        if (body == 10) {
            CorrectPluto(longitudes[body], tau);
            longitudes[body] = Normalize360(longitudes[body]);
        }
    }
}

void PlanetSeries(double longitudes[], double latitudes[], int body, double julianDay)
{
    if (body == 0) PlanetSeriesMask(longitudes, latitudes, 0x7FEu, julianDay);
    else if (body >= 1 && body <= 10) PlanetSeriesMask(longitudes, latitudes, 1u << body, julianDay);
}

}  // namespace quintara
