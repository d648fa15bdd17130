#include "core/graphics/glyph_spread.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quintara {

namespace {

double Normal(double d)
{
    d = std::fmod(d, 360.0);
    return d < 0 ? d + 360.0 : d;
}

struct tGroup {
    std::size_t first = 0, count = 1;  // members in the unwrapped order
    double middle = 0;                 // mean of their exact angles
    double Start(double gap) const { return middle - gap * (static_cast<double>(count) - 1) / 2; }
    double End(double gap) const { return middle + gap * (static_cast<double>(count) - 1) / 2; }
};

// Joins the first two neighbours that would overlap, their members gap apart
// from start(group); false when none do. A joined group is centred on the
// mean of its members, so it can reach the next.
template <class Start>
bool JoinFirstOverlap(std::vector<tGroup>& groups, double gap, Start start)
{
    for (std::size_t g = 0; g + 1 < groups.size(); ++g) {
        const double end = start(groups[g]) + gap * (static_cast<double>(groups[g].count) - 1);
        if (end + gap <= start(groups[g + 1]) + 1e-9) continue;
        tGroup& a = groups[g];
        const tGroup& b = groups[g + 1];
        a.middle = (a.middle * static_cast<double>(a.count) + b.middle * static_cast<double>(b.count)) /
                   static_cast<double>(a.count + b.count);
        a.count += b.count;
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(g) + 1);
        return true;
    }
    return false;
}

}  // namespace

double RingGap(double width, double radius)
{
    if (radius <= 0) return 360;
    return std::min(360.0, 2 * std::asin(std::min(1.0, width / (2 * radius))) * 180 / 3.14159265358979323846);
}

std::vector<double> SpreadOnRing(const std::vector<double>& longitudes, double gap)
{
    const std::size_t n = longitudes.size();
    std::vector<double> out(n);
    if (n == 0) return out;
    if (n == 1 || gap <= 0) {
        for (std::size_t i = 0; i < n; ++i) out[i] = Normal(longitudes[i]);
        return out;
    }
    gap = std::min(gap, 360.0 / static_cast<double>(n));

    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::vector<double> at(n);
    for (std::size_t i = 0; i < n; ++i) at[i] = Normal(longitudes[i]);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return at[a] < at[b]; });

    // Unwrapped after the widest empty arc: no group straddles the seam
    // unless the ring is full.
    std::size_t start = 0;
    double widest = -1;
    for (std::size_t k = 0; k < n; ++k) {
        const double next = k + 1 < n ? at[order[k + 1]] : at[order[0]] + 360;
        if (next - at[order[k]] > widest) widest = next - at[order[k]], start = (k + 1) % n;
    }
    std::vector<double> angle(n);
    std::vector<std::size_t> who(n);
    for (std::size_t k = 0; k < n; ++k) {
        who[k] = order[(start + k) % n];
        angle[k] = at[who[k]] + (start + k >= n ? 360 : 0);
    }

    std::vector<tGroup> groups;
    for (std::size_t k = 0; k < n; ++k) groups.push_back({k, 1, angle[k]});
    // Join neighbours that would overlap until none do.
    for (bool merged = true; merged;) {
        merged = JoinFirstOverlap(groups, gap, [gap](const tGroup& g) { return g.Start(gap); });
        // The last and the first meet across the seam when the ring is crowded.
        if (!merged && groups.size() > 1) {
            const tGroup& last = groups.back();
            const tGroup& first = groups.front();
            if (last.End(gap) + gap > first.Start(gap) + 360 + 1e-9) {
                tGroup joined{last.first, last.count + first.count, 0};
                const double firstMiddle = first.middle + 360;
                joined.middle =
                    (last.middle * static_cast<double>(last.count) + firstMiddle * static_cast<double>(first.count)) /
                    static_cast<double>(joined.count);
                groups.pop_back();
                groups.erase(groups.begin());
                groups.push_back(joined);
                merged = true;
            }
        }
        if (groups.size() == 1) break;
    }
    for (const tGroup& g : groups)
        for (std::size_t m = 0; m < g.count; ++m) {
            const std::size_t k = (g.first + m) % n;
            out[who[k]] = Normal(g.Start(gap) + gap * static_cast<double>(m));
        }
    return out;
}

std::vector<double> SpreadOnLine(const std::vector<double>& values, double gap, double low, double high)
{
    const std::size_t n = values.size();
    std::vector<double> out(values);
    if (n == 0) return out;
    if (high - low < gap * static_cast<double>(n - 1)) gap = n > 1 ? (high - low) / static_cast<double>(n - 1) : 0;
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<tGroup> runs;
    for (std::size_t k = 0; k < n; ++k) runs.push_back({k, 1, std::clamp(values[order[k]], low, high)});
    // Each run within the ends, however its members would spread.
    const auto start = [&](const tGroup& r) {
        const double half = gap * (static_cast<double>(r.count) - 1) / 2;
        return std::clamp(r.middle - half, low, high - 2 * half);
    };
    while (JoinFirstOverlap(runs, gap, start)) {
    }
    for (const tGroup& r : runs)
        for (std::size_t m = 0; m < r.count; ++m) out[order[r.first + m]] = start(r) + gap * static_cast<double>(m);
    return out;
}

}  // namespace quintara
