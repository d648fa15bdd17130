// The machine form of a chart: one JSON schema for every program output
// that carries a chart (positions, saved charts, returns, exports, the
// batch). Names are the built-in English ones whatever the language;
// angles are decimal degrees (longitudes of places east positive); a key
// names its unit where it is not degrees; times are ISO 8601 with their
// offset; numbers are written in their shortest form.
//
// {"time":"1990-05-17T14:30:00+02:00", "time_utc":"1990-05-17T12:30:00Z",
//  "jd":2448029.020833, "latitude":48.866667, "longitude":2.35,
//  "sidereal_time_hours":5.27, "house":0, "house_name":"Placidus",
//  "zodiac":"tropical", "ayanamsa":0, "ephemeris":"builtin",
//  "bodies":[{"num":1,"name":"Sun","longitude":56.43,"latitude":0,"declination":19.4,
//             "sign":2,"sign_name":"Taurus","degrees_in_sign":26.43,"retro":false}, ...,
//            {"name":"Vesta","longitude":..., "latitude":..., "declination":..., "sign":...,
//             "retro":false}, ...],   (the shown points, after the bodies, without "num")
//  "cusps":[12 longitudes]}           (or "time_unknown":true without cusps)
#pragma once

#include <string>

#include "core/chart/chart.h"
#include "core/chart/date_time.h"

namespace quintara {

// "1990-05-17T14:30:00+02:00": the chart's clock time with its zone.
std::string IsoClockTime(const tChart& chart);
// "1990-05-17T12:30:00Z" for a Julian day (UT), to the second.
std::string IsoUniversalTime(double julianDay);
// A moment in universal time as "2024-04-08T18:21:00Z".
std::string IsoUniversalTime(const tDateTime& t);
// A clock time with its zone (packed h.mm added to the clock to give UT).
std::string IsoClockTime(const tDateTime& clock, double adjust);

// Appends the keys of the schema above, without braces, from "time" on;
// the chart must have been computed.
void AppendChartJson(std::string& s, const tChart& chart);
// The chart's record keys the schema starts with when the chart has them:
// "name", "first_name", "sex" ("M"/"F"), "place", "country" (given), "comment";
// each followed by a comma.
void AppendChartNamesJson(std::string& s, const tChart& chart, const std::string& country);

}  // namespace quintara
