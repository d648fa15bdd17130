#include "core/chart/chart_input.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/chart/date_time.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/default_captions.h"
#include "core/platform/ascii.h"

namespace quintara {
namespace {

// Names a script types, by code; spaces, hyphens and case do not matter.
constexpr std::array<std::string_view, kHouseSystemCount> kHouseKeys = {
    "placidus", "campanus", "regiomontanus", "equal", "koch", "meridian", "porphyry", "morinus",
    "topocentric", "whole-sign", "equal-mc", "equal-aries", "alcabitius", "krusinski", "vehlow", "sripati",
    "carter", "horizon", "apc", "pullen-sd", "pullen-sr", "sunshine", "savard-a"};

// Letters and digits only, lower case: "Whole Sign", "whole-sign" and
// "WHOLE_SIGN" read alike.
std::string Folded(std::string_view s)
{
    std::string out;
    for (unsigned char ch : s)
        if (std::isalnum(ch)) out += static_cast<char>(std::tolower(ch));
    return out;
}

std::string OfferedHouseNames()
{
    std::string list;
    for (int code : OfferedHouseSystems()) list.append(list.empty() ? "" : ", ").append(kHouseKeys[code]);
    return list;
}

bool SameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Built by appending: gcc 12 warns falsely (-Wrestrict) on "literal" + string.
std::string Quote(std::string_view s)
{
    std::string q(1, '"');
    q.append(s);
    q += '"';
    return q;
}

std::optional<double> ParseNumber(std::string_view text, std::string& error)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double v = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v)) {
        error = Quote(text) + " is not a number";
        return std::nullopt;
    }
    return v;
}

// "48N52" style: degrees, a hemisphere letter, minutes.
std::optional<double> ParseHemisphere(std::string_view text, char positive, char negative,
                                      double limit, std::string& error)
{
    text = Trimmed(text);
    const auto at = text.find_first_of("NSEWnsew");
    if (at == std::string_view::npos) {
        auto v = ParseDegMin(text, error);
        if (v && std::fabs(DegMinToDecimal(*v)) > limit) {
            const std::string lim = std::to_string(static_cast<int>(limit));
            error = std::string("must lie within -").append(lim).append(" and ").append(lim).append(" degrees");
            return std::nullopt;
        }
        return v;
    }
    const char h = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
    if (h != positive && h != negative) {
        error = std::string("hemisphere must be ") + positive + " or " + negative;
        return std::nullopt;
    }
    std::string sub;
    auto deg = ParseWhole(text.substr(0, at), 0, static_cast<int>(limit), sub);
    const std::string_view minText = text.substr(at + 1);
    auto min = minText.empty() ? std::optional<int>(0) : ParseWhole(minText, 0, 59, sub);
    if (!deg || !min || (*deg == static_cast<int>(limit) && *min > 0)) {
        error = Quote(text) + " is not a position like 48" + positive + "52 (degrees up to " +
                std::to_string(static_cast<int>(limit)) + ", minutes up to 59)";
        return std::nullopt;
    }
    const double v = *deg + *min / 100.0;
    return h == positive ? v : -v;
}

}  // namespace

std::optional<int> ParseDaysHours(std::string_view text, std::string& error)
{
    text = Trimmed(text);
    const std::size_t dot = text.find('.');
    std::string sub;
    const auto days = ParseWhole(text.substr(0, dot), 0, 36500, sub);
    const std::string_view hourText = dot == std::string_view::npos ? "00" : text.substr(dot + 1);
    const auto hours = hourText.size() == 2 ? ParseWhole(hourText, 0, 23, sub) : std::nullopt;
    if (!days || !hours) {
        error = Quote(text) + " is not a step like 7.00 (days, then two digits of hours 00 to 23)";
        return std::nullopt;
    }
    if (*days == 0 && *hours == 0) {
        error = "a step of 0.00 repeats one moment; give at least 0.01 (one hour)";
        return std::nullopt;
    }
    return *days * 24 + *hours;
}

namespace {

// A transiting body by English name or number 1..10, or Chiron (25), Vesta (51).
std::optional<int> TransitingBody(std::string_view text)
{
    static constexpr std::string_view kNames[] = {"sun", "moon", "mercury", "venus", "mars", "jupiter",
                                                  "saturn", "uranus", "neptune", "pluto"};
    text = Trimmed(text);
    for (int n = 1; n <= 10; ++n)
        if (SameWord(text, kNames[n - 1])) return n;
    if (SameWord(text, "chiron") || text == "25") return 25;
    if (SameWord(text, "vesta") || text == "51") return kVesta;
    std::string sub;
    return ParseWhole(text, 1, 10, sub);
}

}  // namespace

std::optional<tBodyMask> ParseTransitBodies(std::string_view text, std::string& error)
{
    tBodyMask mask = 0;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = Trimmed(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t dash = item.find('-');
        const auto lo = TransitingBody(item.substr(0, dash));
        const auto hi = dash == std::string_view::npos ? lo : TransitingBody(item.substr(dash + 1));
        if (!lo || !hi || *lo > *hi) {
            error = Quote(item) + " is not a transiting body (sun .. pluto, 1..10, chiron, vesta, or a range like mars-pluto)";
            return std::nullopt;
        }
        // "mars-chiron" is Mars to Pluto and Chiron, never the points between.
        for (int n = *lo; n <= *hi; ++n)
            if (n <= kPluto || n == kChiron || n == kVesta) mask |= BodyBit(n);
    }
    if (!mask) {
        error = "no transiting body given";
        return std::nullopt;
    }
    return mask;
}

std::optional<int> ParseWhole(std::string_view text, int lo, int hi, std::string& error)
{
    text = Trimmed(text);
    int v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) {
        error = Quote(text) + " is not a whole number";
        return std::nullopt;
    }
    if (v < lo || v > hi) {
        error = std::to_string(v) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi);
        return std::nullopt;
    }
    return v;
}

std::optional<double> ParseDegMin(std::string_view text, std::string& error)
{
    auto v = ParseNumber(text, error);
    if (!v) return v;
    const double minutes = FracPart(std::fabs(*v)) * 100.0;
    if (minutes >= 60.0 - 1e-7) {
        error = Quote(Trimmed(text)) + " has 60 or more minutes (values are degrees.minutes)";
        return std::nullopt;
    }
    return v;
}

std::optional<double> ParseLatitude(std::string_view text, std::string& error)
{
    return ParseHemisphere(text, 'N', 'S', 90.0, error);
}

std::optional<double> ParseLongitude(std::string_view text, std::string& error)
{
    // d.mm input is positive west, as stored in the chart.
    return ParseHemisphere(text, 'W', 'E', 180.0, error);
}

std::optional<int> ParseHouseSystem(std::string_view text, std::string& error)
{
    text = Trimmed(text);
    // Codes first: a batch line gives one, and is read a million times.
    std::string sub;
    if (auto code = ParseWhole(text, 0, 255, sub); code && (IsHouseSystem(*code) || *code == 255)) return code;
    static const auto names = [] {
        std::array<std::pair<std::string, std::string>, kHouseSystemCount> n;
        for (int code = 0; code < kHouseSystemCount; ++code)
            n[static_cast<std::size_t>(code)] = {Folded(kHouseKeys[static_cast<std::size_t>(code)]),
                                                 Folded(HouseSystemName(code))};
        return n;
    }();
    const std::string folded = Folded(text);
    for (int code : OfferedHouseSystems()) {
        const auto& [key, name] = names[static_cast<std::size_t>(code)];
        if (folded == key || folded == name) return code;
    }
    if (folded == "montroyal") return kMontroyal;
    if (SameWord(text, "unknown")) return kTimeUnknown;
    error = "unknown house system " + Quote(text) + " (" + OfferedHouseNames() + ", or their codes)";
    return std::nullopt;
}

std::optional<tZodiacChoice> ParseZodiac(std::string_view text, std::string& error)
{
    text = Trimmed(text);
    if (SameWord(text, "tropical")) return tZodiacChoice{kTropicalZodiac};
    if (SameWord(text, "sidereal")) return tZodiacChoice{kClassicSidereal};
    std::string sub;
    if (auto code = ParseWhole(text, 0, kUserAyanamsa - 1, sub)) {
        if (IsZodiacCode(*code)) return tZodiacChoice{*code};
    } else {
        tZodiacChoice z;
        if (ParseAyanamsa(text, z.code, z.user, sub)) return z;
    }
    error = "unknown zodiac " + Quote(text) +
            " (tropical, sidereal, an ayanamsa such as lahiri or user:JD:DEGREES, or a code 0, 1, 100..146)";
    return std::nullopt;
}

std::string ZodiacText(const tZodiacChoice& zodiac)
{
    if (zodiac.code == kTropicalZodiac) return "tropical";
    if (zodiac.code == kClassicSidereal || !IsZodiacCode(zodiac.code)) return "sidereal";
    return AyanamsaText(zodiac.code, zodiac.user);
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool ParseDate(std::string_view s, tChartRequest& r, std::string& error)
{
    const auto a = s.find('-', 1), b = a == std::string_view::npos ? a : s.find('-', a + 1);
    if (b == std::string_view::npos) { error = "date: \"" + std::string(s) + "\" is not YYYY-MM-DD"; return false; }
    std::string sub;
    auto y = ParseWhole(s.substr(0, a), 0, 65535, sub);
    if (!y) { error = "year: " + sub; return false; }
    auto m = ParseWhole(s.substr(a + 1, b - a - 1), 1, 12, sub);
    if (!m) { error = "month: " + sub; return false; }
    auto d = ParseWhole(s.substr(b + 1), 1, DaysInMonth(*y, *m), sub);
    if (!d) { error = "day: " + sub + " for " + std::string(s.substr(0, b)); return false; }
    r.year = *y, r.month = *m, r.day = *d;
    return true;
}

bool ParseTime(std::string_view s, tChartRequest& r, std::string& error)
{
    const auto c = s.find(':');
    std::string sub;
    auto h = ParseWhole(s.substr(0, c), 0, 23, sub);
    if (!h) { error = "hour: " + sub; return false; }
    auto m = c == std::string_view::npos ? std::optional<int>(0) : ParseWhole(s.substr(c + 1), 0, 59, sub);
    if (!m) { error = "minute: " + sub; return false; }
    r.hour = *h, r.minute = *m;
    return true;
}


double LongitudeAsTime(double degMin)
{
    const double sign = degMin < 0 ? -1 : 1;
    return sign * DecimalToDegMin(std::fabs(DegMinToDecimal(degMin)) / 15.0);
}

double TimeAsLongitude(int hours, int minutes) { return DecimalToDegMin((hours + minutes / 60.0) * 15.0); }

std::string CheckRequest(const tChartRequest& r)
{
    if (r.year < 0 || r.year > 65535) return "year: must lie within 0..65535";
    if (r.month < 1 || r.month > 12) return "month: " + std::to_string(r.month) + " is outside 1..12";
    const int days = DaysInMonth(r.year, r.month);
    if (r.day < 1 || r.day > days)
        return "day: " + std::to_string(r.day) + " is outside 1.." + std::to_string(days) + " for that month";
    if (r.hour < 0 || r.hour > 23) return "hour: must lie within 0..23";
    if (r.minute < 0 || r.minute > 59) return "minute: must lie within 0..59";
    // Written so that a NaN fails too.
    const auto within = [](double packed, double limit) { return std::fabs(DegMinToDecimal(packed)) <= limit; };
    if (!within(r.adjust, 24)) return "adjust: must lie within -24.00 and 24.00";
    if (!within(r.latitude, 90)) return "lat: must lie within -90 and 90 degrees";
    if (!within(r.longitude, 180)) return "lon: must lie within -180 and 180 degrees";
    if (!(IsHouseSystem(r.house) || r.house == 255)) return "house: unknown house system code";
    if (!IsZodiacCode(r.zodiac)) return "zodiac: must be tropical (0), sidereal (1) or an ayanamsa (100..146, 355)";
    return {};
}

std::vector<int> OfferedHouseSystems()
{
    std::vector<int> codes;
    for (int code = 0; code < kHouseSystemCount; ++code)
        if (IsHouseSystem(code)) codes.push_back(code);
    return codes;
}

std::string_view HouseSystemName(int code)
{
    if (code >= 0 && code < kHouseSystemCount) return DefaultCaption(caption::HouseSystem(code));
    return code == kTimeUnknown ? "Time unknown" : "?";
}

void ApplyRequest(const tChartRequest& r, tChart& chart)
{
    SetChartDateTime(chart, {r.year, r.month, r.day, r.hour, r.minute});
    chart.Adjust = r.adjust;
    chart.Latitude = r.latitude;
    chart.Longitude = r.longitude;
    chart.HouseType = static_cast<std::uint8_t>(r.house);
    chart.Zodiac = r.zodiac;
    chart.UserAyanamsa = r.userAyanamsa;
}

}  // namespace quintara
