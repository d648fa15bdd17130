// quintara-cli: the command-line face of the engine.
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include <memory>

#include "chart_input.h"
#include "i18n/languages.h"
#include "options/main_options.h"
#include "platform/program_home.h"
#include "positions.h"

using namespace quintara;
using namespace quintara::cli;

namespace {

constexpr const char* kUsage =
    "usage: quintara-cli positions [options]\n"
    "       quintara-cli positions --batch  < requests.jsonl > charts.jsonl\n"
    "\n"
    "  --date YYYY-MM-DD    civil date (proleptic Gregorian, year 0..65535)\n"
    "  --time HH:MM         local clock time\n"
    "  --adjust H.MM        zone correction added to clock time to give UT (-1.00 for CET)\n"
    "  --lat D.MM | 48N52   latitude, north positive\n"
    "  --lon D.MM | 2E21    longitude, west positive\n"
    "  --house NAME|CODE    Placidus, Campanus, Montroyal, Equal, Koch, Meridian,\n"
    "                       Morinus, Porphyry, Topocentric, or 0..8 (default: the settings')\n"
    "  --zodiac tropical|sidereal (default: the settings')\n"
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
    s.languages = std::make_unique<TLanguages>(s.home, s.options->Profile());
    return true;
}

int Positions(int argc, char** argv)
{
    tChartRequest r;
    bool json = false, batch = false, houseGiven = false, zodiacGiven = false;
    std::string homeOverride;
    for (int i = 0; i < argc; ++i) {
        const std::string_view opt = argv[i];
        if (opt == "--json") { json = true; continue; }
        if (opt == "--batch") { batch = true; continue; }
        if (opt == "--help" || opt == "-h") { std::cout << kUsage; return 0; }
        if (i + 1 >= argc) return Fail(std::string(opt) + ": missing value\n" + kUsage);
        const std::string_view value = argv[++i];
        std::string error, sub;
        bool ok = true;
        if (opt == "--home") homeOverride = value;
        else if (opt == "--date") ok = ParseDate(value, r, error);
        else if (opt == "--time") ok = ParseTime(value, r, error);
        else if (opt == "--adjust") {
            auto v = ParseDegMin(value, sub);
            if (v) r.adjust = *v; else ok = false, error = "adjust: " + sub;
        } else if (opt == "--lat") {
            auto v = ParseLatitude(value, sub);
            if (v) r.latitude = *v; else ok = false, error = "lat: " + sub;
        } else if (opt == "--lon") {
            auto v = ParseLongitude(value, sub);
            if (v) r.longitude = *v; else ok = false, error = "lon: " + sub;
        } else if (opt == "--house") {
            auto v = ParseHouseSystem(value, sub);
            if (v) r.house = *v, houseGiven = true; else ok = false, error = "house: " + sub;
        } else if (opt == "--zodiac") {
            auto v = ParseZodiac(value, sub);
            if (v) r.zodiac = *v, zodiacGiven = true; else ok = false, error = "zodiac: " + sub;
        } else {
            return Fail("unknown option " + std::string(opt) + "\n" + kUsage);
        }
        if (!ok) return Fail(error);
    }
    if (batch) {
        std::ios::sync_with_stdio(false);
        const tBatchCounts counts = RunBatch(std::cin, std::cout, std::cerr);
        std::cout.flush();
        if (counts.errors) std::cerr << "quintara-cli: " << counts.errors << " line(s) rejected, " << counts.charts << " chart(s) written\n";
        return counts.errors ? 1 : 0;
    }
    tSession session;
    if (std::string error; !OpenSession(homeOverride, session, error)) return Fail(error);
    if (!houseGiven) r.house = session.options->HouseType;
    if (!zodiacGiven) r.zodiac = session.options->Zodiac;
    if (const std::string error = CheckRequest(r); !error.empty()) return Fail(error);
    tChart chart;
    ApplyRequest(r, chart);
    CalcChart(chart);
    TLanguages* lang = session.languages.get();
    std::cout << (json ? PositionsJson(chart, lang) + "\n" : PositionsText(chart, lang));
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
    return Fail(std::string("unknown command ") + argv[1] + "\n" + kUsage);
}
