#include "core/data/aaf_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/data/exchange_fields.h"
#include "core/engine/angles.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/ascii.h"

namespace quintara {
namespace {

struct tChunk {
    std::string id, data;
    std::size_t line = 0;
};

// Chunks start in the first column with '#' and an id before ':'; lines
// that do not start so continue the chunk before them.
std::vector<tChunk> Chunks(const std::string& text)
{
    std::vector<tChunk> chunks;
    std::size_t lineNo = 0, at = 0;
    while (at < text.size()) {
        auto end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + at, end - at);
        at = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto colon = line.find(':');
        if (!line.empty() && line.front() == '#' && colon != std::string_view::npos) {
            chunks.push_back({std::string(line.substr(1, colon - 1)), std::string(line.substr(colon + 1)), lineNo});
        } else if (!chunks.empty() && !Trimmed(line).empty()) {
            chunks.back().data.append(Trimmed(line));
        }
    }
    return chunks;
}

std::vector<std::string_view> Fields(std::string_view data)
{
    std::vector<std::string_view> f;
    while (true) {
        const auto comma = data.find(',');
        f.push_back(Trimmed(data.substr(0, comma)));
        if (comma == std::string_view::npos) return f;
        data.remove_prefix(comma + 1);
    }
}

bool Unknown(std::string_view f) { return f.empty() || f == "*"; }

std::string Text(std::string_view f) { return Unknown(f) ? std::string() : std::string(f); }

// d.m.yyyy (day, month, year as AAF writes dates).
bool ReadDate(std::string_view f, tChartRequest& m, std::string& error)
{
    int part[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const auto dot = k < 2 ? f.find('.') : f.size();
        const std::string_view p = f.substr(0, dot);
        const auto r = std::from_chars(p.data(), p.data() + p.size(), part[k]);
        if (p.empty() || r.ec != std::errc() || r.ptr != p.data() + p.size() || dot == std::string_view::npos) {
            error = "date: \"" + std::string(f) + "\" is not a date like 27.9.1970 (day.month.year)";
            return false;
        }
        f.remove_prefix(std::min(f.size(), dot + 1));
    }
    m.day = part[0];
    m.month = part[1];
    m.year = part[2];
    return true;
}

// "48n52", "48n52:30": degrees, hemisphere, minutes and seconds.
bool ReadCoordinate(std::string_view f, const char* letters, double limit, double& packed)
{
    const auto at = f.find_first_of(letters);
    if (at == std::string_view::npos || at == 0) return false;
    int degrees = 0;
    const auto r = std::from_chars(f.data(), f.data() + at, degrees);
    if (r.ptr != f.data() + at || degrees < 0) return false;
    double minutes = 0;
    const std::string_view rest = f.substr(at + 1);
    if (!rest.empty()) {
        std::string error;
        int whole = 0;
        const auto colon = rest.find(':');
        const std::string_view mm = rest.substr(0, colon);
        const auto rm = std::from_chars(mm.data(), mm.data() + mm.size(), whole);
        if (mm.empty() || rm.ptr != mm.data() + mm.size() || whole > 59) return false;
        minutes = whole;
        if (colon != std::string_view::npos) {
            const std::string_view ss = rest.substr(colon + 1);
            int sec = 0;
            const auto rs = std::from_chars(ss.data(), ss.data() + ss.size(), sec);
            if (ss.empty() || rs.ptr != ss.data() + ss.size() || sec > 59) return false;
            minutes += sec / 60.0;
        }
    }
    const double decimal = degrees + minutes / 60;
    if (decimal > limit) return false;
    const char h = AsciiLower(f[at]);
    const bool negative = h == 's' || h == 'e';  // charts hold north and west positive
    packed = degrees + minutes / 100;
    if (negative) packed = -packed;
    return true;
}

// "1he00", "1he", "5hw30", "0e21:48", "0h40e" (hours, east or west before
// or after the minutes, minutes and seconds), or a bare number of hours
// east. Returns hours east.
bool ReadZone(std::string_view f, double& east)
{
    const auto at = f.find_first_of("eEwW");
    if (at == std::string_view::npos) {
        std::string error;
        const auto v = ParseUtcOffset(f, error);
        if (!v) return false;
        east = -DegMinToDecimal(*v);
        return true;
    }
    if (f.find_first_of("eEwW", at + 1) != std::string_view::npos) return false;
    const bool west = AsciiLower(f[at]) == 'w';
    std::string rest = std::string(f.substr(0, at)) + std::string(f.substr(at + 1));
    const auto h = rest.find_first_of("hH");
    std::string hours = rest.substr(0, h == std::string::npos ? rest.find_first_not_of("0123456789") : h);
    std::string minutes = h == std::string::npos ? rest.substr(hours.size()) : rest.substr(h + 1);
    if (hours.empty() || hours.size() > 2 || hours.find_first_not_of("0123456789") != std::string::npos) return false;
    double value = std::stoi(hours);
    if (!minutes.empty()) {
        std::string error;
        const auto m = ParseUtcOffset("0:" + minutes, error);
        if (!m) return false;
        value += -DegMinToDecimal(*m);
    }
    if (value > 15) return false;
    east = west ? -value : value;
    return true;
}

void ReadA93(const tChunk& c, tExchangeRecord& r)
{
    const auto f = Fields(c.data);
    if (f.size() < 5) {
        r.problem = "#A93 has " + std::to_string(f.size()) + " fields; name, first name, sex, date and time are needed";
        return;
    }
    r.name = Text(f[0]);
    r.firstName = Text(f[1]);
    if (!ParseSex(f[2], r.sex)) r.problem = "sex: \"" + std::string(f[2]) + "\" is not m, f, w, e or *";
    if (f.size() > 5) r.place = Text(f[5]);
    if (f.size() > 6) r.country = Text(f[6]);
    std::string error;
    if (r.problem.empty() && !ReadDate(f[3], r.moment, error)) r.problem = error;
    if (Unknown(f[4])) {
        r.timeUnknown = true;
        r.moment.hour = 12;
        r.moment.minute = 0;
    } else if (r.problem.empty() && !ParseClock(f[4], r.moment.hour, r.moment.minute, error)) {
        r.problem = "time: " + error;
    }
}

void ReadB93(const tChunk& c, tExchangeRecord& r)
{
    const auto f = Fields(c.data);
    if (f.size() < 3) {
        r.problem = "#B93 (line " + std::to_string(c.line) + ") has " + std::to_string(f.size()) +
                    " fields; Julian day, latitude and longitude are needed";
        return;
    }
    if (!Unknown(f[0])) {
        double jd = 0;
        const auto p = std::from_chars(f[0].data(), f[0].data() + f[0].size(), jd);
        if (p.ptr != f[0].data() + f[0].size() || !std::isfinite(jd)) {
            r.problem = "Julian day: \"" + std::string(f[0]) + "\" is not a number";
            return;
        }
        r.julianDay = jd;
    }
    if (!Unknown(f[1]) || !Unknown(f[2])) {
        if (!ReadCoordinate(f[1], "nNsS", 90, r.moment.latitude)) {
            r.problem = "latitude: \"" + std::string(f[1]) + "\" is not a latitude like 48n52 (up to 90 degrees)";
            return;
        }
        if (!ReadCoordinate(f[2], "eEwW", 180, r.moment.longitude)) {
            r.problem = "longitude: \"" + std::string(f[2]) + "\" is not a longitude like 2e21 (up to 180 degrees)";
            return;
        }
        r.hasCoordinates = true;
    }
    if (f.size() > 3 && !Unknown(f[3])) {
        double east = 0;
        if (!ReadZone(f[3], east)) {
            r.problem = "zone: \"" + std::string(f[3]) + "\" is not a zone like 1he00 or 5hw00";
            return;
        }
        // A number in the summer-time field is hours more; letters (local mean
        // time and the like) add nothing.
        if (f.size() > 4 && !f[4].empty() && f[4].find_first_not_of("0123456789.") == std::string_view::npos) {
            double dst = 0;
            std::from_chars(f[4].data(), f[4].data() + f[4].size(), dst);
            if (dst > 3) {
                r.problem = "summer time: \"" + std::string(f[4]) + "\" hours is more than any zone ever added";
                return;
            }
            east += dst;
        }
        r.moment.adjust = AdjustOfSecondsEast(std::round(east * 3600));
        r.hasZone = true;
    }
}

std::string Clean(const std::string& s)
{
    std::string out;
    for (char c : s) out += c == ',' ? ';' : c == '#' || c == '\n' || c == '\r' ? ' ' : c;
    return out.empty() ? "*" : out;
}

std::string Coordinate(double packed, char positive, char negative)
{
    const double decimal = std::fabs(DegMinToDecimal(packed));
    const long seconds = std::lround(decimal * 3600);
    char buf[40];
    const char h = packed < 0 ? negative : positive;
    if (seconds % 60)
        std::snprintf(buf, sizeof buf, "%ld%c%02ld:%02ld", seconds / 3600, h, seconds / 60 % 60, seconds % 60);
    else
        std::snprintf(buf, sizeof buf, "%ld%c%02ld", seconds / 3600, h, seconds / 60 % 60);
    return buf;
}

}  // namespace

std::vector<tExchangeRecord> ReadAaf(std::string_view bytes)
{
    std::vector<tExchangeRecord> records;
    for (const tChunk& c : Chunks(ToUtf8(bytes))) {
        if (c.id == "A93") {
            records.emplace_back();
            records.back().line = c.line;
            ReadA93(c, records.back());
            continue;
        }
        if (records.empty() || !records.back().problem.empty()) continue;
        if (c.id == "B93")
            ReadB93(c, records.back());
        else if (c.id == "COM")
            records.back().comment = std::string(Trimmed(c.data));
    }
    return records;
}

std::string AafRecordText(const tExchangeRecord& r)
{
    const tChartRequest& m = r.moment;
    char date[40], time[16];
    std::snprintf(date, sizeof date, "%d.%d.%d", m.day, m.month, m.year);
    std::snprintf(time, sizeof time, "%d:%02d", m.hour, m.minute);
    std::string s = "#A93:" + Clean(r.name) + "," + Clean(r.firstName) + "," +
                    (r.sex == 'M'   ? "m"
                     : r.sex == 'F' ? "f"
                                    : "*") +
                    "," + date + "," + (r.timeUnknown ? std::string("*") : time) + "," + Clean(r.place) + "," +
                    Clean(r.country) + "\n";
    char jd[40] = "*";
    if (r.julianDay) std::snprintf(jd, sizeof jd, "%.6f", *r.julianDay);
    std::string zone = "*";
    if (r.hasZone) {
        const long seconds = SecondsEast(m.adjust);
        const long a = std::labs(seconds);
        char buf[40];
        if (a % 60)
            std::snprintf(buf, sizeof buf, "%ldh%c%02ld:%02ld", a / 3600, seconds < 0 ? 'w' : 'e', a / 60 % 60, a % 60);
        else
            std::snprintf(buf, sizeof buf, "%ldh%c%02ld", a / 3600, seconds < 0 ? 'w' : 'e', a / 60 % 60);
        zone = buf;
    }
    s += std::string("#B93:") + jd + "," +
         (r.hasCoordinates ? Coordinate(m.latitude, 'n', 's') + "," + Coordinate(-m.longitude, 'e', 'w') : "*,*") +
         "," + zone + ",0\n";
    if (!r.comment.empty()) {
        std::string comment = r.comment;  // commas are allowed here
        for (char& c : comment)
            if (c == '#' || c == '\n' || c == '\r') c = ' ';
        s += "#COM:" + comment + "\n";
    }
    return s;
}

}  // namespace quintara
