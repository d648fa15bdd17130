#include "cli/event_report.h"

#include <cstdio>

#include "cli/aspect_report.h"
#include "core/data/chart_json.h"
#include "core/data/json_line.h"
#include "core/i18n/default_body_names.h"
#include "cli/text_format.h"
#include "core/engine/angles.h"

namespace quintara::cli {
std::string TransitsJson(const tTransitsCollection& list)
{
    std::string s = "{\"events\":[";
    bool first = true;
    for (const tTransitEvent& e : list.Items()) {
        if (!first) s += ',';
        first = false;
        const int type = AspectTypeOfIndex(e.AspectIndex);
        s += "{\"transiting\":" + std::to_string(e.Transiting) + ",\"transiting_name\":";
        AppendJsonString(s, DefaultPlanetName(e.Transiting));
        s += ",\"aspect_index\":" + std::to_string(e.AspectIndex) + ",\"aspect\":" + std::to_string(type) +
             ",\"aspect_name\":";
        AppendJsonString(s, EnglishAspectName(type));
        s += ",\"natal\":" + std::to_string(e.Natal) + ",\"natal_name\":";
        AppendJsonString(s, DefaultPlanetName(e.Natal));
        s += ",\"angle\":";
        AppendJsonNumber(s, SignedAspectAngle(e.AspectIndex), 4);
        s += ",\"orb\":";
        AppendJsonNumber(s, e.Orb, 4);
        s += std::string(",\"retrograde\":") + (e.Retrograde ? "true" : "false") + ",\"score\":";
        AppendJsonNumber(s, e.Score, 2);
        s += ",\"begin\":\"" + IsoUniversalTime(e.Begin) + "\",\"exact\":\"" + IsoUniversalTime(e.Exact) + "\",\"end\":\"" + IsoUniversalTime(e.End) +
             "\",\"moment\":";
        AppendJsonNumber(s, e.Moment, 12);
        s += '}';
    }
    return s + "]}";
}

std::string PrevisionsJson(const tPrevCollection& list, double adjust)
{
    std::string s = "{\"steps\":[";
    bool first = true;
    for (const tPrevRecord& r : list) {
        if (!first) s += ',';
        first = false;
        s += "{\"time\":\"" + IsoClockTime({r.Year, r.Month, r.Day, r.Hour, r.Minute}, adjust) + "\",\"positive\":";
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
