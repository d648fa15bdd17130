// The sky-events calendar as the user reads it: one line per event at its
// moment on the user's clock, and the same events as CSV and as iCalendar
// (RFC 5545) for calendar programs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/engine/body_numbers.h"
#include "core/aspects/sky_events.h"
#include "core/aspects/transits.h"
#include "core/data/civil_date.h"
#include "core/data/user_zone.h"

namespace quintara {

class TLanguages;
class TMainOptions;
class tChart;

struct tCalendarRequest {
    tCivilDate start;  // from 00:00 of this day on the user's clock
    int months = 12;   // whole calendar months, 1..1200
    bool moonAspects = false;
    const tChart* natal = nullptr;  // computed; its transits are listed too
    tBodyMask transitBodies = 0x7fc;
    bool allAspects = false;  // transits: every aspect kind, not the settings'
    unsigned jobs = 0;        // transit search threads, 0: one per core
    bool eclipses = true, voidOfCourse = false, shadows = false;  // the almanac's
};

// The first moment of the calendar and the one after its last, Julian days UT.
std::pair<double, double> CalendarSpan(const tCalendarRequest& request, const tUserZone& zone);

// The sky's events (ingresses in the settings' zodiac, the major aspects)
// and the natal chart's transits, by moment. Stopped from progress: what
// was found, with *stopped set.
std::vector<tSkyEvent> CalendarEvents(const TMainOptions& o, const tCalendarRequest& request, const tUserZone& zone,
                                      const tProgress& progress = {}, bool* stopped = nullptr);

// "Mercury turns direct 22°10' Sagittarius", "Sun enters Capricorn",
// "Full moon 13°02' Cancer", "Mars Square Saturn", "Transit: Jupiter Trine Sun".
std::string EventSummary(const tSkyEvent& event, TLanguages& lang);

// The transit search's events as calendar events at their exact moments.
std::vector<tSkyEvent> TransitCalendarEvents(const tTransitsCollection& transits);

// Seconds since 1970-01-01 00:00 UT of a Julian day (UT), to the second.
std::int64_t UnixSeconds(double jd);

// A heading naming the zone, then "2026-01-02 04:07  summary" per event.
std::string EventsText(const std::vector<tSkyEvent>& events, const tUserZone& zone, TLanguages& lang);

// Header Date,Time,Zone,UTC,Event,Longitude; one row per event, dates and
// times on the user's clock, the UTC moment beside them in ISO form.
std::string EventsCsv(const std::vector<tSkyEvent>& events, const tUserZone& zone, TLanguages& lang);

// {"zone":NAME,"events":[{"time":ISO 8601 on the zone's clock with its
// offset,"time_utc","jd","kind","summary" (English),"body","other",
// "sign","phase","aspect","retrograde","longitude"}]}: the keys an event
// has.
std::string EventsJson(const std::vector<tSkyEvent>& events, const tUserZone& zone);

// A VCALENDAR of one VEVENT per event: DTSTART in UTC, the summary, a UID
// that stays the same for the same event (so a calendar that imports the
// file again updates rather than doubles it), DTSTAMP stamp (Unix seconds).
std::string EventsICalendar(const std::vector<tSkyEvent>& events, TLanguages& lang, std::int64_t stamp);

// TEXT value escaping: backslash, semicolon, comma, line breaks.
std::string EscapeICalendarText(std::string_view text);
// A content line folded to 75 octets a line (never inside a UTF-8
// sequence), each ending in CRLF; continuation lines start with a space.
std::string FoldICalendarLine(std::string_view line);

}  // namespace quintara
