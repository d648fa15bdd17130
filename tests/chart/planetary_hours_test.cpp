#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/date_time.h"
#include "core/chart/planetary_hours.h"
#include "core/engine/body_numbers.h"
#include "core/engine/ephemeris_service.h"

namespace quintara {
namespace {

int ClockMinutes(double T, double adjust)
{
    const tDateTime t = LocalDateTime(T, adjust);
    return t.hour * 60 + t.minute;
}

// Paris on Friday 21 June 2024 (published: sunrise 05:47, sunset 21:58
// summer time): the day's first hour is Venus's, the night's first Mars's,
// and the next day begins with Saturn's; the day's hours are long, the
// night's short.
TEST(PlanetaryHours, ParisAtMidsummer)
{
    for (std::uint8_t source : {kBuiltInSource, kPreciseSource}) {
        if (source == kPreciseSource && !PreciseEphemerisInstalled()) continue;
        tPlanetaryDay d;
        std::string why;
        ASSERT_TRUE(PlanetaryHours(2024, 6, 21, -2.00, 48.51, -2.21, source, d, why)) << why;
        EXPECT_NEAR(ClockMinutes(d.sunrise, -2.00), 5 * 60 + 47, 2);
        EXPECT_NEAR(ClockMinutes(d.sunset, -2.00), 21 * 60 + 58, 2);
        EXPECT_EQ(d.dayRuler, 4);  // Venus
        ASSERT_EQ(d.hours.size(), 24u);
        EXPECT_EQ(d.hours[0].ruler, 4);
        EXPECT_EQ(d.hours[1].ruler, 3);   // then Mercury
        EXPECT_EQ(d.hours[12].ruler, 5);  // night: Mars
        EXPECT_FALSE(d.hours[12].day);
        const double dayHour = d.hours[0].to - d.hours[0].from, nightHour = d.hours[12].to - d.hours[12].from;
        EXPECT_GT(dayHour, 1.3 * nightHour);
        EXPECT_DOUBLE_EQ(d.hours[23].to, d.nextSunrise);
        tPlanetaryDay next;
        ASSERT_TRUE(PlanetaryHours(2024, 6, 22, -2.00, 48.51, -2.21, source, next, why));
        EXPECT_EQ(next.hours[0].ruler, 7);  // Saturday: Saturn, continuing the order
        EXPECT_NEAR(next.sunrise, d.nextSunrise, 1e-9);
    }
}

TEST(PlanetaryHours, NoneUnderTheMidnightSun)
{
    tPlanetaryDay d;
    std::string why;
    EXPECT_FALSE(PlanetaryHours(2024, 6, 21, -2.00, 69.39, -18.57, kBuiltInSource, d, why));  // Tromsø
    EXPECT_NE(why.find("does not rise"), std::string::npos);
    EXPECT_TRUE(PlanetaryHours(2024, 3, 21, -1.00, 69.39, -18.57, kBuiltInSource, d, why)) << why;
}

}  // namespace
}  // namespace quintara
