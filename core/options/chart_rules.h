// The settings every chart made or read follows, whatever its own fields.
#pragma once

#include <cstdint>

namespace quintara {

struct tChartRules {
    std::uint8_t ephemeris = 0;  // kBuiltInSource or kPreciseSource (ephemeris_service.h)
    bool meanNode = false;       // body 12 the mean node, not the true one
    bool fortuneBySect = false;  // the Part of Fortune reversed at night
};

}  // namespace quintara
