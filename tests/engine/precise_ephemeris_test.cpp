#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <thread>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/precise_ephemeris.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

void Paris(tChart& c, int year)
{
    c.Year = static_cast<std::uint16_t>(year), c.Month = 6, c.Day = 1, c.Hour = 12, c.Minute = 0;
    c.Adjust = -1.00, c.Latitude = 48.52, c.Longitude = -2.20;
}

double Gap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// What the library is asked: its body numbers for ours, house letters for
// our codes (6 and 7 are each other's names there), its own files and speeds.
TEST(PreciseEphemeris, AsksTheLibraryTheRightQuestions)
{
    EXPECT_EQ(SwissBody(1), 0);    // Sun
    EXPECT_EQ(SwissBody(2), 1);    // Moon
    EXPECT_EQ(SwissBody(10), 9);   // Pluto
    EXPECT_EQ(SwissBody(11), 12);  // Lilith: the mean apogee
    EXPECT_EQ(SwissBody(12), 11);  // the true node
    EXPECT_EQ(SwissBody(25), 15);  // Chiron
    EXPECT_EQ(SwissBody(28), 19);  // Juno
    EXPECT_EQ(SwissBody(13), -1);
    EXPECT_EQ(SwissHouseSystem(0), 'P');
    EXPECT_EQ(SwissHouseSystem(2), 'R');
    EXPECT_EQ(SwissHouseSystem(6), 'O');
    EXPECT_EQ(SwissHouseSystem(7), 'M');
    EXPECT_EQ(SwissHouseSystem(8), 'T');
    EXPECT_EQ(SwissFlags(), 2 | 256);  // its data files, with speeds
}

class PreciseCharts : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PreciseEphemerisInstalled()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
    }
};

TEST_F(PreciseCharts, SwitchingMovesTheMoonByMinutesAndBackRestoresTheBuiltInExactly)
{
    tChart builtIn, precise, again;
    Paris(builtIn, 1950);
    CalcChart(builtIn);
    Paris(precise, 1950);
    precise.Ephemeris = tChart::kPrecise;
    CalcChart(precise);
    EXPECT_EQ(precise.EphemerisNote, "");
    const double moon = Gap(precise.BodyPosition(2), builtIn.BodyPosition(2)) * 60;
    EXPECT_GT(moon, 0.01);  // arc minutes: the theories differ ...
    EXPECT_LT(moon, 10.0);  // ... by minutes, not degrees
    for (int n = 1; n <= 24; ++n) EXPECT_LT(Gap(precise.BodyPosition(n), builtIn.BodyPosition(n)), 0.2) << n;
    Paris(again, 1950);
    again.Ephemeris = tChart::kPrecise;
    CalcChart(again);
    again.Ephemeris = tChart::kBuiltIn;
    CalcChart(again);
    for (int n = 1; n <= 28; ++n) EXPECT_EQ(again.BodyPosition(n), builtIn.BodyPosition(n)) << n;
    EXPECT_EQ(again.SiderealT, builtIn.SiderealT);
}

TEST_F(PreciseCharts, OutsideTheFilesTheChartIsBuiltInAndSaysSo)
{
    for (int year : {1700, 2450}) {
        tChart asked, builtIn;
        Paris(asked, year);
        asked.Ephemeris = tChart::kPrecise;
        CalcChart(asked);
        Paris(builtIn, year);
        CalcChart(builtIn);
        EXPECT_NE(asked.EphemerisNote.find("built-in positions shown"), std::string::npos) << year;
        for (int n = 1; n <= 28; ++n) EXPECT_EQ(asked.BodyPosition(n), builtIn.BodyPosition(n)) << n;
    }
}

// Mercury turned direct on 2 January 2024 near 03:08 UT: the flag follows the
// speed's sign on either side.
TEST_F(PreciseCharts, RetrogradeFlagsFollowTheSpeed)
{
    for (const auto& [hour, retro] : {std::pair{1, true}, std::pair{5, false}}) {
        tChart c;
        c.Ephemeris = tChart::kPrecise;
        c.Year = 2024, c.Month = 1, c.Day = 2, c.Hour = static_cast<std::uint16_t>(hour);
        CalcChart(c);
        tPreciseBody mercury;
        ASSERT_TRUE(PreciseBody(3, c.JulianDay, mercury));
        EXPECT_EQ(c.Retrograde(3), mercury.speed < 0);
        EXPECT_EQ(c.Retrograde(3), retro) << hour;
    }
}

// The library's state is per thread: a search's worker threads must read
// the folder named now, as the calling thread does.
TEST_F(PreciseCharts, EveryThreadReadsTheFolderNamedNow)
{
    test::tTempDir empty;
    const auto inThread = [] {
        bool answered = false;
        std::thread([&] {
            tPreciseBody b;
            answered = PreciseBody(2, 2451545.0, b);
        }).join();
        return answered;
    };
    EXPECT_TRUE(inThread());
    setenv("QUINTARA_EPHEMERIS_DIR", empty.Path().c_str(), 1);
    tPreciseBody b;
    EXPECT_FALSE(PreciseBody(2, 2451545.0, b));
    EXPECT_FALSE(inThread());
    unsetenv("QUINTARA_EPHEMERIS_DIR");
    EXPECT_TRUE(PreciseBody(2, 2451545.0, b));
    EXPECT_TRUE(inThread());
}

}  // namespace
}  // namespace quintara
