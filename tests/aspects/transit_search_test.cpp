#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "core/aspects/aspects.h"
#include "core/aspects/transit_search.h"
#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/chart/returns.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/julian_day.h"
#include "core/engine/zodiac.h"
#include "core/options/option_set.h"
#include "support/birth.h"

namespace quintara {
namespace {

constexpr double kDay = 1.0 / 36525.0;
constexpr tBodyMask kMoonToPluto = 0x7fc;

double Fold90(double v)
{
    while (v > 90) v -= 360;
    while (v < -90) v += 360;
    return v;
}

// A natal chart with default option flags whose clock is then moved to the
// first day of a period, as the transits command prepares it.
struct tTransitFixture {
    tOptionRecord options = tOptionRecord::Defaults();
    tChart chart{&options.BirthSet};
    tTransitRules rules;
    mutable tChart scratch;

    explicit tTransitFixture(int zodiac = 0, int aspectTypes = 12)
    {
        test::Birth(chart, 1990, 5, 17, 14, 30, zodiac);
        chart.Year = 2026, chart.Month = 1, chart.Day = 1, chart.Hour = 0, chart.Minute = 0;
        rules.SynastryOrbs = &options.SynastryOrbs;
        for (int k = 0; k < aspectTypes; ++k) rules.TransitAspects[static_cast<std::size_t>(k)] = true;
    }
    double Start() const { return DaysFromJ2000(2026, 1, 1, 0.0) / 36525.0; }

    // The engine's longitude as a chart computed for T shows it.
    double Position(int body, double T) const
    {
        tChart& c = scratch;
        c.Zodiac = chart.Zodiac;
        c.Centuries = T;
        if (body == kVesta) return Normalize360(ChartEphemeris(c).Longitude(kVesta, T) - ChartAyanamsa(c, T));
        if (body >= kChiron) {
            CalcMinorBodies(c);  // in the chart's zodiac already
            return c.BodyPosition(body);
        }
        CalcBodies(c, body, T);
        ApplyZodiac(c);
        return c.BodyPosition(body);
    }
    double Target(const tTransitEvent& e) const
    {
        return chart.BodyPosition(e.Natal) + SignedAspectAngle(e.AspectIndex);
    }
};

double CenturiesOf(const tDateTime& t)
{
    return DaysFromJ2000(t.year, t.month, t.day, t.hour + t.minute / 100.0) / 36525.0;
}

TEST(CrossesTarget, DirectionWrapAndTolerance)
{
    EXPECT_EQ(CrossesTarget(10, 20, 15, 0), 1);
    EXPECT_EQ(CrossesTarget(20, 10, 15, 0), -1);
    EXPECT_EQ(CrossesTarget(10, 20, 25, 0), 0);
    EXPECT_EQ(CrossesTarget(10, 20, 20.2, 0.3), 1);  // widened at the far end
    EXPECT_EQ(CrossesTarget(10, 20, 9.8, 0.3), 1);   // and at the near end
    EXPECT_EQ(CrossesTarget(350, 5, 2, 0), 1);       // forwards over 0
    EXPECT_EQ(CrossesTarget(350, 5, 362, 0), 1);     // a target beyond a turn
    EXPECT_EQ(CrossesTarget(350, 5, -5, 0), 1);
    // Backwards over 0, the targets just above 0 and below 360 included.
    EXPECT_EQ(CrossesTarget(5, 355, 2, 0), -1);
    EXPECT_EQ(CrossesTarget(5, 355, 358, 0), -1);
    EXPECT_EQ(CrossesTarget(5, 355, -1, 0), -1);
    EXPECT_EQ(CrossesTarget(5, 355, 180, 0), 0);
}

// One event per day, bodies and aspect; the list reads in time order
// ("Moon Conjunction Mercury 04:41" before "Moon Opposition Moon 19:48").
TEST(TransitsCollection, SameDayBodiesAndAspectKeepTheFirstAndSortFollowsTheMoment)
{
    const auto at = [](tTransitEvent e, int hour) {
        e.Exact.hour = hour;
        e.Moment = (9559.0 + hour / 24.0) / 36525;  // 4 March 2026
        return e;
    };
    tTransitsCollection list;
    tTransitEvent a;
    a.Transiting = 5, a.Natal = 3, a.AspectIndex = 10, a.Exact = {2026, 3, 4, 20, 0};
    a = at(a, 20);
    tTransitEvent same = at(a, 2);
    same.Orb = 9;
    tTransitEvent otherAspect = a;
    otherAspect.AspectIndex = 6;
    tTransitEvent moonLate = at(a, 23), moonEarly = at(a, 4);
    moonLate.Transiting = moonEarly.Transiting = 2;
    moonLate.Natal = 2, moonEarly.Natal = 3, moonEarly.AspectIndex = 1;
    EXPECT_EQ(list.Add(a), 0u);
    EXPECT_EQ(list.Add(same), 0u);
    EXPECT_EQ(list.Items()[0].Orb, 0);
    EXPECT_EQ(list.Add(otherAspect), 1u);
    EXPECT_EQ(list.Add(moonLate), 2u);
    EXPECT_EQ(list.Add(moonEarly), 3u);
    list.Sort();
    std::vector<int> hours;
    for (const tTransitEvent& e : list.Items()) hours.push_back(e.Exact.hour);
    EXPECT_EQ(hours, (std::vector<int>{4, 20, 20, 23}));
    EXPECT_EQ(list.Items()[1].AspectIndex, 10);  // equal moments keep found order
    EXPECT_EQ(list.Add(a), 1u);                  // the key still finds it after sorting

    tOptionRecord o = tOptionRecord::Defaults();
    ScoreTransits(list, o.NatalOrbs);
    EXPECT_DOUBLE_EQ(list.Items()[1].Score, TransitScore(o.NatalOrbs, 5, 3, 10));
}

TEST(TransitSearch, StepFollowsTheFastestBody)
{
    EXPECT_EQ(TransitStepDays(0x780 | BodyBit(6)), 16);  // Jupiter to Pluto
    EXPECT_EQ(TransitStepDays(0x7c0 | BodyBit(2)), 1);
    EXPECT_EQ(TransitStepDays(BodyBit(4) | BodyBit(9)), 6);
    EXPECT_EQ(TransitStepDays(BodyBit(5)), 8);
}

TEST(TransitSearch, AspectIndexesOrbsAndPeriodEnds)
{
    tTransitFixture f;
    tTransitsCollection list;
    TransitSearch(f.chart, 12, kMoonToPluto, f.rules, list);
    ASSERT_GT(list.Count(), 3000u);
    const double T0 = f.Start() - kDay, T1 = T0 + 0.01 + 2 * kDay;
    int conjunctions = 0, oppositions = 0;
    for (const tTransitEvent& e : list.Items()) {
        EXPECT_NE(e.AspectIndex, 2);
        EXPECT_NE(e.AspectIndex, 9);
        EXPECT_LE(e.AspectIndex, 24);
        conjunctions += e.AspectIndex == 1;
        oppositions += e.AspectIndex == 10;
        if (e.AspectIndex == 1) {
            EXPECT_DOUBLE_EQ(e.Orb, 1.25);
        }
        EXPECT_GT(e.Moment, T0 + kDay);
        EXPECT_LT(e.Moment, T1 - kDay);
    }
    EXPECT_GT(conjunctions, 100);
    EXPECT_GT(oppositions, 100);
    for (std::size_t i = 1; i < list.Count(); ++i)
        EXPECT_FALSE(CompareTransits(list.Items()[i], list.Items()[i - 1])) << i;
}

TEST(TransitSearch, DefaultConjunctionOrbIsAQuarterOfTheTwoChartOrb)
{
    tTransitFixture f(0, 1);
    tTransitsCollection list;
    TransitSearch(f.chart, 2, BodyBit(2), f.rules, list);
    ASSERT_FALSE(list.Items().empty());
    for (const tTransitEvent& e : list.Items()) EXPECT_DOUBLE_EQ(e.Orb, 1.25);
}

// Every event lies where the chart engine puts the aspect, its begin and
// end where the distance is the orb, and a plain scan of the engine at
// ten-minute steps finds no exact aspect the search left out.
void CheckAgainstEngine(const tTransitFixture& f, const tTransitsCollection& list, tBodyMask bodies, int months,
                        double stepMinutes = 10)
{
    std::map<std::tuple<int, int, int>, std::vector<double>> moments;  // (body, natal, index) -> T
    for (const tTransitEvent& e : list.Items()) {
        const double target = f.Target(e);
        EXPECT_LT(std::fabs(Fold90(f.Position(e.Transiting, e.Moment) - target)), 0.01)
            << int(e.Transiting) << " " << int(e.AspectIndex) << " " << int(e.Natal) << " at " << e.Moment;
        // Begin and end are rounded to the minute: allow the body's motion in half a minute.
        for (const tDateTime* edge : {&e.Begin, &e.End}) {
            const double T = CenturiesOf(*edge);
            const double speed = std::fabs(Fold90(f.Position(e.Transiting, T + kDay / 1440) -
                                                  f.Position(e.Transiting, T)));
            EXPECT_NEAR(std::fabs(Fold90(f.Position(e.Transiting, T) - target)), e.Orb, 0.01 + speed / 2)
                << int(e.Transiting) << " " << int(e.AspectIndex) << " " << int(e.Natal) << " at " << e.Moment;
        }
        moments[{e.Transiting, e.Natal, e.AspectIndex}].push_back(e.Moment);
    }

    const double from = f.Start() + 2 * kDay, to = f.Start() + months / 1200.0 - 2 * kDay;
    const double step = kDay * stepMinutes / 1440;
    std::map<std::tuple<int, int, int>, std::vector<double>> scanned;
    for (int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, int(kChiron), int(kVesta)}) {
        if (!(bodies & BodyBit(b))) continue;
        double before = f.Position(b, from);
        for (double T = from + step; T < to; T += step) {
            const double now = f.Position(b, T);
            for (int i = 2; i <= 24; ++i) {
                if (i == 9 || !f.rules.TransitAspects[static_cast<std::size_t>((i + 1) / 2 - 1)]) continue;
                for (int n = 1; n <= 24; ++n) {
                    const tPlanet* p = f.chart.FindBody(n);
                    if (!p || !p->TakesPartInAspects()) continue;
                    const double target = f.chart.BodyPosition(n) + SignedAspectAngle(i);
                    const double d0 = Fold90(before - target), d1 = Fold90(now - target);
                    if ((d0 < 0) != (d1 < 0) && std::fabs(d0) < 10 && std::fabs(d1) < 10)
                        scanned[{b, n, i == 2 ? 1 : i}].push_back(T);
                }
            }
            before = now;
        }
    }
    // One event per crossing, both ways round. A body near a station keeps
    // within a hundredth of a degree for hours or days.
    auto speed = [&](int b, double T) { return std::fabs(Fold90(f.Position(b, T + kDay) - f.Position(b, T))); };
    const double least = std::max(1.0 / 24, stepMinutes / 1440);
    auto window = [&](int b, double T) { return std::clamp(0.02 / speed(b, T), least, 2.0) * kDay; };
    auto near = [](const std::vector<double>& list, double T, double within) {
        int count = 0;
        for (double m : list) count += std::fabs(m - T) < within;
        return count;
    };
    ASSERT_FALSE(scanned.empty());
    for (const auto& [key, list] : scanned)
        for (double T : list)
            EXPECT_GE(near(moments[key], T, window(std::get<0>(key), T)), 1)
                << "body " << std::get<0>(key) << " index " << std::get<2>(key) << " natal " << std::get<1>(key)
                << " near " << T;
    for (const auto& [key, list] : moments)
        for (double T : list) {
            EXPECT_EQ(near(list, T, kDay), 1) << "twice: body " << std::get<0>(key) << " at " << T;
            // Without a crossing only a body standing still on the point.
            if (T > from + kDay && T < to - kDay && speed(std::get<0>(key), T) > 0.01) {
                EXPECT_GE(near(scanned[key], T, window(std::get<0>(key), T)), 1)
                    << "no such crossing: body " << std::get<0>(key) << " index " << std::get<2>(key)
                    << " natal " << std::get<1>(key) << " at " << T;
            }
        }
}

TEST(TransitSearch, OneYearAgreesWithTheEngine)
{
    tTransitFixture f;
    tTransitsCollection list;
    TransitSearch(f.chart, 12, kMoonToPluto, f.rules, list);
    CheckAgainstEngine(f, list, kMoonToPluto, 12);
}

// The Sun transits too: where the engine puts it, and back on the natal
// Sun at the moment of the solar return.
TEST(TransitSearch, TheSunTransitsAndMeetsItselfAtTheSolarReturn)
{
    tTransitFixture f;
    tTransitsCollection list;
    TransitSearch(f.chart, 12, BodyBit(1), f.rules, list);
    CheckAgainstEngine(f, list, BodyBit(1), 12);
    tChart natal, ret;
    test::Birth(natal, 1990, 5, 17, 14, 30);
    SolarReturn(natal, ret, 36);
    int returns = 0;
    for (const tTransitEvent& e : list.Items())
        if (e.Transiting == 1 && e.Natal == 1 && e.AspectIndex == 1) {
            ++returns;
            EXPECT_LT(std::fabs(e.Moment - ret.Centuries) * 36525 * 1440, 2.0);  // minutes
        }
    EXPECT_EQ(returns, 1);
}

// Chiron (over four years) and Vesta, a point of the chart setup (over
// two), transit as the planets do: every event where the engine puts them,
// none missed.
TEST(TransitSearch, ChironAndVestaTransitWhereTheEnginePutsThem)
{
    for (const auto& [body, months] : {std::pair{int(kChiron), 48}, {int(kVesta), 24}}) {
        tTransitFixture f;
        tTransitsCollection list;
        TransitSearch(f.chart, months, BodyBit(body), f.rules, list);
        ASSERT_FALSE(list.Items().empty()) << body;
        for (const tTransitEvent& e : list.Items()) EXPECT_EQ(e.Transiting, body);
        CheckAgainstEngine(f, list, BodyBit(body), months, 240);
    }
}

TEST(TransitSearch, SiderealChartsSearchTheSiderealZodiac)
{
    tTransitFixture f(1, 5);
    tTransitsCollection list;
    const tBodyMask bodies = BodyBit(3) | BodyBit(5) | BodyBit(6);
    TransitSearch(f.chart, 24, bodies, f.rules, list);
    ASSERT_GT(list.Count(), 20u);
    CheckAgainstEngine(f, list, bodies, 24);
}

TEST(TransitSearch, SlowBodiesOverTenYearsAgreeWithTheEngine)
{
    tTransitFixture f;
    tTransitsCollection list;
    const tBodyMask bodies = 0x7c0;
    TransitSearch(f.chart, 120, bodies, f.rules, list);
    CheckAgainstEngine(f, list, bodies, 120, 240);  // they move a few arcminutes a day
}

TEST(TransitSearch, NothingSelectedGivesNothing)
{
    tTransitFixture f;
    tTransitsCollection list;
    TransitSearch(f.chart, 12, BodyBit(11) | BodyBit(12), f.rules, list);  // the lunar points do not transit
    EXPECT_EQ(list.Count(), 0u);
    f.rules.TransitAspects.fill(false);
    TransitSearch(f.chart, 12, kMoonToPluto, f.rules, list);
    EXPECT_EQ(list.Count(), 0u);
}

TEST(TransitSearch, ProgressCountsStepsAndStopsWithNothing)
{
    tTransitFixture f;
    tTransitsCollection list;
    int last = -1, total = 0;
    EXPECT_TRUE(TransitSearch(f.chart, 12, kMoonToPluto, f.rules, list, [&](int done, int all) {
        EXPECT_GT(done, last);
        EXPECT_LT(done, all);
        last = done, total = all;
        return true;
    }));
    EXPECT_GT(list.Count(), 3000u);
    EXPECT_GE(total, 365);  // daily steps of the Moon over a year
    // Stopped half way: nothing at all, not the first half.
    EXPECT_FALSE(TransitSearch(f.chart, 12, kMoonToPluto, f.rules, list,
                               [&](int done, int all) { return done < all / 2; }));
    EXPECT_EQ(list.Count(), 0u);
}

// The period shared out over threads: the same events in the same order to
// the last bit, whatever the number of jobs (more jobs than cores too), and
// a stop asked for by one job's progress ends them all with nothing.
TEST(TransitSearch, ManyJobsFindWhatOneFinds)
{
    tTransitFixture f;
    tTransitsCollection one, many;
    ASSERT_TRUE(TransitSearch(f.chart, 36, kMoonToPluto, f.rules, one, {}, 1));
    ASSERT_GT(one.Count(), 9000u);
    for (unsigned jobs : {2u, 5u}) {
        ASSERT_TRUE(TransitSearch(f.chart, 36, kMoonToPluto, f.rules, many, {}, jobs));
        ASSERT_EQ(many.Count(), one.Count()) << jobs << " jobs";
        for (std::size_t i = 0; i < one.Count(); ++i) {
            const tTransitEvent &a = one.Items()[i], &b = many.Items()[i];
            ASSERT_TRUE(a.Transiting == b.Transiting && a.Natal == b.Natal && a.AspectIndex == b.AspectIndex &&
                        a.Moment == b.Moment && a.Retrograde == b.Retrograde && a.Begin == b.Begin && a.End == b.End &&
                        a.Orb == b.Orb)
                << "event " << i << " with " << jobs << " jobs";
        }
    }
    EXPECT_FALSE(TransitSearch(
        f.chart, 36, kMoonToPluto, f.rules, many, [](int done, int all) { return done < all / 3; }, 4));
    EXPECT_EQ(many.Count(), 0u);
}

}  // namespace
}  // namespace quintara
