#include "core/chart/house_membership.h"

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"

namespace quintara {

double HouseStart(const tChart& chart, int n, const tHouseRule& rule)
{
    const double cusp = chart.HouseCusp(n);
    double w = rule.HouseOrb;
    if (rule.HouseCentered) w = Normalize360(cusp - chart.HouseCusp(n == 1 ? 12 : n - 1)) / 2.0;
    double start = cusp - w;
    if (start < 0.0) start += 360.0;
    return start;
}

int HouseOfPosition(const tChart& chart, double p, const tHouseRule& rule)
{
    if (chart.HouseType == kTimeUnknown) return -1;
    double s1 = HouseStart(chart, 1, rule);
    double s2 = HouseStart(chart, 2, rule);
    for (int n = 1; n <= 12; ++n) {
        if (s1 < s2 ? (s1 < p && p < s2) : (s1 > s2 && (p > s1 || p < s2))) return n;
        s1 = s2;
        s2 = HouseStart(chart, (n + 1) % 12 + 1, rule);
    }
    return -1;
}

int HouseOf(const tChart& chart, int body, const tHouseRule& rule)
{
    if (!chart.FindBody(body)) return -1;
    return HouseOfPosition(chart, chart.BodyPosition(body), rule);
}

}  // namespace quintara
