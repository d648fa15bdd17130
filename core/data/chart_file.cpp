#include "data/chart_file.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "data/chart_record.h"
#include "data/civil_date.h"
#include "data/dbase_writer.h"
#include "data/table_files.h"
#include "i18n/text_encoding.h"
#include "platform/atomic_file.h"

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

tMoveReport CopyChartFile(TData1& data, const std::string& path)
{
    if (FileExists(path)) throw tStorageError("will not replace the existing file " + path);
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

void ExportChartText(TData1& data, const std::string& path)
{
    tTable& t = data.ChartTable();
    std::string out;
    for (; !t.Eof(); t.Next()) {
        for (const tColumnDef& c : t.Def().columns) out += Csv(ChartFieldText(t, c.name, data.DateFormat())) + ",";
        out += "\n";
    }
    WriteTextFile(path, out);
}

void ExportChartDbase(TData1& data, const std::string& path)
{
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

// One old-format record, or the reason it cannot be read.
struct tOldRecord {
    std::string error;
    std::string name, firstName, comment, birthPlace;
    int zodiac = 0, chartType = 0, houseType = 0, sex = 0, country = 0, state = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double adjust = 0, longitude = 0, latitude = 0;
};

tOldRecord ParseOldRecord(const unsigned char* r)
{
    tOldRecord o;
    auto text = [&](std::size_t at, std::string& out, const char* what) {
        const int n = r[at];
        if (n > kOldTextMax) {
            o.error = std::string(what) + " length " + std::to_string(n) + " above 20";
            return;
        }
        out = Windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(r + at + 1), n));
    };
    auto u16 = [&](std::size_t at) { return r[at] | (r[at + 1] << 8); };
    auto s16 = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(u16(at))); };
    auto f64 = [&](std::size_t at) {
        double v;
        std::memcpy(&v, r + at, 8);  // little-endian hosts only, as the file
        return v;
    };
    text(0, o.name, "name");
    if (o.error.empty()) text(21, o.firstName, "first name");
    if (o.error.empty()) text(42, o.comment, "comment");
    if (o.error.empty()) text(72, o.birthPlace, "birthplace");
    if (!o.error.empty()) return o;
    o.zodiac = r[71];
    o.chartType = r[106];
    o.houseType = r[107];
    o.sex = u16(108) != 0;
    o.country = u16(118);
    o.state = u16(120);
    if (o.state > 999) o.state /= 1000;
    o.year = s16(122);
    o.month = s16(124);
    o.day = s16(126);
    o.hour = s16(128);
    o.minute = s16(130);
    o.adjust = f64(134);
    o.longitude = f64(142);
    o.latitude = f64(150);
    if (o.month < 1 || o.month > 12 || o.day < 1 || o.day > 31 || o.hour < 0 || o.hour > 23 || o.minute < 0 ||
        o.minute > 59 || o.year < 1 || o.year > 9999)
        o.error = "date or time out of range";
    else if (!std::isfinite(o.adjust) || std::fabs(o.adjust) > 16 || !std::isfinite(o.longitude) ||
             std::fabs(o.longitude) > 180 || !std::isfinite(o.latitude) || std::fabs(o.latitude) > 90)
        o.error = "zone or coordinates out of range";
    else if (o.houseType > 8 && o.houseType != 255)
        o.error = "house system " + std::to_string(o.houseType) + " unknown";
    return o;
}

}  // namespace

tMoveReport ConvertOldChartFile(const std::string& oldPath, const std::string& targetPath, const OptionSet* birthSet)
{
    std::string bytes;
    if (!ReadWholeFile(oldPath, bytes)) throw tStorageError("cannot read " + oldPath);
    tMoveReport report;
    const std::size_t whole = bytes.size() / kOldRecord;
    tDatabase db(targetPath, true);
    tTable make(db, ChartTableDef());
    tTransaction tx(db);
    tChartInserter insert(db);
    std::size_t k = 0;
    for (; k < whole; ++k) {
        const tOldRecord o = ParseOldRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + k * kOldRecord);
        if (!o.error.empty()) {
            report.problems.push_back("record " + std::to_string(k + 1) + ": " + o.error + "; it and the " +
                                      std::to_string(whole - k - 1) + " records after it were not imported");
            break;
        }
        tChart c(birthSet);
        c.Name = o.name;
        c.FirstName = o.firstName;
        c.Comment = o.comment;
        c.BirthPlace = o.birthPlace;
        c.Zodiac = o.zodiac;
        c.ChartType = o.chartType;
        c.HouseType = static_cast<std::uint8_t>(o.houseType);
        c.Sex = static_cast<std::uint8_t>(o.sex);
        c.Country = o.country;
        c.State = o.state;
        c.Year = static_cast<std::uint16_t>(o.year);
        c.Month = static_cast<std::uint16_t>(o.month);
        c.Day = static_cast<std::uint16_t>(o.day);
        c.Hour = static_cast<std::uint16_t>(o.hour);
        c.Minute = static_cast<std::uint16_t>(o.minute);
        c.Adjust = o.adjust;
        c.Longitude = o.longitude;
        c.Latitude = o.latitude;
        CalcChart(c);
        insert.Add(c);
        ++report.rows;
    }
    if (k == whole && bytes.size() % kOldRecord)
        report.problems.push_back("the last " + std::to_string(bytes.size() % kOldRecord) +
                                  " bytes are not a whole record and were not imported");
    tx.Commit();
    return report;
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

std::string FieldFilterExpression(const std::vector<tFieldFilterRow>& rows)
{
    auto literal = [](const tFieldFilterRow& r, const std::string& v) {
        if (!r.text) return v;
        std::string q = "'";
        for (char c : v) q += c == '\'' ? std::string("''") : std::string(1, c);
        return q + "'";
    };
    std::string out;
    for (tFieldFilterRow r : rows) {
        if (r.value.empty()) continue;
        if (r.text && r.op == "=") {
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

std::string PlanetFilterExpression(int body, int sign)
{
    if (sign <= 0) return {};
    const std::string p = std::string(1, 'P').append(std::to_string(body));
    return p + ">=" + std::to_string((sign - 1) * 30) + " and " + p + "<" + std::to_string(sign * 30);
}

}  // namespace quintara
