#include "core/data/chart_exchange.h"

#include <cmath>

#include "core/chart/date_time.h"
#include "core/data/aaf_format.h"
#include "core/data/chart_json.h"
#include "core/data/chart_record.h"
#include "core/data/clock_time.h"
#include "core/data/csv_format.h"
#include "core/data/exchange_fields.h"
#include "core/data/json_line.h"
#include "core/data/jsonl_format.h"
#include "core/i18n/default_body_names.h"
#include "core/engine/angles.h"
#include "core/platform/ascii.h"
#include "core/platform/atomic_file.h"

namespace quintara {
namespace {

// Country letters the exchange format's files use (the international
// vehicle codes), as the ISO 3166 numbers the country table is keyed by.
int CountryFromLetters(std::string_view s)
{
    static constexpr std::pair<std::string_view, int> kLetters[] = {
        {"D", 276},   {"F", 250},  {"CH", 756}, {"A", 40},    {"I", 380},   {"E", 724},  {"GB", 826},  {"UK", 826},
        {"USA", 840}, {"US", 840}, {"NL", 528}, {"B", 56},    {"L", 442},   {"DK", 208}, {"S", 752},   {"N", 578},
        {"FIN", 246}, {"SF", 246}, {"PL", 616}, {"CZ", 203},  {"H", 348},   {"P", 620},  {"GR", 300},  {"IRL", 372},
        {"RUS", 643}, {"J", 392},  {"AUS", 36}, {"NZ", 554},  {"BR", 76},   {"RA", 32},  {"MEX", 484}, {"IND", 356},
        {"ZA", 710},  {"IL", 376}, {"TR", 792}, {"CDN", 124}, {"SLO", 705}, {"HR", 191}, {"RO", 642},  {"BG", 100}};
    for (const auto& [letters, code] : kLetters)
        if (SameNameIgnoringCase(s, letters)) return code;
    return 0;
}

std::string Line(std::size_t line, const std::string& why) { return "line " + std::to_string(line) + ": " + why; }

// Fills in what the tables give: coordinates and country from the place, the
// zone from the place and date. Returns the problem, "" when the record can
// be stored.
}  // namespace

std::string CheckRecord(TData1& data, tExchangeRecord& r, tCheckedRecord& out, std::string& doubt, bool needsName)
{
    if (!r.problem.empty()) return r.problem;
    if (needsName && Trimmed(r.name).empty()) return "Name: missing (every chart needs a name)";
    std::string error = CheckRequest(r.moment);
    if (!error.empty()) return error;
    int country = r.country.empty() ? 0 : data.FindCountryCode(r.country);
    if (!country && !r.country.empty()) country = CountryFromLetters(r.country);
    int state = 0;
    // The place gives coordinates when they are missing, and country and state
    // (for the zone and later lookups) when the coordinates agree with it.
    if (!r.place.empty() && (!r.hasCoordinates || country || !r.hasZone)) {
        const auto found = data.FindLocalities(r.place, 1, country);
        // A locality of that name far from given coordinates is another town.
        const bool near = !found.empty() && r.hasCoordinates &&
                          std::fabs(DegMinToDecimal(found[0].latitude) - DegMinToDecimal(r.moment.latitude)) < 1 &&
                          std::fabs(DegMinToDecimal(found[0].longitude) - DegMinToDecimal(r.moment.longitude)) < 1;
        if (!found.empty() && (!r.hasCoordinates || near)) {
            if (!r.hasCoordinates) {
                r.moment.latitude = found[0].latitude;
                r.moment.longitude = found[0].longitude;
                r.hasCoordinates = true;
            }
            country = found[0].country;
            state = found[0].state;
        }
    }
    if (!r.hasCoordinates)
        return r.place.empty()
                   ? "Latitude: missing, and no place to look the coordinates up by"
                   : "Place: no coordinates given and no locality \"" + r.place + "\" in the localities table";
    // "Time unknown" with the stored moment beside it: the moment is kept.
    if (r.timeUnknown && r.hasZone && r.julianDay) ClockFromJulianDay(r.moment, *r.julianDay);
    if (r.hasZone && r.julianDay) {
        // The format lets the Julian day decide; the zone is what the user sees and edits.
        const double minutes =
            std::fabs(DegMinToDecimal(AdjustFromJulianDay(r.moment, *r.julianDay)) - DegMinToDecimal(r.moment.adjust)) *
            60;
        if (minutes >= 1)
            doubt = "the Julian day is " + std::to_string(std::lround(minutes)) +
                    " minute(s) from the date, time and zone; the zone was taken";
    }
    if (!r.hasZone && r.julianDay) {
        r.moment.adjust = AdjustFromJulianDay(r.moment, *r.julianDay);
        if (std::fabs(DegMinToDecimal(r.moment.adjust)) > 24)
            return "Julian day: more than a day from the date and time";
        r.hasZone = true;
    }
    if (!r.hasZone) {
        tChart probe;
        ApplyRequest(r.moment, probe);
        probe.Country = country;
        probe.State = state;
        if (!data.FindAdjust(probe) && !r.timeUnknown)
            doubt = "zone looked up (" + UtcOffsetText(probe.Adjust) + "), not sure";
        // A clock time the change of zone skipped or repeated, as a new chart is told.
        if (!r.timeUnknown)
            if (const std::string w = ClockTimeWarning(probe, CheckClockTime(data, probe)); !w.empty())
                doubt += (doubt.empty() ? "" : "; ") + w;
        r.moment.adjust = probe.Adjust;
        r.hasZone = true;
    }
    out.record = r;
    out.country = country;
    out.state = state;
    return {};
}

std::optional<tExchangeFormat> ExchangeFormatOf(const std::string& path)
{
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
    const std::string_view ext = std::string_view(path).substr(dot + 1);
    if (SameNameIgnoringCase(ext, "aaf")) return tExchangeFormat::kAaf;
    if (SameNameIgnoringCase(ext, "csv")) return tExchangeFormat::kCsv;
    if (SameNameIgnoringCase(ext, "jsonl") || SameNameIgnoringCase(ext, "ndjson")) return tExchangeFormat::kJsonLines;
    return std::nullopt;
}

tImportPlan PrepareImport(TData1& data, const std::string& path, tExchangeFormat format, int house,
                          const tZodiacChoice& zodiac,
                          const tProgress& progress)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw tStorageError("cannot read " + path);
    return PrepareImportOf(data, bytes, path, format, house, zodiac, progress);
}

tImportPlan PrepareImportOf(TData1& data, std::string_view bytes, const std::string& path, tExchangeFormat format,
                            int house, const tZodiacChoice& zodiac, const tProgress& progress)
{
    std::vector<tExchangeRecord> records = format == tExchangeFormat::kAaf   ? ReadAaf(bytes)
                                           : format == tExchangeFormat::kCsv ? ReadCsv(bytes, data.DateFormat())
                                                                             : ReadJsonLines(bytes);
    // A file with no record at all is no exchange file of that kind (or is
    // empty): said, not "0 charts imported".
    if (records.empty())
        throw tStorageError(path + " holds no chart: " +
                            (format == tExchangeFormat::kAaf   ? "an AAF file has records starting with #A93:"
                             : format == tExchangeFormat::kCsv ? "a CSV file has a header line and a line per chart"
                                                               : "a JSON Lines file has one object per line"));
    tImportPlan plan;
    plan.records = records.size();
    const int total = static_cast<int>(records.size());
    for (tExchangeRecord& r : records) {
        const int done = static_cast<int>(&r - records.data());
        if (StopAsked(progress, done, total)) {
            plan.stopped = true;
            break;
        }
        if (!r.hasHouse) r.moment.house = house;
        if (!r.hasZodiac) {
            r.moment.zodiac = zodiac.code;
            r.moment.userAyanamsa = zodiac.user;
        }
        if (r.timeUnknown) r.moment.house = 255;
        tCheckedRecord checked;
        std::string doubt;
        const std::string problem = CheckRecord(data, r, checked, doubt);
        if (!problem.empty()) {
            plan.refused.push_back(Line(r.line, problem));
            continue;
        }
        if (!doubt.empty()) plan.doubts.push_back(Line(r.line, doubt));
        tChart texts;
        texts.Name = r.name;
        texts.FirstName = r.firstName;
        texts.Comment = r.comment;
        texts.BirthPlace = r.place;
        for (const std::string& field : TooLongChartFields(texts))
            plan.doubts.push_back(Line(r.line, field + " is longer than the chart file keeps; it is cut to its length"));
        if (!r.sex) ++plan.sexNotGiven;
        plan.good.push_back(std::move(checked));
    }
    if (plan.sexNotGiven)
        plan.doubts.push_back(std::to_string(plan.sexNotGiven) +
                              " record(s) do not say the sex: each is stored as a man's chart (M), as a new chart is");
    return plan;
}

std::size_t StoreImport(TData1& data, const tImportPlan& plan, const OptionSet* birthSet, const tProgress& progress,
                        bool* stopped)
{
    if (stopped) *stopped = false;
    data.CheckChartWritable();
    tDatabase& db = data.ChartDatabase();
    {
        tTransaction tx(db);
        tChartInserter insert(db);
        const int total = static_cast<int>(plan.good.size());
        for (const tCheckedRecord& c : plan.good) {
            const int done = static_cast<int>(&c - plan.good.data());
            if (StopAsked(progress, done, total)) {
                if (stopped) *stopped = true;
                return 0;  // the transaction rolls back: nothing is stored
            }
            const tExchangeRecord& r = c.record;
            tChart chart(birthSet);
            ApplyRequest(r.moment, chart);
            chart.Name = r.name;
            chart.FirstName = r.firstName;
            chart.Comment = r.comment;
            chart.BirthPlace = r.place;
            chart.Sex = r.sex == 'F' ? 0 : 1;  // a man's unless the file says, as a new chart
            chart.Country = c.country;
            chart.State = c.state;
            chart.Follow(data.ChartRules());
            CalcChart(chart);
            insert.Add(chart);
        }
        tx.Commit();
    }
    data.ChartTable().Refresh();
    return plan.good.size();
}

tExchangeRecord RecordOfChart(const tChart& c, const std::string& country)
{
    tExchangeRecord r;
    r.name = c.Name;
    r.firstName = c.FirstName;
    r.comment = c.Comment;
    r.place = c.BirthPlace;
    r.country = country;
    r.sex = c.Sex ? 'M' : 'F';
    r.moment = {c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Adjust, c.Latitude, c.Longitude, c.HouseType, c.Zodiac, c.UserAyanamsa};
    r.timeUnknown = c.HouseType == 255;
    r.hasZone = r.hasCoordinates = r.hasHouse = r.hasZodiac = true;
    r.julianDay = c.JulianDay;
    return r;
}

std::string FieldsNotWritten(tExchangeFormat format)
{
    return format == tExchangeFormat::kAaf
               ? "AAF has no field for the house system and zodiac: they were not written (an import takes its own)"
               : std::string();
}

namespace {

constexpr int kExportedBodies[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26, 27, 28};

// The chart setup's shown points, after the bodies and houses: the same
// columns for every chart of an export.
bool ExportedPoint(bool visible, int num) { return visible && num > kJuno && (num < 37 || num > 48); }

// The position columns' header: body names, "House 1".."House 12", then
// the chart setup's shown points by English name.
std::string PositionColumns(const std::vector<tPlanetRow>& points)
{
    std::string s;
    for (int n : kExportedBodies) s.append(",").append(DefaultPlanetName(n));
    for (int c = 1; c <= 12; ++c) s.append(",House ").append(std::to_string(c));
    for (const tPlanetRow& r : points) {
        const std::string english = DefaultPlanetName(r.Num);
        s += ',';
        s += CsvField(english.empty() ? r.Name : english);
    }
    return s;
}

// A chart's positions as further CSV fields (cusps empty without a birth
// time, a point empty where the chart has no position for it).
std::string PositionFields(const tChart& c)
{
    std::string s;
    for (int n : kExportedBodies) {
        s += ',';
        AppendJsonNumber(s, c.BodyPosition(n), 6);
    }
    for (int k = 1; k <= 12; ++k) {
        s += ',';
        if (c.HouseType != 255) AppendJsonNumber(s, c.HouseCusp(k), 6);
    }
    for (int p = kJuno + 1; p <= c.BodyCount(); ++p) {
        const tPlanet& b = *c.BodyAt(p);
        if (!ExportedPoint(b.Visible, b.Num)) continue;
        s += ',';
        if (b.GetPosition() >= 0) AppendJsonNumber(s, b.GetPosition(), 6);
    }
    return s;
}

// Inserts text before a line's ending ("\r\n", "\n" or "}\n" of a JSON line).
void BeforeLineEnd(std::string& line, const std::string& text, bool json)
{
    std::size_t at = line.size();
    while (at && (line[at - 1] == '\n' || line[at - 1] == '\r')) --at;
    if (json && at) --at;  // the closing brace
    line.insert(at, text);
}

}  // namespace

std::string ExportedCharts(TData1& data, tExchangeFormat format, bool positions, std::size_t& rows)
{
    positions = positions && format != tExchangeFormat::kAaf;
    tTable& t = data.ChartTable();
    // The chart setup's points as every chart of the program has them; the
    // CSV has a column for each shown one.
    std::vector<tPlanetRow> setup, shown;
    if (positions) setup = data.PlanetRows();
    for (const tPlanetRow& r : setup)
        if (ExportedPoint(r.Visible, r.Num)) shown.push_back(r);
    std::string out = format == tExchangeFormat::kCsv ? CsvHeader() : std::string();
    if (positions && format == tExchangeFormat::kCsv) BeforeLineEnd(out, PositionColumns(shown), false);
    rows = 0;
    for (t.First(); !t.Eof(); t.Next()) {
        tChart c(nullptr, setup, nullptr);
        data.ReadChart(c);
        const tExchangeRecord r = RecordOfChart(c, c.Country ? data.GetCountryName(c.Country, 1) : std::string());
        if (format == tExchangeFormat::kAaf && rows) out += '\n';  // a blank line before each record
        std::string line = format == tExchangeFormat::kAaf   ? AafRecordText(r)
                           : format == tExchangeFormat::kCsv ? CsvLine(r)
                                                             : JsonLine(r);
        if (positions) {
            // Computed now: stored positions may be of another ephemeris or version.
            c.Follow(data.ChartRules());
            CalcChart(c);
            // Nested, so that the line still reads back as a chart.
            std::string json = ",\"positions\":{";
            if (format == tExchangeFormat::kJsonLines) AppendChartJson(json, c);
            json += '}';
            BeforeLineEnd(line, format == tExchangeFormat::kCsv ? PositionFields(c) : json, format != tExchangeFormat::kCsv);
        }
        out += line;
        ++rows;
    }
    return out;
}

std::size_t ExportCharts(TData1& data, const std::string& path, tExchangeFormat format, tReplace replace,
                         bool positions)
{
    if (replace == tReplace::kNo && FileExists(path)) throw tStorageError("will not replace the existing file " + path);
    std::size_t rows = 0;
    const std::string out = ExportedCharts(data, format, positions, rows);
    std::string error;
    if (!WriteFileAtomically(path, out, &error)) throw tStorageError(error);
    return rows;
}

}  // namespace quintara
