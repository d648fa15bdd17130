// Every transition of every zone of the installed database from 1900 to
// 2035: the clock time an hour before and an hour after the change, looked
// up in tables made from that zone, gives the zone file's offset.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <set>

#include "core/data/civil_date.h"
#include "core/data/find_adjust.h"
#include "core/data/schemas.h"
#include "core/data/table.h"
#include "core/data/tzif.h"
#include "core/data/zone_tables.h"
#include "core/engine/angles.h"
#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;
constexpr const char* kZoneinfo = "/usr/share/zoneinfo";

struct tZone {
    std::string name;
    tTzHistory history;
};

// Each distinct zone once (links are the same bytes).
std::vector<tZone> InstalledZones()
{
    std::vector<tZone> zones;
    std::set<std::string> seen;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(kZoneinfo, ec); it != fs::recursive_directory_iterator(); ++it) {
        const std::string rel = fs::relative(it->path(), kZoneinfo).string();
        if (it->is_directory() && (rel == "posix" || rel == "right")) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file() || rel == "localtime" || rel == "posixrules") continue;
        std::string bytes;
        if (!ReadWholeFile(it->path().string(), bytes) || !seen.insert(bytes).second) continue;
        if (auto h = ParseTzif(bytes)) zones.push_back({rel, std::move(*h)});
    }
    return zones;
}

// A chart at the longitude whose local mean time is the zone's LMT last in
// force by the moment, so the tables' local-mean-time code is checked too
// (some zones have two, from before and after a move across the date line).
double LmtLongitude(const tTzHistory& h, std::int64_t at)
{
    const tTzType* lmt = h.types.front().abbreviation == "LMT" ? &h.types.front() : nullptr;
    for (const tTzTransition& t : h.transitions) {
        if (t.at > at) break;
        if (h.types[t.type].abbreviation == "LMT") lmt = &h.types[t.type];
    }
    return lmt ? DecimalToDegMin(-lmt->utOffset / 240.0) : 0;
}

TEST(ZoneTransitions, ClockTimesAroundEveryChangeAgreeWithTheZoneFiles)
{
    const std::vector<tZone> zones = InstalledZones();
    if (zones.size() < 300) GTEST_SKIP() << "no full zone database installed";
    test::tTempDir dir;
    tDatabase time1(dir.File("Time1.db"), true), time2(dir.File("Time2.db"), true);
    {
        tTable t1(time1, Time1TableDef()), t2(time2, Time2TableDef());
        tTransaction tx1(time1), tx2(time2);
        tStatement a = time1.Prepare("INSERT INTO Time1 (COUNTRY, STATE, DATE, HOUR, ADJUST, \"TABLE\") VALUES (?1, 0, ?2, ?3, ?4, ?1)");
        tStatement b = time2.Prepare("INSERT INTO Time2 (\"TABLE\", DATE, HOUR, ADJUST, ASK) VALUES (?1, ?2, ?3, ?4, ?5)");
        for (std::size_t z = 0; z < zones.size(); ++z) {
            const tZoneTables t = MakeZoneTables(zones[z].history);
            const std::int64_t code = static_cast<std::int64_t>(z) + 1;
            for (const tStandardRow& r : t.standard) {
                a.Bind(1, code).Bind(2, r.date).Bind(3, std::int64_t{r.hour}).Bind(4, r.adjust).Step();
                a.Reset();
            }
            for (const tCorrectionRow& r : t.corrections) {
                b.Bind(1, code).Bind(2, r.date).Bind(3, std::int64_t{r.hour}).Bind(4, r.adjust);
                b.Bind(5, std::int64_t{r.ask}).Step();
                b.Reset();
            }
        }
        tx1.Commit();
        tx2.Commit();
    }
    tZoneLookup lookup(time1, time2);
    const std::int64_t from = DaysFromCivil({1900, 1, 1}) * 86400, to = DaysFromCivil({2036, 1, 1}) * 86400;
    int checked = 0, skipped = 0, wrong = 0, repeated = 0;
    for (std::size_t z = 0; z < zones.size(); ++z) {
        const tTzHistory& h = zones[z].history;
        for (const tTzTransition& tr : h.transitions) {
            if (tr.at < from || tr.at >= to) continue;
            for (const std::int64_t at : {tr.at - 3600, tr.at + 3600}) {
                const tTzType& type = h.TypeAt(at);
                // No local time at all: the tables give the longitude's zone.
                if (type.abbreviation == "-00") {
                    ++skipped;
                    continue;
                }
                const std::int64_t local = at + type.utOffset;
                const std::int64_t day = local >= 0 ? local / 86400 : (local - 86399) / 86400;
                const tCivilDate d = CivilFromDays(day);
                tChart c;
                c.Country = static_cast<std::int32_t>(z + 1);
                c.Year = static_cast<std::uint16_t>(d.year);
                c.Month = static_cast<std::uint16_t>(d.month);
                c.Day = static_cast<std::uint16_t>(d.day);
                c.Hour = static_cast<std::uint16_t>((local - day * 86400) / 3600);
                c.Minute = static_cast<std::uint16_t>((local - day * 86400) % 3600 / 60);
                c.Longitude = LmtLongitude(h, at);
                lookup.FindAdjust(c);
                ++checked;
                const double east = -DegMinToDecimal(c.Adjust) * 3600;
                if (std::fabs(east - type.utOffset) <= 60) continue;
                // A clock time that occurs twice (clocks turned back) has two
                // right answers; the tables give the earlier one.
                const tTzType& other = h.TypeAt(local - static_cast<std::int64_t>(std::lround(east)));
                if (std::fabs(east - other.utOffset) <= 60) {
                    ++repeated;
                } else {
                    if (++wrong <= 20)
                        std::cout << "  differs: " << zones[z].name << " " << IsoDate(d) << " " << c.Hour << ":"
                                  << c.Minute << " tables " << east / 3600 << " h, zone file " << type.utOffset / 3600.0
                                  << " h\n";
                }
            }
        }
    }
    std::cout << "zones " << zones.size() << ", clock times checked " << checked << ", of them repeated by a change "
              << repeated << ", disagreements " << wrong << ", sides without local time skipped " << skipped << "\n";
    EXPECT_GT(checked, 10000);
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace quintara
