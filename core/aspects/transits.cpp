#include "core/aspects/transits.h"

#include <algorithm>
#include <tuple>

#include "core/aspects/aspects.h"

namespace quintara {

double SignedAspectAngle(int index)
{
    static constexpr double kAngles[21] = {360.0, 60.0, 90.0, 120.0, 180.0, 30.0, 45.0,
                                           72.0, 135.0, 150.0, 144.0, 360.0 / 7, 720.0 / 7, 1080.0 / 7,
                                           40.0, 80.0, 160.0, 108.0, 36.0, 22.5, 18.0};
    if (index < 1 || index > 42) return 0.0;
    if (index == 1) return 0.0;
    const double a = kAngles[AspectTypeOfIndex(index) - 1];
    return index % 2 ? -a : a;
}

bool CompareTransits(const tTransitEvent& a, const tTransitEvent& b)
{
    // By the moment itself: within a day the list must read in time order.
    return std::tie(a.Moment, a.Transiting, a.Natal) < std::tie(b.Moment, b.Transiting, b.Natal);
}

namespace {

std::uint64_t AddKey(const tTransitEvent& e)
{
    const auto day = static_cast<std::uint64_t>((e.Exact.year * 16 + e.Exact.month) * 32 + e.Exact.day);
    return day << 24 | std::uint64_t{e.Transiting} << 16 | std::uint64_t{e.Natal} << 8 | e.AspectIndex;
}

}  // namespace

std::size_t tTransitsCollection::Add(const tTransitEvent& e)
{
    const auto [at, added] = byKey.try_emplace(AddKey(e), items.size());
    if (added) items.push_back(e);
    return at->second;
}

void tTransitsCollection::Clear()
{
    items.clear();
    byKey.clear();
    EphemerisNote.clear();
}

void tTransitsCollection::Sort()
{
    std::stable_sort(items.begin(), items.end(), CompareTransits);
    for (std::size_t i = 0; i < items.size(); ++i) byKey[AddKey(items[i])] = i;
}

void ScoreTransits(tTransitsCollection& events, const tOrbTable& natalOrbs)
{
    for (tTransitEvent& e : events.items) e.Score = TransitScore(natalOrbs, e.Transiting, e.Natal, e.AspectIndex);
}

}  // namespace quintara
