#include "core/data/data_module.h"

#include "core/data/locality_index.h"

#include <cmath>
#include <filesystem>
#include <unistd.h>

#include "core/chart/date_time.h"
#include "core/data/chart_record.h"
#include "core/data/table_files.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/zodiac.h"
#include "core/platform/ascii.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"

namespace quintara {

namespace {

// Whether this process may change the file and make its journal beside it
// (a read-only mount stops even the superuser).
bool Writable(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return access(path.c_str(), W_OK) == 0 && access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// The storage's reasons in a user's words, naming the file; the file is
// never touched on the way.
std::string ChartFileOpenProblem(const std::string& path, bool existed, const std::string& why)
{
    if (!existed)
        return "cannot create the chart file " + path + " (" + why +
               "); the folder may be read-only";
    std::string what = "cannot read the chart file " + path;
    if (why.find("not a database") != std::string::npos || why.find("malformed") != std::string::npos)
        what = "the file " + path + " is damaged or is not a chart file";
    else if (why.find("readonly") != std::string::npos || why.find("read-only") != std::string::npos)
        what = "the chart file " + path + " is read-only and cannot be prepared for use";
    return what + " (" + why + "); it was left as it is";
}

void CreateParentDirectory(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
}

}  // namespace

TData1::TData1(std::string h, const std::string& chartFile, tChartFileMode mode) : home(std::move(h))
{
    stars = OpenOrCreate(kStarFile, StarTableDef());
    planets = OpenOrCreate(kPlanetFile, PlanetTableDef());
    planets.table->SetIndex("Num");
    if (mode == tChartFileMode::kExisting && !FileExists(PathOf(chartFile))) {
        missingChartFile = PathOf(chartFile);
        return;
    }
    try {
        OpenChartFile(chartFile);
    } catch (const tStorageError& e) {
        chartProblem = e.what();
        if (e.Fault() == tStorageFault::kBusy) busyChartFile = chartFile;
    }
}

TData1::~TData1() = default;

std::string TData1::PathOf(const std::string& relative) const
{
    if (!relative.empty() && relative.front() == '/') return relative;
    return JoinPath(home, relative);
}

TData1::tOpen TData1::OpenOrCreate(const std::string& relative, tTableDef def) const
{
    const std::string path = PathOf(relative);
    CreateParentDirectory(path);
    tOpen o;
    o.db = std::make_unique<tDatabase>(path, true);
    o.table = std::make_unique<tTable>(*o.db, std::move(def));
    return o;
}

void TData1::OpenChartFile(const std::string& chartFile)
{
    const std::string path = PathOf(chartFile);
    const bool existed = FileExists(path);
    tOpen next;
    try {
        next = OpenOrCreate(chartFile, ChartTableDef());
    } catch (const tStorageError& e) {
        if (e.Fault() == tStorageFault::kBusy) throw;  // says it all; tried again at the next use
        throw tStorageError(ChartFileOpenProblem(path, existed, e.what()), e.Fault());
    }
    // A rollback journal, not write-ahead logging: a committed chart is in
    // the file itself and no lock is held between statements. With a log,
    // each process holds POSIX locks for as long as the file is open, and
    // any other descriptor of the file closed in the process (a file dialog
    // reading its type) drops them; another process then takes itself for
    // the last user and deletes the log with the charts saved after.
    // Browsing reads rows by blocks, so the lock per statement costs little.
    // A file left in log mode by an earlier version is converted; while
    // another process of that version holds it, or where it cannot be
    // written, it stays as it is.
    const bool readOnly = !Writable(path);
    if (!readOnly) {
        try {
            next.db->Exec("PRAGMA journal_mode=DELETE");
        } catch (const tStorageError&) {
        }
    }
    next.table->SetIndex("Names");
    next.table->SetWriteCheck([this] { CheckChartWritable(); });
    next.table->SetDeleteCompanion(DeleteChartPoints);
    chart = std::move(next);
    chartPath = path;
    chartReadOnly = readOnly;
    missingChartFile.clear();
    chartProblem.clear();
    chartDamage.reset();
}

void TData1::CheckChartWritable()
{
    if (chartReadOnly)
        throw tStorageError("the chart file " + chartPath +
                            " is read-only (the file or its folder cannot be written); nothing was saved");
    if (!chartDamage) {
        std::string problems;
        try {
            tStatement q = chart.db->Prepare("PRAGMA quick_check(5)");
            while (q.Step())
                if (q.Text(0) != "ok") problems += (problems.empty() ? "" : "; ") + q.Text(0);
        } catch (const tStorageError& e) {
            // Only what the storage calls damaged is remembered as damage: a
            // lock or a full disk passes, and the next write checks again.
            if (e.Fault() != tStorageFault::kDamaged) throw;
            problems = e.what();
        }
        chartDamage = problems;
    }
    if (!chartDamage->empty())
        throw tStorageError("chart file damaged: " + chartPath + ": " + *chartDamage + " (nothing was written)");
}

void TData1::CloseChartFile() { chart = {}; }

tTable& TData1::ChartTable()
{
    // Locked by another program at the start: the lock is not the file's
    // fault, and the next use tries again.
    if (!chart.table && !busyChartFile.empty()) {
        try {
            OpenChartFile(busyChartFile);
            busyChartFile.clear();
        } catch (const tStorageError& e) {
            chartProblem = e.what();
        }
    }
    if (!chart.table) {
        if (!chartProblem.empty()) throw tStorageError(chartProblem);
        throw tStorageError(missingChartFile.empty() ? "no chart file is open" : "no chart file " + missingChartFile);
    }
    return *chart.table;
}

tDatabase& TData1::ChartDatabase()
{
    ChartTable();
    CheckChartWritable();
    return *chart.db;
}

tDatabase& TData1::ReferenceDatabase(tOpen& slot, const char* file)
{
    if (!slot.db) {
        const std::string path = PathOf(file);
        if (!FileExists(path)) throw tStorageError("table file missing: " + path);
        slot.db = std::make_unique<tDatabase>(path, false);
    }
    return *slot.db;
}

tTable& TData1::Reference(tOpen& slot, const char* file, tTableDef (*def)())
{
    if (!slot.table) slot.table = std::make_unique<tTable>(ReferenceDatabase(slot, file), def());
    return *slot.table;
}

tTable& TData1::CityTable() { return Reference(cities, kCityFile, CityTableDef); }
tTable& TData1::CountryTable() { return Reference(countries, kCountryFile, CountryTableDef); }
tTable& TData1::StateTable() { return Reference(states, kStateFile, StateTableDef); }
tTable& TData1::Time1Table() { return Reference(time1, kTime1File, Time1TableDef); }
tTable& TData1::Time2Table() { return Reference(time2, kTime2File, Time2TableDef); }

void TData1::SetDateFormat(const std::string& format) { dateFormat = format; }

namespace {

// The built-in longitude of body 25..28 at a row's moment (Julian day, UT)
// in its zodiac: the chart file stores bodies 1..12 only.
double MinorBodyOfRow(const double* a, int)
{
    const int body = static_cast<int>(a[0]);
    if (body < kChiron || body > kJuno || !std::isfinite(a[1])) return std::nan("");
    const double T = (a[1] - 2451545.0) / 36525.0;
    tSkyAnswer answer;
    BuiltInMinorBodies(T, tSkyBodies{1} << body, answer);
    // A row's own ayanamsa is the one of its moment; the stored AYANAMSA is
    // the reference a user-defined one is carried from.
    const int zodiac = std::fabs(a[2]) < 1e6 ? static_cast<int>(a[2]) : kTropicalZodiac;
    const tAyanamsaRef own{a[1], std::isfinite(a[3]) ? a[3] : 0.0};
    return Normalize360(answer.longitude[static_cast<std::size_t>(body)] - BuiltInAyanamsa(zodiac, a[1], own));
}

// The number n of a name "<prefix>n" with n from 29 (a point's), else 0.
int PointOfName(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 4 ||
        !SameNameIgnoringCase(name.substr(0, prefix.size()), prefix))
        return 0;
    int n = 0;
    for (char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n > kJuno ? n : 0;
}

// Names a chart filter takes besides the columns: Place, the positions of
// Chiron, Ceres, Pallas and Juno (P25..P28), computed from the row, and
// the stored points' longitudes (P29 on) and declinations (DEC29 on); a
// chart without that point stored (or a file without points) has none.
std::optional<tFieldInfo> ChartFilterField(std::string_view name, bool hasPoints)
{
    if (SameNameIgnoringCase(name, "Place")) return tFieldInfo{"BIRTHPLACE", tFieldKind::Text};
    for (int n = kChiron; n <= kJuno; ++n)
        if (SameNameIgnoringCase(name, std::string("P").append(std::to_string(n))))
            return tFieldInfo{"JULIANDAY", tFieldKind::Real,
                              std::string("chart_minor_body(").append(std::to_string(n)).append(", \"JULIANDAY\", \"ZODIAC\", \"AYANAMSA\")")};
    for (const char* prefix : {"P", "DEC"})
        if (const int n = PointOfName(name, prefix)) {
            const std::string column = *prefix == 'P' ? "LONGITUDE" : "DECLINATION";
            return tFieldInfo{"JULIANDAY", tFieldKind::Real,
                              hasPoints ? std::string("(SELECT ").append(column).append(" FROM ChartPoints WHERE CHART = \"Charts\".rowid AND NUM = ")
                                              .append(std::to_string(n)).append(")")
                                        : std::string("NULL")};
        }
    return std::nullopt;
}

}  // namespace

void TData1::SetChartFilter(const std::string& expression)
{
    if (expression.empty()) {
        ChartTable().ClearFilter();
        return;
    }
    ChartDatabase().DefineFunction("chart_minor_body", 4, MinorBodyOfRow);
    const bool hasPoints = HasChartPoints(ChartDatabase());
    ChartTable().SetFilter(expression, true, dateFormat,
                           [hasPoints](std::string_view name) { return ChartFilterField(name, hasPoints); });
}

bool TData1::FindAdjust(tChart& c)
{
    // The lookup needs the files, not the browsing state of their tables.
    if (!zones) zones = std::make_unique<tZoneLookup>(ReferenceDatabase(time1, kTime1File), ReferenceDatabase(time2, kTime2File));
    return zones->FindAdjust(c);
}

bool TData1::ZoneAtMoment(tChart& c)
{
    bool sure = true;
    // A clock time moved across a change can land in the other zone: settle
    // in a few rounds (two suffice but at a gap or a repeated hour).
    for (int round = 0; round < 3; ++round) {
        tChart probe;
        probe.Country = c.Country;
        probe.State = c.State;
        probe.Longitude = c.Longitude;
        probe.HouseType = c.HouseType;
        probe.Year = c.Year, probe.Month = c.Month, probe.Day = c.Day, probe.Hour = c.Hour, probe.Minute = c.Minute;
        sure = FindAdjust(probe);
        if (probe.Adjust == c.Adjust) break;
        // UT = clock + Adjust, before and after.
        const long shift = std::lround((DegMinToDecimal(c.Adjust) - DegMinToDecimal(probe.Adjust)) * 60);
        tDateTime t{c.Year, c.Month, c.Day, c.Hour, c.Minute + static_cast<int>(shift)};
        NormalizeDateTime(t);
        SetChartDateTime(c, t);
        c.Adjust = probe.Adjust;
    }
    return sure;
}

std::string TData1::GetCountryName(int code, int language)
{
    tStatement q = ReferenceDatabase(countries, kCountryFile).Prepare(
        "SELECT COUNTRY FROM Country WHERE CODE = ?1 ORDER BY "
        "CASE LANGUAGE WHEN ?2 THEN 0 WHEN 0 THEN 1 WHEN 1 THEN 2 ELSE 3 END, rowid LIMIT 1");
    q.Bind(1, std::int64_t{code}).Bind(2, std::int64_t{language});
    return q.Step() ? ValidUtf8(q.Text(0)) : std::string();
}

int TData1::FindCountryCode(const std::string& name)
{
    tStatement q = ReferenceDatabase(countries, kCountryFile)
                       .Prepare("SELECT CODE FROM Country WHERE COUNTRY = ?1 COLLATE NOCASE ORDER BY rowid LIMIT 1");
    q.Bind(1, name);
    return q.Step() ? static_cast<int>(q.Int(0)) : 0;
}

std::string TData1::GetStateName(int country, int state)
{
    if (state == 0) return {};
    tStatement q = ReferenceDatabase(states, kStateFile).Prepare("SELECT STATE FROM State WHERE COUNTRY = ?1 AND CODE = ?2 LIMIT 1");
    q.Bind(1, std::int64_t{country}).Bind(2, std::int64_t{state});
    return q.Step() ? ValidUtf8(q.Text(0)) : std::string();
}

std::vector<std::pair<int, std::string>> TData1::StatesOf(int country)
{
    tStatement q = ReferenceDatabase(states, kStateFile)
                       .Prepare("SELECT CODE, STATE FROM State WHERE COUNTRY = ?1 ORDER BY STATE");
    q.Bind(1, std::int64_t{country});
    std::vector<std::pair<int, std::string>> list;
    while (q.Step()) list.emplace_back(static_cast<int>(q.Int(0)), ValidUtf8(q.Text(1)));
    return list;
}

std::string TData1::LoadChartText()
{
    tTable& t = ChartTable();
    return t.Empty() ? std::string() : t.TextOr("TEXT");
}

void TData1::SaveChartText(const std::string& text)
{
    tTable& t = ChartTable();
    if (t.Empty()) throw tStorageError("no chart to store the text with");
    if (!t.Editing()) t.Edit();
    t.Set("TEXT", text);
    t.Post();
}

std::unique_ptr<tChart> TData1::NewChart(const OptionSet* set, TLanguages* languages)
{
    const std::vector<tPlanetRow> rows = PlanetRows();
    auto chart = std::make_unique<tChart>(set, rows, languages);
    chart->Follow(ChartRules());
    return chart;
}

std::unique_ptr<tChart> TData1::OpenCurrentChart(const OptionSet* birthSet, TLanguages* languages)
{
    tTable& t = ChartTable();
    if (t.Empty()) return nullptr;
    auto c = NewChart(birthSet, languages);
    ReadChart(*c);
    return c;
}

std::vector<tLocality> TData1::FindLocalities(const std::string& typed, std::size_t limit, int country)
{
    tDatabase& db = ReferenceDatabase(cities, kCityFile);
    if (!localities) localities = std::make_unique<tLocalityIndex>();
    localities->Update(db);
    std::vector<tLocality> out = localities->Find(typed, limit, country);
    // A damaged row is left out: its place would reach the engine.
    std::erase_if(out,
                  [](const tLocality& l) { return !PackedWithin(l.latitude, 90) || !PackedWithin(l.longitude, 180); });
    return out;
}

namespace {

// A planets or stars row whose angles can be computed with.
bool SoundPointRow(const tPlanetRow& r)
{
    const auto angle = [](double v) { return std::isfinite(v) && std::fabs(v) <= 360; };
    return angle(r.Value) && angle(r.Longitude) && angle(r.Latitude);
}

}  // namespace

std::vector<tPlanetRow> TData1::PlanetRows()
{
    tTable& t = PlanetTable();
    std::vector<tPlanetRow> rows;
    auto integer = [&](const char* f) { return static_cast<std::int32_t>(t.IntOr(f)); };
    for (t.First(); !t.Eof(); t.Next()) {
        tPlanetRow r;
        r.Num = integer("Num");
        r.Name = t.TextOr("Name");
        r.ShortName = t.TextOr("ShortName");
        r.Visible = integer("Visible") != 0;
        r.Aspects = integer("Aspects") != 0;
        r.PointType = integer("Type");
        r.Plus1 = integer("Plus1");
        r.Plus2 = integer("Plus2");
        r.Minus1 = integer("Minus1");
        r.Divider = integer("Divider");
        r.Value = t.RealOr("Value");
        r.Offset = integer("Offset");
        r.Longitude = t.RealOr("Longitude");
        r.Latitude = t.RealOr("Latitude");
        if (SoundPointRow(r)) rows.push_back(std::move(r));  // a damaged row is left out
    }
    return rows;
}

std::vector<tPlanetRow> TData1::StarRows()
{
    StarTable();  // opens the file
    tStatement q = stars.db->Prepare(
        "SELECT Num, Name, Type, Plus1, Plus2, Minus1, Divider, Value, Offset, Longitude, Latitude FROM Stars "
        "ORDER BY Num");
    std::vector<tPlanetRow> rows;
    while (q.Step()) {
        tPlanetRow r;
        const auto integer = [&q](int c) { return q.IsNull(c) ? 0 : static_cast<std::int32_t>(q.Int(c)); };
        const auto real = [&q](int c) { return q.IsNull(c) ? 0.0 : q.Real(c); };
        r.Num = integer(0);
        r.Name = ValidUtf8(q.Text(1));
        r.PointType = integer(2);
        r.Plus1 = integer(3), r.Plus2 = integer(4), r.Minus1 = integer(5), r.Divider = integer(6);
        r.Value = real(7);
        r.Offset = integer(8);
        r.Longitude = real(9), r.Latitude = real(10);
        if (SoundPointRow(r)) rows.push_back(std::move(r));  // a damaged row is left out
    }
    return rows;
}

std::vector<std::string> DamagedReferenceFiles(const std::string& home)
{
    std::vector<std::string> damaged;
    std::string why;
    for (const std::string& f : ReferenceTableFiles()) {
        const std::string path = JoinPath(home, f);
        if (FileExists(path) && !TableFileWhole(path, &why)) damaged.push_back(path + " " + why);
    }
    return damaged;
}

std::vector<std::string> MissingReferenceFiles(const std::string& home)
{
    std::vector<std::string> missing;
    for (const std::string& f : ReferenceTableFiles())
        if (!FileExists(JoinPath(home, f))) missing.push_back(f);
    return missing;
}

}  // namespace quintara
