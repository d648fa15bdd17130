#include "cli/aspect_report.h"

#include <algorithm>
#include <cstdio>

#include "core/data/json_line.h"
#include "cli/text_format.h"
#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"
#include "core/i18n/text_encoding.h"

namespace quintara::cli {

std::string EnglishAspectName(int aspect)
{
    if (aspect == kParallel) return std::string(DefaultCaption(caption::kParallel));
    if (aspect == kContraparallel) return std::string(DefaultCaption(caption::kContraparallel));
    return aspect >= 1 && aspect <= 21 ? std::string(DefaultCaption(aspect + kCaptionAspectOffset)) : std::string();
}

namespace {

// A body's name: the vocabulary's, else the chart's row (a point added for
// the run); English in machine output.
std::string NameOf(int n, const tChart* chart, TLanguages* lang)
{
    if (const tPlanet* b = chart ? chart->FindBody(n) : nullptr) return lang ? b->Name(*lang) : b->EnglishName();
    return lang ? lang->PlanetName(n) : DefaultPlanetName(n);
}

}  // namespace

std::string AspectsText(const tAspectsCollection& list, TLanguages& lang, const tChart* chart)
{
    // Columns as wide as their longest word ("Part of Fortune", a lot's name).
    std::size_t body = 10, aspect = 15;
    for (const tAspect& a : list.Items()) {
        body = std::max({body, Utf8Length(NameOf(a.Body1, chart, &lang)), Utf8Length(NameOf(a.Body2, chart, &lang))});
        aspect = std::max(aspect, Utf8Length(lang.AspectName(a.Aspect)));
    }
    std::string s;
    s += "  " + PadUtf8(lang.Caption(caption::kPlanet), body + 1) + PadUtf8(lang.Caption(caption::kAspect), aspect + 1) +
         PadUtf8(lang.Caption(caption::kPlanet), body + 1) + PadUtf8(lang.Caption(caption::kOrb), 8) +
         lang.Caption(caption::kOrbValue).substr(lang.Caption(caption::kOrbValue).find('/') + 1) + "\n";
    for (const tAspect& a : list.Items())
        s += "  " + PadUtf8(NameOf(a.Body1, chart, &lang), body + 1) + PadUtf8(lang.AspectName(a.Aspect), aspect + 1) +
             PadUtf8(NameOf(a.Body2, chart, &lang), body + 1) + Format("%5.2f", RoundDegMinCarry(2, a.Orb)) + "  " +
             Format("%9.1f", a.Score) + "\n";
    if (list.Items().empty()) s += "  (none)\n";
    const tAspectTotals t = list.Totals();
    s += '\n';
    s += PadUtf8(lang.Caption(87), 28) + Format("%10.1f", t.Positive) + "\n";
    s += PadUtf8(lang.Caption(88), 28) + Format("%10.1f", t.Negative) + "\n";
    s += PadUtf8(lang.Caption(89), 28) + Format("%10.1f", t.Global) + "\n";
    return s;
}

std::string AspectsJson(const tAspectsCollection& list, const tChart* chart)
{
    std::string s = "{\"aspects\":[";
    bool first = true;
    for (const tAspect& a : list.Items()) {
        if (!first) s += ',';
        first = false;
        s += "{\"body1\":" + std::to_string(a.Body1) + ",\"name1\":";
        AppendJsonString(s, NameOf(a.Body1, chart, nullptr));
        s += ",\"aspect\":" + std::to_string(a.Aspect) + ",\"aspect_name\":";
        AppendJsonString(s, EnglishAspectName(a.Aspect));
        s += ",\"body2\":" + std::to_string(a.Body2) + ",\"name2\":";
        AppendJsonString(s, NameOf(a.Body2, chart, nullptr));
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
