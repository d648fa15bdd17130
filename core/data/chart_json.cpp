#include "core/data/chart_json.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/chart/chart_input.h"
#include "core/data/civil_date.h"
#include "core/data/exchange_fields.h"
#include "core/data/json_line.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/houses.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"

namespace quintara {
namespace {

// YYYY-MM-DDTHH:MM:SS as printf's %04lld-%02d-...; by hand where every
// field fits its digits, for every batch line has two.
std::string IsoText(long long year, int month, int day, int hour, int minute, int second)
{
    const auto fits = [](int v) { return v >= 0 && v <= 99; };
    if (year < 0 || year > 9999 || !fits(month) || !fits(day) || !fits(hour) || !fits(minute) || !fits(second)) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%04lld-%02d-%02dT%02d:%02d:%02d", year, month, day, hour, minute, second);
        return buf;
    }
    std::string s;
    for (int div = 1000; div > 0; div /= 10) s += static_cast<char>('0' + year / div % 10);
    const auto two = [&](char sep, int v) {
        s += sep;
        s += static_cast<char>('0' + v / 10 % 10);
        s += static_cast<char>('0' + v % 10);
    };
    two('-', month);
    two('-', day);
    two('T', hour);
    two(':', minute);
    two(':', second);
    return s;
}

void Key(std::string& s, const char* key)
{
    s += '"';
    s += key;
    s += "\":";
}

void Number(std::string& s, const char* key, double v, int decimals)
{
    Key(s, key);
    AppendJsonNumber(s, v, decimals);
    s += ',';
}

void Text(std::string& s, const char* key, std::string_view v)
{
    Key(s, key);
    AppendJsonString(s, v);
    s += ',';
}

}  // namespace

std::string IsoClockTime(const tDateTime& c, double adjust)
{
    return IsoText(c.year, c.month, c.day, c.hour, c.minute, 0) + UtcOffsetText(adjust);
}

std::string IsoClockTime(const tChart& chart)
{
    return IsoClockTime({chart.Year, chart.Month, chart.Day, chart.Hour, chart.Minute}, chart.Adjust);
}

std::string IsoUniversalTime(const tDateTime& t) { return IsoText(t.year, t.month, t.day, t.hour, t.minute, 0) + "Z"; }

std::string IsoUniversalTime(double julianDay)
{
    if (!std::isfinite(julianDay)) return {};
    // Julian day 2440587.5 is 1970-01-01 00:00 UT.
    const double fromEpoch = julianDay - 2440587.5;
    auto days = static_cast<std::int64_t>(std::floor(fromEpoch));
    long long seconds = std::llround((fromEpoch - static_cast<double>(days)) * 86400.0);
    if (seconds >= 86400) ++days, seconds -= 86400;
    const tCivilDate d = CivilFromDays(days);
    return IsoText(d.year, d.month, d.day, static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                   static_cast<int>(seconds % 60)) +
           "Z";
}

void AppendChartNamesJson(std::string& s, const tChart& chart, const std::string& country)
{
    Text(s, "name", chart.Name);
    if (!chart.FirstName.empty()) Text(s, "first_name", chart.FirstName);
    Text(s, "sex", chart.Sex ? "M" : "F");
    if (!chart.BirthPlace.empty()) Text(s, "place", chart.BirthPlace);
    if (!country.empty()) Text(s, "country", country);
    if (!chart.Comment.empty()) Text(s, "comment", chart.Comment);
}

namespace {

// The chart's shown points after the bodies, by English name; those without
// a position (a point the ephemeris could not give) are left out.
void AppendPointsJson(std::string& s, const tChart& chart)
{
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p) {
        const tPlanet& b = *chart.BodyAt(p);
        const double lon = b.GetPosition();
        if (!b.Visible || lon < 0) continue;
        s += ",{";
        Text(s, "name", b.EnglishName());
        Number(s, "longitude", lon, 6);
        Number(s, "latitude", b.Latitude, 6);
        Number(s, "declination", b.Declination(), 6);
        const int sign = SignOf(lon);
        Key(s, "sign");
        s += std::to_string(sign);
        s += ',';
        Text(s, "sign_name", DefaultCaption(sign));
        Key(s, "degrees_in_sign");
        AppendJsonNumber(s, lon - 30.0 * (sign - 1), 6);
        // Motion of the points that have their own (the south node's is not kept).
        if (b.PointType == kComputedPoint && b.Num != kSouthNode && !IsAnglePoint(b.Num))
            s += b.Retrograde ? ",\"retro\":true" : ",\"retro\":false";
        s += '}';
    }
}

}  // namespace

void AppendChartJson(std::string& s, const tChart& chart)
{
    const bool timeUnknown = chart.HouseType == kTimeUnknown;
    Text(s, "time", IsoClockTime(chart));
    Text(s, "time_utc", IsoUniversalTime(chart.JulianDay));
    Number(s, "jd", chart.JulianDay, 6);
    Number(s, "latitude", DegMinToDecimal(chart.Latitude), 6);
    Number(s, "longitude", -DegMinToDecimal(chart.Longitude), 6);
    Number(s, "sidereal_time_hours", ModAngle(chart.SiderealT, kTwoPi) * 12 / kPi, 6);
    Key(s, "house");
    s += std::to_string(chart.HouseType);
    s += ',';
    Text(s, "house_name", HouseSystemName(chart.HouseType));
    Text(s, "zodiac", chart.Zodiac ? "sidereal" : "tropical");
    Number(s, "ayanamsa", chart.Ayanamsa, 6);
    if (IsSidereal(chart.Zodiac)) Text(s, "ayanamsa_name", AyanamsaEnglishName(chart.Zodiac));
    Text(s, "ephemeris", chart.EphemerisUsed() == tChart::kPrecise ? "precise" : "builtin");
    // What does not change from chart to chart is written once, here, in
    // whole pieces: a batch writes this for every line.
    static const auto pieces = [] {
        struct {
            std::array<std::string, kJuno + 1> body;  // {"num":N,"name":"...","longitude":
            std::array<std::string, 13> sign;         // ,"sign":S,"sign_name":"...","degrees_in_sign":
        } p;
        for (int n = 1; n <= kJuno; ++n) {
            std::string& b = p.body[static_cast<std::size_t>(n)];
            b = "{\"num\":" + std::to_string(n) + ',';
            Text(b, "name", DefaultPlanetName(n));
            Key(b, "longitude");
        }
        for (int sign = 1; sign <= 12; ++sign) {
            std::string& t = p.sign[static_cast<std::size_t>(sign)];
            t = ",\"sign\":" + std::to_string(sign) + ',';
            Text(t, "sign_name", DefaultCaption(sign));
            Key(t, "degrees_in_sign");
        }
        return p;
    }();
    s += "\"bodies\":[";
    for (int n = 1; n <= kJuno; ++n) {
        if (n >= 13 && n <= 24) continue;  // the cusps follow as their own array
        const double lon = chart.BodyPosition(n);
        const int sign = SignOf(lon);
        if (n > 1) s += ',';
        s += pieces.body[static_cast<std::size_t>(n)];
        AppendJsonNumber(s, lon, 6);
        const tPlanet& b = *chart.FindBody(n);
        if (n <= 10 || n >= kChiron) {
            s += ",\"latitude\":";
            AppendJsonNumber(s, b.Latitude, 6);
        }
        s += ",\"declination\":";
        AppendJsonNumber(s, b.DeclinationAt(lon), 6);
        s += pieces.sign[static_cast<std::size_t>(sign)];
        AppendJsonNumber(s, lon - 30.0 * (sign - 1), 6);
        if (HasRetroFlag(n)) s += chart.Retrograde(n) ? ",\"retro\":true}" : ",\"retro\":false}";
        else s += '}';
    }
    AppendPointsJson(s, chart);
    s += ']';
    if (timeUnknown) {
        s += ",\"time_unknown\":true";
        return;
    }
    s += ",\"cusps\":[";
    for (int c = 1; c <= 12; ++c) {
        if (c > 1) s += ',';
        AppendJsonNumber(s, chart.HouseCusp(c), 6);
    }
    s += "],";
    // The true angles, apart from the cusps in Whole Sign, Equal and others.
    Number(s, "asc", chart.Ascendant(), 6);
    Key(s, "mc");
    AppendJsonNumber(s, chart.Midheaven(), 6);
}

}  // namespace quintara
