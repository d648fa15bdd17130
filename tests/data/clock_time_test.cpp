// Clock times skipped or repeated by a change of zone, on the built tables.
#include <gtest/gtest.h>

#include "core/data/clock_time.h"
#include "core/data/data_module.h"
#include "support/seed_data.h"

namespace quintara {
namespace {

TEST(ClockTime, SkippedAndRepeatedHoursAreNamedWithBothZones)
{
    test::tTempDir dir;
    const auto data = test::SeedData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    const auto check = [&](const char* place, int y, int m, int d, int h, int mi) {
        tChart c;
        return CheckClockTime(*data, test::PlaceChart(c, *data, place, y, m, d, h, mi));
    };
    tClockTime t = check("Paris", 2024, 3, 31, 2, 30);
    EXPECT_EQ(t.kind, tClockTime::kSkipped);
    EXPECT_DOUBLE_EQ(t.adjustBefore, -1.0);
    EXPECT_DOUBLE_EQ(t.adjustAfter, -2.0);
    EXPECT_EQ(check("Paris", 2024, 3, 31, 1, 59).kind, tClockTime::kNormal);
    EXPECT_EQ(check("Paris", 2024, 3, 31, 3, 0).kind, tClockTime::kNormal);
    t = check("Paris", 2024, 10, 27, 2, 30);
    EXPECT_EQ(t.kind, tClockTime::kRepeated);
    EXPECT_DOUBLE_EQ(t.adjustBefore, -2.0);
    EXPECT_DOUBLE_EQ(t.adjustAfter, -1.0);
    EXPECT_EQ(check("Paris", 2024, 10, 27, 3, 0).kind, tClockTime::kNormal);
    EXPECT_EQ(check("New York City", 2024, 3, 10, 2, 15).kind, tClockTime::kSkipped);
    EXPECT_EQ(check("New York City", 2024, 11, 3, 1, 15).kind, tClockTime::kRepeated);
    EXPECT_EQ(check("New York City", 1955, 7, 4, 9, 0).kind, tClockTime::kNormal);
    // Samoa skipped the whole of 30 December 2011.
    EXPECT_EQ(check("Apia", 2011, 12, 30, 12, 0).kind, tClockTime::kSkipped);
}

}  // namespace
}  // namespace quintara
