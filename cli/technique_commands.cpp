// The techniques past the classic commands: composite, davison and
// relocated charts, solar-arc directions.
#include <iostream>

#include "cli/aspect_report.h"
#include "cli/commands.h"
#include "cli/positions.h"
#include "cli/report_command.h"
#include "core/aspects/solar_arc_hits.h"
#include "core/aspects/transits.h"
#include "core/chart/directions.h"
#include "core/chart/planetary_hours.h"
#include "core/chart/relationship_charts.h"
#include "core/chart/time_lords.h"
#include "core/engine/houses.h"
#include "core/data/chart_json.h"
#include "core/data/json_line.h"
#include "core/data/second_chart.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/default_captions.h"
#include "core/reports/technique_reports.h"
#include "core/reports/text_writers.h"

namespace quintara::cli {

namespace {

// The moment of a date word on the chart's own clock (its birth time).
bool MomentOfDate(tCommandArgs& a, tSession& session, const std::string& word, double& T, std::string& error)
{
    tChartArgs dated = a.first;
    if (!ParseDate(word, dated.r, error)) return false;
    dated.timeGiven = true;
    tChart chart(&session.options->BirthSet);
    if (!MakeChart(dated, session, chart, error)) return false;
    T = chart.Centuries;
    return true;
}

std::string HitsJson(const std::vector<tDirectionHit>& hits)
{
    std::string s = "{\"hits\":[";
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const tDirectionHit& h = hits[i];
        const int type = AspectTypeOfIndex(h.aspectIndex);
        if (i) s += ',';
        s += "{\"time_utc\":\"" + IsoUniversalTime(DateTimeFromCenturies(h.moment)) + "\",\"directed\":" +
             std::to_string(h.directed) + ",\"directed_name\":";
        AppendJsonString(s, DefaultPlanetName(h.directed));
        s += ",\"aspect\":" + std::to_string(type) + ",\"aspect_name\":";
        AppendJsonString(s, EnglishAspectName(type));
        s += ",\"natal\":" + std::to_string(h.natal) + ",\"natal_name\":";
        AppendJsonString(s, DefaultPlanetName(h.natal));
        s += ",\"arc\":";
        AppendJsonNumber(s, h.arc, 6);
        s += ",\"moment\":";
        AppendJsonNumber(s, h.moment, 12);
        s += '}';
    }
    return s + "]}";
}

// {"sign","sign_name","lord","lord_name"} of a sign and its lord.
std::string SignAndLord(int sign, int lord)
{
    std::string s = "{\"sign\":" + std::to_string(sign) + ",\"sign_name\":";
    AppendJsonString(s, std::string(DefaultCaption(sign)));
    s += ",\"lord\":" + std::to_string(lord) + ",\"lord_name\":";
    AppendJsonString(s, DefaultPlanetName(lord));
    return s + "}";
}

std::string LordSpan(int lord, double from, double to)
{
    std::string s = "{\"lord\":" + std::to_string(lord) + ",\"lord_name\":";
    AppendJsonString(s, DefaultPlanetName(lord));
    return s + ",\"from_utc\":\"" + IsoUniversalTime(DateTimeFromCenturies(from)) + "\",\"to_utc\":\"" +
           IsoUniversalTime(DateTimeFromCenturies(to)) + "\"";
}

// The natal chart of a time-lord command: cast, and with a birth time.
bool TimeLordsChart(tCommandArgs& a, tSession& session, tChart& natal, std::string& error)
{
    if (!MakeChart(a.first, session, natal, error)) return false;
    if (natal.HouseType != kTimeUnknown) return true;
    error = "the time lords need the Ascendant and the sect: give the birth time (--time)";
    return false;
}

}  // namespace

int Relationship(tCommandArgs& a, std::string_view kind)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const OptionSet* birth = &session.options->BirthSet;
    tChart first(birth), second(birth), out(birth);
    if (!MakeChart(a.first, session, first, error)) return Fail(error);
    if (kind == "relocated") {
        tChartArgs where = a.second;
        if (where.place.empty() && !(where.latGiven && where.lonGiven))
            return Fail("relocated: give --place2 NAME, or --lat2 and --lon2");
        // Only the place counts: the moment is the chart's, its clock that
        // of the place's zone then (or --adjust2, or universal time).
        where.dateGiven = where.timeGiven = true;
        where.r.year = first.Year, where.r.month = first.Month, where.r.day = first.Day;
        where.r.hour = first.Hour, where.r.minute = first.Minute;
        if (where.place.empty() && !where.adjustGiven) where.adjustGiven = true, where.r.adjust = 0;
        if (!MakeChart(where, session, second, error)) return Fail(error);
        RelocatedToPlace(session.Data(), first, second, out);
    } else {
        if (!MakeChart(a.second, session, second, error)) return Fail(error);
        if (kind == "composite")
            CompositeChart(first, second, out);
        else
            DavisonChart(first, second, out);
    }
    std::cout << (a.json ? PositionsJson(out) + "\n" : PositionsText(out, session.languages.get()));
    return 0;
}

// directions solar-arc DATE | solar-arc-hits START MONTHS
int Directions(tCommandArgs& a)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    const TMainOptions& o = *session.options;
    tChart natal(&o.BirthSet);
    if (!MakeChart(a.first, session, natal, error)) return Fail(error);
    const std::string& what = a.words[0];
    if (what == "solar-arc" && a.words.size() == 2) {
        double T = 0;
        if (!MomentOfDate(a, session, a.words[1], T, error)) return Fail("date: " + error);
        tChart directed(&o.BirthSet);
        SolarArcChart(natal, T, directed);
        std::cout << (a.json ? PositionsJson(directed) + "\n" : PositionsText(directed, session.languages.get()));
        return 0;
    }
    if (what != "solar-arc-hits" || a.words.size() != 3)
        return Fail("directions: give solar-arc DATE, or solar-arc-hits START MONTHS");
    double from = 0;
    if (!MomentOfDate(a, session, a.words[1], from, error)) return Fail("start: " + error);
    const auto months = ParseWhole(a.words[2], 1, 1200, error);
    if (!months) return Fail("months: " + error);
    const auto hits = SolarArcHits(natal, from, from + *months / 1200.0, DirectionAspects(a.all));
    if (a.json) {
        std::cout << HitsJson(hits) << "\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WriteDirectionHits(text, hits, ReportContext(session), ZoneOfPlace(session.Data(), natal));
    std::cout << WritePlainText(text);
    return 0;
}

// profections DATE
int Profections(tCommandArgs& a)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChart natal(&session.options->BirthSet);
    if (!TimeLordsChart(a, session, natal, error)) return Fail(error);
    tChartRequest day;
    if (!ParseDate(a.words[0], day, error)) return Fail("date: " + error);
    const tDateTime date{day.year, day.month, day.day, 0, 0};
    tProfection p;
    if (!ProfectionAt(natal, date, p)) return Fail("date: before the birth");
    if (a.json) {
        std::cout << "{\"age\":" << p.age << ",\"house\":" << p.house << ",\"month\":" << p.month + 1
                  << ",\"year\":" << SignAndLord(p.annualSign, p.annualLord)
                  << ",\"month_sign\":" << SignAndLord(p.monthlySign, p.monthlyLord) << "}\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WriteProfection(text, p, date, ReportContext(session));
    std::cout << WritePlainText(text);
    return 0;
}

// firdaria
int Firdaria(tCommandArgs& a)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChart natal(&session.options->BirthSet);
    if (!TimeLordsChart(a, session, natal, error)) return Fail(error);
    const std::vector<tFirdar> periods = Firdaria(natal);
    if (a.json) {
        std::string s = "{\"day_birth\":";
        s += natal.SunAboveHorizon() ? "true" : "false";
        s += ",\"periods\":[";
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const tFirdar& f = periods[i];
            if (f.subLord == 0) {
                if (i) s += "]},";
                s += LordSpan(f.lord, f.from, f.to) + ",\"parts\":[";
            } else {
                if (periods[i - 1].subLord != 0) s += ',';
                s += LordSpan(f.subLord, f.from, f.to) + "}";
            }
        }
        std::cout << s << "]}]}\n";
        return 0;
    }
    tFixedMetrics metrics;
    tReportText text(metrics);
    WriteFirdaria(text, periods, natal.Adjust, ReportContext(session));
    std::cout << WritePlainText(text);
    return 0;
}

// hours DATE --place NAME (or --lat, --lon, --adjust)
int Hours(tCommandArgs& a)
{
    tSession session;
    std::string error;
    if (!OpenSession(a, session, error)) return Fail(error);
    tChartArgs where = a.first;
    if (!ParseDate(a.words[0], where.r, error)) return Fail("date: " + error);
    // The zone of the place at noon that day.
    where.dateGiven = where.timeGiven = true;
    where.r.hour = 12, where.r.minute = 0;
    tChart place(&session.options->BirthSet);
    if (!MakeChart(where, session, place, error)) return Fail(error);
    tPlanetaryDay day;
    if (!PlanetaryHours(where.r.year, where.r.month, where.r.day, place.Adjust, place.Latitude, place.Longitude,
                        place.Ephemeris, day, error))
        return Fail(error);
    if (!a.json) {
        tFixedMetrics metrics;
        tReportText text(metrics);
        WritePlanetaryHours(text, day, place.Adjust, ReportContext(session));
        std::cout << WritePlainText(text);
        return 0;
    }
    const auto at = [&](double T) {
        return std::string(1, '"').append(IsoClockTime(LocalDateTime(T, place.Adjust), place.Adjust)).append(1, '"');
    };
    std::string s = "{\"sunrise\":" + at(day.sunrise) + ",\"sunset\":" + at(day.sunset) +
                    ",\"next_sunrise\":" + at(day.nextSunrise) + ",\"day_ruler\":" + std::to_string(day.dayRuler) +
                    ",\"day_ruler_name\":";
    AppendJsonString(s, DefaultPlanetName(day.dayRuler));
    s += ",\"hours\":[";
    for (std::size_t i = 0; i < day.hours.size(); ++i) {
        const tPlanetaryHour& h = day.hours[i];
        if (i) s += ',';
        s += "{\"ruler\":" + std::to_string(h.ruler) + ",\"ruler_name\":";
        AppendJsonString(s, DefaultPlanetName(h.ruler));
        s += ",\"from\":" + at(h.from) + ",\"to\":" + at(h.to) + ",\"day\":" + (h.day ? "true" : "false") + "}";
    }
    std::cout << s << "]}\n";
    return 0;
}

}  // namespace quintara::cli
