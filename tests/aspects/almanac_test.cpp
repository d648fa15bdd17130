#include <gtest/gtest.h>

#include <cmath>

#include "core/aspects/almanac.h"
#include "core/aspects/sky_events.h"
#include "core/chart/directions.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/julian_day.h"
#include "core/options/option_set.h"
#include "support/birth.h"

namespace quintara {
namespace {

constexpr double k2026 = 2461041.5;  // 2026-01-01 0h UT

double MoonAt(double jd) { return tEphemerisService::Decided(kBuiltInSource).Longitude(kMoon, (jd - kJ2000) / 36525); }

// Each void-of-course period ends as the Moon enters a sign, lies within
// one sign, and from its start to its end the Moon makes no exact
// Ptolemaic aspect to the Sun or the planets to Saturn.
TEST(Almanac, VoidOfCourseEndsAtTheIngressWithoutAnAspectInside)
{
    tSkyEventRules rules;
    rules.eclipses = false, rules.voidOfCourse = true;
    const auto events = AlmanacEvents(k2026, k2026 + 60, rules);
    ASSERT_GT(events.size(), 20u);
    tEphemerisService eph = tEphemerisService::Decided(kBuiltInSource);
    for (const tSkyEvent& e : events) {
        ASSERT_EQ(e.kind, tSkyEvent::kVoidOfCourse);
        ASSERT_GT(e.endJd, e.jd);
        EXPECT_LT(e.endJd - e.jd, 2.8);  // no longer than a sign
        const double end = MoonAt(e.endJd);
        EXPECT_LT(std::fabs(AngleStep(30 * std::round(end / 30), end)), 1e-3) << "ends on a sign's cusp";
        EXPECT_EQ(SignOf(MoonAt(e.jd + 1e-4)), SignOf(MoonAt(e.endJd - 1e-4)));
        for (int p : {1, 3, 4, 5, 6, 7})
            for (double a : {0.0, 60.0, -60.0, 90.0, -90.0, 120.0, -120.0, 180.0}) {
                const auto d = [&](double jd) { return AngleStep(eph.Longitude(p, (jd - kJ2000) / 36525) + a, MoonAt(jd)); };
                const double d0 = d(e.jd + 1e-3), d1 = d(e.endJd - 1e-3);
                EXPECT_FALSE((d0 < 0) != (d1 < 0) && std::fabs(d0) < 40 && std::fabs(d1) < 40)
                    << "aspect " << a << " to " << p << " inside " << e.jd;
            }
    }
}

// In a sidereal calendar the Moon is void until it enters the sidereal
// sign, where the calendar's own ingress stands.
TEST(Almanac, VoidOfCourseEndsAtTheCalendarsOwnIngressInASiderealZodiac)
{
    tSkyEventRules rules;
    rules.zodiac = 1;
    rules.stations = rules.phases = rules.aspects = rules.eclipses = false;
    rules.voidOfCourse = true;
    const auto events = FindSkyEvents(k2026, k2026 + 30, rules);
    int voids = 0;
    for (const tSkyEvent& e : events) {
        if (e.kind != tSkyEvent::kVoidOfCourse || e.endJd >= k2026 + 30) continue;
        ++voids;
        bool met = false;
        for (const tSkyEvent& i : events)
            met |= i.kind == tSkyEvent::kIngress && i.body == kMoon && std::fabs(i.jd - e.endJd) < 1e-4;
        EXPECT_TRUE(met) << e.endJd;
    }
    EXPECT_GT(voids, 8);
}

// Every shadow touches its retrograde loop: the pre-shadow ends at the
// retrograde station, starting at the degree of the direct one; the
// post-shadow starts at the direct station and ends back at the degree of
// the retrograde one. Mercury has three loops a year.
TEST(Almanac, ShadowsBracketTheirRetrogrades)
{
    tSkyEventRules rules;
    rules.eclipses = false, rules.shadows = true;
    const auto events = AlmanacEvents(k2026, k2026 + 365, rules);
    int mercury = 0;
    tEphemerisService eph = tEphemerisService::Decided(kBuiltInSource);
    const auto lon = [&](int b, double jd) { return eph.Longitude(b, (jd - kJ2000) / 36525); };
    const auto speed = [&](int b, double jd) { return AngleStep(lon(b, jd - 0.5), lon(b, jd + 0.5)); };
    for (const tSkyEvent& e : events) {
        ASSERT_EQ(e.kind, tSkyEvent::kShadow);
        mercury += e.body == 3;
        EXPECT_NEAR(AngleStep(e.longitude, lon(e.body, e.phase == 0 ? e.jd : e.endJd)), 0, 1e-3);
        const double station = e.phase == 0 ? e.endJd : e.jd;
        EXPECT_NEAR(speed(e.body, station), 0, 1e-3);
        EXPECT_GT(speed(e.body, (e.jd + e.endJd) / 2), 0) << "direct motion in the shadow";
    }
    EXPECT_EQ(mercury, 6);  // 2026: three loops, each with both shadows
}

// A chart's progressed lunations: the progressed elongation on a quarter.
TEST(Almanac, ProgressedLunationsStandOnTheirQuarters)
{
    const tOptionRecord options = tOptionRecord::Defaults();
    tChart natal(&options.BirthSet);
    test::Birth(natal, 1990, 5, 17, 14, 30);
    const double from = natal.JulianDay, to = from + 40 * 365.25;
    const auto events = NatalAlmanacEvents(natal, from, to);
    tEphemerisService eph = tEphemerisService::Decided(kBuiltInSource);
    int phases = 0;
    for (const tSkyEvent& e : events) {
        if (e.kind != tSkyEvent::kProgressedPhase) continue;
        ++phases;
        const double T = ProgressedMoment(natal, (e.jd - kJ2000) / 36525);
        EXPECT_NEAR(AngleStep(e.phase * 90.0, eph.Longitude(kMoon, T) - eph.Longitude(kSun, T)), 0, 0.01);
    }
    EXPECT_GE(phases, 5);  // a progressed lunation takes about 30 years: 40 years hold five or six quarters
    EXPECT_LE(phases, 6);
}

}  // namespace
}  // namespace quintara
