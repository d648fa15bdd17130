// The reference tables the build made, opened with a chart file of the
// test's own, and charts placed at their localities.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/data/data_module.h"
#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

namespace quintara::test {

// Nothing when the tables have not been built (the caller skips). The
// tables are the build's own seed: for reading; a test that writes to
// them seeds a home of its own.
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

// A place, a local date and hour, and the zone the lookup must find there
// (and be sure of).
struct tAdjustCase {
    const char* place;
    int y, m, d, h;
    double adjust;
};

inline void ExpectAdjusts(TData1& data, std::initializer_list<tAdjustCase> cases)
{
    for (const tAdjustCase& k : cases) {
        tChart c;
        PlaceChart(c, data, k.place, k.y, k.m, k.d, k.h);
        ASSERT_NE(c.Country, 0) << k.place;
        EXPECT_TRUE(data.FindAdjust(c)) << k.place << " " << k.y << "-" << k.m << "-" << k.d;
        EXPECT_NEAR(c.Adjust, k.adjust, 1e-6) << k.place << " " << k.y << "-" << k.m << "-" << k.d;
    }
}

}  // namespace quintara::test
