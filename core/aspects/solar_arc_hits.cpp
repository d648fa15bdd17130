#include "core/aspects/solar_arc_hits.h"

#include <algorithm>
#include <cmath>

#include "core/aspects/transits.h"
#include "core/chart/directions.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/engine/time_search.h"

namespace quintara {

std::vector<tDirectionHit> SolarArcHits(const tChart& natal, double from, double to,
                                        const std::array<bool, 36>& aspects)
{
    std::vector<tDirectionHit> hits;
    if (!(to > from)) return hits;
    // The arc only grows (the Sun never turns back): each arc wanted is
    // met once, where the arc's own curve crosses it.
    const auto arc = [&](double t) { return SolarArc(natal, t); };
    const double arcFrom = arc(from), arcTo = arc(to);
    std::vector<int> bodies;
    for (int n = 1; n <= natal.BodyCount(); ++n) {
        const tPlanet* p = natal.BodyAt(n);
        if (p->TakesPartInAspects() && p->GetPosition() >= 0) bodies.push_back(p->Num);
    }
    constexpr double kMinute = 1.0 / 1440 / kDaysPerCentury;
    for (int index = 2; index <= 24; ++index) {
        if (index == 9 || !aspects[static_cast<std::size_t>(AspectTypeOfIndex(index) - 1)]) continue;
        for (int d : bodies)
            for (int n : bodies) {
                if (d == n && index == 2) continue;  // a body meets its own place at arc 0 only
                // The arc that brings d to the aspect point of n, the turn
                // nearest the span's arcs.
                double wanted = natal.BodyPosition(n) + SignedAspectAngle(index) - natal.BodyPosition(d);
                wanted = arcFrom + ModAngle(wanted - arcFrom, 360.0);
                if (wanted > arcTo) continue;
                const auto f = [&](double t) { return arc(t) - wanted; };
                const double t = RootInBracket(f, from, arcFrom - wanted, to, arcTo - wanted, kMinute);
                hits.push_back({d, n, index == 2 ? 1 : index, t, wanted});
            }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const tDirectionHit& a, const tDirectionHit& b) {
        return a.moment < b.moment;
    });
    return hits;
}

std::array<bool, 36> DirectionAspects(bool all)
{
    std::array<bool, 36> a{};
    for (std::size_t k = 0; k < (all ? 21u : 5u); ++k) a[k] = true;
    return a;
}

}  // namespace quintara
