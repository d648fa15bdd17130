// What every command shares: the program home and its settings, the
// arguments of the command line, and the chart they describe.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/body_numbers.h"
#include "cli/command_table.h"
#include "core/aspects/transit_search.h"
#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/data/data_module.h"
#include "core/data/session.h"
#include "core/i18n/languages.h"
#include "core/options/main_options.h"

namespace quintara::cli {

// "quintara-cli: message" on stderr; returns the exit code 2.
int Fail(const std::string& message);

// Where status lines go: standard error, or nowhere under --quiet.
std::ostream& Status();
void SetQuiet(bool quiet);


// The session of the home and chart file a command was given.
bool OpenSession(const std::string& homeOverride, const std::string& chartFile, tSession& s, std::string& error);

struct tChartArgs {
    std::string tag;  // "2" for the second chart: its options end in 2
    tChartRequest r;
    bool dateGiven = false, timeGiven = false, latGiven = false, lonGiven = false, adjustGiven = false;
    bool houseGiven = false, zodiacGiven = false;
    bool siderealOnly = false;  // --zodiac sidereal: the settings' ayanamsa
    bool needsPlace = true;  // false where only the moment counts (phases)
    std::string place;
    bool zoneAuto = false;
    std::string name, firstName, comment;
    int sex = 1;  // 1 a man, 0 a woman, as the new-chart dialog presets
    int ephemeris = -1;  // tChart::tEphemeris; -1: the settings'
    std::vector<std::string> points;  // --points: names of points added for this run
};

// One chart option whose name ends in suffix. False with error when it is
// bad; handled tells whether it was a chart option at all.
bool ChartOption(std::string_view opt, std::string_view value, std::string_view suffix, tChartArgs& c,
                 bool& handled, std::string& error);

// Everything a command may be given.
struct tCommandArgs {
    const tCommandInfo* command = nullptr;
    tChartArgs first, second;
    bool json = false, batch = false, all = false, analysis = false, replace = false, keepGood = false,
         moonAspects = false, voidOfCourse = false, shadows = false;
    bool utc = false;  // transit moments in universal time, not on the birth place's clock
    bool quiet = false;      // no status lines
    bool positions = false;  // exports carry computed positions
    int language = 0;        // --language: a language code for this run; 0 the settings'/locale's
    int orbPercent = 100;
    int limit = 20;
    int jobs = 0;  // batch, transits, compare to file: threads; 0 for one per core
    int ephemeris = -1;  // --ephemeris: tChart::tEphemeris; -1 the settings'
    // The ephemeris a chart of this command is computed with.
    std::uint8_t EphemerisOr(int settings) const { return static_cast<std::uint8_t>(ephemeris >= 0 ? ephemeris : settings); }
    std::string home, chartFile, filter, into, format, output, tz;  // format "": the command's default
    tBodyMask bodies = 0x7fc;  // transiting bodies, bit n = body n
    int width = 1000, height = 1000;  // pictures, pixels
    double zoom = 1.0;
    bool proportional = false;
    std::vector<std::string> words;  // arguments that are not options
};

// The same for a command's arguments; its --ephemeris stands for the
// settings' choice during the run (the command line never writes settings).
bool OpenSession(const tCommandArgs& a, tSession& s, std::string& error);


// The options of a command line read against the table into the
// arguments; false with error ("field: what is wrong") for a bad value.
bool ApplyOptions(const tCommandLine& line, tCommandArgs& a, std::string& error);

// The chart of the arguments, computed; house system and zodiac default to
// the settings'. A birth needs --date and a place (--place, or --lat and
// --lon); --place without --adjust looks the zone up. False with error when
// the arguments do not make a chart.
bool MakeChart(tChartArgs c, tSession& s, tChart& chart, std::string& error);


// A return's clock time in the zone its place had at that moment (the
// chart keeps the birth zone when it has no place); recomputed.
void LocalZoneOfReturn(tSession& s, tChart& chart);

// Today's civil date (UT), the clock at noon.
void Today(tChart& c);
// The first word as a date (default today), into the chart's date fields.
bool StartDate(const std::vector<std::string>& words, tChart& chart, std::string& error);

}  // namespace quintara::cli
