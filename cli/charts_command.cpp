// The commands over the tables: "place" (localities) and "charts" (the
// chart file: add, list, show, delete, recalc, zone, export, import,
// append, import-old).
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/commands.h"
#include "cli/place_format.h"
#include "cli/positions.h"
#include "core/data/chart_exchange.h"
#include "core/data/chart_json.h"
#include "core/data/csv_format.h"
#include "core/data/exchange_fields.h"
#include "core/data/json_line.h"
#include "core/engine/angles.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/atomic_file.h"

namespace quintara::cli {
namespace {

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

// The exchange format of a file argument: by its name, or --format for "-".
std::optional<tExchangeFormat> FormatOf(const tCommandArgs& a, const std::string& path)
{
    if (path != "-") return ExchangeFormatOf(path);
    return ExchangeFormatOf("-." + a.format);
}

// A stored chart as listed for scripts: its record, clock time with zone,
// decimal coordinates; no positions (nothing is computed).
std::string ListedChartJson(TData1& data, std::int64_t index)
{
    tChart c;
    data.ReadChart(c);
    std::string s = "{\"index\":" + std::to_string(index) + ",";
    AppendChartNamesJson(s, c, c.Country ? data.GetCountryName(c.Country, 1) : std::string());
    s += "\"time\":\"" + IsoClockTime(c) + "\",\"latitude\":";
    AppendJsonNumber(s, DegMinToDecimal(c.Latitude), 6);
    s += ",\"longitude\":";
    AppendJsonNumber(s, -DegMinToDecimal(c.Longitude), 6);
    s += ",\"house\":" + std::to_string(c.HouseType) + (c.Zodiac ? ",\"zodiac\":\"sidereal\"" : ",\"zodiac\":\"tropical\"");
    if (IsSidereal(c.Zodiac))
        s += std::string(",\"ayanamsa_name\":\"").append(AyanamsaEnglishName(c.Zodiac)).append("\"");
    if (c.HouseType == 255) s += ",\"time_unknown\":true";
    return s + "}";
}

std::string ListedChartCsv(TData1& data, std::int64_t index)
{
    tChart c;
    data.ReadChart(c);
    return std::to_string(index) + "," +
           CsvLine(RecordOfChart(c, c.Country ? data.GetCountryName(c.Country, 1) : std::string()));
}

int List(tCommandArgs& a, tSession& session)
{
    TData1& data = session.Data();
    tTable& t = data.ChartTable();
    if (!a.filter.empty()) data.SetChartFilter(a.filter);
    const std::string format = a.json ? "json" : a.format.empty() ? "text" : a.format;
    if (format == "csv") {
        std::string header = CsvHeader().substr(3);  // no byte-order mark on a pipe
        std::cout << "Index," << header;
    }
    if (format == "json") std::cout << "{\"charts\":[";
    std::size_t unreadable = 0, listed = 0;
    const std::string& f = data.DateFormat();
    for (t.First(); !t.Eof(); t.Next()) {
        try {
            const std::int64_t index = t.Int("Index");
            if (format == "json") std::cout << (listed ? "," : "") << ListedChartJson(data, index);
            else if (format == "jsonl") std::cout << ListedChartJson(data, index) << "\n";
            else if (format == "csv") std::cout << ListedChartCsv(data, index);
            else
                std::cout << index << " | " << ChartFieldText(t, "NAME", f) << " | " << ChartFieldText(t, "FIRSTNAME", f)
                          << " | " << ChartFieldText(t, "DATE", f) << " " << ChartFieldText(t, "Time", f) << " | "
                          << ChartFieldText(t, "BIRTHPLACE", f) << "\n";
            ++listed;
        } catch (const tStorageError&) {
            ++unreadable;  // a damaged page; the rows after it may still read
        }
    }
    if (format == "json") std::cout << "]}\n";
    Status() << listed << " chart(s)\n";
    if (unreadable || !t.ReadProblem().empty()) {
        std::cerr << "quintara-cli: chart file damaged: " << data.ChartFilePath() << ": "
                  << (unreadable ? std::to_string(unreadable) + " chart(s) could not be read" : "")
                  << (unreadable && !t.ReadProblem().empty() ? "; " : "") << t.ReadProblem()
                  << "; the file is read-only until repaired\n";
        return 1;
    }
    return 0;
}

int Import(const tCommandArgs& a, tSession& session)
{
    const std::string& path = a.words[0];
    const auto format = FormatOf(a, path);
    if (!format)
        return Fail(path == "-" ? "charts import -: say the format with --format aaf, csv or jsonl"
                                : "charts import: " + path + " is not .aaf, .csv or .jsonl (old-format files: import-old)");
    const TMainOptions& o = *session.options;
    tImportPlan plan;
    if (path == "-") {
        const std::string bytes((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
        plan = PrepareImportOf(session.Data(), bytes, "standard input", *format, o.HouseType, o.ZodiacChoice());
    } else {
        plan = PrepareImport(session.Data(), path, *format, o.HouseType, o.ZodiacChoice());
    }
    for (const std::string& r : plan.refused) std::cerr << path << ": " << r << "\n";
    for (const std::string& d : plan.doubts) std::cerr << path << ": warning: " << d << "\n";
    if (!plan.refused.empty() && !a.keepGood) {
        std::cerr << "quintara-cli: " << plan.refused.size() << " of " << plan.records
                  << " record(s) refused; nothing was imported (--keep-good stores the other " << plan.good.size()
                  << ")\n";
        return 1;
    }
    const std::size_t rows = StoreImport(session.Data(), plan, &o.BirthSet);
    Status() << rows << " chart(s) imported"
             << (plan.refused.empty() ? "" : ", " + std::to_string(plan.refused.size()) + " refused") << "\n";
    return plan.refused.empty() ? 0 : 1;
}

int Export(const tCommandArgs& a, TData1& data)
{
    if (!a.filter.empty()) data.SetChartFilter(a.filter);
    const std::string& target = a.words[0];
    const std::string ext = Extension(target);
    tTable& t = data.ChartTable();
    const auto format = FormatOf(a, target);
    if (target == "-") {
        if (!format) return Fail("charts export -: say the format with --format aaf, csv or jsonl");
        std::size_t rows = 0;
        std::cout << ExportedCharts(data, *format, a.positions, rows);
        Status() << "exported " << rows << " chart(s)\n";
        return 0;
    }
    if (ext == ".db" && a.replace) return Fail("charts export: a chart file is never replaced; choose a new name");
    if (!a.replace && FileExists(target)) return Fail(target + " exists; add --replace to overwrite it");
    if (a.positions && (!format || *format == tExchangeFormat::kAaf))
        return Fail("charts export: --positions is for .csv and .jsonl files");
    const tReplace replace = a.replace ? tReplace::kYes : tReplace::kNo;
    t.First();
    if (format) {
        ExportCharts(data, target, *format, replace, a.positions);
        if (const std::string note = FieldsNotWritten(*format); !note.empty() && !t.Empty())
            std::cerr << "quintara-cli: note: " << note << "\n";
    } else if (ext == ".dbf") {
        ExportChartDbase(data, target, replace);
    } else if (ext == ".db") {
        CopyChartFile(data, target);
    } else {
        ExportChartText(data, target, replace);
    }
    Status() << "exported " << t.RecordCount() << " chart(s) to " << target << "\n";
    return 0;
}

// show, delete, recalc or zone of the chart of an index.
int OneChart(const tCommandArgs& a, tSession& session, const std::string& what)
{
    TData1& data = session.Data();
    tTable& t = data.ChartTable();
    const OptionSet* birth = &session.options->BirthSet;
    std::string error;
    if (!GoToIndex(data, a.words[0], error)) return Fail(error);
    if (what == "delete") {
        t.Delete();
        Status() << "deleted chart " << a.words[0] << "\n";
    } else if (what == "recalc") {
        RecalcCurrentChart(data, birth);
        Status() << "computed chart " << a.words[0] << " again\n";
    } else if (what == "zone") {
        const bool sure = ZoneCurrentChart(data, birth);
        if (!sure) std::cerr << "warning: " << session.languages->Caption(caption::kZoneNotSure) << "\n";
        if (a.json)
            std::cout << "{\"index\":" << a.words[0] << ",\"utc_offset\":\"" << UtcOffsetText(t.Real("ADJUST"))
                      << "\",\"sure\":" << (sure ? "true" : "false") << "}\n";
        else
            std::cout << "zone " << AdjustText(t.Real("ADJUST")) << "\n";
    } else {
        const std::int64_t index = t.Int("Index");
        auto chart = data.OpenCurrentChart(birth);
        CalcChart(*chart);
        if (a.json) {
            std::string s = "{\"index\":" + std::to_string(index) + ",";
            AppendChartNamesJson(s, *chart, chart->Country ? data.GetCountryName(chart->Country, 1) : std::string());
            AppendChartJson(s, *chart);
            std::cout << s << "}\n";
        } else {
            std::cout << chart->Name << (chart->FirstName.empty() ? "" : ", ") << chart->FirstName << "\n"
                      << PositionsText(*chart, session.languages.get());
        }
    }
    return 0;
}

}  // namespace

int Place(tCommandArgs& a)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    TData1& data = session.Data();
    const auto found = data.FindLocalities(a.words[0], static_cast<std::size_t>(a.limit));
    if (found.empty()) {
        if (a.json) std::cout << "{\"places\":[]}\n";
        std::cerr << "quintara-cli: no locality starts with \"" << a.words[0] << "\"\n";
        return 1;
    }
    std::string json = "{\"places\":[";
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
        const std::string country = data.GetCountryName(l.country, 1);
        if (!a.json) {
            std::cout << l.name << " | " << country << " | " << state << " | " << LatitudeText(l.latitude) << " "
                      << LongitudeText(l.longitude) << " | zone today " << AdjustText(probe.Adjust)
                      << (sure ? "" : " (not sure)") << " | population " << l.population << "\n";
            continue;
        }
        json += &l == &found.front() ? "{\"name\":" : ",{\"name\":";
        AppendJsonString(json, l.name);
        json += ",\"country\":";
        AppendJsonString(json, country);
        json += ",\"state\":";
        AppendJsonString(json, state);
        json += ",\"latitude\":";
        AppendJsonNumber(json, DegMinToDecimal(l.latitude), 6);
        json += ",\"longitude\":";
        AppendJsonNumber(json, -DegMinToDecimal(l.longitude), 6);
        json += ",\"utc_offset_today\":\"" + UtcOffsetText(probe.Adjust) + "\",\"zone_sure\":" +
                (sure ? "true" : "false") + ",\"population\":" + std::to_string(l.population) + "}";
    }
    if (a.json) std::cout << json << "]}\n";
    return 0;
}

int Charts(tCommandArgs& a)
{
    const std::string what = std::string(a.command->name).substr(7);  // after "charts "
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    session.writesCharts = what == "add" || what == "append" || what == "import";
    const OptionSet* birth = &session.options->BirthSet;
    try {
        if (what == "import-old") {
            std::string into = a.into;
            if (into.empty()) {
                const std::string& old = a.words[0];
                const auto dot = old.rfind('.');
                into = (dot == std::string::npos || old.find('/', dot) != std::string::npos ? old : old.substr(0, dot)) + ".db";
            }
            const tMoveReport r = ConvertOldChartFile(a.words[0], into, birth);
            for (const std::string& p : r.problems) std::cerr << "warning: " << p << "\n";
            Status() << r.rows << " chart(s) imported into " << into << "\n";
            return r.problems.empty() ? 0 : 1;
        }
        if (what == "import") return Import(a, session);
        TData1& data = session.Data();
        tTable& t = data.ChartTable();
        if (what == "add") {
            tChart chart(birth);
            if (a.first.name.empty()) return Fail("charts add: --name is required");
            if (!MakeChart(a.first, session, chart, error)) return Fail(error);
            t.Insert();
            data.WriteChart(chart);
            t.Post();
            if (a.json) std::cout << "{\"index\":" << t.Int("Index") << "}\n";
            else std::cout << "added chart " << t.Int("Index") << "\n";
            return 0;
        }
        if (what == "list") return List(a, session);
        if (what == "export") return Export(a, data);
        if (what == "append") {
            Status() << AppendChartFile(data, a.words[0]).rows << " chart(s) added\n";
            return 0;
        }
        return OneChart(a, session, what);
    } catch (const tStorageError& e) {
        return Fail(e.what());
    }
}

}  // namespace quintara::cli
