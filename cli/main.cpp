// quintara-cli: the command-line face of the engine.
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include <memory>

#include "aspect_report.h"
#include "aspects/aspects.h"
#include "chart_input.h"
#include "i18n/languages.h"
#include "options/main_options.h"
#include "platform/program_home.h"
#include "positions.h"

using namespace quintara;
using namespace quintara::cli;

namespace {

constexpr const char* kUsage =
    "usage: quintara-cli positions [chart options] [--json]\n"
    "       quintara-cli positions --batch  < requests.jsonl > charts.jsonl\n"
    "       quintara-cli aspects   [chart options] [--all] [--orb-percent N] [--json]\n"
    "       quintara-cli synastry  [chart options] [second chart options] [--all] [--json]\n"
    "\n"
    "chart options:\n"
    "  --date YYYY-MM-DD    civil date (proleptic Gregorian, year 0..65535)\n"
    "  --time HH:MM         local clock time\n"
    "  --adjust H.MM        zone correction added to clock time to give UT (-1.00 for CET)\n"
    "  --lat D.MM | 48N52   latitude, north positive\n"
    "  --lon D.MM | 2E21    longitude, west positive\n"
    "  --house NAME|CODE    Placidus, Campanus, Montroyal, Equal, Koch, Meridian,\n"
    "                       Morinus, Porphyry, Topocentric, 0..8, or 255 (time unknown);\n"
    "                       default: the settings'\n"
    "  --zodiac tropical|sidereal (default: the settings')\n"
    "second chart options (synastry): the same names ending in 2: --date2, --time2, ...\n"
    "\n"
    "  --all                all aspect kinds instead of the settings' (major by default)\n"
    "  --orb-percent N      scale every orb (100 = the settings' orbs)\n"
    "  --home DIR           program home (settings, language files); default $QUINTARA_HOME,\n"
    "                       the program's folder if it holds Astro.ini, ~/.local/share/quintara\n"
    "  --json               one JSON object instead of text\n"
    "  --batch              JSON lines in: year, month, day, hour, minute, adjust, lat, lon,\n"
    "                       house, zodiac; JSON lines out\n";

int Fail(const std::string& message)
{
    std::cerr << "quintara-cli: " << message << '\n';
    return 2;
}

bool ParseDate(std::string_view s, tChartRequest& r, std::string& error)
{
    const auto a = s.find('-', 1), b = a == std::string_view::npos ? a : s.find('-', a + 1);
    if (b == std::string_view::npos) { error = "date: \"" + std::string(s) + "\" is not YYYY-MM-DD"; return false; }
    std::string sub;
    auto y = ParseWhole(s.substr(0, a), 0, 65535, sub);
    if (!y) { error = "year: " + sub; return false; }
    auto m = ParseWhole(s.substr(a + 1, b - a - 1), 1, 12, sub);
    if (!m) { error = "month: " + sub; return false; }
    auto d = ParseWhole(s.substr(b + 1), 1, 31, sub);
    if (!d) { error = "day: " + sub; return false; }
    r.year = *y, r.month = *m, r.day = *d;
    return true;
}

bool ParseTime(std::string_view s, tChartRequest& r, std::string& error)
{
    const auto c = s.find(':');
    std::string sub;
    auto h = ParseWhole(s.substr(0, c), 0, 23, sub);
    if (!h) { error = "hour: " + sub; return false; }
    auto m = c == std::string_view::npos ? std::optional<int>(0) : ParseWhole(s.substr(c + 1), 0, 59, sub);
    if (!m) { error = "minute: " + sub; return false; }
    r.hour = *h, r.minute = *m;
    return true;
}

// The program home with its settings and vocabulary.
struct tSession {
    std::string home;
    std::unique_ptr<TMainOptions> options;
    std::unique_ptr<TLanguages> languages;
};

bool OpenSession(const std::string& homeOverride, tSession& s, std::string& error)
{
    s.home = ResolveProgramHome(ProcessHomeSources(homeOverride, QUINTARA_SEED_DIR), &error);
    if (s.home.empty()) return false;
    s.options = std::make_unique<TMainOptions>(s.home);
    s.options->ReadParameters();
    s.options->LoadOptions();
    s.languages = std::make_unique<TLanguages>(s.home, s.options->Profile());
    return true;
}

struct tChartArgs {
    tChartRequest r;
    bool houseGiven = false, zodiacGiven = false;
};

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
    } else if (name == "--time") {
        if (!ParseTime(value, r, error)) return badChart2();
    } else if (name == "--adjust") {
        auto v = ParseDegMin(value, sub);
        if (!v) return bad("adjust");
        r.adjust = *v;
    } else if (name == "--lat") {
        auto v = ParseLatitude(value, sub);
        if (!v) return bad("lat");
        r.latitude = *v;
    } else if (name == "--lon") {
        auto v = ParseLongitude(value, sub);
        if (!v) return bad("lon");
        r.longitude = *v;
    } else if (name == "--house") {
        auto v = ParseHouseSystem(value, sub);
        if (!v) return bad("house");
        r.house = *v;
        c.houseGiven = true;
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

// Everything a command may be given.
struct tCommandArgs {
    tChartArgs first, second;
    bool json = false, batch = false, all = false;
    int orbPercent = 100;
    std::string home;
};

// Parses argv; secondChart allows the options ending in 2. Returns -1 to go
// on, else the exit code.
int ParseArgs(int argc, char** argv, bool secondChart, bool batchAllowed, bool aspectOptions, tCommandArgs& a)
{
    for (int i = 0; i < argc; ++i) {
        const std::string_view opt = argv[i];
        if (opt == "--help" || opt == "-h") { std::cout << kUsage; return 0; }
        if (opt == "--json") { a.json = true; continue; }
        if (opt == "--batch" && batchAllowed) { a.batch = true; continue; }
        if (opt == "--all" && aspectOptions) { a.all = true; continue; }
        if (i + 1 >= argc) return Fail(std::string(opt) + ": missing value\n" + kUsage);
        const std::string_view value = argv[++i];
        if (opt == "--home") { a.home = value; continue; }
        std::string error, sub;
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
        if (!handled) return Fail("unknown option " + std::string(opt) + "\n" + kUsage);
    }
    return -1;
}

// The chart of the arguments, computed; house system and zodiac default to
// the settings'. False with error when the arguments do not make a chart.
bool MakeChart(tChartArgs c, const tSession& s, tChart& chart, std::string& error)
{
    if (!c.houseGiven) c.r.house = s.options->HouseType;
    if (!c.zodiacGiven) c.r.zodiac = s.options->Zodiac;
    error = CheckRequest(c.r);
    if (!error.empty()) return false;
    ApplyRequest(c.r, chart);
    CalcChart(chart);
    return true;
}

int Positions(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, true, false, a); rc >= 0) return rc;
    if (a.batch) {
        std::ios::sync_with_stdio(false);
        const tBatchCounts counts = RunBatch(std::cin, std::cout, std::cerr);
        std::cout.flush();
        if (counts.errors) std::cerr << "quintara-cli: " << counts.errors << " line(s) rejected, " << counts.charts << " chart(s) written\n";
        return counts.errors ? 1 : 0;
    }
    tSession session;
    std::string error;
    if (!OpenSession(a.home, session, error)) return Fail(error);
    tChart chart(&session.options->BirthSet);
    if (!MakeChart(a.first, session, chart, error)) return Fail(error);
    TLanguages* lang = session.languages.get();
    std::cout << (a.json ? PositionsJson(chart, lang) + "\n" : PositionsText(chart, lang));
    return 0;
}

int Aspects(int argc, char** argv, bool synastry)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, synastry, false, true, a); rc >= 0) return rc;
    tSession session;
    std::string error;
    if (!OpenSession(a.home, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tAspectsCollection list({&o.NatalOrbs, &o.SynastryOrbs, o.AspectTypes});
    tChart first(synastry ? &o.FirstChartSet : &o.BirthSet);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    first.OrbPercent = a.orbPercent;
    if (a.all) first.AspectTypes = 15;
    if (synastry) {
        tChart second(&o.SecondChartSet);
        if (!MakeChart(a.second, session, second, error)) return Fail("chart 2: " + error);
        list.BuildComparison(first, second);
        list.ScoreSynastry();
    } else {
        list.BuildNatal(first);
        list.ScoreNatal(first);
    }
    TLanguages& lang = *session.languages;
    std::cout << (a.json ? AspectsJson(list, lang) + "\n" : AspectsText(list, lang));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage;
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "positions") == 0) return Positions(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "aspects") == 0) return Aspects(argc - 2, argv + 2, false);
    if (std::strcmp(argv[1], "synastry") == 0) return Aspects(argc - 2, argv + 2, true);
    return Fail(std::string("unknown command ") + argv[1] + "\n" + kUsage);
}
