// Everything computed from a chart follows the ephemeris the chart asked
// for: transits, returns, the sky's events, charts read from the file.
#include <gtest/gtest.h>

#include <cmath>

#include "core/aspects/aspects.h"
#include "core/aspects/sky_events.h"
#include "core/aspects/transit_search.h"
#include "core/chart/chart.h"
#include "core/chart/derived_charts.h"
#include "core/chart/returns.h"
#include "core/data/chart_file.h"
#include "core/data/data_module.h"
#include "core/data/schemas.h"
#include "core/engine/ephemeris_service.h"
#include "core/options/main_options.h"
#include "core/options/option_set.h"
#include "core/platform/atomic_file.h"
#include "support/birth.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

double Gap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

class PreciseFollowers : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PreciseEphemerisInstalled()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
        natal.Ephemeris = tChart::kPrecise;
        test::Birth(natal, 1990, 5, 17, 14, 30);
        ASSERT_EQ(natal.EphemerisNote, "");
    }

    tOptionRecord options = tOptionRecord::Defaults();
    tChart natal{&options.BirthSet};
};

// The built-in Moon is minutes of arc off the precise one: a search that
// kept to the built-in theory would miss these points by as much.
TEST_F(PreciseFollowers, TransitsAreExactInThePrecisePositions)
{
    tTransitRules rules;
    rules.SynastryOrbs = &options.SynastryOrbs;
    for (int k = 0; k < 12; ++k) rules.TransitAspects[static_cast<std::size_t>(k)] = true;
    natal.Year = 2026, natal.Month = 1, natal.Day = 1, natal.Hour = 0, natal.Minute = 0;
    tTransitsCollection found;
    ASSERT_TRUE(TransitSearch(natal, 2, 0x7fc, rules, found));
    EXPECT_EQ(found.EphemerisNote, "");
    tEphemerisService precise = tEphemerisService::Decided(kPreciseSource);
    int moon = 0;
    for (const tTransitEvent& e : found.Items()) {
        const double lon = precise.Longitude(e.Transiting, e.Moment);
        const double target = natal.BodyPosition(e.Natal) + SignedAspectAngle(e.AspectIndex);
        EXPECT_LT(Gap(lon, target), 0.003) << int(e.Transiting) << " to " << int(e.Natal);
        moon += e.Transiting == 2;
    }
    EXPECT_GT(moon, 20);
}

TEST_F(PreciseFollowers, ReturnsMeetTheNatalPointInThePrecisePositions)
{
    tChart solar(&options.BirthSet), lunar(&options.BirthSet);
    solar.Assign(natal);
    SolarReturn(natal, solar, 30);
    EXPECT_EQ(solar.EphemerisNote, "");
    EXPECT_LT(Gap(solar.BodyPosition(kSun), natal.BodyPosition(kSun)), 0.002);  // a minute of the Sun's motion
    lunar.Assign(natal);
    lunar.Year = 2026;
    LunarReturn(natal, lunar);
    EXPECT_LT(Gap(lunar.BodyPosition(kMoon), natal.BodyPosition(kMoon)), 0.02);  // a minute of the Moon's
}

// Found with the built-in theory and refined with the precise one: the
// moments are those of the precise positions, to a fraction of a second.
TEST_F(PreciseFollowers, LunarPhasesAreThoseOfThePrecisePositions)
{
    tChart c(&options.BirthSet);
    c.Assign(natal);
    const tPhaseResult r = LunarPhases(c);
    tEphemerisService precise = tEphemerisService::Decided(kPreciseSource);
    tChart builtIn(&options.BirthSet);
    builtIn.Assign(natal);
    builtIn.Ephemeris = tChart::kBuiltIn;
    const tPhaseResult rough = LunarPhases(builtIn);
    for (std::size_t i = 0; i < 9; ++i) {
        const double elongation = precise.Longitude(kMoon, r.centuries[i]) - precise.Longitude(kSun, r.centuries[i]);
        EXPECT_LT(Gap(elongation, 90.0 * static_cast<double>(i)), 1e-4) << "phase " << i;
        EXPECT_NEAR(r.moonLongitude[i], precise.Longitude(kMoon, r.centuries[i]), 1e-9);
        // The same phase as the built-in search found, minutes apart at most.
        EXPECT_NEAR(r.centuries[i], rough.centuries[i], 20.0 / 1440 / 36525) << "phase " << i;
    }
}

// The progressed Midheaven is the natal one turned by the solar arc, in the
// precise positions as cast.
TEST_F(PreciseFollowers, ProgressedAnglesMoveByTheSolarArc)
{
    tChart progressed(&options.BirthSet);
    progressed.Assign(natal);
    progressed.Year = 2026;
    ProgressChart(natal, progressed);
    const double arc = progressed.BodyPosition(kSun) - natal.BodyPosition(kSun);
    EXPECT_LT(Gap(progressed.HouseCusp(10), natal.HouseCusp(10) + arc), 1e-6);
    EXPECT_LT(Gap(progressed.HouseCusp(1), natal.HouseCusp(1)), 45.0);
}

// Mercury turned direct on 2 January 2024 at 03:08 UT (the almanacs); the
// built-in theory finds it minutes later.
TEST_F(PreciseFollowers, SkyEventsComeFromTheChosenEphemeris)
{
    const auto station = [](std::uint8_t ephemeris) {
        tSkyEventRules rules;
        rules.ingresses = rules.phases = rules.aspects = false;
        rules.ephemeris = ephemeris;
        for (const tSkyEvent& e : FindSkyEvents(2460311.5, 2460313.5, rules))
            if (e.kind == tSkyEvent::kStation && e.body == 3) return e.jd;
        return 0.0;
    };
    const double precise = station(tChart::kPrecise), builtIn = station(tChart::kBuiltIn);
    const double almanac = 2460311.5 + (3 + 8.0 / 60) / 24;
    EXPECT_NEAR(precise, almanac, 1.0 / 1440);
    EXPECT_GT(std::fabs(builtIn - precise), 2.0 / 1440);
}

// A calendar running past the data files' end is built-in from its first
// day, and says so, instead of changing theories on the way.
TEST(EphemerisChoice, ACalendarPastTheFilesIsBuiltInThroughout)
{
    if (!PreciseEphemerisInstalled()) GTEST_SKIP() << "Swiss Ephemeris data files not installed";
    const double from = 2597610.5, to = from + 60;  // 2399-12-01 to 2400-01-30
    EXPECT_NE(SkyEphemerisNote(from, to, tChart::kPrecise), "");
    EXPECT_EQ(SkyEphemerisNote(from - 400, from - 340, tChart::kPrecise), "");
    tSkyEventRules rules;
    rules.ephemeris = tChart::kPrecise;
    const std::vector<tSkyEvent> asked = FindSkyEvents(from, to, rules);
    rules.ephemeris = tChart::kBuiltIn;
    const std::vector<tSkyEvent> builtIn = FindSkyEvents(from, to, rules);
    ASSERT_EQ(asked.size(), builtIn.size());
    ASSERT_FALSE(asked.empty());
    for (std::size_t i = 0; i < asked.size(); ++i) EXPECT_EQ(asked[i].jd, builtIn[i].jd) << i;
}

// Stored positions stay as stored; a chart read back, and ReCalc, take the
// choice of the moment.
TEST(EphemerisChoice, ChartsReadFromTheFileFollowTheSetting)
{
    test::tTempDir dir;
    TData1 data(dir.Path(), dir.File("charts.db"), TData1::tChartFileMode::kCreate);
    tChart stored;
    test::Birth(stored, 1950, 6, 1, 12);
    tTable& t = data.ChartTable();
    t.Insert();
    data.WriteChart(stored);
    t.Post();
    TMainOptions settings(dir.Path());
    settings.Ephemeris = tChart::kBuiltIn;
    data.FollowSettings(&settings);
    EXPECT_EQ(data.OpenCurrentChart(nullptr)->Ephemeris, tChart::kBuiltIn);
    settings.Ephemeris = tChart::kPrecise;
    settings.MeanNode = settings.FortuneBySect = true;
    EXPECT_EQ(data.OpenCurrentChart(nullptr)->Ephemeris, tChart::kPrecise);
    const auto made = data.NewChart(nullptr, nullptr);
    EXPECT_EQ(made->Ephemeris, tChart::kPrecise);
    EXPECT_TRUE(made->MeanNode && made->FortuneBySect);
    if (!PreciseEphemerisInstalled()) return;
    const std::string moonField = PositionField('P', kMoon);
    EXPECT_EQ(t.RealOr(moonField), stored.BodyPosition(kMoon));
    RecalcCurrentChart(data, nullptr);
    tChart precise;
    precise.Ephemeris = tChart::kPrecise;
    test::Birth(precise, 1950, 6, 1, 12);
    EXPECT_NEAR(t.RealOr(moonField), precise.BodyPosition(kMoon), 1e-6);
    EXPECT_GT(Gap(t.RealOr(moonField), stored.BodyPosition(kMoon)), 0.001);
}

// An existing home keeps the built-in theory until its user switches; a new
// one starts precise where the data files are installed.
TEST(EphemerisChoice, NewHomesStartPreciseExistingOnesKeepTheirs)
{
    test::tTempDir fresh, existing;
    TMainOptions n(fresh.Path());
    n.ReadParameters();
    EXPECT_EQ(n.Ephemeris, PreciseEphemerisInstalled() ? 1 : 0);
    ASSERT_TRUE(n.WriteParameters());
    TMainOptions again(fresh.Path());
    again.ReadParameters();
    EXPECT_EQ(again.Ephemeris, n.Ephemeris) << "the choice is kept once written";
    ASSERT_TRUE(WriteFileAtomically(existing.File("Astro.ini"), "[Parameters]\nZodiac=1\n"));
    TMainOptions old(existing.Path());
    old.ReadParameters();
    EXPECT_EQ(old.Ephemeris, 0);
}

}  // namespace
}  // namespace quintara
