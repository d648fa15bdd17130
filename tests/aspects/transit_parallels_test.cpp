#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "core/aspects/transit_search.h"
#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/chart/date_time.h"
#include "core/chart/returns.h"
#include "core/engine/julian_day.h"
#include "core/options/option_set.h"
#include "support/birth.h"

namespace quintara {
namespace {

constexpr double kDay = 1.0 / 36525.0;

// A natal chart of 17 May 1990 (the Sun near 19.3 degrees north) searched
// from 1 January 2026 for parallels alone, at a parallel orb of 1 degree
// over the transit divider of 4.
struct tParallelFixture {
    tOptionRecord options = tOptionRecord::Defaults();
    tChart chart{&options.BirthSet};
    tTransitRules rules;

    tParallelFixture()
    {
        test::Birth(chart, 1990, 5, 17, 14, 30);
        chart.Year = 2026, chart.Month = 1, chart.Day = 1, chart.Hour = 0, chart.Minute = 0;
        rules.SynastryOrbs = &options.SynastryOrbs;
        rules.ParallelOrb = 1.0;
    }
    double Start() const { return DaysFromJ2000(2026, 1, 1, 0.0) / 36525.0; }
    double Target(const tTransitEvent& e) const
    {
        const double d = chart.FindBody(e.Natal)->Declination();
        return e.AspectIndex == kParallelIndex ? d : -d;
    }
};

// The declination a whole chart cast for the minute of T shows, as the
// positions list reads it.
double ChartDeclination(int body, double T)
{
    const tDateTime t = DateTimeFromCenturies(T);
    tChart c;
    test::Birth(c, t.year, t.month, t.day, t.hour, t.minute);
    return c.FindBody(body)->Declination();
}

double CenturiesOf(const tDateTime& t)
{
    return DaysFromJ2000(t.year, t.month, t.day, t.hour + t.minute / 100.0) / 36525.0;
}

// Every event where a chart of its minute puts the declination, its ends
// where the distance is the orb, and a scan of charts hour by hour finds no
// crossing the search left out.
void CheckParallels(const tParallelFixture& f, const tTransitsCollection& list, int body, int months)
{
    std::map<std::tuple<int, int>, std::vector<double>> found;  // (natal, index) -> T
    const auto motion = [&](double T) { return std::fabs(ChartDeclination(body, T + kDay / 1440) - ChartDeclination(body, T)); };
    for (const tTransitEvent& e : list.Items()) {
        ASSERT_EQ(e.Transiting, body);
        ASSERT_TRUE(e.AspectIndex == kParallelIndex || e.AspectIndex == kContraparallelIndex) << int(e.AspectIndex);
        EXPECT_DOUBLE_EQ(e.Orb, 0.25);
        const double slack = 0.01 + motion(e.Moment);
        EXPECT_NEAR(ChartDeclination(body, e.Moment), f.Target(e), slack) << int(e.Natal) << " at " << e.Moment;
        for (const tDateTime* edge : {&e.Begin, &e.End}) {
            const double T = CenturiesOf(*edge);
            EXPECT_NEAR(std::fabs(ChartDeclination(body, T) - f.Target(e)), e.Orb, 0.01 + motion(T))
                << int(e.Natal) << " at " << e.Moment;
        }
        found[{e.Natal, e.AspectIndex}].push_back(e.Moment);
    }
    const double from = f.Start() + 2 * kDay, to = f.Start() + months / 1200.0 - 2 * kDay, step = kDay / 24;
    std::map<std::tuple<int, int>, std::vector<double>> scanned;
    double before = ChartDeclination(body, from);
    for (double T = from + step; T < to; T += step) {
        const double now = ChartDeclination(body, T);
        for (int n = 1; n <= 24; ++n) {
            const tPlanet* p = f.chart.FindBody(n);
            if (!p || !p->TakesPartInAspects()) continue;
            for (int index : {kParallelIndex, kContraparallelIndex}) {
                const double target = index == kParallelIndex ? p->Declination() : -p->Declination();
                if ((before > target) != (now > target)) scanned[{n, index}].push_back(T);
            }
        }
        before = now;
    }
    // Crossings a day apart or less (the Moon grazing a target at its
    // greatest declination) are one event, as for the aspects of longitude.
    const auto near = [](const std::vector<double>& moments, double T, double within) {
        return std::any_of(moments.begin(), moments.end(), [&](double m) { return std::fabs(m - T) < within; });
    };
    ASSERT_FALSE(scanned.empty());
    for (const auto& [key, moments] : scanned)
        for (double T : moments)
            EXPECT_TRUE(near(found[key], T, kDay + step)) << "missed: body " << body << " index " << std::get<1>(key)
                                                          << " natal " << std::get<0>(key) << " near " << T;
    for (const auto& [key, moments] : found)
        for (double T : moments) {
            if (T > from + step && T < to - step) {
                EXPECT_TRUE(near(scanned[key], T, 2 * step)) << "no such crossing: natal " << std::get<0>(key) << " at " << T;
            }
        }
}

TEST(TransitParallels, TheMoonAndMercuryAgreeWithChartsOfTheirMoments)
{
    for (const auto& [body, months] : {std::pair{2, 2}, {3, 12}}) {
        tParallelFixture f;
        tTransitsCollection list;
        ASSERT_TRUE(TransitSearch(f.chart, months, BodyBit(body), f.rules, list));
        CheckParallels(f, list, body, months);
    }
}

// The Sun reaches the natal Sun's declination twice a year (once at the
// solar return) and its negative twice, half a year later.
TEST(TransitParallels, TheSunMeetsItsOwnDeclinationTwiceAYear)
{
    tParallelFixture f;
    tTransitsCollection list;
    ASSERT_TRUE(TransitSearch(f.chart, 12, BodyBit(1), f.rules, list));
    tChart natal, ret;
    test::Birth(natal, 1990, 5, 17, 14, 30);
    SolarReturn(natal, ret, 36);
    std::vector<double> parallels, contra;
    for (const tTransitEvent& e : list.Items())
        if (e.Natal == 1) (e.AspectIndex == kParallelIndex ? parallels : contra).push_back(e.Moment);
    ASSERT_EQ(parallels.size(), 2u);
    ASSERT_EQ(contra.size(), 2u);
    const double toReturn = std::min(std::fabs(parallels[0] - ret.Centuries), std::fabs(parallels[1] - ret.Centuries));
    EXPECT_LT(toReturn / kDay, 0.5);  // days: the declination moves slowly near the solstice
    // The contraparallels fall around the other solstice, in winter.
    for (double m : contra) {
        const tDateTime t = DateTimeFromCenturies(m);
        EXPECT_TRUE(t.month >= 11 || t.month <= 2) << t.month;
    }
}

// Parallels need their orb; without it the list is what it was, and with
// it the aspects of longitude are unchanged and jobs agree to the bit.
TEST(TransitParallels, OnlyWithTheirOrbAndTheSameForAnyNumberOfJobs)
{
    tParallelFixture f;
    for (int k = 0; k < 12; ++k) f.rules.TransitAspects[static_cast<std::size_t>(k)] = true;
    const tBodyMask bodies = BodyBit(1) | BodyBit(2) | BodyBit(5) | BodyBit(10);
    tTransitsCollection plain, with, many;
    f.rules.ParallelOrb = 0;
    ASSERT_TRUE(TransitSearch(f.chart, 3, bodies, f.rules, plain, {}, 1));
    for (const tTransitEvent& e : plain.Items()) EXPECT_LT(e.AspectIndex, kParallelIndex);
    f.rules.ParallelOrb = 1;
    ASSERT_TRUE(TransitSearch(f.chart, 3, bodies, f.rules, with, {}, 1));
    std::size_t longitudes = 0, parallels = 0;
    for (const tTransitEvent& e : with.Items()) (e.AspectIndex < kParallelIndex ? longitudes : parallels)++;
    EXPECT_EQ(longitudes, plain.Count());
    EXPECT_GT(parallels, 20u);
    ASSERT_TRUE(TransitSearch(f.chart, 3, bodies, f.rules, many, {}, 3));
    ASSERT_EQ(many.Count(), with.Count());
    for (std::size_t i = 0; i < with.Count(); ++i) {
        const tTransitEvent &a = with.Items()[i], &b = many.Items()[i];
        EXPECT_TRUE(a.AspectIndex == b.AspectIndex && a.Natal == b.Natal && a.Moment == b.Moment && a.Begin == b.Begin &&
                    a.End == b.End)
            << i;
    }
}

}  // namespace
}  // namespace quintara
