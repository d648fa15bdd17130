// Layouts and file names of every table of the program. Each table lives
// in a file of its own, so chart files can be chosen, copied and renamed
// as files; the reference tables sit in the table folder of the home.
#pragma once

#include <string>
#include <vector>

#include "core/data/table.h"

namespace quintara {

inline constexpr const char* kTableFolder = "dbfiles";
inline constexpr const char* kCityFile = "dbfiles/city.db";
inline constexpr const char* kCountryFile = "dbfiles/Country.db";
inline constexpr const char* kStateFile = "dbfiles/State.db";
inline constexpr const char* kTime1File = "dbfiles/Time1.db";
inline constexpr const char* kTime2File = "dbfiles/Time2.db";
inline constexpr const char* kStarFile = "dbfiles/stars.db";
inline constexpr const char* kPlanetFile = "dbfiles/planets.db";
inline constexpr const char* kDefaultChartFile = "chart.db";

// Localities: CITY, COUNTRY, STATE, LATITUDE, LONGITUDE, POPULATION, INDEX;
// index "Cities" by CITY ignoring case.
// Length of the name fields (CITY, NAME, COUNTRY, STATE, ...), characters.
inline constexpr std::size_t kNameLength = 30;

tTableDef CityTableDef();
// Country names, one row per language: COUNTRY, CODE, LANGUAGE, Index;
// index "Countries" by COUNTRY, LANGUAGE.
tTableDef CountryTableDef();
// Index, CODE, COUNTRY, STATE; index "codes" by COUNTRY, CODE.
tTableDef StateTableDef();
// Standard time: COUNTRY, STATE, DATE, ADJUST, TABLE in key order.
tTableDef Time1TableDef();
// Summer-time changes: TABLE, DATE, HOUR, ADJUST, ASK in key order.
tTableDef Time2TableDef();
// In the Time2 file: each zone table's POSIX rule (RULE), which gives its
// time after the UT moment AFTER (seconds since 1970), where its rows end.
// Files made before it was added lack it; their rows' last values hold.
tTableDef TimeRuleTableDef();
// Name of a stored position field of the chart table: 'P' with 1..24
// (bodies 1..12, cusps 1..12) or 'R' with 1..12 (retrograde flags).
std::string PositionField(char letter, int k);
// One row per chart; index "Names" by NAME ignoring case.
tTableDef ChartTableDef();
tTableDef StarTableDef();
tTableDef PlanetTableDef();

// The reference table files a working installation needs, relative to the home.
std::vector<std::string> ReferenceTableFiles();

}  // namespace quintara
