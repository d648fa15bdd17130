// The birth data of one chart as typed (command line, chart-entry dialogs),
// and its checks. Every date the program reads passes ParseDate.
#pragma once

#include <optional>
#include <string>
#include <vector>
#include <string_view>

#include "core/engine/body_numbers.h"
#include "core/chart/chart.h"

namespace quintara {

struct tChartRequest {
    int year = 2000, month = 1, day = 1, hour = 12, minute = 0;
    double adjust = 0.0;     // h.mm added to clock time to give UT
    double latitude = 0.0;   // d.mm, positive north
    double longitude = 0.0;  // d.mm, positive west
    int house = 0;           // house system code 0..8 or 255
    int zodiac = 0;          // zodiac code (core/engine/zodiac.h): 0 tropical, otherwise sidereal
    tAyanamsaRef userAyanamsa;  // for zodiac kUserAyanamsa
};

// Each parser returns the value, or nothing with `error` naming what is wrong.
// Whole number within [lo, hi].
std::optional<int> ParseWhole(std::string_view text, int lo, int hi, std::string& error);
// Plain d.mm or h.mm number (sign allowed); minutes must stay below 60.
std::optional<double> ParseDegMin(std::string_view text, std::string& error);
// Latitude: d.mm (north positive) or 48N52 / 48S52.
std::optional<double> ParseLatitude(std::string_view text, std::string& error);
// Longitude: d.mm (west positive) or 2E21 / 2W21.
std::optional<double> ParseLongitude(std::string_view text, std::string& error);
// House system: code 0..8, 255, or its name (any case).
std::optional<int> ParseHouseSystem(std::string_view text, std::string& error);
// A zodiac: "tropical" or 0, "sidereal" or 1 (the classic shift), a code
// 100..146, an ayanamsa's name or "user:JD:DEGREES" (see ParseAyanamsa).
std::optional<tZodiacChoice> ParseZodiac(std::string_view text, std::string& error);
// What ParseZodiac reads back: "tropical", "sidereal", the ayanamsa's key
// or "user:JD:DEGREES".
std::string ZodiacText(const tZodiacChoice& zodiac);

// A step of previsions as days.hours: "7", "7.00", "0.06", "30.12"; the
// hours are two digits, 00..23; 0.00 is refused. Returns the step in hours.
std::optional<int> ParseDaysHours(std::string_view text, std::string& error);
// Transiting bodies: comma-separated names (sun .. pluto, chiron, any case),
// numbers 1..10 or ranges "2-10". Returns a mask with bit n for body n.
std::optional<tBodyMask> ParseTransitBodies(std::string_view text, std::string& error);

// Days of a month of the proleptic Gregorian calendar; 0 for no month.
int DaysInMonth(int year, int month);
// "YYYY-MM-DD", year 0..65535, the day within its month. False with error
// naming the field ("day: 30 is outside 1..28 for 2023-02").
bool ParseDate(std::string_view s, tChartRequest& r, std::string& error);
// "HH:MM" or "HH".
bool ParseTime(std::string_view s, tChartRequest& r, std::string& error);

// A longitude (packed d.mm) as the clock time it stands for, packed h.mm:
// 15.00 degrees is 1.00 hour.
double LongitudeAsTime(double degMin);
// A clock time as the longitude it stands for, packed d.mm: 1:30 is 22.30.
double TimeAsLongitude(int hours, int minutes);

// Checks the whole request (day within its month, ranges); empty when sound,
// else "field: message".
std::string CheckRequest(const tChartRequest& r);

// Name of a house system code, the program's English caption ("Placidus",
// "Whole Sign", ...); "Time unknown" for 255, "?" for other codes.
std::string_view HouseSystemName(int code);
// The codes a chart may ask for (see IsHouseSystem), in order.
std::vector<int> OfferedHouseSystems();

// Fills the chart's birth data from a checked request.
void ApplyRequest(const tChartRequest& r, tChart& chart);

}  // namespace quintara
