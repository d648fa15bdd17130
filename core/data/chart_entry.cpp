#include "core/data/chart_entry.h"

#include <cmath>
#include <cstdio>

#include "core/chart/chart_input.h"
#include "core/chart/date_text.h"
#include "core/data/clock_time.h"
#include "core/data/data_module.h"
#include "core/engine/angles.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/languages.h"
#include "core/platform/ascii.h"

namespace quintara {

namespace {

std::string Packed(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::optional<double> Coordinate(const std::string& text, double limit, std::string& why)
{
    const auto v = ParseDegMin(text, why);
    if (!v) return std::nullopt;
    if (std::fabs(DegMinToDecimal(*v)) > limit) {
        why = "at most " + Packed(limit);
        return std::nullopt;
    }
    return std::fabs(*v);
}

std::string ZoneSource(TData1& data, const TLanguages& languages, const tChart& c, bool lookedUp)
{
    std::string country;
    try {
        country = data.GetCountryName(c.Country, languages.CurrentLanguage);
    } catch (const tStorageError&) {
    }
    if (country.empty()) return " from the longitude (no country known for the place)";
    return " from the zone tables of " + country + (lookedUp ? "" : " (the place was typed by hand)");
}

}  // namespace

std::optional<tChartEntry> ReadChartEntry(const tChartEntryFields& f, const std::string& dateFormat,
                                          tEntryFault& fault)
{
    tChartEntry e;
    const auto fail = [&fault](tEntryFault::tField field, int caption, std::string why) {
        fault = {field, caption, std::move(why)};
        return std::nullopt;
    };
    std::string why;
    if (!ParseDateText(dateFormat, f.date, e.year, e.month, e.day, why))
        return fail(tEntryFault::kDate, caption::kDate, why);
    if (!f.timeUnknown && !ParseTimeText(f.time, e.hour, e.minute, why))
        return fail(tEntryFault::kTime, caption::kTime, why);
    if (!f.placeLookedUp) {
        const auto lat = Coordinate(f.latitude, 90, why);
        if (!lat) return fail(tEntryFault::kLatitude, caption::kLatitude, why);
        const auto lon = Coordinate(f.longitude, 180, why);
        if (!lon) return fail(tEntryFault::kLongitude, caption::kLongitude, why);
        e.latitude = f.north ? *lat : -*lat;
        e.longitude = f.west ? *lon : -*lon;
    }
    e.autoZone = SameNameIgnoringCase(Trimmed(f.zone), "auto");
    if (!e.autoZone) {
        const auto adjust = ParseZoneText(f.zone, why);
        if (!adjust) return fail(tEntryFault::kZone, caption::kZone, why + ", or auto");
        e.adjust = *adjust;
    }
    return e;
}

std::string ZoneTypedElsewhereQuestion(const std::string& typed, double adjust)
{
    const std::string zone = std::string(Trimmed(typed));
    return "The zone " + zone + " (" + UtcText(adjust) + ") was typed for another date, time or place.\n\nYes: keep " +
           zone + ".\nNo: look the zone up for the new date, time and place.";
}

void ApplyChartEntry(const tChartEntry& e, bool placeLookedUp, tChart& chart)
{
    if (!placeLookedUp) {
        chart.Latitude = e.latitude;
        chart.Longitude = e.longitude;
    }
    chart.Year = static_cast<std::uint16_t>(e.year);
    chart.Month = static_cast<std::uint16_t>(e.month);
    chart.Day = static_cast<std::uint16_t>(e.day);
    chart.Hour = static_cast<std::uint16_t>(e.hour);
    chart.Minute = static_cast<std::uint16_t>(e.minute);
    chart.Adjust = e.adjust;
}

std::string LookUpEntryZone(TData1& data, const TLanguages& languages, tChart& chart, bool timeKnown,
                            bool placeLookedUp)
{
    const bool sure = data.FindAdjust(chart);
    std::string doubt;
    if (!sure)
        doubt = languages.Caption(caption::kZoneNotSure) + ": " + Packed(chart.Adjust) + " (" + UtcText(chart.Adjust) +
                ") assumed" + ZoneSource(data, languages, chart, placeLookedUp) + ".";
    const tClockTime clock = timeKnown ? CheckClockTime(data, chart) : tClockTime{};
    if (clock.kind != tClockTime::kNormal) {
        if (!doubt.empty()) doubt += "\n";
        doubt += TimeText(languages.TimeFormat, chart.Hour, chart.Minute) +
                 (clock.kind == tClockTime::kSkipped ? ": the clocks skipped this time that day"
                                                     : ": this time occurred twice that day") +
                 " (" + Packed(clock.adjustBefore) + " before the change, " + Packed(clock.adjustAfter) +
                 " after it)";
    }
    return doubt;
}

}  // namespace quintara
