// The commands that compute from a chart: positions (and the batch),
// aspects, synastry, returns, phases, progression, midpoints, transits,
// previsions and the sky-events calendar.
#include <ctime>
#include <iomanip>
#include <iostream>
#include <memory>

#include "cli/aspect_report.h"
#include "cli/commands.h"
#include "cli/event_report.h"
#include "cli/positions.h"
#include "cli/report_command.h"
#include "cli/text_format.h"
#include "core/aspects/previsions.h"
#include "core/chart/derived_charts.h"
#include "core/chart/returns.h"
#include "core/data/chart_exchange.h"
#include "core/data/chart_json.h"
#include "core/data/civil_date.h"
#include "core/data/json_line.h"
#include "core/data/second_chart.h"
#include "core/data/user_zone.h"
#include "core/platform/ascii.h"
#include "core/platform/atomic_file.h"
#include "core/platform/side_by_side.h"
#include "core/reports/events_calendar.h"
#include "core/reports/report_context.h"
#include "core/reports/text_writers.h"
#include "core/reports/two_chart_reports.h"

namespace quintara::cli {
namespace {

// A line's place looked up in the session's tables as an import looks a
// record up: coordinates, the zone of that date, the doubts as warnings.
bool LookUpPlace(tSession& session, const tJsonObject& line, tChartRequest& r, std::vector<std::string>& warnings,
                 std::string& error)
{
    tExchangeRecord record;
    const auto text = [&line](const char* key) {
        const auto it = line.find(key);
        return it != line.end() && it->second.kind == tJsonValue::kString ? it->second.text : std::string();
    };
    record.place = text("place");
    record.country = text("country");
    record.moment = r;
    record.hasZone = line.contains("adjust");
    record.hasCoordinates = line.contains("lat") && line.contains("lon");
    record.hasHouse = record.hasZodiac = true;
    record.timeUnknown = r.house == 255;
    tCheckedRecord checked;
    std::string doubt;
    error = CheckRecord(session.Data(), record, checked, doubt, false);
    if (!error.empty()) return false;
    r = checked.record.moment;
    for (std::size_t at = 0; !doubt.empty() && at < doubt.size();) {
        const std::size_t end = std::min(doubt.find("; ", at), doubt.size());
        warnings.push_back(doubt.substr(at, end - at));
        at = end + 2;
    }
    return true;
}

int Batch(tCommandArgs& a)
{
    std::ios::sync_with_stdio(false);
    // The batch runs without a home as it always did (built-in positions,
    // no places then); with one, the settings' ephemeris and its localities.
    tSession session;
    std::string homeError;
    const bool home = OpenSession(a, session, homeError);
    const int settings = home ? session.options->Ephemeris : tChart::kBuiltIn;
    const tPlaceLookup lookUp = [&](const tJsonObject& line, tChartRequest& r, std::vector<std::string>& warnings,
                                    std::string& error) {
        if (!home) return error = "place: cannot look it up: " + homeError, false;
        try {
            return LookUpPlace(session, line, r, warnings, error);
        } catch (const std::exception& e) {
            return error = std::string("place: ").append(e.what()), false;
        }
    };
    const tBatchCounts counts =
        RunBatch(std::cin, std::cout, std::cerr, JobsOrCores(unsigned(a.jobs)), a.EphemerisOr(settings), lookUp);
    if (counts.writeFailed) return 2;  // main says why
    if (counts.errors)
        std::cerr << "quintara-cli: " << counts.errors << " line(s) refused, " << counts.charts << " chart(s) computed\n";
    return counts.errors ? 1 : 0;
}

std::string ChartObject(const char* firstKeys, const tChart& chart)
{
    std::string s = "{";
    s += firstKeys;
    AppendChartJson(s, chart);
    return s + "}\n";
}

}  // namespace

std::string Extension(const std::string& path)
{
    const auto dot = path.rfind('.');
    std::string ext = dot == std::string::npos || path.find('/', dot) != std::string::npos ? std::string()
                                                                                            : path.substr(dot);
    for (char& c : ext) c = AsciiLower(c);
    return ext;
}

bool WriteOutput(const std::string& path, const std::string& bytes, bool replace, std::string& error)
{
    if (path == "-") {
        std::cout << bytes;
        return true;
    }
    if (!replace && FileExists(path)) return error = path + " exists; add --replace to overwrite it", false;
    return WriteFileAtomically(path, bytes, &error);
}

int Positions(tCommandArgs& a)
{
    if (a.batch) {
        if (a.json) return Fail("--batch writes JSON Lines already; --json is for one chart");
        return Batch(a);
    }
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChart chart(&session.options->BirthSet);
    if (!MakeChart(a.first, session, chart, error)) return Fail(error);
    std::cout << (a.json ? PositionsJson(chart) + "\n" : PositionsText(chart, session.languages.get()));
    return 0;
}

int Aspects(tCommandArgs& a, bool synastry)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tAspectsCollection list(AspectRulesOf(o));
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
    // Names of points added for the run from the first chart's rows.
    std::cout << (a.json ? AspectsJson(list, &first) + "\n" : AspectsText(list, *session.languages, &first));
    return 0;
}

int Return(tCommandArgs& a)
{
    if (a.words[0] != "sun" && a.words[0] != "moon") return Fail("return: say \"sun YEAR\" or \"moon YYYY-MM-DD\"");
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChart natal(&session.options->BirthSet), ret(&session.options->BirthSet);
    if (!MakeChart(a.first, session, natal, error)) return Fail(error);
    ret.Assign(natal);
    const bool sun = a.words[0] == "sun";
    if (sun) {
        std::string sub;
        const auto year = ParseWhole(a.words[1], 1, 9999, sub);
        if (!year) return Fail("year: " + sub);
        SolarReturn(natal, ret, *year - natal.Year);
    } else {
        tChartRequest r;
        if (!ParseDate(a.words[1], r, error)) return Fail(error);
        ret.Year = static_cast<std::uint16_t>(r.year);
        ret.Month = static_cast<std::uint16_t>(r.month);
        ret.Day = static_cast<std::uint16_t>(r.day);
        LunarReturn(natal, ret);
    }
    LocalZoneOfReturn(session, ret);
    if (a.json) {
        std::cout << ChartObject(sun ? "\"return\":\"sun\"," : "\"return\":\"moon\",", ret);
        return 0;
    }
    std::cout << (sun ? "Solar return (local time)\n" : "Lunar return (local time)\n")
              << PositionsText(ret, session.languages.get());
    return 0;
}

int Phases(tCommandArgs& a)
{
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
    std::string s = a.json ? "{\"phases\":[" : "";
    for (std::size_t i = 0; i < 9; ++i) {
        const tDateTime& t = r.when[i];
        if (a.json) {
            s += i ? ",{" : "{";
            s += "\"time\":\"" + IsoClockTime(t, chart.Adjust) + "\",\"phase\":\"" + names[i % 4] +
                 "\",\"moon_longitude\":";
            AppendJsonNumber(s, r.moonLongitude[i], 6);
            s += '}';
        } else {
            s += Format("%04d-%02d-%02d %02d:%02d  %-13s  Moon %.2f\n", t.year, t.month, t.day, t.hour, t.minute,
                        names[i % 4], r.moonLongitude[i]);
        }
    }
    std::cout << (a.json ? s + "]}\n" : s);
    return 0;
}

// progression DATE, or midpoints of the chart and the second chart.
int Derived(tCommandArgs& a, bool midpoints)
{
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
        chosen.timeGiven = true;
        if (!MakeChart(chosen, session, date, error)) return Fail(error);
        ProgressedChart(first, date, second);  // as the desktop program's window
    }
    const tChart& shown = midpoints ? first : second;
    std::cout << (a.json ? PositionsJson(shown) + "\n" : PositionsText(shown, session.languages.get()));
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
int Transits(tCommandArgs& a)
{
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
    if (!list.EphemerisNote.empty()) std::cerr << "note: " << list.EphemerisNote << "\n";
    if (a.json) {
        std::cout << TransitsJson(list) << "\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WriteTransitsTable(text, list, ReportContext(session),
                       a.utc ? std::function<double(const tDateTime&)>() : ZoneOfPlace(session.Data(), chart));
    std::cout << WritePlainText(text);
    return 0;
}

// events [START [MONTHS]] [chart options] [-o FILE.ics|FILE.csv|-]
int Events(tCommandArgs& a)
{
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
    std::string kind = a.output == "-" ? (a.format.empty() ? ".ics" : "." + a.format) : Extension(a.output);
    if (!a.output.empty() && kind != ".ics" && kind != ".csv")
        return Fail("-o: " + a.output + " is not .ics (iCalendar) or .csv");
    if (!a.output.empty() && a.json) return Fail("--json prints the events; -o writes them to a file: one of them");
    if (!a.output.empty() && a.output != "-" && !a.replace && FileExists(a.output))
        return Fail(a.output + " exists; add --replace to overwrite it");
    tChart natal(&o.BirthSet);
    if (a.first.dateGiven) {
        if (!MakeChart(a.first, session, natal, error)) return Fail(error);
        request.natal = &natal;
        request.transitBodies = a.bodies;
        request.allAspects = a.all;
        request.jobs = unsigned(a.jobs);
    }
    request.moonAspects = a.moonAspects;
    request.voidOfCourse = a.voidOfCourse;
    request.shadows = a.shadows;
    const auto [from, to] = CalendarSpan(request, *zone);
    if (const std::string note = SkyEphemerisNote(from, to, static_cast<std::uint8_t>(o.Ephemeris), o.ZodiacChoice()); !note.empty())
        std::cerr << "note: " << note << "\n";
    const std::vector<tSkyEvent> events = CalendarEvents(o, request, *zone);
    if (a.json) {
        std::cout << EventsJson(events, *zone) << "\n";
        return 0;
    }
    if (a.output.empty()) {
        std::cout << EventsText(events, *zone, *session.languages);
        return 0;
    }
    // A calendar is read by people, in their language; CSV by programs.
    const std::string bytes = kind == ".ics" ? EventsICalendar(events, *session.languages, std::time(nullptr))
                                             : EventsCsv(events, *zone, TLanguages::BuiltInEnglish());
    if (!WriteOutput(a.output, bytes, true, error)) return Fail(error);
    if (a.output != "-") Status() << events.size() << " event(s) written to " << a.output << "\n";
    return 0;
}

// previsions [START [STEP [COUNT]]]
int Previsions(tCommandArgs& a)
{
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
        std::cout << PrevisionsJson(list, natal.Adjust) << "\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WritePrevisionsTable(text, list, ReportContext(session));
    std::cout << WritePlainText(text);
    return 0;
}

}  // namespace quintara::cli
