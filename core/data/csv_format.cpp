#include "core/data/csv_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/data/exchange_fields.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/ascii.h"

namespace quintara {
namespace {

enum tColumn {
    kName,
    kFirstName,
    kSex,
    kDate,
    kTime,
    kZone,
    kPlace,
    kCountry,
    kLatitude,
    kLongitude,
    kComment,
    kHouse,
    kZodiac,
    kJulianDay,
    kColumns
};

constexpr std::array<std::string_view, kColumns> kHeaders = {
    "Name",    "First name", "Sex",       "Date",    "Time",         "Zone",  "Place",
    "Country", "Latitude",   "Longitude", "Comment", "House system", "Zodiac", "Julian day"};

// Header words without case, blanks, '_' or '-': "First name" = "first_name".
std::string Key(std::string_view s)
{
    std::string k;
    for (char c : s)
        if (c != ' ' && c != '_' && c != '-') k += AsciiLower(c);
    return k;
}

int ColumnOf(std::string_view header)
{
    const std::string k = Key(Trimmed(header));
    for (int c = 0; c < kColumns; ++c)
        if (k == Key(kHeaders[c])) return c;
    static constexpr std::pair<std::string_view, int> kOther[] = {
        {"firstname", kFirstName}, {"surname", kName},   {"lastname", kName}, {"lat", kLatitude},
        {"lon", kLongitude},       {"long", kLongitude}, {"city", kPlace},    {"birthplace", kPlace},
        {"timezone", kZone},       {"utcoffset", kZone}, {"house", kHouse},   {"gender", kSex}};
    for (const auto& [word, c] : kOther)
        if (k == word) return c;
    return -1;
}

struct tRow {
    std::vector<std::string> fields;
    std::size_t line = 0;
};

// RFC 4180 rows: quoted fields may hold separators, doubled quotes and line
// breaks. An unclosed quote ends with the text.
std::vector<tRow> Rows(const std::string& text, char sep)
{
    std::vector<tRow> rows;
    std::size_t line = 1, i = 0;
    while (i < text.size()) {
        tRow row;
        row.line = line;
        std::string field;
        bool quoted = false, wasQuoted = false;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                    field += text[++i];
                else if (c == '"')
                    quoted = false;
                else {
                    if (c == '\n') ++line;
                    field += c;
                }
            } else if (c == '"' && Trimmed(field).empty()) {
                field.clear();
                quoted = wasQuoted = true;
            } else if (c == sep) {
                row.fields.push_back(wasQuoted ? field : std::string(Trimmed(field)));
                field.clear();
                wasQuoted = false;
            } else if (c == '\n') {
                ++line;
                ++i;
                break;
            } else if (c != '\r') {
                field += c;
            }
        }
        row.fields.push_back(wasQuoted ? field : std::string(Trimmed(field)));
        if (row.fields.size() > 1 || !row.fields[0].empty()) rows.push_back(std::move(row));
    }
    return rows;
}

char SeparatorOf(const std::string& text)
{
    const std::string_view header(text.data(), std::min(text.find('\n'), text.size()));
    char best = ',';
    std::ptrdiff_t most = -1;
    for (char sep : {',', ';', '\t'}) {
        const auto n = std::count(header.begin(), header.end(), sep);
        if (n > most) most = n, best = sep;
    }
    return best;
}

bool ReadDate(std::string_view f, const std::string& shortFormat, tChartRequest& m, std::string& error)
{
    if (f.find('-') != std::string_view::npos) return ParseDate(f, m, error);
    const char sep = f.find('/') != std::string_view::npos ? '/' : '.';
    int part[3];
    for (int k = 0; k < 3; ++k) {
        const auto at = k < 2 ? f.find(sep) : f.size();
        std::string sub;
        const auto v = at == std::string_view::npos ? std::nullopt : ParseWhole(f.substr(0, at), 0, 65535, sub);
        if (!v) {
            error =
                std::string(1, '"').append(f).append("\" is not a date like 1970-09-27 (or ").append(shortFormat) + ")";
            return false;
        }
        part[k] = *v;
        f.remove_prefix(std::min(f.size(), at + 1));
    }
    const bool monthFirst = sep == '/' && shortFormat.rfind("mm", 0) == 0;
    m.year = part[2];
    m.month = monthFirst ? part[0] : part[1];
    m.day = monthFirst ? part[1] : part[0];
    return true;
}

// One data row into a record; the first bad field is the problem.
void ReadRow(const tRow& row, const std::array<int, kColumns>& at, bool decimalComma, const std::string& shortFormat,
             tExchangeRecord& r)
{
    auto field = [&](int c) -> std::string_view {
        return at[c] >= 0 && std::size_t(at[c]) < row.fields.size() ? std::string_view(row.fields[at[c]]) : "";
    };
    auto fail = [&](int c, const std::string& why) { r.problem = std::string(kHeaders[c]) + ": " + why; };
    r.line = row.line;
    r.name = field(kName);
    r.firstName = field(kFirstName);
    r.comment = field(kComment);
    r.place = field(kPlace);
    r.country = field(kCountry);
    std::string error;
    if (!ParseSex(field(kSex), r.sex))
        return fail(kSex, std::string(1, '"').append(field(kSex)).append("\" is not M or F"));
    if (field(kDate).empty()) return fail(kDate, "missing");
    if (!ReadDate(field(kDate), shortFormat, r.moment, error)) return fail(kDate, error);
    if (field(kTime).empty()) {
        r.timeUnknown = true;
    } else if (!ParseClock(field(kTime), r.moment.hour, r.moment.minute, error)) {
        return fail(kTime, error);
    }
    const std::string_view zone = field(kZone);
    if (!zone.empty() && !SameNameIgnoringCase(zone, "auto")) {
        const auto v = ParseUtcOffset(zone, error);
        if (!v) return fail(kZone, error);
        r.moment.adjust = *v;
        r.hasZone = true;
    }
    if (!field(kLatitude).empty() || !field(kLongitude).empty()) {
        const auto lat = ParseDecimalLatitude(field(kLatitude), decimalComma, error);
        if (!lat) return fail(kLatitude, error);
        const auto lon = ParseDecimalLongitude(field(kLongitude), decimalComma, error);
        if (!lon) return fail(kLongitude, error);
        r.moment.latitude = *lat;
        r.moment.longitude = *lon;
        r.hasCoordinates = true;
    }
    if (!field(kHouse).empty()) {
        const auto h = ParseHouseSystem(field(kHouse), error);
        if (!h) return fail(kHouse, error);
        r.moment.house = *h;
        r.hasHouse = true;
    }
    if (!field(kZodiac).empty()) {
        const auto z = ParseZodiac(field(kZodiac), error);
        if (!z) return fail(kZodiac, error);
        r.moment.zodiac = z->code;
        r.moment.userAyanamsa = z->user;
        r.hasZodiac = true;
    }
    if (!field(kJulianDay).empty()) {
        const std::string_view f = field(kJulianDay);
        double jd = 0;
        const auto p = std::from_chars(f.data(), f.data() + f.size(), jd);
        if (p.ptr != f.data() + f.size() || !std::isfinite(jd)) return fail(kJulianDay, "not a number");
        r.julianDay = jd;
    }
}


}  // namespace

std::vector<tExchangeRecord> ReadCsv(std::string_view bytes, const std::string& shortDateFormat)
{
    const std::string text = ToUtf8(bytes);
    const char sep = SeparatorOf(text);
    const std::vector<tRow> rows = Rows(text, sep);
    std::vector<tExchangeRecord> records;
    if (rows.empty()) return records;
    std::array<int, kColumns> at;
    at.fill(-1);
    for (std::size_t k = 0; k < rows[0].fields.size(); ++k) {
        const int c = ColumnOf(rows[0].fields[k]);
        if (c >= 0 && at[c] < 0) at[c] = static_cast<int>(k);
    }
    if (at[kName] < 0 || at[kDate] < 0) {
        records.emplace_back();
        records.back().line = 1;
        records.back().problem = "the header row has no Name or no Date column (the first line names the columns: " +
                                 std::string(
                                     "Name, First name, Sex, Date, Time, Zone, Place, Country, Latitude, "
                                     "Longitude)");
        return records;
    }
    for (std::size_t k = 1; k < rows.size(); ++k) {
        records.emplace_back();
        ReadRow(rows[k], at, sep != ',', shortDateFormat, records.back());
        // Values beyond the named columns: the fields have shifted (a
        // separator inside an unquoted field) and no column can be trusted.
        const std::vector<std::string>& f = rows[k].fields;
        const std::size_t named = rows[0].fields.size();
        if (f.size() > named && std::any_of(f.begin() + static_cast<std::ptrdiff_t>(named), f.end(),
                                            [](const std::string& x) { return !x.empty(); }))
            records.back().problem = std::to_string(f.size()) + " fields where the header names " +
                                     std::to_string(named) + " (a separator in an unquoted field?)";
    }
    return records;
}

namespace {

std::string JulianDayText(const std::optional<double>& jd)
{
    if (!jd) return {};
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6f", *jd);
    return buf;
}

}  // namespace

std::string CsvField(const std::string& s)
{
    if (s.find_first_of(",;\t\"\r\n") == std::string::npos && Trimmed(s).size() == s.size()) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvHeader()
{
    std::string s = "\xEF\xBB\xBF";
    for (int c = 0; c < kColumns; ++c) s.append(c ? "," : "").append(kHeaders[c]);
    return s + "\r\n";
}

std::string CsvLine(const tExchangeRecord& r)
{
    const tChartRequest& m = r.moment;
    char date[24], time[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", m.year, m.month, m.day);
    std::snprintf(time, sizeof time, "%02d:%02d", m.hour, m.minute);
    const std::string fields[kColumns] = {
        r.name, r.firstName, r.sex ? std::string(1, r.sex) : std::string(), date,
        r.timeUnknown ? std::string() : std::string(time),
        // "UTC" keeps spreadsheets from taking the offset for a time of day.
        r.hasZone ? "UTC" + UtcOffsetText(m.adjust) : std::string(), r.place, r.country,
        r.hasCoordinates ? DecimalLatitudeText(m.latitude) : std::string(),
        r.hasCoordinates ? DecimalLongitudeText(m.longitude) : std::string(), r.comment,
        r.hasHouse && !r.timeUnknown ? std::string(HouseSystemName(m.house)) : std::string(),
        r.hasZodiac ? ZodiacText({m.zodiac, m.userAyanamsa}) : std::string(), JulianDayText(r.julianDay)};
    std::string s;
    for (int c = 0; c < kColumns; ++c) s.append(c ? "," : "").append(CsvField(fields[c]));
    return s + "\r\n";
}

}  // namespace quintara
