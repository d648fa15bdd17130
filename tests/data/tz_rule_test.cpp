// The zone files' rules after their last listed change, against the C
// library's reading of the same files (glibc follows the footer too).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <random>

#include "core/data/data_module.h"
#include "core/data/tz_rule.h"
#include "core/data/tzif.h"
#include "core/platform/atomic_file.h"
#include "support/seed_data.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

constexpr const char* kZoneDir = "/usr/share/zoneinfo";

TEST(TzRule, ParsesTheFormsOfTheZoneFiles)
{
    const auto paris = ParseTzRule("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(paris);
    EXPECT_EQ(paris->standardOffset, 3600);
    EXPECT_EQ(paris->summerOffset, 7200);
    EXPECT_EQ(paris->endTime, 3 * 3600);
    const auto quoted = ParseTzRule("<+0330>-3:30");
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->standardOffset, 3 * 3600 + 1800);
    EXPECT_FALSE(quoted->hasSummer);
    // RFC 8536: change times beyond a day, negative ones; summer all year.
    const auto allYear = ParseTzRule("EST5EDT,0/0,J365/25");
    ASSERT_TRUE(allYear);
    EXPECT_EQ(RuleOffsetAtUt(*allYear, 2240611200 /* 2041-01-01 */), -4 * 3600);
    EXPECT_EQ(RuleOffsetAtUt(*allYear, 2240611200 + 180 * 86400), -4 * 3600);
    const auto godthab = ParseTzRule("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    ASSERT_TRUE(godthab);
    EXPECT_EQ(godthab->startTime, -3600);
    for (const char* bad : {"", "CE-1", "CET", "CET-1CEST,M13.1.0,M10.5.0", "CET-1CEST,M3.5.0", "CET-1CEST,J0,J100",
                            "CET-1CEST,M3.5.0,M10.5.0/200", "<+03-3", "CET-1CEST,M3.5.0,M10.5.0 x"}) {
        std::string error;
        EXPECT_FALSE(ParseTzRule(bad, &error)) << bad;
        EXPECT_NE(error.find("zone rule"), std::string::npos) << bad;
    }
}

// Clock times around the spring and autumn changes: a skipped or repeated
// hour reads as summer time, the change counting from its own hour on.
TEST(TzRule, WallClockTimesAroundTheChanges)
{
    const tTzRule paris = *ParseTzRule("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::int64_t spring = 2279750400;  // 2042-03-30 00:00, the last Sunday of March
    EXPECT_EQ(RuleOffsetAtLocal(paris, spring + 3600 + 1800), 3600);
    EXPECT_EQ(RuleOffsetAtLocal(paris, spring + 2 * 3600 + 1800), 7200);
    const std::int64_t autumn = 2297894400;  // 2042-10-26 00:00
    EXPECT_EQ(RuleOffsetAtLocal(paris, autumn + 2 * 3600 + 1800), 7200);
    EXPECT_EQ(RuleOffsetAtLocal(paris, autumn + 3 * 3600), 3600);
    // Southern summer spans the new year.
    const tTzRule sydney = *ParseTzRule("AEST-10AEDT,M10.1.0,M4.1.0/3");
    EXPECT_EQ(RuleOffsetAtLocal(sydney, 2240611200 + 12 * 3600), 11 * 3600);
    EXPECT_EQ(RuleOffsetAtLocal(sydney, 2240611200 + 181 * 86400), 10 * 3600);
}

// Zones with rules of every kind, at random moments of 2038..2200 and at both changes of sample years, as the C library has it.
TEST(TzRule, AgreesWithTheSystemZoneRulesAfter2037)
{
    const std::string seed = QUINTARA_SEED_DIR;
    if (!FileExists(JoinPath(seed, kTime2File))) GTEST_SKIP() << "reference tables not built";
    tDatabase time2(JoinPath(seed, kTime2File), false);
    tStatement q(time2.Handle(), "SELECT COUNT(*) FROM TimeRule");
    ASSERT_TRUE(q.Step());
    EXPECT_GT(q.Int(0), 50);

    const char* zones[] = {"Europe/Paris",     "America/New_York", "Australia/Sydney", "Europe/Dublin",
                           "America/Santiago", "Pacific/Auckland", "America/Havana",   "Asia/Jerusalem",
                           "America/Godthab",  "Europe/London",    "America/Chicago",  "Pacific/Chatham",
                           "Australia/Lord_Howe", "America/St_Johns", "Asia/Tehran",   "Africa/Casablanca",
                           "America/Asuncion", "Europe/Chisinau",  "Asia/Kolkata",     "America/Scoresbysund"};
    const char* saved = std::getenv("TZ");
    const std::string old = saved ? saved : "";
    std::mt19937_64 random(2038);
    std::uniform_int_distribution<std::int64_t> moment(2145916800 /* 2038-01-01 */, 7258118400 /* 2200-01-01 */);
    int compared = 0;
    for (const char* zone : zones) {
        const auto h = ReadZone(kZoneDir, zone);
        if (!h || h->footer.empty()) continue;
        const auto rule = ParseTzRule(h->footer);
        ASSERT_TRUE(rule) << zone << ": " << h->footer;
        setenv("TZ", (std::string(":") + zone).c_str(), 1);
        tzset();
        std::vector<std::int64_t> moments;
        for (int i = 0; i < 400; ++i) moments.push_back(moment(random));
        // An hour either side of every change in a sample of years.
        for (std::int64_t t = 2145916800; t < 7258118400; t += 37 * 365 * 86400LL / 10)
            for (std::int64_t s = t; s < t + 366 * 86400LL; s += 3600)
                if (RuleOffsetAtUt(*rule, s) != RuleOffsetAtUt(*rule, s + 3600))
                    moments.insert(moments.end(), {s, s + 3599, s + 3600, s + 7200});
        // Before the file's last change its transitions hold (Casablanca's
        // run to 2087), not the rule.
        const std::int64_t after = h->transitions.empty() ? kTzEarliest : h->transitions.back().at;
        for (std::int64_t t : moments) {
            if (t <= after) continue;
            const std::time_t tt = static_cast<std::time_t>(t);
            std::tm local{};
            localtime_r(&tt, &local);
            ASSERT_EQ(RuleOffsetAtUt(*rule, t), local.tm_gmtoff) << zone << " at " << t;
            ++compared;
        }
    }
    if (saved) setenv("TZ", old.c_str(), 1);
    else unsetenv("TZ");
    tzset();
    EXPECT_GT(compared, 5000);
}

// The lookup itself, on the built tables: summer time after 2037.
TEST(TzRule, FindAdjustFollowsTheRuleAfter2037)
{
    test::tTempDir dir;
    const auto data = test::SeedData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    test::ExpectAdjusts(*data, {{"Paris", 2040, 7, 1, 12, -2.00}, {"Paris", 2040, 1, 1, 12, -1.00},
                           {"New York City", 2040, 7, 1, 12, 4.00}, {"New York City", 2150, 12, 1, 12, 5.00},
                           {"Sydney", 2040, 7, 1, 12, -10.00}, {"Sydney", 2041, 1, 15, 12, -11.00},
                           {"Paris", 2037, 7, 1, 12, -2.00}, {"Tokyo", 2100, 7, 1, 12, -9.00},
                           {"Paris", 2042, 3, 30, 1, -1.00}, {"Paris", 2042, 3, 30, 3, -2.00}});
}

}  // namespace
}  // namespace quintara
