#include "core/reports/report_context.h"

#include <cmath>
#include <cstdio>

#include "core/chart/chart.h"
#include "core/data/civil_date.h"
#include "core/data/data_module.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/date_format.h"
#include "core/i18n/default_captions.h"
#include "core/i18n/text_encoding.h"
#include "core/options/main_options.h"

namespace quintara {

std::string tReportContext::BodyName(const tChart& c, int n) const
{
    if ((n == kAscendant || n == kMidheaven) && c.HouseType != kTimeUnknown && !c.AngleOnCusp(n))
        return Caption(n == kAscendant ? caption::kCuspI : caption::kCuspX);
    // A point added for one run has its row's name where the vocabulary has none.
    if (const tPlanet* b = c.FindBody(n)) return b->Name(*Lang);
    return BodyName(n);
}

std::string tReportContext::Date(int year, int month, int day) const
{
    return FormatDate(year, month, day, Lang->DateFormatString);
}

std::string tReportContext::Time(int hour, int minute) const
{
    return FormatTime(hour, minute, Lang->TimeFormatString);
}

std::string tReportContext::LongDateTime(const tChart& c) const
{
    // Day and month names in the user's language.
    const auto word = [this](int n) { return Lang ? Lang->Caption(n) : std::string(DefaultCaption(n)); };
    // 1970-01-01 was a Thursday.
    const long long days = DaysFromCivil({c.Year, c.Month, c.Day});
    const int weekday = static_cast<int>(((days % 7) + 7 + 4) % 7);
    const std::string month = c.Month >= 1 && c.Month <= 12 ? word(caption::kJanuary + c.Month - 1) : "";
    return word(caption::kSunday + weekday) + " " + std::to_string(c.Day) + " " + month + " " + std::to_string(c.Year) +
           " " + Time(c.Hour, c.Minute);
}

std::string Fixed(double v, int w, int d)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%*.*f", w, d, v);
    return buf;
}

std::string Whole(long long v, int w)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*lld", w, v);
    return buf;
}

std::string DegMin(double v, int w, int d) { return Fixed(RoundDegMinCarry(d, v), w, d); }

std::string FirstChars(const std::string& text, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < text.size(); ++k) {
        if (!NextCodePoint(text, i)) ++i;
    }
    return text.substr(0, i);
}

long long RoundScore(double score) { return std::llrint(score); }

tReportContext MakeReportContext(const TMainOptions& o, TLanguages& lang, std::function<TData1&()> data)
{
    tReportContext ctx;
    ctx.Lang = &lang;
    ctx.CountryName = [data, &lang](int code) {
        try {
            return data().GetCountryName(code, lang.CurrentLanguage);
        } catch (const std::exception&) {
            return std::string();
        }
    };
    ctx.StateName = [data](int country, int state) {
        try {
            return data().GetStateName(country, state);
        } catch (const std::exception&) {
            return std::string();
        }
    };
    ctx.HouseRule = {o.HouseOrb, o.HouseCentered};
    ctx.AspectRules = AspectRulesOf(o);
    return ctx;
}

tAspectRules AspectRulesOf(const TMainOptions& o)
{
    return {&o.NatalOrbs, &o.SynastryOrbs, o.AspectTypes, o.Parallels ? o.ParallelOrb : 0.0};
}

}  // namespace quintara
