// quintara-cli: the command-line face of the engine.
#include <cstring>
#include <ctime>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

#include <memory>

#include "cli/aspect_report.h"
#include "cli/command_args.h"
#include "cli/event_report.h"
#include "cli/picture_command.h"
#include "cli/place_format.h"
#include "cli/positions.h"
#include "cli/report_command.h"
#include "cli/text_format.h"
#include "core/aspects/aspects.h"
#include "core/aspects/previsions.h"
#include "core/aspects/transit_search.h"
#include "core/chart/chart_input.h"
#include "core/chart/derived_charts.h"
#include "core/data/chart_exchange.h"
#include "core/data/civil_date.h"
#include "core/data/user_zone.h"
#include "core/reports/events_calendar.h"
#include "core/chart/returns.h"
#include "core/data/chart_file.h"
#include "core/data/data_module.h"
#include "core/data/second_chart.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/languages.h"
#include "core/options/main_options.h"
#include "core/platform/ascii.h"
#include "core/platform/atomic_file.h"
#include "core/platform/program_home.h"
#include "core/platform/side_by_side.h"
#include "core/reports/text_writers.h"
#include "core/reports/two_chart_reports.h"

using namespace quintara;
using namespace quintara::cli;

namespace {

constexpr const char* kUsage =
    "usage: quintara-cli --help | --version\n"
    "       quintara-cli positions [chart options] [--json]\n"
    "       quintara-cli positions --batch  < requests.jsonl > charts.jsonl\n"
    "       quintara-cli aspects   [chart options] [--all] [--orb-percent N] [--json]\n"
    "       quintara-cli synastry  [chart options] [second chart options] [--all] [--json]\n"
    "       quintara-cli place NAME [--limit N]\n"
    "       quintara-cli charts add [chart options] --name NAME [--first-name T] [--comment T] [--sex m|f]\n"
    "       quintara-cli charts list [--filter EXPRESSION]\n"
    "       quintara-cli charts show|delete|recalc|zone INDEX\n"
    "       quintara-cli charts export FILE.txt|FILE.dbf|FILE.db|FILE.aaf|FILE.csv|FILE.jsonl [--filter EXPRESSION]\n"
    "                    [--replace]\n"
    "       quintara-cli charts import FILE.aaf|FILE.csv|FILE.jsonl [--keep-good]\n"
    "       quintara-cli charts append FILE.db\n"
    "       quintara-cli charts import-old OLDFILE [--into FILE.db]\n"
    "       quintara-cli return sun YEAR [chart options]     solar return of the chart in YEAR\n"
    "       quintara-cli return moon YYYY-MM-DD [chart options]  lunar return nearest that day\n"
    "       quintara-cli phases YYYY-MM-DD [--time HH:MM] [--adjust H.MM]  nine quarter phases\n"
    "       quintara-cli progression YYYY-MM-DD [chart options]  progressed chart for that day\n"
    "       quintara-cli midpoints [chart options] [second chart options]  midpoint chart\n"
    "       quintara-cli transits [START [MONTHS]] [chart options] [--bodies LIST] [--all] [--utc] [--json]\n"
    "                    events from START (YYYY-MM-DD, default today) for MONTHS (default 1),\n"
    "                    universal time; LIST: moon,mars,... or 2-10 (default all); --all: every\n"
    "                    aspect kind instead of the settings' transit aspects\n"
    "       quintara-cli report KIND [WORDS] [chart options] [--analysis] [--format text|rtf|html] [-o FILE]\n"
    "                    KIND: natal, list, aspects, analysis, transits [START [MONTHS]], compare-day [DATE],\n"
    "                    synastry (second chart options), compare-file [man|woman|both [MINAGE\n"
    "                    [MAXAGE [POSITIVE [NEGATIVE [TOTAL]]]]]], previsions [START [STEP [COUNT]]],\n"
    "                    sun-return [YEAR], moon-return [DATE], progression [DATE], midpoints\n"
    "       quintara-cli picture KIND -o FILE.svg [chart options] [second chart options]\n"
    "                    [--size WxH] [--zoom F] [--proportional]; KIND: daisy, us, clock, two,\n"
    "                    us-two, side-by-side, us-side-by-side, grid, two-grid, line [STEP], transit-line [START\n"
    "                    [STEP [BODY]]], previsions [START [STEP [COUNT]]], moon [DATE];\n"
    "                    FILE may end in .svg, .png or .pdf\n"
    "       quintara-cli previsions [START [STEP [COUNT]]] [chart options] [--all] [--json]\n"
    "       quintara-cli events [START [MONTHS]] [--tz ZONE] [--moon-aspects] [chart options for\n"
    "                    personal transits] [-o FILE.ics|FILE.csv] [--replace]\n"
    "                    COUNT (default 12) scores every STEP days.hours (default 7.00)\n"
    "  (chart is another name for positions)\n"
    "\n"
    "chart options:\n"
    "  --date YYYY-MM-DD    civil date (proleptic Gregorian, year 0..65535)\n"
    "  --time HH:MM         local clock time\n"
    "  --adjust H.MM        zone correction added to clock time to give UT (-1.00 for CET)\n"
    "  --lat D.MM | 48N52   latitude, north positive\n"
    "  --lon D.MM | 2E21    longitude, west positive\n"
    "  --house NAME|CODE    Placidus, Campanus, Montroyal, Equal, Koch, Meridian,\n"
    "                       Porphyry, Morinus, Topocentric, 0..8, or 255 (time unknown);\n"
    "                       default: the settings'\n"
    "  --zodiac tropical|sidereal (default: the settings')\n"
    "  --place NAME         the locality's coordinates, country and state (most populous\n"
    "                       of that name)\n"
    "  --zone auto          the zone correction from the time tables for place and date\n"
    "                       (the default with --place when --adjust is not given)\n"
    "  --name, --first-name, --comment TEXT   names of the chart\n"
    "  --sex m|f            a man's (the default) or a woman's chart\n"
    "  a birth needs --date and --place, or --lat, --lon and --adjust\n"
    "second chart options (synastry): the same names ending in 2: --date2, --time2, ...\n"
    "\n"
    "  --all                all aspect kinds instead of the settings' (major by default)\n"
    "  --orb-percent N      scale every orb (100 = the settings' orbs)\n"
    "  --home DIR           program home (settings, language files); default $QUINTARA_HOME,\n"
    "                       the program's folder if it holds Astro.ini, ~/.local/share/quintara\n"
    "  --chart-file FILE    chart file (default: the settings', chart.db in the home)\n"
    "  --json               one JSON object instead of text\n"
    "  --replace            charts export: overwrite an existing file (never a chart file)\n"
    "  --tz ZONE            events: the clock the moments are shown on (an IANA name such as\n"
    "                       Europe/Paris; default the system's)\n"
    "  --moon-aspects       events: the Moon's aspects too\n"
    "  --keep-good          charts import: store the good records when some are refused\n"
    "                       (without it a refused record means nothing is stored)\n"
    "  --ephemeris builtin|precise\n"
    "                       where positions come from: the built-in theory, or the Swiss\n"
    "                       Ephemeris data files (1800-2399; default: the settings')\n"
    "  --jobs N             batch, transits, report transits and compare-file: threads\n"
    "                       computing side by side (default: one per core; same output)\n"
    "  --batch              JSON lines in: year, month, day, hour, minute, adjust, lat, lon,\n"
    "                       house, zodiac; JSON lines out\n";

}  // namespace

const char* quintara::cli::Usage() { return kUsage; }

namespace {

int Positions(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, true, false, a); rc >= 0) return rc;
    if (a.batch) {
        std::ios::sync_with_stdio(false);
        // The settings are read only for their ephemeris, and the batch runs
        // without a home as it always did (built-in then).
        int settings = tChart::kBuiltIn;
        if (a.ephemeris < 0) {
            tSession session;
            std::string ignored;
            if (OpenSession(a, session, ignored)) settings = session.options->Ephemeris;
        }
        const tBatchCounts counts =
            RunBatch(std::cin, std::cout, std::cerr, JobsOrCores(unsigned(a.jobs)), a.EphemerisOr(settings));
        std::cout.flush();
        if (counts.errors) std::cerr << "quintara-cli: " << counts.errors << " line(s) rejected, " << counts.charts << " chart(s) written\n";
        return counts.errors ? 1 : 0;
    }
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
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
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tAspectsCollection list({&o.NatalOrbs, &o.SynastryOrbs, o.AspectTypes});
    // The birth set for both charts, as every report takes it.
    tChart first(&o.BirthSet);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    first.OrbPercent = a.orbPercent;
    if (a.all) first.AspectTypes = 15;
    if (synastry) {
        tChart second(&o.BirthSet);
        if (!MakeChart(a.second, session, second, error)) return Fail(error);
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

int Place(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, false, a); rc >= 0) return rc;
    if (a.words.size() != 1) return Fail("place: give one name");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    TData1& data = session.Data();
    const auto found = data.FindLocalities(a.words[0], static_cast<std::size_t>(a.limit));
    if (found.empty()) {
        std::cerr << "quintara-cli: no locality starts with \"" << a.words[0] << "\"\n";
        return 1;
    }
    for (const tLocality& l : found) {
        tChart probe;
        probe.Country = l.country;
        probe.State = l.state;
        probe.Longitude = l.longitude;
        Today(probe);
        const bool sure = data.FindAdjust(probe);
        std::string state;
        tTable& states = data.StateTable();
        if (l.state && states.Locate({"COUNTRY", "CODE"}, {std::int64_t{l.country}, std::int64_t{l.state}}))
            state = states.Text("STATE");
        std::cout << l.name << " | " << data.GetCountryName(l.country, 1) << " | " << state << " | "
                  << LatitudeText(l.latitude) << " " << LongitudeText(l.longitude) << " | zone today "
                  << AdjustText(probe.Adjust) << (sure ? "" : " (not sure)") << " | population " << l.population
                  << "\n";
    }
    return 0;
}

// Moves the chart table to the row of an index; false when there is none.
bool GoToIndex(TData1& data, const std::string& word, std::string& error)
{
    std::string sub;
    const auto index = ParseWhole(word, 1, 2147483647, sub);
    if (!index) {
        error = "index: " + sub;
        return false;
    }
    data.ChartTable().ClearFilter();
    if (!data.ChartTable().Locate({"Index"}, {std::int64_t{*index}})) {
        error = "no chart with index " + word;
        return false;
    }
    return true;
}

std::string Extension(const std::string& path)
{
    const auto dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : path.substr(dot);
    for (char& c : ext) c = AsciiLower(c);
    return ext;
}

int ImportCharts(const tCommandArgs& a, tSession& session)
{
    if (a.words.size() != 2) return Fail("charts import: give the file to import");
    const std::string& path = a.words[1];
    const auto format = ExchangeFormatOf(path);
    if (!format) return Fail("charts import: " + path + " is not .aaf, .csv or .jsonl (old-format files: import-old)");
    const TMainOptions& o = *session.options;
    const tImportPlan plan = PrepareImport(session.Data(), path, *format, o.HouseType, o.Zodiac);
    for (const std::string& r : plan.refused) std::cerr << path << ": " << r << "\n";
    for (const std::string& d : plan.doubts) std::cerr << path << ": warning: " << d << "\n";
    if (!plan.refused.empty() && !a.keepGood) {
        std::cerr << "quintara-cli: " << plan.refused.size() << " of " << plan.records
                  << " record(s) refused; nothing was imported (--keep-good stores the other " << plan.good.size()
                  << ")\n";
        return 1;
    }
    const std::size_t rows = StoreImport(session.Data(), plan, &o.BirthSet);
    std::cout << rows << " chart(s) imported"
              << (plan.refused.empty() ? "" : ", " + std::to_string(plan.refused.size()) + " refused") << "\n";
    return plan.refused.empty() ? 0 : 1;
}

int Charts(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, false, a); rc >= 0) return rc;
    if (a.words.empty())
        return Fail("charts: what to do? add, list, show, delete, recalc, zone, export, import, append or import-old");
    const std::string what = a.words[0];
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    session.writesCharts = what == "add" || what == "append" || what == "import";
    const OptionSet* birth = &session.options->BirthSet;
    try {
        if (what == "import-old") {
            if (a.words.size() != 2) return Fail("charts import-old: give the old file");
            std::string into = a.into;
            if (into.empty()) {
                const std::string& old = a.words[1];
                const auto dot = old.rfind('.');
                into = (dot == std::string::npos || old.find('/', dot) != std::string::npos ? old : old.substr(0, dot)) + ".db";
            }
            const tMoveReport r = ConvertOldChartFile(a.words[1], into, birth);
            for (const std::string& p : r.problems) std::cerr << "warning: " << p << "\n";
            std::cout << r.rows << " chart(s) imported into " << into << "\n";
            return r.problems.empty() ? 0 : 1;
        }
        TData1& data = session.Data();
        tTable& t = data.ChartTable();
        if (what == "add") {
            tChart chart(birth);
            if (a.first.name.empty()) return Fail("charts add: --name is required");
            if (!MakeChart(a.first, session, chart, error)) return Fail(error);
            t.Insert();
            data.WriteChart(chart);
            t.Post();
            std::cout << "added chart " << t.Int("Index") << "\n";
            return 0;
        }
        if (what == "list") {
            if (!a.filter.empty()) data.SetChartFilter(a.filter);
            std::size_t unreadable = 0;
            for (t.First(); !t.Eof(); t.Next()) {
                try {
                    const std::string& f = data.DateFormat();
                    std::cout << t.Int("Index") << " | " << ChartFieldText(t, "NAME", f) << " | "
                              << ChartFieldText(t, "FIRSTNAME", f) << " | " << ChartFieldText(t, "DATE", f) << " "
                              << ChartFieldText(t, "Time", f) << " | " << ChartFieldText(t, "BIRTHPLACE", f) << "\n";
                } catch (const tStorageError&) {
                    ++unreadable;  // a damaged page; the rows after it may still read
                }
            }
            std::cerr << t.RecordCount() - unreadable << " chart(s)\n";
            if (unreadable || !t.ReadProblem().empty()) {
                std::cerr << "quintara-cli: chart file damaged: " << data.ChartFilePath() << ": "
                          << (unreadable ? std::to_string(unreadable) + " chart(s) could not be read" : "")
                          << (unreadable && !t.ReadProblem().empty() ? "; " : "") << t.ReadProblem()
                          << "; the file is read-only until repaired\n";
                return 1;
            }
            return 0;
        }
        if (what == "show" || what == "delete" || what == "recalc" || what == "zone") {
            if (a.words.size() != 2) return Fail("charts " + what + ": give the chart's index");
            if (!GoToIndex(data, a.words[1], error)) return Fail(error);
            if (what == "delete") {
                t.Delete();
                std::cout << "deleted chart " << a.words[1] << "\n";
            } else if (what == "recalc") {
                RecalcCurrentChart(data, birth);
            } else if (what == "zone") {
                if (!ZoneCurrentChart(data, birth)) std::cerr << "warning: " << session.languages->Caption(caption::kZoneNotSure) << "\n";
                std::cout << "zone " << AdjustText(t.Real("ADJUST")) << "\n";
            } else {
                auto chart = data.OpenCurrentChart(birth);
                CalcChart(*chart);
                std::cout << chart->Name << (chart->FirstName.empty() ? "" : ", ") << chart->FirstName << "\n";
                std::cout << (a.json ? PositionsJson(*chart, session.languages.get()) + "\n"
                                     : PositionsText(*chart, session.languages.get()));
            }
            return 0;
        }
        if (what == "export") {
            if (a.words.size() != 2) return Fail("charts export: give the target file");
            if (!a.filter.empty()) data.SetChartFilter(a.filter);
            const std::string& target = a.words[1];
            const std::string ext = Extension(target);
            if (ext == ".db" && a.replace) return Fail("charts export: a chart file is never replaced; choose a new name");
            if (!a.replace && FileExists(target)) return Fail(target + " exists; add --replace to overwrite it");
            const tReplace replace = a.replace ? tReplace::kYes : tReplace::kNo;
            t.First();
            if (const auto format = ExchangeFormatOf(target)) {
                ExportCharts(data, target, *format, replace);
                if (const std::string note = FieldsNotWritten(*format); !note.empty() && !t.Empty())
                    std::cerr << "quintara-cli: note: " << note << "\n";
            }
            else if (ext == ".dbf")
                ExportChartDbase(data, target, replace);
            else if (ext == ".db") CopyChartFile(data, target);
            else ExportChartText(data, target, replace);
            std::cout << "exported " << t.RecordCount() << " chart(s) to " << target << "\n";
            return 0;
        }
        if (what == "import") return ImportCharts(a, session);
        if (what == "append") {
            if (a.words.size() != 2) return Fail("charts append: give the chart file to add");
            std::cout << AppendChartFile(data, a.words[1]).rows << " chart(s) added\n";
            return 0;
        }
    } catch (const tStorageError& e) {
        return Fail(e.what());
    }
    return Fail("charts: unknown action " + what);
}

std::string DateTimeText(const tDateTime& t)
{
    return Format("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

int Return(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, false, a); rc >= 0) return rc;
    if (a.words.size() != 2 || (a.words[0] != "sun" && a.words[0] != "moon"))
        return Fail("return: say \"sun YEAR\" or \"moon YYYY-MM-DD\"");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChart natal(&session.options->BirthSet), ret(&session.options->BirthSet);
    if (!MakeChart(a.first, session, natal, error)) return Fail(error);
    ret.Assign(natal);
    if (a.words[0] == "sun") {
        std::string sub;
        const auto year = ParseWhole(a.words[1], 1, 9999, sub);
        if (!year) return Fail("year: " + sub);
        SolarReturn(natal, ret, *year - natal.Year);
        LocalZoneOfReturn(session, ret);
        std::cout << "Solar return (local time)\n";
    } else {
        tChartRequest r;
        if (!ParseDate(a.words[1], r, error)) return Fail(error);
        ret.Year = static_cast<std::uint16_t>(r.year);
        ret.Month = static_cast<std::uint16_t>(r.month);
        ret.Day = static_cast<std::uint16_t>(r.day);
        LunarReturn(natal, ret);
        LocalZoneOfReturn(session, ret);
        std::cout << "Lunar return (local time)\n";
    }
    std::cout << (a.json ? PositionsJson(ret, session.languages.get()) + "\n" : PositionsText(ret, session.languages.get()));
    return 0;
}

int Phases(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, false, a); rc >= 0) return rc;
    if (a.words.size() != 1) return Fail("phases: give the date YYYY-MM-DD");
    std::string error;
    if (!ParseDate(a.words[0], a.first.r, error)) return Fail(error);
    a.first.dateGiven = true;
    a.first.needsPlace = false;  // the phases are moments; --adjust 0 is universal time
    tSession session;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChart chart(&session.options->BirthSet);
    if (!MakeChart(a.first, session, chart, error)) return Fail(error);
    const tPhaseResult r = LunarPhases(chart);
    static const char* names[] = {"new moon", "first quarter", "full moon", "last quarter"};
    for (std::size_t i = 0; i < 9; ++i)
        std::cout << DateTimeText(r.when[i]) << "  " << names[i % 4] << "  Moon " << std::fixed
                  << std::setprecision(2) << r.moonLongitude[i] << "\n";
    return 0;
}

// progression DATE, or midpoints of the chart and the second chart.
int Derived(int argc, char** argv, bool midpoints)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, midpoints, false, false, a); rc >= 0) return rc;
    if (a.words.size() != (midpoints ? 0u : 1u)) return Fail(midpoints ? "midpoints: no words expected" : "progression: give the date YYYY-MM-DD");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const OptionSet* birth = &session.options->BirthSet;
    tChart first(birth), second(birth);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    if (midpoints) {
        if (!MakeChart(a.second, session, second, error)) return Fail(error);
        MidpointChart(first, second, first);
    } else {
        tChartArgs chosen = a.first;
        tChart date(birth);
        if (!ParseDate(a.words[0], chosen.r, error)) return Fail(error);
        if (!MakeChart(chosen, session, date, error)) return Fail(error);
        ProgressedChart(first, date, second);  // as the desktop program's window
    }
    const tChart& shown = midpoints ? first : second;
    std::cout << (a.json ? PositionsJson(shown, session.languages.get()) + "\n" : PositionsText(shown, session.languages.get()));
    return 0;
}

// The second word as a number of months, 1..1200, when there is one.
bool MonthsWord(const std::vector<std::string>& words, int& months, std::string& error)
{
    if (words.size() < 2) return true;
    const auto v = ParseWhole(words[1], 1, 1200, error);
    if (!v)
        error.insert(0, "months: ");
    else
        months = *v;
    return v.has_value();
}

// transits [START [MONTHS]]: the natal positions with the start date.
int Transits(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, true, a); rc >= 0) return rc;
    if (a.words.size() > 2) return Fail("transits: give at most a start date and a number of months");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tChart chart(&o.BirthSet);
    if (!MakeChart(a.first, session, chart, error)) return Fail(error);
    if (!StartDate(a.words, chart, error)) return Fail("start: " + error);
    int months = 1;
    if (!MonthsWord(a.words, months, error)) return Fail(error);
    const tTransitsCollection list = FindTransits(o, chart, months, a.bodies, a.all, {}, nullptr, unsigned(a.jobs));
    if (a.json) {
        std::cout << TransitsJson(list, *session.languages) << "\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WriteTransitsTable(text, list, ReportContext(session),
                       a.utc ? std::function<double(const tDateTime&)>() : ZoneOfPlace(session.Data(), chart));
    std::cout << WritePlainText(text);
    return 0;
}

// events [START [MONTHS]] [chart options] [-o FILE.ics|FILE.csv]
int Events(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, true, a); rc >= 0) return rc;
    if (a.words.size() > 2) return Fail("events: give at most a start date and a number of months");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tCalendarRequest request;
    request.start = UniversalToday();
    if (!a.words.empty()) {
        tChartRequest day;
        if (!ParseDate(a.words[0], day, error)) return Fail("start: " + error);
        request.start = {day.year, day.month, day.day};
    }
    if (!MonthsWord(a.words, request.months, error)) return Fail(error);
    const auto zone = tUserZone::Load(a.tz.empty() ? SystemZoneName() : a.tz, error);
    if (!zone) return Fail("tz: " + error);
    std::string ext;
    if (!a.output.empty()) {
        ext = Extension(a.output);
        if (ext != ".ics" && ext != ".csv") return Fail("-o: " + a.output + " is not .ics (iCalendar) or .csv");
        if (!a.replace && FileExists(a.output)) return Fail(a.output + " exists; add --replace to overwrite it");
    }
    tChart natal(&o.BirthSet);
    if (a.first.dateGiven) {
        if (!MakeChart(a.first, session, natal, error)) return Fail(error);
        request.natal = &natal;
        request.transitBodies = a.bodies;
        request.allAspects = a.all;
        request.jobs = unsigned(a.jobs);
    }
    request.moonAspects = a.moonAspects;
    const std::vector<tSkyEvent> events = CalendarEvents(o, request, *zone);
    TLanguages& lang = *session.languages;
    if (a.output.empty()) {
        std::cout << EventsText(events, *zone, lang);
        return 0;
    }
    const std::string bytes =
        ext == ".ics" ? EventsICalendar(events, lang, std::time(nullptr)) : EventsCsv(events, *zone, lang);
    if (!WriteFileAtomically(a.output, bytes, &error)) return Fail(error);
    std::cout << events.size() << " event(s) written to " << a.output << "\n";
    return 0;
}

// previsions [START [STEP [COUNT]]]
int Previsions(int argc, char** argv)
{
    tCommandArgs a;
    if (const int rc = ParseArgs(argc, argv, false, false, true, a); rc >= 0) return rc;
    if (a.words.size() > 3) return Fail("previsions: give at most a start date, a step D.HH and a count");
    tSession session;
    std::string error, sub;
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tChart natal(&o.BirthSet), moving(&o.BirthSet);
    if (!MakeChart(a.first, session, natal, error)) return Fail(error);
    if (a.all) natal.AspectTypes = 15;
    moving.Assign(natal);
    if (!StartDate(a.words, moving, error)) return Fail("start: " + error);
    int stepHours = 168, steps = 12;
    if (a.words.size() >= 2) {
        const auto v = ParseDaysHours(a.words[1], sub);
        if (!v) return Fail("step: " + sub);
        stepHours = *v;
    }
    if (a.words.size() == 3) {
        const auto v = ParseWhole(a.words[2], 0, 100000, sub);
        if (!v) return Fail("steps: " + sub);
        steps = *v;
    }
    tAspectsCollection aspects({&o.NatalOrbs, &o.SynastryOrbs, o.AspectTypes});
    const tPrevCollection list = BuildPrevisions(natal, moving, steps, stepHours, aspects);
    if (a.json) {
        std::cout << PrevisionsJson(list) << "\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WritePrevisionsTable(text, list, ReportContext(session));
    std::cout << WritePlainText(text);
    return 0;
}

}  // namespace

namespace {

int Dispatch(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage;
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "quintara-cli " QUINTARA_VERSION "\n";
        return 0;
    }
    if (std::strcmp(argv[1], "positions") == 0 || std::strcmp(argv[1], "chart") == 0) return Positions(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "place") == 0) return Place(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "charts") == 0) return Charts(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "return") == 0) return Return(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "phases") == 0) return Phases(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "progression") == 0) return Derived(argc - 2, argv + 2, false);
    if (std::strcmp(argv[1], "midpoints") == 0) return Derived(argc - 2, argv + 2, true);
    if (std::strcmp(argv[1], "picture") == 0) return Picture(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "report") == 0) return Report(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "transits") == 0) return Transits(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "previsions") == 0) return Previsions(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "events") == 0) return Events(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "aspects") == 0) return Aspects(argc - 2, argv + 2, false);
    if (std::strcmp(argv[1], "synastry") == 0) return Aspects(argc - 2, argv + 2, true);
    return Fail(std::string("unknown command ") + argv[1] + " (quintara-cli --help lists the commands)");
}

}  // namespace

int main(int argc, char** argv)
{
    // A storage failure anywhere (a damaged table, a full disk) is a message
    // and an exit code, never an abort.
    try {
        return Dispatch(argc, argv);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
