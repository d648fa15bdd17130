// The charts last opened or saved in a home, newest first, kept in its
// settings file ("RecentCharts": 1=index|name ... up to kRecentCharts).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/profile_file.h"

namespace quintara {

inline constexpr int kRecentCharts = 9;

struct tRecentChart {
    std::int32_t index = 0;  // the chart file's Index
    std::string name;        // as shown in the menu
};

std::vector<tRecentChart> RecentCharts(const tProfileFile& settings);
// chart first, once; the oldest beyond kRecentCharts dropped; written.
bool RememberChart(tProfileFile& settings, const tRecentChart& chart);

}  // namespace quintara
