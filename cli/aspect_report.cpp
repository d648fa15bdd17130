#include "cli/aspect_report.h"

#include <cstdio>

#include "core/data/json_line.h"
#include "cli/text_format.h"
#include "core/engine/angles.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"
#include "core/i18n/text_encoding.h"

namespace quintara::cli {

std::string EnglishAspectName(int aspect)
{
    return aspect >= 1 && aspect <= 21 ? std::string(DefaultCaption(aspect + kCaptionAspectOffset)) : std::string();
}

std::string AspectsText(const tAspectsCollection& list, TLanguages& lang)
{
    std::string s;
    s += "  " + PadUtf8(lang.Caption(caption::kPlanet), 11) + PadUtf8(lang.Caption(caption::kAspect), 16) + PadUtf8(lang.Caption(caption::kPlanet), 11) +
         PadUtf8(lang.Caption(caption::kOrb), 8) + lang.Caption(caption::kOrbValue).substr(lang.Caption(caption::kOrbValue).find('/') + 1) + "\n";
    for (const tAspect& a : list.Items())
        s += "  " + PadUtf8(lang.PlanetName(a.Body1), 11) + PadUtf8(lang.AspectName(a.Aspect), 16) +
             PadUtf8(lang.PlanetName(a.Body2), 11) + Format("%5.2f", RoundDegMinCarry(2, a.Orb)) + "  " +
             Format("%9.1f", a.Score) + "\n";
    if (list.Items().empty()) s += "  (none)\n";
    const tAspectTotals t = list.Totals();
    s += '\n';
    s += PadUtf8(lang.Caption(87), 28) + Format("%10.1f", t.Positive) + "\n";
    s += PadUtf8(lang.Caption(88), 28) + Format("%10.1f", t.Negative) + "\n";
    s += PadUtf8(lang.Caption(89), 28) + Format("%10.1f", t.Global) + "\n";
    return s;
}

std::string AspectsJson(const tAspectsCollection& list)
{
    std::string s = "{\"aspects\":[";
    bool first = true;
    for (const tAspect& a : list.Items()) {
        if (!first) s += ',';
        first = false;
        s += "{\"body1\":" + std::to_string(a.Body1) + ",\"name1\":";
        AppendJsonString(s, DefaultPlanetName(a.Body1));
        s += ",\"aspect\":" + std::to_string(a.Aspect) + ",\"aspect_name\":";
        AppendJsonString(s, EnglishAspectName(a.Aspect));
        s += ",\"body2\":" + std::to_string(a.Body2) + ",\"name2\":";
        AppendJsonString(s, DefaultPlanetName(a.Body2));
        s += ",\"orb\":";
        AppendJsonNumber(s, a.Orb, 6);
        s += ",\"score\":";
        AppendJsonNumber(s, a.Score, 6);
        s += '}';
    }
    const tAspectTotals t = list.Totals();
    s += "],\"totals\":{\"positive\":";
    AppendJsonNumber(s, t.Positive, 6);
    s += ",\"negative\":";
    AppendJsonNumber(s, t.Negative, 6);
    s += ",\"global\":";
    AppendJsonNumber(s, t.Global, 6);
    s += "}}";
    return s;
}

}  // namespace quintara::cli
