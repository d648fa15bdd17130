#include "core/reports/technique_reports.h"

#include <algorithm>

#include "core/aspects/transits.h"
#include "core/engine/angles.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/text_encoding.h"
#include "core/reports/natal_reports.h"
#include "core/reports/text_writers.h"

namespace quintara {

void WriteDirectionHits(tReportText& text, const std::vector<tDirectionHit>& hits, const tReportContext& ctx,
                        const std::function<double(const tDateTime&)>& zone)
{
    std::size_t body = 0, aspect = 0;
    for (const tDirectionHit& h : hits) {
        body = std::max({body, Utf8Length(ctx.BodyName(h.directed)), Utf8Length(ctx.BodyName(h.natal))});
        aspect = std::max(aspect, Utf8Length(ctx.AspectName(AspectTypeOfIndex(h.aspectIndex))));
    }
    text.AddLine(" ");
    text.SetTabs({10, 10, ColumnWidth(body, 8), ColumnWidth(aspect, 10), ColumnWidth(body, 8), 6});
    text.AddLine(ctx.Caption(caption::kDate) + "\t" + ctx.Caption(caption::kTime) + "\t" +
                 ctx.Caption(caption::kPlanet) + "\t" + ctx.Caption(caption::kAspect) + "\t" + ctx.Caption(caption::kRadix) + "\t" + ctx.Caption(caption::kArc));
    for (const tDirectionHit& h : hits) {
        const tDateTime universal = DateTimeFromCenturies(h.moment);
        const double adjust = zone ? zone(universal) : 0.0;
        const tDateTime t = zone ? LocalDateTime(universal, adjust) : universal;
        text.AddLine(ctx.Date(t.year, t.month, t.day) + "\t" + ctx.Time(t.hour, t.minute) + "\t" +
                     ctx.BodyName(h.directed) + "\t" + ctx.AspectName(AspectTypeOfIndex(h.aspectIndex)) + "\t" +
                     ctx.BodyName(h.natal) + "\t" + DegMin(h.arc, 6));
    }
    text.AddLine("");
}

void WriteProfection(tReportText& text, const tProfection& p, const tDateTime& date, const tReportContext& ctx)
{
    text.AddLine(" ");
    text.SetTabs({14, 14, 14, 10});
    text.AddLine(ctx.Caption(caption::kProfections) + "\t" + ctx.Date(date.year, date.month, date.day));
    text.AddLine(ctx.Caption(caption::kAge) + "\t" + std::to_string(p.age) + "\t" + ctx.Caption(caption::kHouseCaption) +
                 "\t" + std::to_string(p.house));
    text.AddLine(ctx.Caption(caption::kYearOfLife) + "\t" + ctx.SignName(p.annualSign) + "\t" +
                 ctx.Caption(caption::kLord) + "\t" + ctx.BodyName(p.annualLord));
    text.AddLine(ctx.Caption(caption::kMonthOfYear) + " " + std::to_string(p.month + 1) + "\t" +
                 ctx.SignName(p.monthlySign) + "\t" + ctx.Caption(caption::kLord) + "\t" + ctx.BodyName(p.monthlyLord));
    text.AddLine("");
}

void WriteFirdaria(tReportText& text, const std::vector<tFirdar>& periods, double adjust, const tReportContext& ctx)
{
    const auto date = [&](double T) {
        const tDateTime t = LocalDateTime(T, adjust);
        return ctx.Date(t.year, t.month, t.day);
    };
    text.AddLine(" ");
    text.SetTabs({4, 14, 12, 6, 12});
    text.AddLine(ctx.Caption(caption::kFirdaria));
    for (const tFirdar& f : periods) {
        const std::string span = date(f.from) + "\t" + ctx.Caption(caption::kUntil) + "\t" + date(f.to);
        if (f.subLord == 0)
            text.AddLine(ctx.BodyName(f.lord) + "\t\t" + span);
        else
            text.AddLine(std::string("\t").append(ctx.BodyName(f.subLord)).append("\t").append(span));
    }
    text.AddLine("");
}

void WritePlanetaryHours(tReportText& text, const tPlanetaryDay& day, double adjust, const tReportContext& ctx)
{
    const auto clock = [&](double T) {
        const tDateTime t = LocalDateTime(T, adjust);
        return ctx.Time(t.hour, t.minute);
    };
    text.AddLine(" ");
    text.SetTabs({4, 12, 8, 6, 8});
    text.AddLine(ctx.Caption(caption::kPlanetaryHours));
    text.AddLine(ctx.Caption(caption::kSunrise) + "\t\t" + clock(day.sunrise) + "\t\t" + ctx.Caption(caption::kSunset) +
                 "\t" + clock(day.sunset));
    for (std::size_t i = 0; i < day.hours.size(); ++i) {
        const tPlanetaryHour& h = day.hours[i];
        if (i == 12) text.AddLine(" ");
        text.AddLine(std::to_string(i % 12 + 1) + "\t" + ctx.BodyName(h.ruler) + "\t" + clock(h.from) + "\t" +
                     ctx.Caption(caption::kUntil) + "\t" + clock(h.to));
    }
    text.AddLine("");
}

}  // namespace quintara
