#include "core/data/exchange_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/platform/ascii.h"

namespace quintara {
namespace {

bool Digits(std::string_view s)
{
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int WholeOf(std::string_view s)
{
    int v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

std::optional<double> Number(std::string_view s)
{
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string Quoted(std::string_view s) { return std::string("\"").append(s).append("\""); }

// "h[:mm[:ss]]" as decimal hours; minutes and seconds below 60.
std::optional<double> Sexagesimal(std::string_view s)
{
    double total = 0, unit = 1;
    for (int part = 0; part < 3; ++part) {
        const auto colon = s.find(':');
        const std::string_view piece = s.substr(0, colon);
        if (!Digits(piece) || piece.size() > (part ? 2u : 3u)) return std::nullopt;
        const int v = WholeOf(piece);
        if (part && v > 59) return std::nullopt;
        total += v * unit;
        unit /= 60;
        if (colon == std::string_view::npos) return total;
        s.remove_prefix(colon + 1);
    }
    return std::nullopt;
}

std::optional<double> DecimalDegrees(std::string_view text, bool decimalComma, double limit, std::string& error)
{
    std::string s(Trimmed(text));
    if (decimalComma)
        for (char& c : s)
            if (c == ',') c = '.';
    const auto v = Number(s);
    if (!v || std::fabs(*v) > limit) {
        error = Quoted(text) + " is not decimal degrees within -" + std::to_string(int(limit)) + " and " +
                std::to_string(int(limit)) + (limit > 90 ? " (east positive)" : " (north positive)");
        return std::nullopt;
    }
    return *v;
}

std::string Fixed6(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

// A trailing "AM" or "PM" (spreadsheets write times so): removed from s,
// 1 for PM, 0 for AM, -1 for none.
int TakeMeridiem(std::string& s)
{
    std::string_view t = Trimmed(s);
    if (t.size() < 2) return -1;
    const std::string_view tail = t.substr(t.size() - 2);
    const bool am = SameNameIgnoringCase(tail, "AM"), pm = SameNameIgnoringCase(tail, "PM");
    if (!am && !pm) return -1;
    s = std::string(Trimmed(t.substr(0, t.size() - 2)));
    return pm ? 1 : 0;
}

}  // namespace

bool ParseClock(std::string_view text, int& hour, int& minute, std::string& error)
{
    std::string s(Trimmed(text));
    const int meridiem = TakeMeridiem(s);
    if (s.find(':') == std::string::npos)
        for (char& c : s)
            if (c == '.') c = ':';
    const auto first = s.find(':');
    const std::string_view h = std::string_view(s).substr(0, first);
    std::string_view m = first == std::string::npos ? std::string_view("0") : std::string_view(s).substr(first + 1);
    const auto second = m.find(':');
    const std::string_view sec = second == std::string_view::npos ? std::string_view("0") : m.substr(second + 1);
    m = m.substr(0, second);
    if (!Digits(h) || !Digits(m) || !Digits(sec) || h.size() > 2 || m.size() > 2 || sec.size() > 2 || WholeOf(h) > 23 ||
        WholeOf(m) > 59 || WholeOf(sec) > 59) {
        error = Quoted(text) + " is not a clock time like 14:30 (hours 0..23, minutes 0..59)";
        return false;
    }
    hour = WholeOf(h);
    minute = WholeOf(m);
    if (meridiem >= 0) {
        if (hour < 1 || hour > 12) {
            error = std::string(1, '"').append(text).append("\" is not a 12-hour clock time (1..12 AM or PM)");
            return false;
        }
        hour = hour % 12 + (meridiem ? 12 : 0);
    }
    return true;
}

std::optional<double> ParseUtcOffset(std::string_view text, std::string& error)
{
    // A spreadsheet reads "+01:24" as the time of day 01:24 and may write it
    // back as "01:24:00 AM": that is the offset east it stood for.
    std::string plain(Trimmed(text));
    if (const int meridiem = TakeMeridiem(plain); meridiem >= 0) {
        std::optional<double> hours = Sexagesimal(plain);
        if (!hours || *hours < 1 || *hours >= 13) {
            error = Quoted(text) + " is not an offset from UTC like UTC+01:00 (east positive)";
            return std::nullopt;
        }
        if (*hours >= 12) *hours -= 12;
        if (meridiem) *hours += 12;
        const double seconds = std::round(*hours * 3600);
        if (seconds > 15 * 3600) {
            error = Quoted(text) + " is more than 15 hours from UTC";
            return std::nullopt;
        }
        return AdjustOfSecondsEast(seconds);
    }
    std::string_view s = Trimmed(text);
    if (s.size() >= 3 && (SameNameIgnoringCase(s.substr(0, 3), "UTC") || SameNameIgnoringCase(s.substr(0, 3), "GMT")))
        s = Trimmed(s.substr(3));
    if (s.empty() || s == "Z" || s == "z") return 0.0;
    double sign = 1;
    if (s.front() == '+' || s.front() == '-') {
        sign = s.front() == '-' ? -1 : 1;
        s.remove_prefix(1);
    }
    std::optional<double> hours = s.find(':') != std::string_view::npos ? Sexagesimal(s) : Number(s);
    if (!hours || *hours < 0 || *hours > 15) {
        error =
            Quoted(text) + " is not an offset from UTC like +01:00, -05:30 or UTC+2 (east positive, up to 15 hours)";
        return std::nullopt;
    }
    return AdjustOfSecondsEast(std::round(*hours * 3600) * sign);
}

long SecondsEast(double adjust) { return std::lround(-DegMinToDecimal(adjust) * 3600); }

double AdjustOfSecondsEast(double seconds) { return seconds == 0 ? 0.0 : DecimalToDegMin(-seconds / 3600); }

std::string UtcOffsetText(double adjust)
{
    const long seconds = SecondsEast(adjust);
    const long a = std::labs(seconds);
    char buf[32];
    if (a % 60)
        std::snprintf(buf, sizeof buf, "%c%02ld:%02ld:%02ld", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60, a % 60);
    else
        std::snprintf(buf, sizeof buf, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60);
    return buf;
}

std::optional<double> ParseDecimalLatitude(std::string_view text, bool decimalComma, std::string& error)
{
    if (Trimmed(text).find_first_of("NSns") != std::string_view::npos) return ParseLatitude(text, error);
    const auto v = DecimalDegrees(text, decimalComma, 90, error);
    return v ? std::optional<double>(DecimalToDegMin(*v)) : std::nullopt;
}

std::optional<double> ParseDecimalLongitude(std::string_view text, bool decimalComma, std::string& error)
{
    if (Trimmed(text).find_first_of("EWew") != std::string_view::npos) return ParseLongitude(text, error);
    const auto v = DecimalDegrees(text, decimalComma, 180, error);
    return v ? std::optional<double>(*v == 0 ? 0.0 : DecimalToDegMin(-*v)) : std::nullopt;
}

std::string DecimalLatitudeText(double packed) { return Fixed6(DegMinToDecimal(packed)); }
std::string DecimalLongitudeText(double packed) { return Fixed6(packed == 0 ? 0.0 : -DegMinToDecimal(packed)); }

double AdjustFromJulianDay(const tChartRequest& m, double julianDay)
{
    const double clock = kJ2000 + DaysFromJ2000(m.year, m.month, m.day, m.hour + m.minute / 100.0);
    // Universal time later than the clock: a zone west of Greenwich.
    return AdjustOfSecondsEast(-std::round((julianDay - clock) * 86400));
}

bool ClockFromJulianDay(tChartRequest& m, double julianDay)
{
    const double midnight = kJ2000 + DaysFromJ2000(m.year, m.month, m.day, 0);
    const double minutes = std::round(((julianDay - midnight) * 86400 + SecondsEast(m.adjust)) / 60);
    if (!(minutes >= 0 && minutes < 1440)) return false;
    m.hour = static_cast<int>(minutes) / 60;
    m.minute = static_cast<int>(minutes) % 60;
    return true;
}

bool ParseSex(std::string_view text, char& sex)
{
    const std::string_view s = Trimmed(text);
    sex = 0;
    if (s.empty() || s == "*") return true;
    const char c = AsciiLower(s.front());
    if (s.size() == 1 || SameNameIgnoringCase(s, "male") || SameNameIgnoringCase(s, "female")) {
        if (c == 'm')
            sex = 'M';
        else if (c == 'f' || c == 'w')
            sex = 'F';
        // the other letters of the exchange format: events, countries, organisations...
        else if (s.size() != 1 || std::string_view("eloh").find(c) == std::string_view::npos)
            return false;
        return true;
    }
    return false;
}

}  // namespace quintara
