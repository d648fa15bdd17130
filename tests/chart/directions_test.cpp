#include <gtest/gtest.h>

#include <cmath>

#include "core/aspects/solar_arc_hits.h"
#include "core/aspects/transits.h"
#include "core/chart/chart_kind.h"
#include "core/chart/derived_charts.h"
#include "core/chart/directions.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/options/option_set.h"
#include "support/birth.h"

namespace quintara {
namespace {

using test::Birth;

constexpr double kYear = 365.25 / 36525;

double Gap(double a, double b) { return std::fabs(AngleStep(a, b)); }

// At the birth the arc is nothing and the directed chart is the chart;
// later every body, cusp and point has moved by the same arc, the
// progressed Sun's distance from the natal one.
TEST(SolarArc, ZeroAtBirthThenOneArcForEveryPoint)
{
    tChart natal, directed;
    Birth(natal, 1990, 5, 17, 14, 30);
    EXPECT_NEAR(SolarArc(natal, natal.Centuries), 0, 1e-12);
    SolarArcChart(natal, natal.Centuries, directed);
    for (int n = 1; n <= 24; ++n) EXPECT_NEAR(Gap(directed.BodyPosition(n), natal.BodyPosition(n)), 0, 1e-9) << n;

    const double T = natal.Centuries + 30 * kYear;
    const double arc = SolarArc(natal, T);
    EXPECT_NEAR(arc, 29, 1.5);  // about a degree a year (the Sun is slow in May)
    tChart progressed;
    Birth(progressed, 2020, 5, 17, 14, 30);
    ProgressChart(natal, progressed);
    EXPECT_NEAR(Gap(natal.BodyPosition(1) + arc, progressed.BodyPosition(1)), 0, 0.01);  // the same Sun
    SolarArcChart(natal, T, directed);
    EXPECT_EQ(directed.ChartType, kDirectedChart);
    EXPECT_EQ(directed.Year, 2020);
    for (int n = 1; n <= 24; ++n)
        EXPECT_NEAR(AngleStep(natal.BodyPosition(n), directed.BodyPosition(n)), arc, 1e-9) << n;
    EXPECT_NEAR(AngleStep(natal.Midheaven(), directed.Midheaven()), arc, 1e-9);
    EXPECT_LT(SolarArc(natal, natal.Centuries - kYear), 0);  // before the birth
}

// Each hit stands where the directed body makes its aspect, in time order,
// and a scan of the arc year by year finds none the search left out.
TEST(SolarArc, HitsAreExactAndNoneIsMissed)
{
    const tOptionRecord options = tOptionRecord::Defaults();
    tChart natal(&options.BirthSet);
    Birth(natal, 1990, 5, 17, 14, 30);
    std::array<bool, 36> aspects{};
    for (int k = 0; k < 5; ++k) aspects[static_cast<std::size_t>(k)] = true;
    const double from = natal.Centuries + 20 * kYear, to = from + 10 * kYear;
    const auto hits = SolarArcHits(natal, from, to, aspects);
    ASSERT_GT(hits.size(), 20u);
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const tDirectionHit& h = hits[i];
        if (i) {
            EXPECT_LE(hits[i - 1].moment, h.moment);
        }
        EXPECT_GE(h.moment, from);
        EXPECT_LE(h.moment, to);
        const double directed = natal.BodyPosition(h.directed) + SolarArc(natal, h.moment);
        EXPECT_NEAR(Gap(directed, natal.BodyPosition(h.natal) + SignedAspectAngle(h.aspectIndex)), 0, 1e-4)
            << h.directed << " " << h.aspectIndex << " " << h.natal;
    }
    // Sun to natal Moon: a square, sextile or any of the five whenever the
    // arc passes their distance.
    const double a0 = SolarArc(natal, from), a1 = SolarArc(natal, to);
    int expected = 0;
    for (double angle : {0.0, 60.0, -60.0, 90.0, -90.0, 120.0, -120.0, 180.0}) {
        const double wanted = a0 + ModAngle(natal.BodyPosition(2) + angle - natal.BodyPosition(1) - a0, 360.0);
        expected += wanted <= a1;
    }
    int found = 0;
    for (const tDirectionHit& h : hits) found += h.directed == 1 && h.natal == 2;
    EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace quintara
