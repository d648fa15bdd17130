#include "core/data/chart_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/chart/chart_settings.h"
#include "core/data/chart_record.h"
#include "core/data/civil_date.h"
#include "core/data/dbase_writer.h"
#include "core/data/table_files.h"
#include "core/engine/houses.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"

namespace quintara {

namespace {

constexpr std::size_t kOldRecord = 382;
constexpr int kOldTextMax = 20;

std::string Quote(const std::string& name) { return "\"" + name + "\""; }

// The stored fields of the chart table, Index excluded, quoted for SQL.
std::string ChartColumns(bool withText)
{
    std::string cols;
    for (const tColumnDef& c : ChartTableDef().columns) {
        if (c.autoIncrement || (!withText && c.name == "TEXT")) continue;
        if (!cols.empty()) cols += ", ";
        cols += Quote(c.name);
    }
    return cols;
}

// True when the attached database holds a table Charts with every chart field.
bool IsChartFile(tDatabase& db, const std::string& schema)
{
    tStatement q = db.Prepare("SELECT name FROM " + schema + ".pragma_table_info('Charts')");
    std::size_t found = 0;
    const tTableDef def = ChartTableDef();
    while (q.Step())
        for (const tColumnDef& c : def.columns)
            if (c.name == q.Text(0)) ++found;
    return found == def.columns.size();
}

// The file at path opens as a chart file (a file the storage cannot read is none).
bool IsChartFileAt(const std::string& path)
{
    try {
        tDatabase probe(path, false);
        return IsChartFile(probe, "main");
    } catch (const tStorageError&) {
        return false;
    }
}

class tAttached {
public:
    tAttached(tDatabase& d, const std::string& path) : db(d)
    {
        tStatement a = db.Prepare("ATTACH DATABASE ?1 AS other");
        a.Bind(1, path);
        a.Step();
    }
    ~tAttached()
    {
        try {
            db.Exec("DETACH DATABASE other");
        } catch (const tStorageError&) {
        }
    }

private:
    tDatabase& db;
};

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::string error;
    if (!WriteFileAtomically(path, text, &error)) throw tStorageError(error);
}

std::string Csv(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Fixed(double v, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

}  // namespace

std::string ChartFieldText(const tTable& t, const std::string& field, const std::string& dateFormat)
{
    if (t.IsNull(field)) return {};
    const tColumnDef* col = nullptr;
    for (const tColumnDef& c : t.Def().columns)
        if (c.name == field) col = &c;
    if (!col) throw tStorageError("no field \"" + field + "\"");
    if (field == "TEXT") return "(Memo)";
    if (field == "DATE") {
        int y = 0, m = 0, d = 0;
        if (std::sscanf(t.Text(field).c_str(), "%d-%d-%d", &y, &m, &d) != 3) return t.Text(field);
        char buf[32];
        if (dateFormat.rfind("mm", 0) == 0)
            std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", m, d, y);
        else
            std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d, m, y);
        return buf;
    }
    if (field == "Time") return t.Text(field).substr(0, 5);
    switch (col->kind) {
    case tFieldKind::Logical: return t.Int(field) ? "True" : "False";
    case tFieldKind::Integer: return std::to_string(t.Int(field));
    case tFieldKind::Real:
        if (field[0] == 'P') return Fixed(t.Real(field), 3);
        if (field == "AYANAMSA") return Fixed(t.Real(field), 6);
        return Fixed(t.Real(field), 2);
    default: return t.Text(field);
    }
}

namespace {

void RefuseExisting(const std::string& path)
{
    if (FileExists(path)) throw tStorageError("will not replace the existing file " + path);
}

}  // namespace

tMoveReport CopyChartFile(TData1& data, const std::string& path)
{
    RefuseExisting(path);
    tTable& source = data.ChartTable();
    const std::string temp = path + ".copying";
    std::filesystem::remove(temp);
    tMoveReport report;
    try {
        tDatabase target(temp, true);
        tTable make(target, ChartTableDef());
        tTransaction tx(target);
        tAttached other(target, data.ChartFilePath());
        // The rows the source shows, in its order: copied by rowid list.
        tStatement ins = target.Prepare("INSERT INTO Charts (\"Index\", " + ChartColumns(true) + ") SELECT \"Index\", " +
                                        ChartColumns(true) + " FROM other.Charts WHERE rowid = ?1");
        const std::int64_t keep = source.Empty() ? -1 : source.Int("Index");
        for (source.First(); !source.Eof(); source.Next()) {
            ins.Bind(1, source.Int("Index"));
            ins.Step();
            ins.Reset();
            ++report.rows;
        }
        if (keep >= 0) source.Locate({"Index"}, {keep});
        tx.Commit();
    } catch (...) {
        std::filesystem::remove(temp);
        throw;
    }
    std::string error;
    if (!RenameTableFile(temp, path, &error)) throw tStorageError(error);
    return report;
}

void SelectChartFile(TData1& data, const std::string& path)
{
    if (FileExists(path) && !IsChartFileAt(path))
        throw tStorageError(path + " is not a chart file; the chart file was not changed");
    data.OpenChartFile(path);
}

tMoveReport AppendChartFile(TData1& data, const std::string& path)
{
    if (!FileExists(path)) throw tStorageError("no chart file " + path);
    if (std::filesystem::equivalent(path, data.ChartFilePath())) throw tStorageError("a chart file cannot be added to itself");
    tDatabase& db = data.ChartDatabase();
    tMoveReport report;
    {
        tAttached other(db, path);
        if (!IsChartFile(db, "other")) throw tStorageError(path + " is not a chart file");
        tTransaction tx(db);
        const std::string cols = ChartColumns(true);
        db.Exec("INSERT INTO main.Charts (" + cols + ") SELECT " + cols + " FROM other.Charts ORDER BY rowid");
        report.rows = static_cast<std::size_t>(db.Changes());
        tx.Commit();
    }
    data.ChartTable().Refresh();
    return report;
}

void ExportChartText(TData1& data, const std::string& path, tReplace replace)
{
    if (replace == tReplace::kNo) RefuseExisting(path);
    tTable& t = data.ChartTable();
    std::string out;
    for (; !t.Eof(); t.Next()) {
        for (const tColumnDef& c : t.Def().columns) out += Csv(ChartFieldText(t, c.name, data.DateFormat())) + ",";
        out += "\n";
    }
    WriteTextFile(path, out);
}

void ExportChartDbase(TData1& data, const std::string& path, tReplace replace)
{
    if (replace == tReplace::kNo) RefuseExisting(path);
    tTable& t = data.ChartTable();
    std::vector<tDbfField> fields;
    for (const tColumnDef& c : t.Def().columns) {
        if (c.name == "TEXT") continue;  // rich text needs a memo file; not exported
        tDbfField f{c.name, 'C', 30, 0};
        if (c.name == "REFERENCE") f.length = 10;
        if (c.name == "SEX") f.length = 1;
        if (c.name == "Time") f.length = 8;
        if (c.kind == tFieldKind::Integer) f = {c.name, 'N', 11, 0};
        if (c.kind == tFieldKind::Real) f = {c.name, 'N', 20, 6};
        if (c.kind == tFieldKind::Date) f = {c.name, 'D', 8, 0};
        if (c.kind == tFieldKind::Logical) f = {c.name, 'L', 1, 0};
        fields.push_back(f);
    }
    std::vector<std::vector<std::string>> rows;
    for (t.First(); !t.Eof(); t.Next()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const tDbfField& f : fields) {
            if (t.IsNull(f.name)) row.emplace_back();
            else if (f.type == 'N' && f.decimals) row.push_back(Fixed(t.Real(f.name), 6));
            else if (f.type == 'L') row.push_back(t.Int(f.name) ? "T" : "F");
            else row.push_back(t.Text(f.name));
        }
    }
    WriteDbf(path, fields, rows);
}

namespace {

// Fills the chart from one old-format record; the reason when it cannot.
std::string ReadOldRecord(const unsigned char* r, tChart& c)
{
    std::string error;
    auto text = [&](std::size_t at, std::string& out, const char* what) {
        const int n = r[at];
        if (!error.empty()) return;
        if (n > kOldTextMax) error = std::string(what) + " length " + std::to_string(n) + " above 20";
        else out = Windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(r + at + 1), n));
    };
    auto u16 = [&](std::size_t at) { return r[at] | (r[at + 1] << 8); };
    auto s16 = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(u16(at))); };
    auto f64 = [&](std::size_t at) {
        double v;
        std::memcpy(&v, r + at, 8);  // little-endian hosts only, as the file
        return v;
    };
    text(0, c.Name, "name");
    text(21, c.FirstName, "first name");
    text(42, c.Comment, "comment");
    text(72, c.BirthPlace, "birthplace");
    if (!error.empty()) return error;
    const int year = s16(122), month = s16(124), day = s16(126), hour = s16(128), minute = s16(130);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        year < 1 || year > 9999)
        return "date or time out of range";
    c.Adjust = f64(134);
    c.Longitude = f64(142);
    c.Latitude = f64(150);
    if (!std::isfinite(c.Adjust) || std::fabs(c.Adjust) > 16 || !std::isfinite(c.Longitude) ||
        std::fabs(c.Longitude) > 180 || !std::isfinite(c.Latitude) || std::fabs(c.Latitude) > 90)
        return "zone or coordinates out of range";
    if (!IsHouseSystem(r[107]) && r[107] != 255) return "house system " + std::to_string(r[107]) + " unknown";
    // Those files knew one sidereal zodiac: any other value is it.
    c.Zodiac = r[71] ? kClassicSidereal : kTropicalZodiac;
    c.ChartType = r[106];
    c.HouseType = r[107];
    c.Sex = u16(108) != 0;
    c.Country = u16(118);
    c.State = u16(120) > 999 ? u16(120) / 1000 : u16(120);
    c.Year = static_cast<std::uint16_t>(year);
    c.Month = static_cast<std::uint16_t>(month);
    c.Day = static_cast<std::uint16_t>(day);
    c.Hour = static_cast<std::uint16_t>(hour);
    c.Minute = static_cast<std::uint16_t>(minute);
    return {};
}

}  // namespace

tMoveReport ConvertOldChartFile(const std::string& oldPath, const std::string& targetPath, const OptionSet* birthSet)
{
    std::string bytes;
    if (!ReadWholeFile(oldPath, bytes)) throw tStorageError("cannot read " + oldPath);
    // An existing target gets the charts added; one that is not a chart file
    // is left alone rather than given a chart table.
    const bool existed = FileExists(targetPath);
    if (existed && !IsChartFileAt(targetPath))
        throw tStorageError(targetPath + " is not a chart file; nothing was converted");
    tMoveReport report;
    try {
        const std::size_t whole = bytes.size() / kOldRecord;
        tDatabase db(targetPath, true);
        tTable make(db, ChartTableDef());
        tTransaction tx(db);
        tChartInserter insert(db);
        for (std::size_t k = 0; k < whole; ++k) {
            tChart c(birthSet);
            const std::string error =
                ReadOldRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + k * kOldRecord, c);
            if (!error.empty()) {
                report.problems.push_back("record " + std::to_string(k + 1) + ": " + error + "; skipped");
                continue;
            }
            CalcChart(c);
            insert.Add(c);
            ++report.rows;
        }
        tx.Commit();
    } catch (...) {
        // A file made here and not filled is no chart file of the user's.
        if (!existed) DeleteTableFile(targetPath);
        throw;
    }
    if (bytes.size() % kOldRecord)
        report.problems.push_back("the last " + std::to_string(bytes.size() % kOldRecord) +
                                  " bytes are not a whole record and were not imported");
    return report;
}

void RenameChartFile(TData1& data, const std::string& to)
{
    const std::string from = data.ChartFilePath();
    if (FileExists(to)) throw tStorageError(to + ": a file of that name exists already; the chart file keeps its name");
    data.CloseChartFile();
    std::string error;
    const bool renamed = RenameTableFile(from, to, &error);
    data.OpenChartFile(renamed ? to : from);
    if (!renamed) throw tStorageError(error + "; the chart file keeps its name");
}

namespace {

bool Recompute(TData1& data, const OptionSet* birthSet, bool zone)
{
    tTable& t = data.ChartTable();
    if (t.Empty()) throw tStorageError("no chart to compute");
    tChart c(birthSet);
    data.ReadChart(c);
    const bool sure = zone ? data.FindAdjust(c) : true;
    CalcChart(c);
    if (!t.Editing()) t.Edit();
    data.WriteChart(c);
    t.Post();
    return sure;
}

}  // namespace

void RecalcCurrentChart(TData1& data, const OptionSet* birthSet) { Recompute(data, birthSet, false); }
bool ZoneCurrentChart(TData1& data, const OptionSet* birthSet) { return Recompute(data, birthSet, true); }

std::size_t RecastChartFile(TData1& data, const OptionSet* birthSet, int houseType, const tZodiacChoice& zodiac,
                            const tProgress& progress, bool* stopped)
{
    if (stopped) *stopped = false;
    tTable& t = data.ChartTable();
    tDatabase& db = data.ChartDatabase();
    std::string sets;
    for (const auto& [field, value] : ChartRowValues(tChart()))
        sets += (sets.empty() ? "\"" : ", \"") + field + "\" = ?";
    std::size_t changed = 0;
    {
        tTransaction tx(db);
        tStatement update = db.Prepare("UPDATE Charts SET " + sets + " WHERE \"Index\" = ?");
        const int total = t.RecordCount();
        int done = 0;
        for (t.First(); !t.Eof(); t.Next(), ++done) {
            if (StopAsked(progress, done, total)) {
                if (stopped) *stopped = true;
                return 0;  // rolled back: nothing written
            }
            tChart c(birthSet);
            data.ReadChart(c);
            if (!RecastWithSettings(c, houseType, zodiac)) continue;
            update.Reset();
            int k = 0;
            for (const auto& [field, value] : ChartRowValues(c)) update.Bind(++k, value);
            update.Bind(++k, std::int64_t{c.Index});
            update.Step();
            ++changed;
        }
        tx.Commit();
    }
    t.Refresh();
    return changed;
}

std::string FieldFilterExpression(const std::vector<tFieldFilterRow>& rows)
{
    auto literal = [](const tFieldFilterRow& r, const std::string& v) {
        if (!r.text && !r.date) return v;
        std::string q = "'";
        for (char c : v) q += c == '\'' ? std::string("''") : std::string(1, c);
        return q + "'";
    };
    std::string out;
    for (tFieldFilterRow r : rows) {
        if (r.value.empty()) continue;
        if (r.text && !r.date && r.op == "=") {
            r.upper = r.value + "}";
            r.op = ">=";
        }
        std::string clause = r.field + r.op + literal(r, r.value);
        if (!r.upper.empty()) clause += " and " + r.field + "<=" + literal(r, r.upper);
        if (!out.empty()) out += " and ";
        out += clause;
    }
    return out;
}

std::optional<std::pair<std::size_t, std::string>> FieldFilterProblem(const std::vector<tFieldFilterRow>& rows,
                                                                      const std::string& dateFormat)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const tFieldFilterRow& r = rows[i];
        if (r.text || r.value.empty()) continue;
        for (const std::string& v : {r.value, r.upper}) {
            if (v.empty()) continue;
            if (r.date) {
                if (!DateToIso(v, dateFormat)) return std::pair{i, "a date as " + dateFormat};
                continue;
            }
            double x = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), x);
            if (ec != std::errc() || end != v.data() + v.size() || !std::isfinite(x))
                return std::pair{i, "a number, such as 250 or -2.30"};
        }
    }
    return std::nullopt;
}

std::string PlanetFilterExpression(int body, int sign)
{
    if (sign <= 0) return {};
    const std::string p = PositionField('P', body);
    return p + ">=" + std::to_string((sign - 1) * 30) + " and " + p + "<" + std::to_string(sign * 30);
}

}  // namespace quintara
