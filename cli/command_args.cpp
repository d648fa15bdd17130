#include "cli/command_args.h"

#include "core/data/home_upgrade.h"
#include "core/platform/atomic_file.h"

#include <charconv>
#include <filesystem>
#include <set>
#include <iostream>
#include <ostream>
#include <utility>

#include "core/platform/ascii.h"

#include "cli/place_format.h"
#include "cli/text_format.h"
#include "core/data/chart_record.h"
#include "core/data/point_names.h"
#include "core/data/civil_date.h"
#include "core/data/clock_time.h"
#include "core/data/data_module.h"
#include "core/engine/houses.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/program_home.h"

namespace quintara::cli {

int Fail(const std::string& message)
{
    std::cerr << "quintara-cli: " << message << '\n';
    return 2;
}

namespace {

bool quietRun = false;

// The language code of a name as --language takes it; 0 for none.
int LanguageOfName(std::string_view name)
{
    static constexpr std::pair<std::string_view, int> kNames[] = {
        {"english", 1}, {"en", 1}, {"1", 1},   {"french", 33}, {"fr", 33}, {"33", 33},
        {"dutch", 31},  {"nl", 31}, {"31", 31}, {"german", 49}, {"de", 49}, {"49", 49}};
    for (const auto& [n, code] : kNames)
        if (SameNameIgnoringCase(n, name)) return code;
    return 0;
}

}  // namespace

void SetQuiet(bool quiet) { quietRun = quiet; }

std::ostream& Status()
{
    static std::ostream none(nullptr);
    return quietRun ? none : std::cerr;
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
    // A relative chart file is where the user stands, as every other file argument.
    std::string chartFile = a.chartFile;
    if (!chartFile.empty()) {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(chartFile, ec);
        if (!ec) chartFile = absolute.string();
    }
    if (!OpenSession(a.home, chartFile, s, error)) return false;
    if (a.ephemeris >= 0) s.options->Ephemeris = a.ephemeris;
    if (a.language) {
        s.languages->UseLanguageForRun(a.language);
        s.options->SetRunLanguage(a.language, true);
    }
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
        c.timeGiven = true;
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
        if (value != "auto") return ChartOption(std::string("--adjust").append(tag), value, suffix, c, handled, error);
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
        // "sidereal" alone keeps the settings' ayanamsa (BuildChart).
        c.siderealOnly = v->code == kClassicSidereal && value != "1";
        r.zodiac = v->code;
        r.userAyanamsa = v->user;
        c.zodiacGiven = true;
    } else if (name == "--points") {
        for (std::size_t at = 0; at <= value.size();) {
            const std::size_t comma = std::min(value.find(',', at), value.size());
            if (comma > at) c.points.emplace_back(value.substr(at, comma - at));
            at = comma + 1;
        }
        if (c.points.empty()) {
            error = "points: give names separated by commas, like vesta,true-node,south-node";
            return badChart2();
        }
    } else if (name == "--ayanamsa") {
        tZodiacChoice z;
        if (!ParseAyanamsa(value, z.code, z.user, sub)) return bad("ayanamsa");
        r.zodiac = z.code;
        r.userAyanamsa = z.user;
        c.zodiacGiven = true;
        c.siderealOnly = false;
    } else {
        handled = false;
    }
    return true;
}


bool ApplyOptions(const tCommandLine& line, tCommandArgs& a, std::string& error)
{
    a.second.tag.assign(1, '2');  // not = "2": gcc 12 warns falsely (-Wrestrict)
    a.command = line.command;
    a.words = line.words;
    std::string sub;
    const auto fail = [&](std::string message) {
        error = std::move(message);
        return false;
    };
    for (const tGivenOption& o : line.options) {
        const std::string& opt = o.name;
        const std::string_view value = o.value;
        const std::string_view name = o.info->name;
        if (name == "--json") a.json = true;
        else if (name == "--analysis") a.analysis = true;
        else if (name == "--proportional") a.proportional = true;
        else if (name == "--replace") a.replace = true;
        else if (name == "--keep-good") a.keepGood = true;
        else if (name == "--moon-aspects") a.moonAspects = true;
        else if (name == "--void-of-course") a.voidOfCourse = true;
        else if (name == "--shadows") a.shadows = true;
        else if (name == "--utc") a.utc = true;
        else if (name == "--batch") a.batch = true;
        else if (name == "--all") a.all = true;
        else if (name == "--quiet") a.quiet = true;
        else if (name == "--positions") a.positions = true;
        else if (name == "-o" || name == "--output") a.output = value;
        else if (name == "--home") a.home = value;
        else if (name == "--chart-file") a.chartFile = value;
        else if (name == "--filter") a.filter = value;
        else if (name == "--into") a.into = value;
        else if (name == "--tz") a.tz = value;
        else if (name == "--format") {
            const std::string_view allowed = o.info->value;  // "text|csv|jsonl"
            bool ok = false;
            for (std::size_t at = 0; at <= allowed.size();) {
                const std::size_t bar = std::min(allowed.find('|', at), allowed.size());
                ok = ok || allowed.substr(at, bar - at) == value;
                at = bar + 1;
            }
            if (!ok) return fail("format: \"" + std::string(value) + "\" is not " + std::string(allowed));
            a.format = value;
        } else if (name == "--language") {
            const int code = LanguageOfName(value);
            if (!code) return fail("language: \"" + std::string(value) + "\" is not english, french, dutch or german (or 1, 33, 31, 49)");
            a.language = code;
        } else if (name == "--ephemeris") {
            if (value == "builtin" || value == "built-in") a.ephemeris = tChart::kBuiltIn;
            else if (value == "precise") a.ephemeris = tChart::kPrecise;
            else return fail("ephemeris: \"" + std::string(value) + "\" is not builtin or precise");
            a.first.ephemeris = a.second.ephemeris = a.ephemeris;
        } else if (name == "--size") {
            const std::size_t x = value.find('x');
            const auto w = ParseWhole(value.substr(0, x), 10, 20000, sub);
            const auto h = x == std::string_view::npos ? std::nullopt : ParseWhole(value.substr(x + 1), 10, 20000, sub);
            if (!w || !h) return fail("size: give WxH in pixels, 10 to 20000 each, like 1000x1000");
            a.width = *w, a.height = *h;
        } else if (name == "--zoom") {
            double z = 0;
            const auto res = std::from_chars(value.data(), value.data() + value.size(), z);
            if (res.ec != std::errc() || res.ptr != value.data() + value.size() || !(z >= 0.1 && z <= 10))
                return fail("zoom: give a factor from 0.1 to 10, like 1.2");
            a.zoom = z;
        } else if (name == "--bodies") {
            auto v = ParseTransitBodies(value, sub);
            if (!v) return fail("bodies: " + sub);
            a.bodies = *v;
        } else if (name == "--jobs" || name == "--limit" || name == "--orb-percent") {
            const int hi = name == "--jobs" ? 256 : name == "--limit" ? 100000 : 1000;
            auto v = ParseWhole(value, name == "--orb-percent" ? 0 : 1, hi, sub);
            if (!v) return fail(std::string(name.substr(2)) + ": " + sub);
            (name == "--jobs" ? a.jobs : name == "--limit" ? a.limit : a.orbPercent) = *v;
        } else {
            // A chart option; the table told whether it is the second chart's.
            const bool second = opt != name;
            bool handled = false;
            if (!ChartOption(opt, value, second ? "2" : "", second ? a.second : a.first, handled, error)) return false;
            if (!handled) return fail("unknown option " + opt);
        }
    }
    return true;
}

// The chart of the arguments, computed; house system and zodiac default to
// the settings'. False with error when the arguments do not make a chart.
namespace {

// The chart setup's points, as every chart of the program has them, then
// those the command line names for this run.
bool AddPoints(const tChartArgs& c, tSession& s, tChart& chart, std::string& error)
{
    std::vector<tPlanetRow> catalogue;
    try {
        // No vocabulary given: the command line writes no file of the home
        // (a point's own name stands where the language has none).
        if (chart.BodyCount() == kJuno) chart.AddRows(s.Data().PlanetRows(), nullptr);
        if (!c.points.empty()) catalogue = s.Data().StarRows();
    } catch (const std::exception& e) {
        std::cerr << "warning: no chart setup points (" << e.what() << ")\n";
    }
    std::set<int> have;
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p) have.insert(chart.BodyAt(p)->Num);
    for (const std::string& name : c.points) {
        std::vector<tPlanetRow> rows;
        if (!AddPointNamed(catalogue, name, have, rows, error)) {
            error.insert(0, std::string("points").append(c.tag).append(": "));
            return false;
        }
        for (const tPlanetRow& r : rows) have.insert(r.Num);
        rows.front().Aspects = true;  // asked for by name: in the aspects too
        chart.AddRows(rows, nullptr);
    }
    return true;
}

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
    if (!c.zodiacGiven || c.siderealOnly) {
        const tZodiacChoice z = c.siderealOnly ? s.options->SiderealChoice() : s.options->ZodiacChoice();
        c.r.zodiac = z.code;
        c.r.userAyanamsa = z.user;
    }
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
        Status() << "place: " << place->name << ", " << s.Data().GetCountryName(place->country, 1) << ", "
                  << LatitudeText(place->latitude) << " " << LongitudeText(place->longitude) << "\n";
    }
    if (c.zoneAuto) {
        if (c.place.empty()) {
            error = "zone: --zone auto needs --place";
            return false;
        }
        const bool sure = s.Data().FindAdjust(chart);
        Status() << "zone: " << AdjustText(chart.Adjust) << "\n";
        if (!sure) std::cerr << "warning: " << s.languages->Caption(caption::kZoneNotSure) << "\n";
        if (const std::string w = ClockTimeWarning(chart, CheckClockTime(s.Data(), chart)); !w.empty())
            std::cerr << "warning: " << w << " (give --adjust to choose)\n";
    }
    if (c.needsPlace && !c.timeGiven && chart.HouseType != kTimeUnknown)
        std::cerr << "warning: no --time" << t << ": the chart is cast for 12:00 (give --time" << t
                  << " HH:MM, or --house" << t << " 255 for a birth time unknown)\n";
    chart.Follow(s.options->ChartRules());
    if (c.ephemeris >= 0) chart.Ephemeris = EphemerisSourceOf(c.ephemeris);
    if (!AddPoints(c, s, chart, error)) return false;
    CalcChart(chart);
    if (!chart.EphemerisNote.empty()) std::cerr << "note: " << chart.EphemerisNote << "\n";
    if (!chart.PointsNote.empty()) std::cerr << "note: " << chart.PointsNote << "\n";
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
