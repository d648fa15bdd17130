#include "event_report.h"

#include <cstdio>

#include "engine/angles.h"
#include "i18n/date_format.h"
#include "i18n/text_encoding.h"
#include "json_line.h"
#include "text_format.h"

namespace quintara::cli {
namespace {

std::string Iso(const tDateTime& t)
{
    return Format("%04d-%02d-%02dT%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute);
}

constexpr int kNameWidth = 12, kAspectWidth = 16;

std::string Moment(const tDateTime& t, TLanguages& lang)
{
    return std::string(kNameWidth, ' ') +
           PadUtf8(FormatDate(t.year, t.month, t.day, lang.DateFormatString), kAspectWidth) +
           FormatTime(t.hour, t.minute, lang.TimeFormatString) + " GMT";
}

}  // namespace

std::string TransitsText(const tTransitsCollection& list, TLanguages& lang)
{
    std::string s = " \n";
    s += PadUtf8(lang.Caption(297), kNameWidth) + PadUtf8(lang.Caption(298), kAspectWidth) +
         PadUtf8(lang.Caption(299), kNameWidth) + lang.Caption(300) + "\n";
    for (const tTransitEvent& e : list.Items()) {
        s += PadUtf8(lang.PlanetName(e.Transiting), kNameWidth) +
             PadUtf8(lang.Caption(140 + AspectTypeOfIndex(e.AspectIndex)), kAspectWidth) +
             PadUtf8(lang.PlanetName(e.Natal), kNameWidth) + Format("%4.0f", SignedAspectAngle(e.AspectIndex)) +
             " +/-" + Format("%5.2f", RoundDegMin(2, e.Orb)) + "  " + (e.Retrograde ? lang.Caption(13) : " ") +
             "  " + Format("%3.0f", e.Score) + "\n";
        s += Moment(e.Begin, lang) + "\n";
        s += Moment(e.Exact, lang) + " = 0\u00b0\n";
        s += Moment(e.End, lang) + "\n";
    }
    if (list.Items().empty()) s += "  (none)\n";
    return s + "\n";
}

std::string TransitsJson(const tTransitsCollection& list, TLanguages& lang)
{
    std::string s = "{\"events\":[";
    bool first = true;
    for (const tTransitEvent& e : list.Items()) {
        if (!first) s += ',';
        first = false;
        const int type = AspectTypeOfIndex(e.AspectIndex);
        s += "{\"transiting\":" + std::to_string(e.Transiting) + ",\"transiting_name\":";
        AppendJsonString(s, lang.PlanetName(e.Transiting));
        s += ",\"aspect_index\":" + std::to_string(e.AspectIndex) + ",\"aspect\":" + std::to_string(type) +
             ",\"aspect_name\":";
        AppendJsonString(s, lang.AspectName(type));
        s += ",\"natal\":" + std::to_string(e.Natal) + ",\"natal_name\":";
        AppendJsonString(s, lang.PlanetName(e.Natal));
        s += ",\"angle\":";
        AppendJsonNumber(s, SignedAspectAngle(e.AspectIndex), 4);
        s += ",\"orb\":";
        AppendJsonNumber(s, e.Orb, 4);
        s += std::string(",\"retrograde\":") + (e.Retrograde ? "true" : "false") + ",\"score\":";
        AppendJsonNumber(s, e.Score, 2);
        s += ",\"begin\":\"" + Iso(e.Begin) + "\",\"exact\":\"" + Iso(e.Exact) + "\",\"end\":\"" + Iso(e.End) +
             "\",\"moment\":";
        AppendJsonNumber(s, e.Moment, 12);
        s += '}';
    }
    return s + "]}";
}

std::string PrevisionsText(const tPrevCollection& list, TLanguages& lang)
{
    if (list.empty()) return "";
    std::string s(1, '\n');
    s += PadUtf8(lang.Caption(265), 12) + PadUtf8(lang.Caption(266), 10) + PadUtf8(lang.Caption(303), 8) +
         PadUtf8(lang.Caption(304), 8) + lang.Caption(305) + "\n";
    for (const tPrevRecord& r : list)
        s += PadUtf8(FormatDate(r.Year, r.Month, r.Day, lang.DateFormatString), 12) +
             PadUtf8(FormatTime(r.Hour, r.Minute, lang.TimeFormatString), 10) + Format("%6.0f", r.Positive) +
             "  " + Format("%6.0f", r.Negative) + "  " + Format("%6.0f", r.Total) + "\n";
    return s;
}

std::string PrevisionsJson(const tPrevCollection& list)
{
    std::string s = "{\"steps\":[";
    bool first = true;
    for (const tPrevRecord& r : list) {
        if (!first) s += ',';
        first = false;
        s += Format("{\"date\":\"%04d-%02d-%02d\",\"time\":\"%02d:%02d\",\"positive\":", r.Year, r.Month, r.Day,
                    r.Hour, r.Minute);
        AppendJsonNumber(s, r.Positive, 2);
        s += ",\"negative\":";
        AppendJsonNumber(s, r.Negative, 2);
        s += ",\"total\":";
        AppendJsonNumber(s, r.Total, 2);
        s += '}';
    }
    return s + "]}";
}

}  // namespace quintara::cli
