// FindAdjust on the real tables against offsets read from the IANA
// database by an independent reader (Python's zoneinfo; see
// tools/make_zone_pairs.py). Skipped when the tables have not been built.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "core/data/data_module.h"
#include "core/engine/angles.h"
#include "core/platform/atomic_file.h"
#include "support/seed_data.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

TEST(ZoneAccuracy, AgreesWithTheIanaDatabase)
{
    const std::string seed = QUINTARA_SEED_DIR;
    if (!FileExists(JoinPath(seed, kCityFile)) || !FileExists(JoinPath(seed, kTime2File)))
        GTEST_SKIP() << "reference tables not built";
    test::tTempDir dir;
    TData1 data(seed, dir.File("chart.db"));
    tTable& cities = data.CityTable();
    std::ifstream in(std::string(QUINTARA_FIXTURES) + "/zone_pairs.tsv");
    ASSERT_TRUE(in);
    std::map<std::string, std::pair<int, int>> byClass;  // class -> (agree, total)
    std::map<std::string, int> misses;                   // zone -> disagreements in plain cases
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream f(line);
        std::string index, name, zone, kind;
        int y, mo, d, h, mi, expected;
        std::getline(f, index, '\t');
        std::getline(f, name, '\t');
        std::getline(f, zone, '\t');
        f >> y >> mo >> d >> h >> mi >> expected >> kind;
        ASSERT_TRUE(cities.Locate({"INDEX"}, {std::int64_t{std::stoll(index)}})) << index;
        ASSERT_EQ(name.rfind(cities.Text("CITY"), 0), 0u) << name;
        tChart c;
        c.Country = static_cast<std::int32_t>(cities.Int("COUNTRY"));
        c.State = static_cast<std::int32_t>(cities.Int("STATE"));
        c.Longitude = cities.Real("LONGITUDE");
        c.Year = static_cast<std::uint16_t>(y);
        c.Month = static_cast<std::uint16_t>(mo);
        c.Day = static_cast<std::uint16_t>(d);
        c.Hour = static_cast<std::uint16_t>(h);
        c.Minute = static_cast<std::uint16_t>(mi);
        data.FindAdjust(c);
        const double east = -DegMinToDecimal(c.Adjust) * 60;
        const bool agree = std::fabs(east - expected) <= 1.0;
        auto& [good, all] = byClass[kind];
        good += agree;
        ++all;
        if (!agree && kind == "plain") {
            ++misses[zone];
            std::cout << "  differs: " << name << " (" << zone << ") " << y << "-" << mo << "-" << d << " " << h << ":"
                      << mi << " tables " << east << " min, IANA " << expected << " min\n";
        }
    }
    for (auto& [kind, counts] : byClass)
        std::cout << "zone agreement, " << kind << ": " << counts.first << " of " << counts.second << " ("
                  << 100.0 * counts.first / counts.second << "%)\n";
    const auto [good, all] = byClass["plain"];
    ASSERT_GT(all, 1000);
    EXPECT_GE(100.0 * good / all, 99.5);
}

// Changes of standard time late in the day, and a change of a whole day.
TEST(ZoneAccuracy, StandardTimeChangesTakeEffectAtTheirHour)
{
    test::tTempDir dir;
    const auto data = test::SeedData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    test::ExpectAdjusts(*data, {{"Pyongyang", 2018, 5, 4, 12, -8.30}, {"Pyongyang", 2018, 5, 5, 12, -9.00},
                           {"Singapore", 1981, 12, 31, 12, -7.30}, {"Singapore", 1982, 1, 1, 12, -8.00},
                           {"Apia", 2011, 12, 29, 12, 10.00}, {"Apia", 2011, 12, 31, 12, -14.00},
                           {"Apia", 2012, 3, 31, 12, -14.00}, {"Apia", 2012, 4, 2, 12, -13.00}});
}

}  // namespace
}  // namespace quintara
