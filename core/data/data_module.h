// The data module: owner of every table of the program for the whole run.
// The chart file, the stars and the planets are open from creation; the
// other reference tables open on first use. Paths are relative to the
// program home.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/chart/chart.h"
#include "core/data/chart_record.h"
#include "core/data/find_adjust.h"
#include "core/data/schemas.h"
#include "core/data/sqlite_db.h"
#include "core/engine/ephemeris_service.h"
#include "core/data/table.h"
#include "core/options/main_options.h"

namespace quintara {

struct OptionSet;
class tLocalityIndex;

struct tLocality {
    std::string name;
    std::int32_t country = 0, state = 0;
    double latitude = 0, longitude = 0;  // packed d.mm, north and west positive
    std::int64_t population = 0;
    std::int64_t index = 0;
};

// The reference table files missing from a program home, by name; nothing
// is opened or created (the installation check runs before the tables).
std::vector<std::string> MissingReferenceFiles(const std::string& home);
// The reference table files of a home that are there but not whole, each
// as its path and what is wrong ("... is empty"); nothing is opened.
std::vector<std::string> DamagedReferenceFiles(const std::string& home);

class TData1 {
public:
    // Whether opening a chart file that does not exist creates it. A reader
    // never does: it works without a chart file until it needs one.
    enum class tChartFileMode { kCreate, kExisting };

    // Opens the chart file, stars and planets (created when missing).
    // chartFile is relative to home unless absolute. Throws tStorageError
    // when stars or planets cannot be opened; a chart file that cannot be
    // opened (damaged, not a chart file, not creatable) is left as it is
    // and said by ChartFileProblem(), the program working without one.
    TData1(std::string home, const std::string& chartFile = kDefaultChartFile,
           tChartFileMode mode = tChartFileMode::kCreate);
    ~TData1();
    TData1(const TData1&) = delete;
    TData1& operator=(const TData1&) = delete;

    const std::string& Home() const { return home; }
    std::string PathOf(const std::string& relative) const;

    // Closes the chart file and opens another (created when missing).
    // Throws tStorageError in words, the file untouched and the open one
    // kept, when it cannot be opened as a chart file.
    void OpenChartFile(const std::string& chartFile);
    // Why the chart file asked for at creation could not be opened; empty
    // when it was (or none was asked for).
    const std::string& ChartFileProblem() const { return chartProblem; }
    // The chart file asked for at creation when it was not there and was
    // not created (tChartFileMode::kExisting); empty otherwise.
    const std::string& MissingChartFile() const { return missingChartFile; }
    // The chart file can be read but not written (a read-only file or
    // folder): every write is refused with a message saying so.
    bool ChartFileReadOnly() const { return chartReadOnly; }
    const std::string& ChartFilePath() const { return chartPath; }
    void CloseChartFile();

    // Throws tStorageError when no chart file is open ("no chart file X"
    // when it was not there to open).
    tTable& ChartTable();
    // The chart file for a write of its own: checked first, like every
    // change through ChartTable().
    tDatabase& ChartDatabase();
    // Throws tStorageError "chart file damaged: ..." when the chart file
    // fails the storage's quick integrity check; run once per opened file,
    // at its first write, so browsing never pays for it.
    void CheckChartWritable();
    tTable& StarTable() { return *stars.table; }
    tTable& PlanetTable() { return *planets.table; }
    // Reference tables, opened on first use and kept open; a missing file
    // raises tStorageError naming it rather than creating an empty table.
    tTable& CityTable();
    tTable& CountryTable();
    tTable& StateTable();
    tTable& Time1Table();
    tTable& Time2Table();

    // Short date format of DATE fields, "dd/mm/yyyy" or "mm/dd/yyyy".
    void SetDateFormat(const std::string& format);
    const std::string& DateFormat() const { return dateFormat; }
    // Filter of the chart file: case-insensitive, dates in the short format.
    void SetChartFilter(const std::string& expression);

    bool FindAdjust(tChart& chart);
    // For a chart computed at a moment (a return): the moment kept, its
    // clock time and Adjust re-expressed in the zone its place (country,
    // state, longitude) had then. Returns FindAdjust's "sure".
    bool ZoneAtMoment(tChart& chart);
    // Name of a country in a language: that language, else 0, else 1, else
    // any row of the code; "" for a code the table does not hold.
    std::string GetCountryName(int code, int language);
    // The code of a country named so in any language (ASCII case ignored);
    // 0 when the table has no such name.
    int FindCountryCode(const std::string& name);
    // Name of a state of a country; "" for state 0 or one the table lacks.
    std::string GetStateName(int country, int state);
    // The states of a country as (code, name), by name.
    std::vector<std::pair<int, std::string>> StatesOf(int country);

    // Charts read or made here follow these settings (the ephemeris, the
    // node, the Part of Fortune; not owned), so a chart computed afresh
    // follows the user's current choice. Without them: built-in, true node.
    void FollowSettings(const TMainOptions* options) { settings = options; }
    tChartRules ChartRules() const { return settings ? settings->ChartRules() : tChartRules{}; }
    std::uint8_t ChartEphemeris() const { return ChartRules().ephemeris; }

    void ReadChart(tChart& chart)
    {
        quintara::ReadChart(ChartTable(), chart);
        chart.Follow(ChartRules());
    }
    void WriteChart(const tChart& chart) { quintara::WriteChart(ChartTable(), chart); }
    std::string LoadChartText();
    // The current row gets the text; posted at once.
    void SaveChartText(const std::string& text);
    // A chart with the birth option set, filled from the current row.
    std::unique_ptr<tChart> OpenCurrentChart(const OptionSet* birthSet, TLanguages* languages = nullptr);
    // A chart of the 28 bodies and one point per planets-table row (the
    // chart setup), names of points new to the language given to it.
    std::unique_ptr<tChart> NewChart(const OptionSet* set, TLanguages* languages);

    // Localities whose name starts with the typed text, ignoring case and
    // accents and compared within the CITY field's length (longer names are
    // stored cut). The best match first: the whole name, then the most
    // populous, then name order. A country code other than 0 keeps to
    // that country.
    std::vector<tLocality> FindLocalities(const std::string& typed, std::size_t limit, int country = 0);
    // The planets table as rows for new charts.
    std::vector<tPlanetRow> PlanetRows();
    // Every row of the stars table as a planets row (whatever filter the
    // table shows), in number order: what a point is added from.
    std::vector<tPlanetRow> StarRows();

    // Reference table files that are missing, by name (empty: all there).
    std::vector<std::string> MissingReferenceFiles() const { return quintara::MissingReferenceFiles(home); }

private:
    const TMainOptions* settings = nullptr;
    struct tOpen {
        std::unique_ptr<tDatabase> db;
        std::unique_ptr<tTable> table;
    };
    tOpen OpenOrCreate(const std::string& relative, tTableDef def) const;
    tDatabase& ReferenceDatabase(tOpen& slot, const char* file);
    tTable& Reference(tOpen& slot, const char* file, tTableDef (*def)());

    std::string home;
    std::string chartPath;
    std::string missingChartFile;  // asked for, not there, not created
    std::string busyChartFile;     // asked for, locked by another program at the time
    std::optional<std::string> chartDamage;  // checked; "" when sound
    std::string chartProblem;
    bool chartReadOnly = false;
    std::string dateFormat = "dd/mm/yyyy";
    tOpen chart, stars, planets, cities, countries, states, time1, time2;
    std::unique_ptr<tZoneLookup> zones;
    std::unique_ptr<tLocalityIndex> localities;
};

}  // namespace quintara
