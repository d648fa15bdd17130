#include "core/data/jsonl_format.h"

#include <cstdio>
#include <cstdlib>

#include "core/i18n/text_encoding.h"
#include "core/platform/ascii.h"

namespace quintara {

bool RequestFromJson(const tJsonObject& obj, tChartRequest& r, std::string& error)
{
    static constexpr std::string_view kKnown[] = {"year", "month",   "day",   "hour",   "minute", "adjust",
                                                  "lat",  "lon",     "house", "zodiac", "ayanamsa", "name",   "first_name",
                                                  "sex",  "comment", "place", "country", "positions", "id"};
    for (const auto& [key, value] : obj) {
        bool known = false;
        for (auto k : kKnown) known = known || key == k;
        if (!known) {
            error = key + ": unknown field";
            return false;
        }
    }
    // Numbers are taken as written, strings through the same parsers as the options.
    auto text = [&](std::string_view key, std::string& out) -> int {
        auto it = obj.find(key);
        if (it == obj.end()) return 0;
        if (it->second.kind == tJsonValue::kNumber || it->second.kind == tJsonValue::kString) {
            out = it->second.text;
            return 1;
        }
        error = std::string(key) + ": expected a number or text";
        return -1;
    };
    struct Whole {
        std::string_view key;
        int* target;
        int lo, hi;
        bool required;
    };
    const Whole wholes[] = {{"year", &r.year, 0, 65535, true},
                            {"month", &r.month, 1, 12, true},
                            {"day", &r.day, 1, 31, true},
                            {"hour", &r.hour, 0, 23, false},
                            {"minute", &r.minute, 0, 59, false}};
    std::string value, sub;
    for (const Whole& w : wholes) {
        const int got = text(w.key, value);
        if (got < 0) return false;
        if (got == 0) {
            if (w.required) {
                error = std::string(w.key) + ": missing";
                return false;
            }
            continue;
        }
        auto v = ParseWhole(value, w.lo, w.hi, sub);
        if (!v) {
            error = std::string(w.key) + ": " + sub;
            return false;
        }
        *w.target = *v;
    }
    struct Field {
        std::string_view key;
        std::optional<double> (*parse)(std::string_view, std::string&);
        double* target;
    };
    const Field fields[] = {
        {"adjust", ParseDegMin, &r.adjust}, {"lat", ParseLatitude, &r.latitude}, {"lon", ParseLongitude, &r.longitude}};
    for (const Field& f : fields) {
        const int got = text(f.key, value);
        if (got < 0) return false;
        if (got == 0) continue;
        auto v = f.parse(value, sub);
        if (!v) {
            error = std::string(f.key) + ": " + sub;
            return false;
        }
        *f.target = *v;
    }
    if (const int got = text("house", value); got < 0) return false;
    else if (got > 0) {
        const auto house = ParseHouseSystem(value, sub);
        if (!house) {
            error = "house: " + sub;
            return false;
        }
        r.house = *house;
    }
    // "ayanamsa" makes the chart sidereal with it, whatever "zodiac" says.
    if (const int got = text("zodiac", value); got < 0) return false;
    else if (got > 0) {
        const auto z = ParseZodiac(value, sub);
        if (!z) {
            error = "zodiac: " + sub;
            return false;
        }
        r.zodiac = z->code;
        r.userAyanamsa = z->user;
    }
    if (const int got = text("ayanamsa", value); got < 0) return false;
    else if (got > 0 && !ParseAyanamsa(value, r.zodiac, r.userAyanamsa, sub)) {
        error = "ayanamsa: " + sub;
        return false;
    }
    error = CheckRequest(r);
    return error.empty();
}

std::vector<tExchangeRecord> ReadJsonLines(std::string_view bytes)
{
    std::vector<tExchangeRecord> records;
    const std::string text = ToUtf8(bytes);
    std::size_t at = 0, lineNo = 0;
    while (at < text.size()) {
        auto end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + at, end - at);
        at = end + 1;
        ++lineNo;
        if (Trimmed(line).empty()) continue;
        tExchangeRecord& r = records.emplace_back();
        r.line = lineNo;
        tJsonObject obj;
        std::string error;
        if (!ParseJsonObject(line, obj, error)) {
            r.problem = error;
            continue;
        }
        static constexpr std::pair<std::string_view, std::string tExchangeRecord::*> kTexts[] = {
            {"name", &tExchangeRecord::name},
            {"first_name", &tExchangeRecord::firstName},
            {"comment", &tExchangeRecord::comment},
            {"place", &tExchangeRecord::place},
            {"country", &tExchangeRecord::country}};
        for (const auto& [key, member] : kTexts) {
            const auto it = obj.find(key);
            if (it == obj.end() || it->second.kind == tJsonValue::kNull) continue;
            if (it->second.kind != tJsonValue::kString) {
                r.problem = std::string(key) + ": expected text";
                break;
            }
            r.*member = it->second.text;
        }
        if (!r.problem.empty()) continue;
        if (const auto sex = obj.find("sex"); sex != obj.end()) {
            const std::string_view s =
                sex->second.kind == tJsonValue::kString ? std::string_view(sex->second.text) : std::string_view("?");
            if (s == "M" || s == "m")
                r.sex = 'M';
            else if (s == "F" || s == "f")
                r.sex = 'F';
            else if (!s.empty()) {
                r.problem = "sex: expected \"M\" or \"F\"";
                continue;
            }
        }
        if (!obj.contains("year") || !obj.contains("month") || !obj.contains("day")) {
            r.problem =
                std::string(obj.contains("year") ? obj.contains("month") ? "day" : "month" : "year") + ": missing";
            continue;
        }
        if (!RequestFromJson(obj, r.moment, error)) {
            r.problem = error;
            continue;
        }
        r.hasZone = obj.contains("adjust");
        r.hasCoordinates = obj.contains("lat") || obj.contains("lon");
        r.hasHouse = obj.contains("house");
        r.hasZodiac = obj.contains("zodiac") || obj.contains("ayanamsa");
        r.timeUnknown = r.hasHouse && r.moment.house == 255;
    }
    return records;
}

namespace {

// Rounded to ten decimals, in the shortest form.
std::string Short(double v)
{
    std::string s;
    AppendJsonNumber(s, v, 10);
    return s;
}

}  // namespace

std::string JsonLine(const tExchangeRecord& r)
{
    const tChartRequest& m = r.moment;
    std::string s = "{\"name\":";
    AppendJsonString(s, r.name);
    auto text = [&s](const char* key, const std::string& value) {
        if (value.empty()) return;
        s.append(",\"").append(key).append("\":");
        AppendJsonString(s, value);
    };
    text("first_name", r.firstName);
    if (r.sex) text("sex", std::string(1, r.sex));
    text("comment", r.comment);
    text("place", r.place);
    text("country", r.country);
    char buf[256];
    std::snprintf(buf, sizeof buf, ",\"year\":%d,\"month\":%d,\"day\":%d,\"hour\":%d,\"minute\":%d", m.year, m.month,
                  m.day, m.hour, m.minute);
    s += buf;
    // Ten decimals of d.mm: far below a second of arc, and short (no
    // -30.550440000000002 left by a conversion).
    if (r.hasZone) s += ",\"adjust\":" + Short(m.adjust);
    if (r.hasCoordinates) s += ",\"lat\":" + Short(m.latitude) + ",\"lon\":" + Short(m.longitude);
    if (r.hasHouse || r.timeUnknown)
        s += (std::snprintf(buf, sizeof buf, ",\"house\":%d", r.timeUnknown ? 255 : m.house), buf);
    // The code, which every reader of the file takes; a user-defined
    // ayanamsa as the text of its reference.
    if (r.hasZodiac && m.zodiac == kUserAyanamsa) s += ",\"zodiac\":\"" + ZodiacText({m.zodiac, m.userAyanamsa}) + "\"";
    else if (r.hasZodiac) s += (std::snprintf(buf, sizeof buf, ",\"zodiac\":%d", m.zodiac), buf);
    return s + "}\n";
}

}  // namespace quintara
