#include "core/options/recent_charts.h"

#include <charconv>

namespace quintara {
namespace {

constexpr const char* kSection = "RecentCharts";

}  // namespace

std::vector<tRecentChart> RecentCharts(const tProfileFile& settings)
{
    std::vector<tRecentChart> list;
    for (int k = 1; k <= kRecentCharts; ++k) {
        const std::string entry = settings.ReadString(kSection, std::to_string(k), "");
        const std::size_t bar = entry.find('|');
        tRecentChart r;
        const auto [end, ec] = std::from_chars(entry.data(), entry.data() + (bar == std::string::npos ? 0 : bar), r.index);
        if (bar == std::string::npos || ec != std::errc() || end != entry.data() + bar || r.index <= 0) continue;
        r.name = entry.substr(bar + 1);
        list.push_back(r);
    }
    return list;
}

bool RememberChart(tProfileFile& settings, const tRecentChart& chart)
{
    std::vector<tRecentChart> list{chart};
    for (const tRecentChart& r : RecentCharts(settings))
        if (r.index != chart.index && list.size() < static_cast<std::size_t>(kRecentCharts)) list.push_back(r);
    for (int k = 1; k <= kRecentCharts; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        settings.WriteString(kSection, std::to_string(k),
                             i < list.size() ? std::to_string(list[i].index) + "|" + list[i].name : std::string());
    }
    return settings.Flush();
}

}  // namespace quintara
