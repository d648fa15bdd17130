#include "core/reports/events_calendar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/data/civil_date.h"
#include "core/data/csv_format.h"
#include "core/data/exchange_fields.h"
#include "core/data/json_line.h"
#include "core/engine/angles.h"
#include "core/engine/julian_day.h"
#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/options/main_options.h"
#include "core/aspects/almanac.h"
#include "core/reports/two_chart_reports.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/languages.h"

namespace quintara {
namespace {

constexpr double kUnixEpochJd = 2440587.5;

std::string Position(double lon, TLanguages& lang)
{
    const tSignPos sp = SignPosition(2, lon);
    const int d = static_cast<int>(sp.Degrees);
    const int m = static_cast<int>(std::lround((sp.Degrees - d) * 100));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d°%02d' ", d, m);
    return buf + lang.SignName(sp.Sign);
}

struct tClock {
    tCivilDate date;
    int hour, minute, second;
    std::int32_t offset;  // seconds east of UT
};

tClock ClockAt(std::int64_t ut, std::int32_t offset)
{
    const std::int64_t local = ut + offset;
    const std::int64_t days = local >= 0 ? local / 86400 : -((-local + 86399) / 86400);
    const std::int64_t s = local - days * 86400;
    return {CivilFromDays(days), int(s / 3600), int(s / 60 % 60), int(s % 60), offset};
}

std::string DateText(const tCivilDate& d)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

std::string TimeText(const tClock& c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", c.hour, c.minute);
    return buf;
}

// The local clock rounded to the minute it shows.
tClock ShownClock(double jd, const tUserZone& zone)
{
    const std::int64_t ut = (UnixSeconds(jd) + 30) / 60 * 60;
    return ClockAt(ut, zone.OffsetAt(ut));
}

std::string OffsetText(std::int32_t east) { return UtcOffsetText(AdjustOfSecondsEast(east)); }

const char* KindWord(tSkyEvent::tKind k)
{
    switch (k) {
    case tSkyEvent::kIngress: return "ingress";
    case tSkyEvent::kStation: return "station";
    case tSkyEvent::kLunarPhase: return "phase";
    case tSkyEvent::kAspect: return "aspect";
    case tSkyEvent::kTransit: return "transit";
    case tSkyEvent::kEclipse: return "eclipse";
    case tSkyEvent::kVoidOfCourse: return "void-of-course";
    case tSkyEvent::kShadow: return "shadow";
    case tSkyEvent::kProgressedPhase: return "progressed-phase";
    case tSkyEvent::kNatalEclipse: return "natal-eclipse";
    }
    return "event";
}

}  // namespace

std::int64_t UnixSeconds(double jd) { return static_cast<std::int64_t>(std::floor((jd - kUnixEpochJd) * 86400 + 0.5)); }

namespace {

// "Solar eclipse (total)", "Lunar eclipse (penumbral)".
std::string EclipseWords(const tSkyEvent& e, TLanguages& lang)
{
    static constexpr int kKinds[] = {caption::kEclipseTotal, caption::kEclipseAnnular, caption::kEclipseHybrid,
                                     caption::kEclipsePartial, caption::kEclipsePenumbral};
    return lang.Caption(e.body == kSun ? caption::kSolarEclipse : caption::kLunarEclipse) + " (" +
           lang.Caption(kKinds[std::clamp(e.phase, 0, 4)]) + ")";
}

std::string PhaseWords(const tSkyEvent& e, TLanguages& lang)
{
    static constexpr int kPhases[] = {caption::kNewMoon, caption::kFirstQuarter, caption::kFullMoon,
                                      caption::kLastQuarter};
    return lang.Caption(kPhases[e.phase & 3]) + " " + Position(e.longitude, lang);
}

}  // namespace

std::string EventSummary(const tSkyEvent& e, TLanguages& lang)
{
    switch (e.kind) {
    case tSkyEvent::kEclipse: return EclipseWords(e, lang);
    case tSkyEvent::kNatalEclipse:
        return EclipseWords(e, lang) + " " + lang.Caption(caption::kOnNatal) + " " + lang.PlanetName(e.other);
    case tSkyEvent::kVoidOfCourse: return lang.PlanetName(kMoon) + " " + lang.Caption(caption::kVoidOfCourse);
    case tSkyEvent::kShadow:
        return lang.PlanetName(e.body) + " " + lang.Caption(e.phase ? caption::kPostShadow : caption::kPreShadow) +
               " " + Position(e.longitude, lang);
    case tSkyEvent::kProgressedPhase: return lang.Caption(caption::kProgressed) + " " + PhaseWords(e, lang);
    case tSkyEvent::kIngress:
        return lang.PlanetName(e.body) + (e.retrograde ? std::string(1, ' ').append(lang.Caption(13)) : std::string()) +
               " " + lang.Caption(caption::kEnters) + " " + lang.SignName(e.sign);
    case tSkyEvent::kStation:
        return lang.PlanetName(e.body) + " " +
               lang.Caption(e.retrograde ? caption::kTurnsRetrograde : caption::kTurnsDirect) + " " +
               Position(e.longitude, lang);
    case tSkyEvent::kLunarPhase: return PhaseWords(e, lang);
    case tSkyEvent::kAspect:
        return lang.PlanetName(e.body) + " " + lang.AspectName(e.aspect) + " " + lang.PlanetName(e.other);
    case tSkyEvent::kTransit:
        return lang.Caption(297) + ": " + lang.PlanetName(e.body) +
               (e.retrograde ? std::string(1, ' ').append(lang.Caption(13)) : std::string()) + " " +
               lang.AspectName(e.aspect) + " " + lang.PlanetName(e.other);
    }
    return {};
}

std::vector<tSkyEvent> TransitCalendarEvents(const tTransitsCollection& transits)
{
    std::vector<tSkyEvent> out;
    for (const tTransitEvent& t : transits.Items()) {
        tSkyEvent e;
        e.kind = tSkyEvent::kTransit;
        e.jd = t.Moment * kDaysPerCentury + kJ2000;
        e.body = t.Transiting;
        e.other = t.Natal;
        e.aspect = AspectTypeOfIndex(t.AspectIndex);
        e.retrograde = t.Retrograde;
        out.push_back(e);
    }
    std::stable_sort(out.begin(), out.end(), [](const tSkyEvent& x, const tSkyEvent& y) { return x.jd < y.jd; });
    return out;
}

std::pair<double, double> CalendarSpan(const tCalendarRequest& r, const tUserZone& zone)
{
    const auto midnight = [&zone](tCivilDate d) {
        const std::int64_t local = DaysFromCivil(d) * 86400;
        // The offset in force then; read twice so a change that day is met.
        std::int64_t ut = local - zone.OffsetAt(local);
        ut = local - zone.OffsetAt(ut);
        return kUnixEpochJd + ut / 86400.0;
    };
    // The same day of the month later, or that month's last day when it has fewer.
    const int months = r.start.month - 1 + r.months;
    tCivilDate stop{r.start.year + months / 12, months % 12 + 1, 1};
    stop.day = std::min(r.start.day, DaysInMonth(stop.year, stop.month));
    return {midnight(r.start), midnight(stop)};
}

std::vector<tSkyEvent> CalendarEvents(const TMainOptions& o, const tCalendarRequest& r, const tUserZone& zone,
                                      const tProgress& progress, bool* stopped)
{
    const auto [from, to] = CalendarSpan(r, zone);
    tSkyEventRules rules;
    rules.moonAspects = r.moonAspects;
    const tZodiacChoice zodiac = o.ZodiacChoice();
    rules.zodiac = zodiac.code;
    rules.userAyanamsa = zodiac.user;
    rules.ephemeris = static_cast<std::uint8_t>(o.Ephemeris);
    rules.eclipses = r.eclipses, rules.voidOfCourse = r.voidOfCourse, rules.shadows = r.shadows;
    std::vector<tSkyEvent> events = FindSkyEvents(from, to, rules, progress, stopped);
    if (!r.natal || (stopped && *stopped)) return events;
    tChart moving(r.natal->Options);
    moving.Assign(*r.natal);
    CalcChart(moving);
    // The natal positions with the clock at the calendar's start.
    const tDateWords start = DateFromCenturies((from - kJ2000) / kDaysPerCentury);
    moving.Year = start.Year;
    moving.Month = start.Month;
    moving.Day = start.Day;
    moving.Hour = start.Hour;
    moving.Minute = start.Minute;
    moving.Adjust = 0;
    bool cancelled = false;
    const tTransitsCollection transits =
        FindTransits(o, moving, r.months + 1, r.transitBodies, r.allAspects, progress, &cancelled, r.jobs);
    if (stopped) *stopped = cancelled;
    std::vector<tSkyEvent> personal;
    for (const tSkyEvent& e : TransitCalendarEvents(transits))
        if (e.jd >= from && e.jd < to) personal.push_back(e);
    events = MergeEvents(events, personal);
    return MergeEvents(events, NatalAlmanacEvents(*r.natal, from, to));
}

std::string EventsText(const std::vector<tSkyEvent>& events, const tUserZone& zone, TLanguages& lang)
{
    std::string s = lang.Caption(caption::kSkyEvents) + " (" + zone.Name() + ")\n\n";
    for (const tSkyEvent& e : events) {
        const tClock c = ShownClock(e.jd, zone);
        s += DateText(c.date) + " " + TimeText(c) + "  " + EventSummary(e, lang) + "\n";
    }
    return s;
}

std::string EventsCsv(const std::vector<tSkyEvent>& events, const tUserZone& zone, TLanguages& lang)
{
    std::string s = "Date,Time,Zone,UTC,Kind,Event,Longitude\r\n";
    for (const tSkyEvent& e : events) {
        const tClock c = ShownClock(e.jd, zone);
        const tClock u = ClockAt(UnixSeconds(e.jd), 0);
        char utc[40], lon[24] = "";
        std::snprintf(utc, sizeof utc, "%sT%02d:%02d:%02dZ", DateText(u.date).c_str(), u.hour, u.minute, u.second);
        if (e.kind != tSkyEvent::kAspect && e.kind != tSkyEvent::kTransit)
            std::snprintf(lon, sizeof lon, "%.4f", e.longitude);
        s += DateText(c.date) + "," + TimeText(c) + "," + OffsetText(c.offset) + "," + utc + "," + KindWord(e.kind) +
             "," + CsvField(EventSummary(e, lang)) + "," + lon + "\r\n";
    }
    return s;
}

std::string EventsJson(const std::vector<tSkyEvent>& events, const tUserZone& zone)
{
    TLanguages& english = TLanguages::BuiltInEnglish();
    std::string s = "{\"zone\":";
    AppendJsonString(s, zone.Name());
    s += ",\"events\":[";
    for (const tSkyEvent& e : events) {
        const tClock c = ClockAt(UnixSeconds(e.jd), zone.OffsetAt(UnixSeconds(e.jd)));
        const tClock u = ClockAt(UnixSeconds(e.jd), 0);
        char when[80];
        std::snprintf(when, sizeof when, "\"time\":\"%sT%02d:%02d:%02d%s\",\"time_utc\":\"%sT%02d:%02d:%02dZ\"",
                      DateText(c.date).c_str(), c.hour, c.minute, c.second, OffsetText(c.offset).c_str(),
                      DateText(u.date).c_str(), u.hour, u.minute, u.second);
        s += &e == events.data() ? "{" : ",{";
        s += when;
        s += ",\"jd\":";
        AppendJsonNumber(s, e.jd, 6);
        s.append(",\"kind\":\"").append(KindWord(e.kind)).append("\",\"summary\":");
        AppendJsonString(s, EventSummary(e, english));
        s += ",\"body\":" + std::to_string(e.body);
        if (e.other) s += ",\"other\":" + std::to_string(e.other);
        if (e.kind == tSkyEvent::kIngress) s += ",\"sign\":" + std::to_string(e.sign);
        if (e.kind == tSkyEvent::kLunarPhase || e.kind == tSkyEvent::kProgressedPhase || e.kind == tSkyEvent::kShadow)
            s += ",\"phase\":" + std::to_string(e.phase);
        if (e.kind == tSkyEvent::kEclipse || e.kind == tSkyEvent::kNatalEclipse) {
            s += ",\"eclipse\":";
            AppendJsonString(s, english.Caption(caption::kEclipseTotal + std::clamp(e.phase, 0, 4)));
        }
        if (e.endJd > 0) {
            const tClock ec = ClockAt(UnixSeconds(e.endJd), zone.OffsetAt(UnixSeconds(e.endJd)));
            char end[48];
            std::snprintf(end, sizeof end, ",\"end\":\"%sT%02d:%02d:%02d%s\"", DateText(ec.date).c_str(), ec.hour,
                          ec.minute, ec.second, OffsetText(ec.offset).c_str());
            s += end;
        }
        if (e.aspect) s += ",\"aspect\":" + std::to_string(e.aspect);
        if (e.kind == tSkyEvent::kIngress || e.kind == tSkyEvent::kStation)
            s += e.retrograde ? ",\"retrograde\":true" : ",\"retrograde\":false";
        if (e.kind != tSkyEvent::kAspect && e.kind != tSkyEvent::kTransit) {
            s += ",\"longitude\":";
            AppendJsonNumber(s, e.longitude, 6);
        }
        s += '}';
    }
    return s + "]}";
}

std::string EscapeICalendarText(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',')
            out.append(1, '\\').append(1, c);
        else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        else if (c == '\n' || c == '\r')
            out += "\\n";
        else if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            continue;  // controls are not allowed
        else
            out += c;
    }
    return out;
}

std::string FoldICalendarLine(std::string_view line)
{
    std::string out;
    std::size_t width = 0;  // octets on the current output line
    for (std::size_t i = 0; i < line.size();) {
        std::size_t n = 1;  // the whole UTF-8 sequence moves together
        while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80) ++n;
        if (width + n > 75) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line.substr(i, n));
        width += n;
        i += n;
    }
    return out + "\r\n";
}

std::string EventsICalendar(const std::vector<tSkyEvent>& events, TLanguages& lang, std::int64_t stamp)
{
    auto utc = [](std::int64_t seconds) {
        const tClock c = ClockAt(seconds, 0);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d%02d%02dT%02d%02d%02dZ", c.date.year, c.date.month, c.date.day, c.hour,
                      c.minute, c.second);
        return std::string(buf);
    };
    std::string s;
    auto line = [&s](const std::string& l) { s += FoldICalendarLine(l); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Quintara//Sky events//EN");
    line("CALSCALE:GREGORIAN");
    line("METHOD:PUBLISH");
    line("X-WR-CALNAME:" + EscapeICalendarText(lang.Caption(caption::kSkyEvents)));
    const std::string dtstamp = utc(stamp);
    for (const tSkyEvent& e : events) {
        const std::int64_t at = UnixSeconds(e.jd);
        char uid[96];
        std::snprintf(uid, sizeof uid, "%s-%d-%d-%d-%d-%d-%s@quintara", KindWord(e.kind), e.body, e.other, e.sign,
                      e.phase, e.aspect, utc(at / 60 * 60).c_str());
        line("BEGIN:VEVENT");
        line(std::string("UID:") + uid);
        line("DTSTAMP:" + dtstamp);
        // An instant has no DTEND (RFC 5545 wants it after DTSTART; without
        // it the event ends where it starts); a period ends at its end.
        line("DTSTART:" + utc(at));
        if (e.endJd > e.jd) line("DTEND:" + utc(UnixSeconds(e.endJd)));
        line("SUMMARY:" + EscapeICalendarText(EventSummary(e, lang)));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return s;
}

}  // namespace quintara
