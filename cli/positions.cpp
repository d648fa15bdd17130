#include "cli/positions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <istream>
#include <ostream>
#include <vector>

#include "cli/text_format.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/side_by_side.h"

namespace quintara::cli {
namespace {

constexpr std::array<const char*, 13> kCuspNames = {
    "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

constexpr int kListed[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26, 27, 28};

bool TimeUnknown(const tChart& chart) { return chart.HouseType == kTimeUnknown; }
bool IsCusp(int n) { return n >= 13 && n <= 24; }

// ,"cusps":[...]} closing a chart record; a chart with the birth time
// unknown has no houses: ,"time_unknown":true} instead.
void AppendCusps(std::string& s, const tChart& chart)
{
    if (TimeUnknown(chart)) {
        s += ",\"time_unknown\":true}";
        return;
    }
    s += ",\"cusps\":[";
    for (int c = 1; c <= 12; ++c) {
        if (c > 1) s += ',';
        AppendJsonNumber(s, chart.HouseCusp(c), 6);
    }
    s += "]}";
}

std::string SignLabel(const TLanguages* lang, int sign)
{
    return lang ? lang->SignName(sign) : std::string(DefaultCaption(sign));
}

std::string BodyLabel(TLanguages* lang, int body)
{
    return lang ? lang->PlanetName(body) : DefaultPlanetName(body);
}

std::string PositionLine(const std::string& label, const std::string& sign, double lon, bool retro)
{
    const tSignPos sp = SignPosition(2, lon);
    return "  " + PadUtf8(label, 10) + " " + PadUtf8(sign, 12) + Format("%6.2f  %s\n", sp.Degrees, retro ? "R" : "");
}

}  // namespace

std::string PositionsText(const tChart& chart, TLanguages* lang)
{
    std::string s;
    s += Format("Date            %04u-%02u-%02u %02u:%02u  adjust %+.2f\n", chart.Year, chart.Month,
                chart.Day, chart.Hour, chart.Minute, chart.Adjust);
    s += Format("Place           lat %.2f  lon %.2f (d.mm, north and west positive)\n",
                chart.Latitude, chart.Longitude);
    s += Format("Julian day      %.6f\n", chart.JulianDay);
    s += Format("Sidereal time   %.2f (h.mm)\n", HoursDegMin(2, ModAngle(chart.SiderealT, kTwoPi)));
    const std::string house = chart.HouseType <= 8 && lang
                                  ? lang->Caption(kCaptionFirstHouseSystem + chart.HouseType)
                                  : std::string(HouseSystemName(chart.HouseType));
    s += "House system    " + house + "\n";
    if (chart.Zodiac) s += Format("Zodiac          sidereal, ayanamsa %.2f\n", RoundDegMin(2, chart.Ayanamsa));
    else s += "Zodiac          tropical\n";
    s += chart.EphemerisUsed() == tChart::kPrecise ? "Ephemeris       precise (Swiss Ephemeris data files)\n"
                                                   : "Ephemeris       built-in\n";
    s += "\nBodies (degrees.minutes within the sign)\n";
    for (int n : kListed) {
        const double lon = chart.BodyPosition(n);
        s += PositionLine(BodyLabel(lang, n), SignLabel(lang, SignPosition(2, lon).Sign), lon, chart.Retrograde(n));
    }
    s += "\nHouse cusps\n";
    if (TimeUnknown(chart)) s += "  none: the birth time is unknown\n";
    for (int c = 1; c <= 12 && !TimeUnknown(chart); ++c) {
        const double lon = chart.HouseCusp(c);
        s += PositionLine(kCuspNames[c], SignLabel(lang, SignPosition(2, lon).Sign), lon, false);
    }
    return s;
}

std::string PositionsJson(const tChart& chart, TLanguages* lang)
{
    std::string s = "{\"jd\":";
    AppendJsonNumber(s, chart.JulianDay, 6);
    s += ",\"st\":";
    AppendJsonNumber(s, chart.SiderealT, 9);
    s += ",\"st_hm\":";
    AppendJsonNumber(s, HoursDegMin(2, ModAngle(chart.SiderealT, kTwoPi)), 2);
    s += Format(",\"house\":%d,\"house_name\":", chart.HouseType);
    AppendJsonString(s, HouseSystemName(chart.HouseType));
    s += chart.Zodiac ? ",\"zodiac\":\"sidereal\"" : ",\"zodiac\":\"tropical\"";
    s += chart.EphemerisUsed() == tChart::kPrecise ? ",\"ephemeris\":\"precise\"" : ",\"ephemeris\":\"builtin\"";
    s += ",\"ayanamsa\":";
    AppendJsonNumber(s, chart.Ayanamsa, 6);
    s += ",\"bodies\":[";
    bool first = true;
    for (int n = 1; n <= kJuno; ++n) {
        if (IsCusp(n) && TimeUnknown(chart)) continue;
        const double lon = chart.BodyPosition(n);
        const tSignPos sp = SignPosition(2, lon);
        if (!first) s += ',';
        first = false;
        s += Format("{\"num\":%d,\"name\":", n);
        AppendJsonString(s, BodyLabel(lang, n));
        s += ",\"longitude\":";
        AppendJsonNumber(s, lon, 6);
        if (n <= 10) {
            s += ",\"latitude\":";
            AppendJsonNumber(s, chart.FindBody(n)->Latitude, 6);
        }
        s += Format(",\"sign\":%d,\"sign_name\":", sp.Sign);
        AppendJsonString(s, SignLabel(lang, sp.Sign));
        s += ",\"position\":";
        AppendJsonNumber(s, sp.Degrees, 2);
        if (HasRetroFlag(n)) s += chart.Retrograde(n) ? ",\"retro\":true" : ",\"retro\":false";
        s += '}';
    }
    s += ']';
    AppendCusps(s, chart);
    return s;
}

std::string BatchRecord(const tChart& chart)
{
    std::string s = "{\"jd\":";
    s.reserve(1024);
    AppendJsonNumber(s, chart.JulianDay, 6);
    s += ",\"st\":";
    AppendJsonNumber(s, chart.SiderealT, 9);
    s += ",\"house\":";
    s += std::to_string(chart.HouseType);
    s += ",\"bodies\":{";
    for (int n = 1; n <= kJuno; ++n) {
        if (IsCusp(n) && TimeUnknown(chart)) continue;
        if (n > 1) s += ',';
        s += '"';
        s += std::to_string(n);
        s += "\":";
        AppendJsonNumber(s, chart.BodyPosition(n), 6);
    }
    s += "},\"latitudes\":{";
    for (int n = 1; n <= 10; ++n) {
        if (n > 1) s += ',';
        s += '"';
        s += std::to_string(n);
        s += "\":";
        AppendJsonNumber(s, chart.FindBody(n)->Latitude, 6);
    }
    s += "},\"retro\":[";
    bool first = true;
    for (int n = 1; n <= kJuno; ++n)
        if (chart.Retrograde(n)) {
            if (!first) s += ',';
            first = false;
            s += std::to_string(n);
        }
    s += ']';
    AppendCusps(s, chart);
    return s;
}

namespace {

// One batch line's outcome: the record, or the message for err.
struct tLineResult {
    bool blank = false, ok = false;
    std::string text;
    std::string note;  // the ephemeris asked for could not answer
};

void ComputeLine(const std::string& line, tChart& chart, tJsonObject& obj, tLineResult& result)
{
    if (line.find_first_not_of(" \t\r") == std::string::npos) {
        result.blank = true;
        return;
    }
    tChartRequest r;
    std::string error;
    if (!ParseJsonObject(line, obj, error) || !RequestFromJson(obj, r, error)) {
        result.text = std::move(error);
        return;
    }
    ApplyRequest(r, chart);
    CalcChart(chart);
    result.ok = true;
    result.text = BatchRecord(chart);
    result.note = chart.EphemerisNote;
}

}  // namespace

tBatchCounts RunBatch(std::istream& in, std::ostream& out, std::ostream& err, unsigned jobs, std::uint8_t ephemeris)
{
    jobs = std::max(1u, jobs);
    // Lines are read a block at a time and computed side by side; the block
    // is written in input order before the next is read.
    const std::size_t block = jobs == 1 ? 1 : 4096 * jobs;
    tBatchCounts counts;
    std::vector<tChart> charts(jobs);
    for (tChart& c : charts) c.Ephemeris = ephemeris;
    std::vector<tJsonObject> objects(jobs);
    std::vector<std::string> lines;
    std::vector<tLineResult> results;
    long long lineNo = 0;
    for (bool more = true; more;) {
        lines.clear();
        std::string line;
        while (lines.size() < block && (more = static_cast<bool>(std::getline(in, line)))) lines.push_back(line);
        if (lines.empty()) break;
        results.assign(lines.size(), {});
        const auto work = [&](unsigned job) {
            const auto [from, to] = ShareOf(lines.size(), job, jobs);
            for (std::size_t i = from; i < to; ++i) ComputeLine(lines[i], charts[job], objects[job], results[i]);
        };
        RunSideBySide(jobs, work);
        for (const tLineResult& r : results) {
            ++lineNo;
            if (r.blank) continue;
            if (r.ok) {
                out << r.text << '\n';
                ++counts.charts;
                if (!r.note.empty()) err << "line " << lineNo << ": note: " << r.note << '\n';
            } else {
                err << "line " << lineNo << ": " << r.text << '\n';
                ++counts.errors;
            }
        }
    }
    return counts;
}

}  // namespace quintara::cli
