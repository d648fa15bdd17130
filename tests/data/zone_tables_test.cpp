#include <gtest/gtest.h>

#include "core/data/civil_date.h"
#include "core/data/tzif.h"
#include "core/data/zone_tables.h"
#include "core/engine/angles.h"
#include "core/platform/atomic_file.h"

namespace quintara {
namespace {

constexpr const char* kZoneinfo = "/usr/share/zoneinfo";

std::int64_t Ut(int y, int m, int d, int h) { return DaysFromCivil({y, m, d}) * 86400 + h * 3600; }

TEST(CivilDate, RoundTripsAcrossErasAndLeapDays)
{
    for (std::int64_t day = -800000; day <= 800000; day += 997) {
        const tCivilDate c = CivilFromDays(day);
        EXPECT_EQ(DaysFromCivil(c), day);
    }
    EXPECT_EQ(DaysFromCivil({2000, 3, 1}) - DaysFromCivil({2000, 2, 28}), 2);
    EXPECT_EQ(DaysFromCivil({1900, 3, 1}) - DaysFromCivil({1900, 2, 28}), 1);
    EXPECT_EQ(IsoDate({1950, 7, 4}), "1950-07-04");
}

TEST(Tzif, ReadsTheInstalledParisHistory)
{
    std::string error;
    auto h = ReadZone(kZoneinfo, "Europe/Paris", &error);
    ASSERT_TRUE(h) << error;
    EXPECT_EQ(h->types.front().abbreviation, "LMT");
    EXPECT_EQ(h->TypeAt(Ut(1950, 1, 15, 12)).utOffset, 3600);
    EXPECT_EQ(h->TypeAt(Ut(1985, 7, 1, 12)).utOffset, 7200);
    EXPECT_TRUE(h->TypeAt(Ut(1985, 7, 1, 12)).isDst);
    EXPECT_EQ(h->TypeAt(Ut(1900, 1, 1, 0)).abbreviation, "PMT");
    EXPECT_FALSE(h->footer.empty());
}

TEST(Tzif, RejectsDamagedFilesWithoutCrashing)
{
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(std::string(kZoneinfo) + "/America/New_York", bytes));
    for (std::size_t cut : {0ul, 3ul, 43ul, 44ul, 100ul, bytes.size() / 2}) {
        std::string error;
        EXPECT_FALSE(ParseTzif(bytes.substr(0, cut), &error)) << cut;
        EXPECT_FALSE(error.empty());
    }
    std::string bad = bytes;
    bad[0] = 'X';
    EXPECT_FALSE(ParseTzif(bad));
    std::string error;
    EXPECT_FALSE(ReadZone(kZoneinfo, "../etc/passwd", &error));
    EXPECT_NE(error.find("bad zone name"), std::string::npos);
}

// Zone files that made the reader and the table builder overflow.
TEST(Tzif, OffsetsAndTimesBeyondTheFormatAreRefusedOrKeptInBounds)
{
    const auto finding = [](const char* name) {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(std::string(QUINTARA_FINDINGS_DIR) + "/" + name, bytes)) << name;
        return bytes;
    };
    for (const char* name : {"T1a-offset-int32min.tzif", "T1b-offset-difference.tzif"}) {
        std::string error;
        EXPECT_FALSE(ParseTzif(finding(name), &error)) << name;
        EXPECT_EQ(error, "TZif offset out of range") << name;
    }
    std::string error;
    const auto h = ParseTzif(finding("T2-transition-int64min.tzif"), &error);
    ASSERT_TRUE(h) << error;
    for (const tTzTransition& t : h->transitions) EXPECT_TRUE(t.at >= kTzEarliest && t.at <= kTzLatest);
    const tZoneTables tables = MakeZoneTables(*h, 2037);
    EXPECT_FALSE(tables.standard.empty());
}

// The standard row plus the correction in force must give the offset the
// database gives, for every moment well inside a period.
TEST(ZoneTables, StandardPlusCorrectionIsTheZoneOffset)
{
    for (const char* zone : {"Europe/Paris", "America/New_York", "Europe/London", "Asia/Kolkata", "Australia/Lord_Howe",
                             "Europe/Dublin", "Europe/Amsterdam"}) {
        auto h = ReadZone(kZoneinfo, zone);
        ASSERT_TRUE(h) << zone;
        const tZoneTables t = MakeZoneTables(*h);
        ASSERT_FALSE(t.corrections.empty());
        EXPECT_EQ(t.corrections.front().adjust, kAdjustLocalMeanTime) << zone;
        EXPECT_TRUE(t.corrections.front().ask);
        for (int year = 1900; year <= 2035; year += 3)
            for (int month : {1, 7}) {
                const std::string date = IsoDate({year, month, 15});
                const tStandardRow* s = nullptr;
                for (const auto& r : t.standard)
                    if (r.date <= date) s = &r;
                const tCorrectionRow* c = nullptr;
                bool changeThatDay = false;
                for (const auto& r : t.corrections) {
                    if (r.date < date) c = &r;
                    changeThatDay |= r.date == date;
                }
                if (changeThatDay) continue;  // the hour decides; not this test's matter
                ASSERT_TRUE(s && c);
                const tTzType& type = h->TypeAt(Ut(year, month, 15, 12));
                if (c->adjust > 16) continue;  // still local mean time
                const double hours = DegMinToDecimal(s->adjust) + DegMinToDecimal(c->adjust);
                EXPECT_NEAR(hours, -type.utOffset / 3600.0, 1e-6) << zone << " " << date;
            }
    }
}

}  // namespace
}  // namespace quintara
