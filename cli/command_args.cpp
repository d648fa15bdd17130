#include "cli/command_args.h"

#include "core/data/home_upgrade.h"
#include "core/platform/atomic_file.h"

#include <charconv>
#include <iostream>

#include "cli/place_format.h"
#include "cli/text_format.h"
#include "core/data/chart_record.h"
#include "core/data/civil_date.h"
#include "core/data/clock_time.h"
#include "core/data/data_module.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/program_home.h"

namespace quintara::cli {

int Fail(const std::string& message)
{
    std::cerr << "quintara-cli: " << message << '\n';
    return 2;
}

// The session of the home and chart file a command was given.
bool OpenSession(const std::string& homeOverride, const std::string& chartFile, tSession& s, std::string& error)
{
    const tHomeSources sources = ProcessHomeSources(homeOverride, QUINTARA_SEED_DIR);
    const std::string home = ResolveProgramHome(sources, &error);
    if (home.empty()) return false;
    const tHomeUpgrade upgrade = UpgradeHome(home, sources.seedDir);
    for (const std::string& f : upgrade.keptEdited)
        std::cerr << "quintara-cli: note: " << f
                  << " was changed in this home and is kept; a newer version is installed ("
                  << JoinPath(sources.seedDir, f) << ")\n";
    for (const std::string& f : upgrade.repaired)
        std::cerr << "quintara-cli: note: " << f
                  << " was damaged and is replaced by the installed one (the damaged copy is kept beside it, "
                     "ending in .damaged)\n";
    for (const std::string& p : upgrade.problems) std::cerr << "quintara-cli: warning: not refreshed: " << p << '\n';
    for (const std::string& p : OpenSettings(home, s)) std::cerr << "quintara-cli: warning: " << p << '\n';
    s.chartFile = chartFile;
    return true;
}

bool OpenSession(const tCommandArgs& a, tSession& s, std::string& error)
{
    if (!OpenSession(a.home, a.chartFile, s, error)) return false;
    if (a.ephemeris >= 0) s.options->Ephemeris = a.ephemeris;
    return true;
}

// One chart option whose name ends in suffix. False with error when it is
// bad; handled tells whether it was a chart option at all.
bool ChartOption(std::string_view opt, std::string_view value, std::string_view suffix, tChartArgs& c,
                 bool& handled, std::string& error)
{
    handled = false;
    if (opt.size() <= suffix.size() || opt.substr(opt.size() - suffix.size()) != suffix) return true;
    const std::string_view name = opt.substr(0, opt.size() - suffix.size());
    const std::string tag(suffix);
    tChartRequest& r = c.r;
    std::string sub;
    // "field2: message" (appended piecewise: g++ 12 warns falsely on literal + string).
    const auto bad = [&](const char* field) {
        error = field;
        error += tag;
        error += ": ";
        error += sub;
        return false;
    };
    const auto badChart2 = [&] {
        if (!tag.empty()) error.insert(0, std::string("chart 2 "));
        return false;
    };
    handled = true;
    if (name == "--date") {
        if (!ParseDate(value, r, error)) return badChart2();
        c.dateGiven = true;
    } else if (name == "--time") {
        if (!ParseTime(value, r, error)) return badChart2();
    } else if (name == "--adjust") {
        auto v = ParseDegMin(value, sub);
        if (!v) {
            // The same digits as degrees.minutes, but the zone is in hours.
            if (const auto at = sub.find("degrees.minutes"); at != std::string::npos) sub.replace(at, 7, "hours");
            return bad("adjust");
        }
        r.adjust = *v;
        c.adjustGiven = true;
    } else if (name == "--lat") {
        auto v = ParseLatitude(value, sub);
        if (!v) return bad("lat");
        r.latitude = *v;
        c.latGiven = true;
    } else if (name == "--lon") {
        auto v = ParseLongitude(value, sub);
        if (!v) return bad("lon");
        r.longitude = *v;
        c.lonGiven = true;
    } else if (name == "--house") {
        auto v = ParseHouseSystem(value, sub);
        if (!v) return bad("house");
        r.house = *v;
        c.houseGiven = true;
    } else if (name == "--place") {
        if (value.empty()) {
            error = "place: empty name";
            return badChart2();
        }
        c.place = value;
    } else if (name == "--zone") {
        if (value != "auto") {
            error = "zone: only \"auto\" is known (use --adjust for a value)";
            return badChart2();
        }
        c.zoneAuto = true;
    } else if (name == "--name") {
        c.name = value;
    } else if (name == "--first-name") {
        c.firstName = value;
    } else if (name == "--comment") {
        c.comment = value;
    } else if (name == "--sex") {
        if (value != "m" && value != "f" && value != "M" && value != "F") {
            error = "sex: say m (a man) or f (a woman)";
            return badChart2();
        }
        c.sex = value == "m" || value == "M" ? 1 : 0;
    } else if (name == "--zodiac") {
        auto v = ParseZodiac(value, sub);
        if (!v) return bad("zodiac");
        r.zodiac = *v;
        c.zodiacGiven = true;
    } else {
        handled = false;
    }
    return true;
}


// Parses argv; secondChart allows the options ending in 2. Returns -1 to go
// on, else the exit code.
int ParseArgs(int argc, char** argv, bool secondChart, bool batchAllowed, bool aspectOptions, tCommandArgs& a)
{
    a.second.tag.assign(1, '2');  // not = "2": gcc 12 warns falsely (-Wrestrict)
    for (int i = 0; i < argc; ++i) {
        const std::string_view opt = argv[i];
        if (opt == "--help" || opt == "-h") { std::cout << Usage(); return 0; }
        if (opt == "--json") { a.json = true; continue; }
        if (opt == "--analysis") { a.analysis = true; continue; }
        if (opt == "--proportional") { a.proportional = true; continue; }
        if (opt == "--replace") { a.replace = true; continue; }
        if (opt == "--keep-good") {
            a.keepGood = true;
            continue;
        }
        if (opt == "--moon-aspects") {
            a.moonAspects = true;
            continue;
        }
        if (opt == "--utc") {
            a.utc = true;
            continue;
        }
        if (opt == "--batch" && batchAllowed) { a.batch = true; continue; }
        if (opt == "--all" && aspectOptions) { a.all = true; continue; }
        if (opt == "-o" && i + 1 < argc) { a.output = argv[++i]; continue; }
        if (opt.size() < 2 || opt.substr(0, 2) != "--") { a.words.emplace_back(opt); continue; }
        if (i + 1 >= argc) return Fail(std::string(opt) + ": missing value (quintara-cli --help lists the options)");
        const std::string_view value = argv[++i];
        std::string error, sub;
        if (opt == "--home") { a.home = value; continue; }
        if (opt == "--chart-file") { a.chartFile = value; continue; }
        if (opt == "--filter") { a.filter = value; continue; }
        if (opt == "--into") { a.into = value; continue; }
        if (opt == "--tz") {
            a.tz = value;
            continue;
        }
        if (opt == "--ephemeris") {
            if (value == "builtin" || value == "built-in") a.ephemeris = tChart::kBuiltIn;
            else if (value == "precise") a.ephemeris = tChart::kPrecise;
            else return Fail("ephemeris: \"" + std::string(value) + "\" is not builtin or precise");
            a.first.ephemeris = a.second.ephemeris = a.ephemeris;
            continue;
        }
        if (opt == "--output") { a.output = value; continue; }
        if (opt == "--size") {
            const std::size_t x = value.find('x');
            const auto w = ParseWhole(value.substr(0, x), 10, 20000, sub);
            const auto h = x == std::string_view::npos ? std::nullopt : ParseWhole(value.substr(x + 1), 10, 20000, sub);
            if (!w || !h) return Fail("size: give WxH in pixels, 10 to 20000 each, like 1000x1000");
            a.width = *w, a.height = *h;
            continue;
        }
        if (opt == "--zoom") {
            double z = 0;
            const auto res = std::from_chars(value.data(), value.data() + value.size(), z);
            if (res.ec != std::errc() || res.ptr != value.data() + value.size() || !(z >= 0.1 && z <= 10))
                return Fail("zoom: give a factor from 0.1 to 10, like 1.2");
            a.zoom = z;
            continue;
        }
        if (opt == "--format") {
            if (value != "text" && value != "rtf" && value != "html") return Fail("format: text, rtf or html");
            a.format = value;
            continue;
        }
        if (opt == "--bodies") {
            auto v = ParseTransitBodies(value, sub);
            if (!v) return Fail("bodies: " + sub);
            a.bodies = *v;
            continue;
        }
        if (opt == "--jobs") {
            auto v = ParseWhole(value, 1, 256, sub);
            if (!v) return Fail("jobs: " + sub);
            a.jobs = *v;
            continue;
        }
        if (opt == "--limit") {
            auto v = ParseWhole(value, 1, 100000, sub);
            if (!v) return Fail("limit: " + sub);
            a.limit = *v;
            continue;
        }
        if (opt == "--orb-percent" && aspectOptions) {
            auto v = ParseWhole(value, 0, 1000, sub);
            if (!v) return Fail("orb-percent: " + sub);
            a.orbPercent = *v;
            continue;
        }
        bool handled = false;
        if (secondChart) {
            if (!ChartOption(opt, value, "2", a.second, handled, error)) return Fail(error);
            if (handled) continue;
        }
        if (!ChartOption(opt, value, "", a.first, handled, error)) return Fail(error);
        if (!handled) return Fail("unknown option " + std::string(opt) + " (quintara-cli --help lists the options)");
    }
    return -1;
}

// The chart of the arguments, computed; house system and zodiac default to
// the settings'. False with error when the arguments do not make a chart.
namespace {

bool BuildChart(tChartArgs c, tSession& s, tChart& chart, std::string& error)
{
    const std::string& t = c.tag;
    if (!c.dateGiven) {
        error = "no birth date: give --date" + t + " YYYY-MM-DD";
        return false;
    }
    if (c.needsPlace && c.place.empty() && !(c.latGiven && c.lonGiven)) {
        error = "no birth place: give --place" + t + " NAME, or --lat" + t + " and --lon" + t;
        return false;
    }
    if (c.needsPlace && c.place.empty() && !c.adjustGiven) {
        error = "no zone: give --adjust" + t + " H.MM (hours.minutes added to clock time to give UT), or --place" +
                t + " with the zone looked up";
        return false;
    }
    if (!c.place.empty() && !c.adjustGiven) c.zoneAuto = true;
    if (!c.houseGiven) c.r.house = s.options->HouseType;
    if (!c.zodiacGiven) c.r.zodiac = s.options->Zodiac;
    error = CheckRequest(c.r);
    if (!error.empty()) return false;
    ApplyRequest(c.r, chart);
    chart.Name = c.name;
    chart.FirstName = c.firstName;
    chart.Comment = c.comment;
    chart.Sex = static_cast<std::uint8_t>(c.sex);
    for (const std::string& field : TooLongChartFields(chart))
        std::cerr << "warning: " << field << " is kept to its field's length when the chart is stored\n";
    if (!c.place.empty()) {
        const auto place = BestLocality(s.Data(), c.place);
        if (!place) {
            error = "place: no locality starts with \"" + c.place + "\"";
            return false;
        }
        chart.BirthPlace = place->name;
        chart.Latitude = place->latitude;
        chart.Longitude = place->longitude;
        chart.Country = place->country;
        chart.State = place->state;
        std::cerr << "place: " << place->name << ", " << s.Data().GetCountryName(place->country, 1) << ", "
                  << LatitudeText(place->latitude) << " " << LongitudeText(place->longitude) << "\n";
    }
    if (c.zoneAuto) {
        if (c.place.empty()) {
            error = "zone: --zone auto needs --place";
            return false;
        }
        const bool sure = s.Data().FindAdjust(chart);
        std::cerr << "zone: " << AdjustText(chart.Adjust) << "\n";
        if (!sure) std::cerr << "warning: " << s.languages->Caption(caption::kZoneNotSure) << "\n";
        const tClockTime clock = CheckClockTime(s.Data(), chart);
        if (clock.kind != tClockTime::kNormal)
            std::cerr << "warning: " << Format("%02d:%02d", chart.Hour, chart.Minute)
                      << (clock.kind == tClockTime::kSkipped ? " does not exist that day (the clocks skipped it)"
                                                             : " occurs twice that day (the clocks were turned back)")
                      << ": zone " << AdjustText(clock.adjustBefore) << " before the change or "
                      << AdjustText(clock.adjustAfter) << " after it; " << AdjustText(chart.Adjust)
                      << " was taken (give --adjust to choose)\n";
    }
    chart.Ephemeris = static_cast<std::uint8_t>(c.ephemeris >= 0 ? c.ephemeris : s.options->Ephemeris);
    CalcChart(chart);
    if (!chart.EphemerisNote.empty()) std::cerr << "note: " << chart.EphemerisNote << "\n";
    return true;
}

}  // namespace

bool MakeChart(tChartArgs c, tSession& s, tChart& chart, std::string& error)
{
    const std::string tag = c.tag;
    if (BuildChart(std::move(c), s, chart, error)) return true;
    if (!tag.empty()) error.insert(0, "chart 2: ");
    return false;
}

void LocalZoneOfReturn(tSession& s, tChart& chart)
{
    if (!chart.Country) return;
    if (!s.Data().ZoneAtMoment(chart)) std::cerr << "warning: " << s.languages->Caption(caption::kZoneNotSure) << "\n";
    CalcChart(chart);
}

// Today's civil date, for the zone a locality has now.
void Today(tChart& c)
{
    const tCivilDate d = UniversalToday();
    c.Year = static_cast<std::uint16_t>(d.year);
    c.Month = static_cast<std::uint16_t>(d.month);
    c.Day = static_cast<std::uint16_t>(d.day);
    c.Hour = 12;
}

// The first word as a date (default today), into the chart's date fields.
bool StartDate(const std::vector<std::string>& words, tChart& chart, std::string& error)
{
    if (words.empty()) {
        const std::uint16_t hour = chart.Hour;
        Today(chart);
        chart.Hour = hour;
        return true;
    }
    tChartRequest r;
    if (!ParseDate(words[0], r, error)) return false;
    chart.Year = static_cast<std::uint16_t>(r.year);
    chart.Month = static_cast<std::uint16_t>(r.month);
    chart.Day = static_cast<std::uint16_t>(r.day);
    return true;
}



}  // namespace quintara::cli
