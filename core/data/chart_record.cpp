#include "core/data/chart_record.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/chart/chart_input.h"
#include "core/data/civil_date.h"
#include "core/data/schemas.h"
#include "core/data/sqlite_db.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/i18n/text_encoding.h"

namespace quintara {

namespace {

// Reads "hh:mm[:ss]"; a damaged value gives midnight rather than garbage.
void ParseTime(const std::string& text, tChart& chart)
{
    int h = 0, m = 0, s = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%d", &h, &m, &s) < 2 || h < 0 || h > 23 || m < 0 || m > 59) h = m = 0;
    chart.Hour = static_cast<std::uint16_t>(h);
    chart.Minute = static_cast<std::uint16_t>(m);
}

void ParseDate(const std::string& iso, tChart& chart)
{
    int y = 0, mo = 0, d = 0;
    if (std::sscanf(iso.c_str(), "%d-%d-%d", &y, &mo, &d) != 3) return;
    if (y < 0 || y > 65535) y = 0, mo = 0;  // caught by the range check
    chart.Year = static_cast<std::uint16_t>(y);
    chart.Month = static_cast<std::uint16_t>(mo);
    chart.Day = static_cast<std::uint16_t>(d);
}

}  // namespace

void ReadChart(const tTable& t, tChart& chart)
{
    // Inside the program all text is UTF-8, whatever a damaged row holds.
    auto text = [&](const char* f) { return ValidUtf8(t.TextOr(f)); };
    auto real = [&](const char* f) { return t.RealOr(f); };
    auto integer = [&](const char* f) { return static_cast<std::int32_t>(t.IntOr(f)); };
    chart.Index = integer("Index");
    chart.Name = text("NAME");
    chart.FirstName = text("FIRSTNAME");
    chart.Comment = text("COMMENT");
    chart.Reference = text("REFERENCE");
    chart.Ayanamsa = real("AYANAMSA");
    chart.Zodiac = integer("ZODIAC");
    chart.BirthPlace = text("BIRTHPLACE");
    chart.ChartType = integer("CHARTTYPE");
    chart.HouseType = static_cast<std::uint8_t>(integer("HOUSETYPE"));
    const std::string sex = text("SEX");
    chart.Sex = sex == "M" || sex == "m" ? 1 : 0;
    chart.JulianDay = real("JULIANDAY");
    chart.Country = integer("COUNTRY");
    chart.State = integer("STATE");
    ParseDate(text("DATE"), chart);
    ParseTime(text("Time"), chart);
    chart.Second = 0;
    chart.Adjust = real("ADJUST");
    chart.Longitude = real("LONGITUDE");
    chart.Latitude = real("LATITUDE");
    chart.SiderealT = real("SIDERAL_T");
    // A user-defined ayanamsa is carried from the chart's own moment and value.
    chart.UserAyanamsa = {chart.JulianDay, chart.Ayanamsa};
    if (const std::string problem = ChartRangeProblem(chart); !problem.empty()) {
        // The name as a message can show it: UTF-8, no control characters.
        std::string name = ValidUtf8(chart.Name);
        for (char& ch : name)
            if (static_cast<unsigned char>(ch) < 0x20) ch = '?';
        throw tStorageError("chart \"" + name + "\": " + problem);
    }
}

bool PackedWithin(double packed, double limit)
{
    return std::isfinite(packed) && std::fabs(DegMinToDecimal(packed)) <= limit;
}

std::string ChartRangeProblem(const tChart& c)
{
    const auto bad = [](const char* what, double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%s %g out of range", what, v);
        return std::string(buf);
    };
    if (c.Month < 1 || c.Month > 12 || c.Day < 1 || c.Day > DaysInMonth(c.Year, c.Month))
        return "date " + std::to_string(c.Year) + "-" + std::to_string(c.Month) + "-" + std::to_string(c.Day) +
               " out of range";
    if (!PackedWithin(c.Latitude, 90)) return bad("latitude", c.Latitude);
    if (!PackedWithin(c.Longitude, 180)) return bad("longitude", c.Longitude);
    if (!PackedWithin(c.Adjust, 25)) return bad("adjust", c.Adjust);
    if (!std::isfinite(c.Ayanamsa) || std::fabs(c.Ayanamsa) > 360) return bad("ayanamsa", c.Ayanamsa);
    return {};
}

std::vector<std::pair<std::string, tSqlValue>> ChartRowValues(const tChart& chart)
{
    std::vector<std::pair<std::string, tSqlValue>> v;
    v.reserve(56);
    auto put = [&](std::string f, tSqlValue x) { v.emplace_back(std::move(f), std::move(x)); };
    auto integer = [](auto x) { return tSqlValue{static_cast<std::int64_t>(x)}; };
    put("NAME", chart.Name);
    put("FIRSTNAME", chart.FirstName);
    put("COMMENT", chart.Comment);
    put("REFERENCE", chart.Reference);
    put("AYANAMSA", chart.Ayanamsa);
    put("ZODIAC", integer(chart.Zodiac));
    put("BIRTHPLACE", chart.BirthPlace);
    put("CHARTTYPE", integer(chart.ChartType));
    put("HOUSETYPE", integer(chart.HouseType));
    put("SEX", std::string(chart.Sex ? "M" : "F"));
    put("JULIANDAY", chart.JulianDay);
    put("COUNTRY", integer(chart.Country));
    put("STATE", integer(chart.State));
    put("DATE", IsoDate({chart.Year, chart.Month, chart.Day}));
    char time[16];
    std::snprintf(time, sizeof time, "%02u:%02u:00", unsigned{chart.Hour} % 100u, unsigned{chart.Minute} % 100u);
    put("Time", std::string(time));
    put("ADJUST", chart.Adjust);
    put("LONGITUDE", chart.Longitude);
    put("LATITUDE", chart.Latitude);
    put("SIDERAL_T", chart.SiderealT);
    for (int k = 1; k <= 12; ++k) {
        put(PositionField('P', k), chart.BodyPosition(k));
        put(PositionField('R', k), integer(chart.Retrograde(k) ? 1 : 0));
    }
    for (int k = 1; k <= 12; ++k) put(PositionField('P', 12 + k), chart.HouseCusp(k));
    // Texts keep their fields' lengths, however they are written.
    static const tTableDef def = ChartTableDef();
    for (auto& [field, value] : v)
        for (const tColumnDef& c : def.columns)
            if (c.name == field && c.length)
                if (auto* text = std::get_if<std::string>(&value)) *text = FirstCodePoints(*text, c.length);
    return v;
}

std::vector<std::string> TooLongChartFields(const tChart& chart)
{
    std::vector<std::string> out;
    const std::pair<const char*, const std::string*> texts[] = {{"NAME", &chart.Name},
                                                                 {"FIRSTNAME", &chart.FirstName},
                                                                 {"COMMENT", &chart.Comment},
                                                                 {"REFERENCE", &chart.Reference},
                                                                 {"BIRTHPLACE", &chart.BirthPlace}};
    static const tTableDef def = ChartTableDef();
    for (const auto& [field, text] : texts)
        for (const tColumnDef& c : def.columns)
            if (c.name == field && c.length && Utf8Length(*text) > c.length) out.push_back(field);
    return out;
}

namespace {

struct tStoredPoint {
    std::int64_t num;
    std::string name;
    double longitude, declination;
};

}  // namespace

bool HasChartPoints(tDatabase& db)
{
    tStatement q = db.Prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    q.Bind(1, std::string(kChartPointsTable));
    return q.Step();
}

void DeleteChartPoints(tDatabase& db, std::int64_t rowid)
{
    if (!HasChartPoints(db)) return;
    if (rowid >= 0) {
        db.Prepare("DELETE FROM ChartPoints WHERE CHART = ?1").Bind(1, rowid).Step();
        return;
    }
    db.Exec("DELETE FROM ChartPoints WHERE CHART NOT IN (SELECT rowid FROM Charts)");
}

void WriteChart(tTable& t, const tChart& chart)
{
    for (auto& [field, value] : ChartRowValues(chart)) t.Set(field, value);
    std::vector<tStoredPoint> points;
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p) {
        const tPlanet& b = *chart.BodyAt(p);
        const double lon = b.GetPosition();
        if (lon < 0) continue;  // no position: nothing to filter by
        points.push_back({b.Num, b.EnglishName(), lon, b.DeclinationAt(lon)});
    }
    // A chart without points leaves a file without the table as it was.
    t.SetPendingCompanion([points = std::move(points)](tDatabase& db, std::int64_t rowid) {
        if (points.empty() && !HasChartPoints(db)) return;
        db.Exec("CREATE TABLE IF NOT EXISTS ChartPoints (CHART INTEGER NOT NULL, NUM INTEGER NOT NULL, NAME TEXT, "
                "LONGITUDE REAL, DECLINATION REAL, PRIMARY KEY (CHART, NUM))");
        DeleteChartPoints(db, rowid);
        tStatement insert = db.Prepare("INSERT OR REPLACE INTO ChartPoints (CHART, NUM, NAME, LONGITUDE, DECLINATION) "
                                       "VALUES (?1, ?2, ?3, ?4, ?5)");
        for (const tStoredPoint& p : points) {
            insert.Reset();
            insert.BindAll({rowid, p.num, p.name, p.longitude, p.declination});
            insert.Step();
        }
    });
}

tChartInserter::tChartInserter(tDatabase& db)
{
    std::string names, marks;
    for (auto& [field, value] : ChartRowValues(tChart())) {
        names += (names.empty() ? "\"" : ", \"") + field + "\"";
        marks += marks.empty() ? "?" : ", ?";
    }
    insert = std::make_unique<tStatement>(db.Handle(), "INSERT INTO Charts (" + names + ") VALUES (" + marks + ")");
}

tChartInserter::~tChartInserter() = default;

void tChartInserter::Add(const tChart& chart)
{
    insert->Reset();
    int i = 0;
    for (auto& [field, value] : ChartRowValues(chart)) insert->Bind(++i, value);
    insert->Step();
}

}  // namespace quintara
