#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>

#include "core/aspects/sky_events.h"
#include "core/data/civil_date.h"
#include "core/chart/chart.h"
#include "core/chart/date_time.h"
#include "core/engine/julian_day.h"
#include "core/i18n/languages.h"
#include "core/reports/events_calendar.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

double Jd(int y, int mo, int d, int h, int mi) { return kJ2000 + DaysFromJ2000(y, mo, d, h + mi / 100.0); }

std::vector<tSkyEvent> Year(int year, tSkyEventRules rules = {})
{
    return FindSkyEvents(Jd(year, 1, 1, 0, 0), Jd(year + 1, 1, 1, 0, 0), rules);
}

const tSkyEvent* Find(const std::vector<tSkyEvent>& events, tSkyEvent::tKind kind, int body, double near, double within)
{
    for (const tSkyEvent& e : events)
        if (e.kind == kind && e.body == body && std::fabs(e.jd - near) < within) return &e;
    return nullptr;
}

// The engine's own charts agree with each moment found (the longitude
// turns there), and the almanacs' moments lie within
// the engine's accuracy (it takes UT as its time argument and keeps to the
// mean equinox; the Moon and Mercury within minutes).
TEST(SkyEvents, StationsIngressesAndPhasesAsTheChartsShowThem)
{
    const auto events = Year(2024);
    constexpr double kMinute = 1.0 / 1440;
    auto chartAt = [](double jd, tChart& c) {
        const tDateTime t = DateTimeFromCenturies((jd - kJ2000) / kDaysPerCentury);
        SetChartDateTime(c, t);
        c.Second = 0;
        CalcChart(c);
    };
    // Mercury stations direct on 2 January 2024 (03:08 UT in the almanacs)
    // and retrograde on 1 April (22:14 UT).
    for (const auto& [y, mo, d, h, mi, retro] : {std::tuple{2024, 1, 2, 3, 8, false}, {2024, 4, 1, 22, 14, true}}) {
        const double at = Jd(y, mo, d, h, mi);
        const tSkyEvent* e = Find(events, tSkyEvent::kStation, 3, at, 1);
        ASSERT_TRUE(e) << y << "-" << mo << "-" << d;
        EXPECT_EQ(e->retrograde, retro);
        EXPECT_NEAR(e->jd, at, 8 * kMinute) << (e->jd - at) * 1440 << " min";
        // The chart's longitude turns there: a least one turning direct, a greatest turning back.
        tChart before, at0, after;
        chartAt(e->jd - 60 * kMinute, before);
        chartAt(e->jd, at0);
        chartAt(e->jd + 60 * kMinute, after);
        const double sign = retro ? -1 : 1;
        EXPECT_GT(sign * (before.BodyPosition(3) - at0.BodyPosition(3)), 0);
        EXPECT_GT(sign * (after.BodyPosition(3) - at0.BodyPosition(3)), 0);
    }
    // The March equinox (03:06 UT), and the sign the Sun enters.
    const tSkyEvent* aries = Find(events, tSkyEvent::kIngress, 1, Jd(2024, 3, 20, 3, 6), 1);
    ASSERT_TRUE(aries);
    EXPECT_EQ(aries->sign, 1);
    EXPECT_NEAR(aries->jd, Jd(2024, 3, 20, 3, 6), 15 * kMinute);
    tChart spring;
    chartAt(aries->jd + kMinute, spring);
    EXPECT_LT(spring.BodyPosition(1), 0.01);
    const tSkyEvent* capricorn = Find(events, tSkyEvent::kIngress, 1, Jd(2024, 12, 21, 9, 20), 1);
    ASSERT_TRUE(capricorn);
    EXPECT_EQ(capricorn->sign, 10);

    int sunIngresses = 0, phases = 0;
    std::set<int> stationBodies;
    for (const tSkyEvent& e : events) {
        sunIngresses += e.kind == tSkyEvent::kIngress && e.body == 1;
        phases += e.kind == tSkyEvent::kLunarPhase;
        if (e.kind == tSkyEvent::kStation) stationBodies.insert(e.body);
        if (e.kind == tSkyEvent::kAspect) {
            EXPECT_NE(e.body, 2) << "Moon aspects were not asked for";
        }
    }
    EXPECT_EQ(sunIngresses, 12);
    EXPECT_GE(phases, 49);
    EXPECT_LE(phases, 50);
    EXPECT_EQ(stationBodies, (std::set<int>{3, 5, 6, 7, 8, 9, 10, 25}));  // Venus does not turn in 2024
    for (std::size_t k = 1; k < events.size(); ++k) EXPECT_LE(events[k - 1].jd, events[k].jd);
}

TEST(SkyEvents, QuartersAgreeWithAnIndependentAlmanac)
{
    std::ifstream in(std::string(QUINTARA_FIXTURES) + "/moon_quarters.tsv");
    ASSERT_TRUE(in);
    tSkyEventRules only;
    only.ingresses = only.stations = only.aspects = only.eclipses = false;
    int quarter, y, mo, d, h, mi, checked = 0;
    std::string iso;
    while (in >> quarter >> iso) {
        ASSERT_EQ(std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi), 5);
        const double at = Jd(y, mo, d, h, mi);
        const auto events = FindSkyEvents(at - 2, at + 2, only);
        ASSERT_EQ(events.size(), 1u) << iso;
        EXPECT_EQ(events[0].phase, quarter) << iso;
        EXPECT_NEAR(events[0].jd, at, 8.0 / 1440) << iso;
        ++checked;
    }
    EXPECT_EQ(checked, 20);
}

// A window that starts at a local midnight (New York's, Kolkata's) finds
// every event at the very moment the UT window finds it: one moment, one
// second in every calendar written from it.
TEST(SkyEvents, TheMomentDoesNotDependOnTheWindowsZone)
{
    const double from = Jd(2024, 3, 1, 0, 0), to = Jd(2024, 5, 1, 0, 0);
    const auto ut = FindSkyEvents(from, to, {});
    ASSERT_GT(ut.size(), 50u);
    for (const double shift : {5.0 / 24, -5.5 / 24}) {
        const auto local = FindSkyEvents(from + shift, to + shift, {});
        std::size_t same = 0;
        for (const tSkyEvent& e : local)
            for (const tSkyEvent& f : ut)
                if (e.kind == f.kind && e.body == f.body && e.other == f.other && e.aspect == f.aspect &&
                    e.sign == f.sign && e.phase == f.phase && std::fabs(e.jd - f.jd) < 0.01) {
                    EXPECT_EQ(e.jd, f.jd) << e.kind << " " << e.body << " " << e.other;
                    ++same;
                }
        EXPECT_GT(same, ut.size() - 10);
    }
}

TEST(SkyEvents, StopsWhenAsked)
{
    bool stopped = false;
    const auto events = FindSkyEvents(
        Jd(2030, 1, 1, 0, 0), Jd(2040, 1, 1, 0, 0), {}, [](int done, int) { return done < 40; }, &stopped);
    EXPECT_TRUE(stopped);
    for (const tSkyEvent& e : events) EXPECT_LT(e.jd, Jd(2030, 2, 15, 0, 0));
}

TEST(Calendar, SpanRunsWholeMonthsOnTheUsersClock)
{
    std::string error;
    const auto paris = tUserZone::Load("Europe/Paris", error);
    ASSERT_TRUE(paris) << error;
    const auto [from, to] = CalendarSpan({{2026, 1, 31}, 1}, *paris);
    EXPECT_NEAR(from, Jd(2026, 1, 30, 23, 0), 1e-9);  // midnight in Paris is 23:00 UT in winter
    EXPECT_NEAR(to, Jd(2026, 2, 27, 23, 0), 1e-9);    // February has no 31st
    const auto [summer, next] = CalendarSpan({{2026, 7, 1}, 12}, *paris);
    EXPECT_NEAR(summer, Jd(2026, 6, 30, 22, 0), 1e-9);
    EXPECT_NEAR(next, Jd(2027, 6, 30, 22, 0), 1e-9);
    EXPECT_FALSE(tUserZone::Load("Europe/Nowhere", error));
    EXPECT_FALSE(tUserZone::Load("../../etc/passwd", error));
}

TEST(ICalendar, FollowsTheFormatsRules)
{
    EXPECT_EQ(EscapeICalendarText("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    // 75 octets a line, never inside a character: "é" is two octets.
    std::string longLine = "SUMMARY:" + std::string(66, 'x') + "éééé";
    const std::string folded = FoldICalendarLine(longLine);
    std::size_t start = 0;
    std::string unfolded;
    while (start < folded.size()) {
        const std::size_t end = folded.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - start, 75u);
        EXPECT_NE(static_cast<unsigned char>(folded[start + (start ? 1 : 0)]) & 0xC0, 0x80u) << "split character";
        unfolded += folded.substr(start + (start ? 1 : 0), end - start - (start ? 1 : 0));
        start = end + 2;
    }
    EXPECT_EQ(unfolded, longLine);

    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    const auto events = Year(2024);
    const std::string ics = EventsICalendar(events, lang, 1767225600);
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", 0), 0u);
    EXPECT_EQ(ics.substr(ics.size() - 15), "END:VCALENDAR\r\n");
    std::set<std::string> uids;
    std::size_t begins = 0, at = 0;
    for (std::size_t nl; (nl = ics.find('\n', at)) != std::string::npos; at = nl + 1) {
        ASSERT_GT(nl, at);
        EXPECT_EQ(ics[nl - 1], '\r') << "a bare line feed";
        EXPECT_LE(nl - 1 - at, 75u);
        const std::string line = ics.substr(at, nl - 1 - at);
        if (line == "BEGIN:VEVENT") ++begins;
        if (line.rfind("UID:", 0) == 0) {
            EXPECT_TRUE(uids.insert(line).second) << line;
        }
        if (line.rfind("DTSTAMP:", 0) == 0) {
            EXPECT_EQ(line, "DTSTAMP:20260101T000000Z");
        }
    }
    EXPECT_EQ(begins, events.size());
    EXPECT_EQ(uids.size(), events.size());
    // Mercury's direct station of 2 January 2024, on the UTC clock.
    EXPECT_NE(ics.find("DTSTART:20240102T03"), std::string::npos);
    EXPECT_NE(ics.find("SUMMARY:Mercury turns direct 22°"), std::string::npos);
}

TEST(Calendar, TextAndCsvShowTheUsersClock)
{
    std::string error;
    const auto ny = tUserZone::Load("America/New_York", error);
    ASSERT_TRUE(ny);
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    tSkyEvent full;
    full.kind = tSkyEvent::kLunarPhase;
    full.phase = 2;
    full.body = 2;
    full.jd = Jd(2024, 4, 23, 23, 49);
    full.longitude = 214.1;
    const std::string text = EventsText({full}, *ny, lang);
    EXPECT_NE(text.find("2024-04-23 19:49  Full moon 4°06' Scorpio"), std::string::npos) << text;
    const std::string csv = EventsCsv({full}, *ny, lang);
    EXPECT_NE(csv.find("2024-04-23,19:49,-04:00,2024-04-23T23:49:00Z,phase,Full moon 4°06' Scorpio,214.1000"),
              std::string::npos)
        << csv;
}

}  // namespace
}  // namespace quintara
