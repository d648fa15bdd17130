#include "cli/positions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <istream>
#include <ostream>
#include <span>
#include <vector>

#include "cli/text_format.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/text_encoding.h"
#include "core/data/chart_json.h"
#include "core/platform/side_by_side.h"

namespace quintara::cli {
namespace {

constexpr std::array<const char*, 13> kCuspNames = {
    "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

constexpr int kListed[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26, 27, 28};

bool TimeUnknown(const tChart& chart) { return chart.HouseType == kTimeUnknown; }

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

// A body's line with its declination (d.mm), marked beyond the Sun's greatest.
std::string BodyLine(TLanguages* lang, const std::string& label, std::size_t width, const tPlanet& b)
{
    const double lon = b.GetPosition();
    const double dec = b.Declination();
    const tSignPos sp = SignPosition(2, lon);
    std::string s = "  " + PadUtf8(label, width + 1) + PadUtf8(SignLabel(lang, sp.Sign), 12) +
                    Format("%6.2f %s  %+7.2f", sp.Degrees, b.Retrograde ? "R" : " ", RoundDegMin(2, dec));
    if (b.OutOfBounds()) s.append("  ").append(lang ? lang->Caption(caption::kOutOfBounds) : std::string(DefaultCaption(caption::kOutOfBounds)));
    return s + "\n";
}

std::string PointLabel(TLanguages* lang, const tPlanet& b) { return lang ? b.Name(*lang) : b.EnglishName(); }

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
    const std::string house = IsHouseSystem(chart.HouseType) && lang
                                  ? lang->Caption(caption::HouseSystem(chart.HouseType))
                                  : std::string(HouseSystemName(chart.HouseType));
    s += "House system    " + house + "\n";
    if (chart.Zodiac) {
        const int name = caption::AyanamsaName(chart.Zodiac);
        s += "Zodiac          sidereal (" + (lang ? lang->Caption(name) : std::string(DefaultCaption(name))) +
             Format("), ayanamsa %.2f\n", RoundDegMin(2, chart.Ayanamsa));
    }
    else s += "Zodiac          tropical\n";
    s += chart.EphemerisUsed() == tChart::kPrecise ? "Ephemeris       precise (Swiss Ephemeris data files)\n"
                                                   : "Ephemeris       built-in\n";
    s += "\nBodies (degrees.minutes within the sign; declination, degrees.minutes north)\n";
    std::vector<std::pair<std::string, const tPlanet*>> lines;
    for (int n : kListed) lines.emplace_back(BodyLabel(lang, n), chart.FindBody(n));
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p)
        if (const tPlanet& b = *chart.BodyAt(p); b.Visible && b.GetPosition() >= 0)
            lines.emplace_back(PointLabel(lang, b), &b);
    std::size_t width = 10;
    for (const auto& [label, b] : lines) width = std::max(width, Utf8Length(label));
    for (const auto& [label, b] : lines) s += BodyLine(lang, label, width, *b);
    s += "\nHouse cusps\n";
    if (TimeUnknown(chart)) s += "  none: the birth time is unknown\n";
    for (int c = 1; c <= 12 && !TimeUnknown(chart); ++c) {
        const double lon = chart.HouseCusp(c);
        s += PositionLine(kCuspNames[c], SignLabel(lang, SignPosition(2, lon).Sign), lon, false);
    }
    return s;
}

std::string PositionsJson(const tChart& chart)
{
    std::string s = "{";
    AppendChartJson(s, chart);
    return s + '}';
}

namespace {

// One batch line on its way: read, looked up, computed, written.
struct tBatchLine {
    long long number = 0;
    std::string text;
    tJsonObject obj;
    const tJsonValue* id = nullptr;  // in obj
    tChartRequest request;
    bool lookUp = false;  // coordinates or zone come from the place
    std::string error, output;
    std::vector<std::string> warnings;

    // Ready for the next line, keeping the memory it has: the output of a
    // chart is a few kilobytes, and a million lines would grow and free it
    // a million times.
    void Reset(std::string&& line, long long lineNumber)
    {
        number = lineNumber;
        text = std::move(line);
        obj.clear();
        id = nullptr;
        request = {};
        lookUp = false;
        error.clear();
        output.clear();
        warnings.clear();
    }
};

// The request of a line, or its error; says whether the place must be looked up.
void ReadLine(tBatchLine& l)
{
    if (l.text.find_first_not_of(" \t\r") == std::string::npos) {
        l.error = "empty line: every line is a JSON object";
        return;
    }
    if (!ParseJsonObject(l.text, l.obj, l.error)) return;
    if (const auto it = l.obj.find("id"); it != l.obj.end()) l.id = &it->second;
    const tJsonObject& fields = l.obj;
    if (!RequestFromJson(fields, l.request, l.error)) return;
    // Nothing is assumed: noon at 0 N 0 E in UT is no one's birth.
    for (const char* key : {"hour", "minute"})
        if (!fields.contains(key)) {
            l.error = std::string(key).append(": missing (give the clock time, hour and minute)");
            return;
        }
    const auto place = fields.find("place");
    const bool hasPlace = place != fields.end() && place->second.kind == tJsonValue::kString && !place->second.text.empty();
    if (fields.contains("lat") != fields.contains("lon")) {
        l.error = fields.contains("lat") ? "lon: missing (give lat and lon together)" : "lat: missing (give lat and lon together)";
        return;
    }
    for (const char* key : {"adjust", "lat", "lon"})
        if (!fields.contains(key)) {
            if (hasPlace) {
                l.lookUp = true;
                return;
            }
            l.error = std::string(key).append(": missing (give adjust, lat and lon, or a place to look them up by)");
            return;
        }
}

// The line as written out, appended to s: {"line":N,"id":...,<chart>,
// "warnings":[...]} or {"line":N,"id":...,"error":"..."}.
void ComputeLine(tBatchLine& l, tChart& chart, std::string& s)
{
    s += "{\"line\":";
    s += std::to_string(l.number);
    if (l.id || !l.error.empty()) {
        s += ",\"id\":";
        if (l.id) AppendJsonValue(s, *l.id);
        else s += "null";
    }
    if (!l.error.empty()) {
        s += ",\"error\":";
        AppendJsonString(s, l.error);
        s += "}\n";
        return;
    }
    ApplyRequest(l.request, chart);
    CalcChart(chart);
    if (!chart.EphemerisNote.empty()) l.warnings.push_back(chart.EphemerisNote);
    s += ',';
    AppendChartJson(s, chart);
    if (!l.warnings.empty()) {
        s += ",\"warnings\":[";
        for (const std::string& w : l.warnings) {
            if (&w != &l.warnings.front()) s += ',';
            AppendJsonString(s, w);
        }
        s += ']';
    }
    s += "}\n";
}

}  // namespace

tBatchCounts RunBatch(std::istream& in, std::ostream& out, std::ostream& err, unsigned jobs, std::uint8_t ephemeris,
                      const tPlaceLookup& lookUp)
{
    jobs = std::max(1u, jobs);
    // Lines are read a block at a time and computed side by side; the block
    // is written in input order, in one write, before the next is read.
    // Places are looked up one after another between the two: the tables are
    // not shared. One job takes only the lines already waiting, so that a
    // program feeding one line at a time gets its answer at once.
    const std::size_t block = 4096 * jobs;
    const auto waiting = [&] { return jobs > 1 || (in.rdbuf() && in.rdbuf()->in_avail() > 0); };
    tBatchCounts counts;
    std::vector<tChart> charts(jobs);
    for (tChart& c : charts) c.Ephemeris = ephemeris;
    std::vector<tBatchLine> kept;  // reused block after block
    std::string written;
    long long lineNo = 0;
    for (bool more = true; more && out;) {
        std::size_t count = 0;
        std::string text;
        while (count < block && (count == 0 || waiting()) && (more = static_cast<bool>(std::getline(in, text)))) {
            if (count == kept.size()) kept.emplace_back();
            kept[count++].Reset(std::move(text), ++lineNo);
        }
        if (count == 0) break;
        const std::span<tBatchLine> lines(kept.data(), count);
        written.clear();
        RunSideBySide(jobs, [&](unsigned job) {
            const auto [from, to] = ShareOf(lines.size(), job, jobs);
            for (std::size_t i = from; i < to; ++i) ReadLine(lines[i]);
        });
        for (tBatchLine& l : lines)
            if (l.error.empty() && l.lookUp) {
                if (!lookUp) l.error = "place: no localities table to look it up in; give adjust, lat and lon";
                else lookUp(l.obj, l.request, l.warnings, l.error);
            }
        RunSideBySide(jobs, [&](unsigned job) {
            const auto [from, to] = ShareOf(lines.size(), job, jobs);
            // One job writes straight into the block's text; several each
            // into their lines', put together in order below.
            for (std::size_t i = from; i < to; ++i)
                ComputeLine(lines[i], charts[job], jobs == 1 ? written : lines[i].output);
        });
        for (const tBatchLine& l : lines) {
            written += l.output;  // empty with one job
            if (l.error.empty()) ++counts.charts;
            else ++counts.errors, err << "line " << l.number << ": " << l.error << '\n';
            for (const std::string& w : l.warnings) err << "line " << l.number << ": warning: " << w << '\n';
        }
        out.write(written.data(), static_cast<std::streamsize>(written.size()));
        if (!waiting()) out.flush();
    }
    counts.writeFailed = !out;
    return counts;
}

}  // namespace quintara::cli
