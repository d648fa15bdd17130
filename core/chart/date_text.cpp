#include "core/chart/date_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/chart/chart_input.h"
#include "core/engine/angles.h"
#include "core/platform/ascii.h"

namespace quintara {

namespace {

std::string Trim(std::string_view s) { return std::string(Trimmed(s)); }

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The value of one to maxDigits decimal digits, held at a billion (far
// beyond every range here); nothing for anything else (a sign, a blank,
// more digits).
std::optional<int> Digits(const std::string& s, std::size_t maxDigits = std::string::npos)
{
    constexpr int kHeld = 1000000000;
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        v = v >= kHeld / 10 ? kHeld : v * 10 + (c - '0');
    }
    return v;
}

bool MonthFirst(const std::string& format) { return format.rfind("mm", 0) == 0; }

}  // namespace

std::string DateText(const std::string& format, int year, int month, int day)
{
    char text[32];
    if (MonthFirst(format)) std::snprintf(text, sizeof text, "%02d/%02d/%04d", month, day, year);
    else std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
    return text;
}

bool ParseDateText(const std::string& format, const std::string& typed, int& yearOut, int& month, int& day,
                   std::string& error)
{
    const std::string text = Trim(typed);
    const std::string like = " (a date like " + format + ", years " + std::to_string(kFirstTypedYear) + " to " +
                             std::to_string(kLastTypedYear) + ")";
    if (text.empty()) {
        error = "empty; type a date like " + format;
        return false;
    }
    std::vector<std::string> parts{""};
    for (char c : text) {
        if (c == '/') parts.emplace_back();
        else parts.back() += c;
    }
    for (std::string& p : parts) p = Trim(p);
    const bool monthFirst = MonthFirst(format);
    const auto d = parts.size() == 3 ? Digits(parts[monthFirst ? 1 : 0], 2) : std::nullopt;
    const auto m = parts.size() == 3 ? Digits(parts[monthFirst ? 0 : 1], 2) : std::nullopt;
    const auto year = parts.size() == 3 ? Digits(parts[2]) : std::nullopt;
    if (!d || !m || !year) {
        error = "\"" + text + "\" is not a date" + like;
        return false;
    }
    if (*year < kFirstTypedYear || *year > kLastTypedYear) {
        error = "\"" + text + "\": the year is outside " + std::to_string(kFirstTypedYear) + ".." +
                std::to_string(kLastTypedYear) + like;
        return false;
    }
    const int y = *year;
    if (*m < 1 || *m > 12) {
        error = "\"" + text + "\": month " + std::to_string(*m) + " is outside 1..12" + like;
        return false;
    }
    const int days = DaysInMonth(y, *m);
    if (*d < 1 || *d > days) {
        error = "\"" + text + "\": day " + std::to_string(*d) + " is outside 1.." + std::to_string(days) +
                " for that month" + like;
        return false;
    }
    yearOut = y, month = *m, day = *d;
    return true;
}

std::string TimeText(int timeFormat, int hour, int minute)
{
    char text[32];
    if (timeFormat == 0)
        std::snprintf(text, sizeof text, "%02d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, minute, hour < 12 ? "am" : "pm");
    else
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

bool ParseTimeText(const std::string& typed, int& hour, int& minute, std::string& error)
{
    std::string t = Lower(Trim(typed));
    int shift = -1;  // none, or 0 (am) / 12 (pm)
    if (t.size() >= 2 && (t.compare(t.size() - 2, 2, "am") == 0 || t.compare(t.size() - 2, 2, "pm") == 0)) {
        shift = t[t.size() - 2] == 'p' ? 12 : 0;
        t = Trim(t.substr(0, t.size() - 2));
    }
    tChartRequest r;
    if (!ParseTime(t, r, error)) return false;
    if (shift >= 0) {
        if (r.hour < 1 || r.hour > 12) {
            error = "hour: " + std::to_string(r.hour) + " is outside 1..12 with am/pm";
            return false;
        }
        r.hour = r.hour % 12 + shift;
    }
    hour = r.hour, minute = r.minute;
    return true;
}

std::optional<double> ParseZoneText(const std::string& typed, std::string& error)
{
    const std::string text = Trim(typed);
    const std::string accepted = " (hours.minutes added to the clock time to give UT, as -1.00 for Paris in winter, "
                                 "or UTC+1, UTC+01:00)";
    const std::string lower = Lower(text);
    if (lower.rfind("utc", 0) == 0 || lower.rfind("gmt", 0) == 0) {
        const std::string rest = Trim(text.substr(3));
        if (rest.empty()) return 0.0;
        const int sign = rest[0] == '-' ? -1 : rest[0] == '+' ? 1 : 0;
        const std::string hm = sign ? Trim(rest.substr(1)) : "";
        const auto colon = hm.find(':');
        const auto h = Digits(hm.substr(0, colon), 2);
        const auto m = colon == std::string::npos ? std::optional<int>(0) : Digits(hm.substr(colon + 1), 2);
        if (!sign || !h || !m || *m > 59 || *h * 60 + *m > 24 * 60) {
            error = "\"" + text + "\" is not a zone" + accepted;
            return std::nullopt;
        }
        // UTC+h is h hours ahead of UT: the chart adds -h to clock time.
        return -sign * (*h + *m / 100.0);
    }
    std::string why;
    const auto v = ParseDegMin(text, why);
    if (!v || std::fabs(DegMinToDecimal(*v)) > 24) {
        error = "\"" + text + "\" is not a zone" + accepted;
        return std::nullopt;
    }
    return *v;
}

std::string UtcText(double adjust)
{
    const long minutes = std::lround(-DegMinToDecimal(adjust) * 60);
    if (minutes == 0) return "UTC";
    char text[32];
    std::snprintf(text, sizeof text, "UTC%c%02ld:%02ld", minutes < 0 ? '-' : '+', std::labs(minutes) / 60,
                  std::labs(minutes) % 60);
    return text;
}

}  // namespace quintara
