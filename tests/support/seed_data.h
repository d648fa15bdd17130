// The reference tables the build made, opened with a chart file of the
// test's own, and charts placed at their localities.
#pragma once

#include <memory>
#include <string>

#include "data/data_module.h"
#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace quintara::test {

// Nothing when the tables have not been built (the caller skips).
inline std::unique_ptr<TData1> SeedData(const tTempDir& dir)
{
    const std::string seed = QUINTARA_SEED_DIR;
    if (!FileExists(JoinPath(seed, kCityFile)) || !FileExists(JoinPath(seed, kTime2File))) return nullptr;
    return std::make_unique<TData1>(seed, dir.File("chart.db"));
}

// The chart placed at the best locality of that name, on a date and clock
// time; returns it.
inline tChart& PlaceChart(tChart& c, TData1& data, const std::string& place, int y, int m, int d, int h, int mi = 0)
{
    const auto found = data.FindLocalities(place, 1);
    if (!found.empty()) {
        c.Country = found[0].country;
        c.State = found[0].state;
        c.Longitude = found[0].longitude;
        c.Latitude = found[0].latitude;
    }
    c.Year = static_cast<std::uint16_t>(y);
    c.Month = static_cast<std::uint16_t>(m);
    c.Day = static_cast<std::uint16_t>(d);
    c.Hour = static_cast<std::uint16_t>(h);
    c.Minute = static_cast<std::uint16_t>(mi);
    return c;
}

}  // namespace quintara::test
