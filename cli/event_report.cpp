#include "cli/event_report.h"

#include <cstdio>

#include "core/data/json_line.h"
#include "cli/text_format.h"
#include "core/engine/angles.h"

namespace quintara::cli {
namespace {

std::string Iso(const tDateTime& t)
{
    return Format("%04d-%02d-%02dT%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute);
}

}  // namespace

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
