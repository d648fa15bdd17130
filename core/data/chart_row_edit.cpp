#include "core/data/chart_row_edit.h"

#include <cstdio>

#include "core/chart/date_text.h"
#include "core/data/chart_file.h"
#include "core/data/civil_date.h"
#include "core/data/schemas.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/ascii.h"

namespace quintara {

tChartRowFields ChartRowFields(const tTable& t, const std::string& dateFormat)
{
    tChartRowFields f;
    if (t.Empty() || t.Eof()) return f;
    f.name = t.TextOr("NAME");
    f.firstName = t.TextOr("FIRSTNAME");
    f.comment = t.TextOr("COMMENT");
    f.reference = t.TextOr("REFERENCE");
    f.date = ChartFieldText(t, "DATE", dateFormat);
    f.time = ChartFieldText(t, "Time", dateFormat);
    f.adjust = ChartFieldText(t, "ADJUST", dateFormat);
    f.sex = t.TextOr("SEX");
    for (int k = 1; k <= 12; ++k) f.retrograde[static_cast<std::size_t>(k - 1)] = t.IntOr(PositionField('R', k)) != 0;
    return f;
}

namespace {

// The texts longer than their fields are refused rather than cut: the
// user sees what would be lost.
std::optional<tRowFault> CheckLength(const tTable& t, const char* field, const std::string& text, int caption)
{
    for (const tColumnDef& c : t.Def().columns)
        if (c.name == field && c.length && Utf8Length(text) > c.length)
            return tRowFault{caption, "at most " + std::to_string(c.length) + " characters"};
    return std::nullopt;
}

}  // namespace

std::optional<tRowFault> PostChartRowFields(tTable& t, const tChartRowFields& f, const std::string& dateFormat)
{
    if (t.Empty() || t.Eof()) return std::nullopt;
    const struct {
        const char* field;
        const std::string& text;
        int caption;
    } texts[] = {{"NAME", f.name, caption::kName},
                 {"FIRSTNAME", f.firstName, caption::kFirstName},
                 {"COMMENT", f.comment, caption::kComment},
                 {"REFERENCE", f.reference, caption::kReference}};
    for (const auto& x : texts)
        if (auto fault = CheckLength(t, x.field, x.text, x.caption)) return fault;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    std::string error;
    if (!ParseDateText(dateFormat, std::string(Trimmed(f.date)), year, month, day, error))
        return tRowFault{caption::kDate, error};
    if (!ParseTimeText(std::string(Trimmed(f.time)), hour, minute, error)) return tRowFault{caption::kTime, error};
    const std::optional<double> adjust = ParseZoneText(std::string(Trimmed(f.adjust)), error);
    if (!adjust) return tRowFault{caption::kAdjust, error};
    const std::string_view typedSex = Trimmed(f.sex);
    const std::string sex = typedSex == "m" || typedSex == "M" ? "M" : typedSex == "f" || typedSex == "F" ? "F" : "";
    if (sex.empty()) return tRowFault{caption::kSex, "M (man) or F (woman)"};

    t.Edit();
    try {
        for (const auto& x : texts) t.Set(x.field, x.text);
        t.Set("DATE", IsoDate({year, month, day}));
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:00", hour, minute);
        t.Set("Time", std::string(time));
        t.Set("ADJUST", *adjust);
        t.Set("SEX", sex);
        for (int k = 1; k <= 12; ++k)
            t.Set(PositionField('R', k), std::int64_t{f.retrograde[static_cast<std::size_t>(k - 1)] ? 1 : 0});
        t.Post();
    } catch (...) {
        t.Cancel();
        throw;
    }
    return std::nullopt;
}

void PostChartRowPlace(tTable& t, const tLocality& place)
{
    if (t.Empty() || t.Eof()) return;
    t.Edit();
    try {
        t.Set("BIRTHPLACE", place.name);
        t.Set("COUNTRY", std::int64_t{place.country});
        t.Set("STATE", std::int64_t{place.state});
        t.Set("LATITUDE", place.latitude);
        t.Set("LONGITUDE", place.longitude);
        t.Post();
    } catch (...) {
        t.Cancel();
        throw;
    }
}

}  // namespace quintara
