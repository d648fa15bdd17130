// Charts in and out of the chart file through the exchange formats (AAF,
// CSV, JSON Lines). An import reads and checks every record first; only
// then are the good ones stored, in one transaction, so a file is left as
// it was or has all of them.
#pragma once

#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "core/data/chart_file.h"
#include "core/data/exchange_record.h"
#include "core/platform/progress.h"

namespace quintara {

struct OptionSet;

// By extension: .aaf, .csv, .jsonl (or .ndjson); nothing for another.
std::optional<tExchangeFormat> ExchangeFormatOf(const std::string& path);

// A record that passed every check, with what the tables gave it.
struct tCheckedRecord {
    tExchangeRecord record;  // coordinates and zone always set
    int country = 0, state = 0;
};

struct tImportPlan {
    std::size_t records = 0;  // records the file holds
    std::vector<tCheckedRecord> good;
    std::vector<std::string> refused;  // "line 7: date: ...", in file order
    std::vector<std::string> doubts;   // stored, but the user should look: unsure zones
    bool stopped = false;              // the reading was stopped part way
    std::size_t sexNotGiven = 0;       // good records taken as a man's: the file did not say
};

// Fills in what the tables give a record: coordinates, country and state
// from its place, the zone from the place and date. Returns the problem,
// "" when the record makes a chart; doubt says what the user should look
// at (a zone not sure, a clock time skipped or repeated by a change).
std::string CheckRecord(TData1& data, tExchangeRecord& r, tCheckedRecord& out, std::string& doubt,
                        bool needsName = true);

// Reads the file and checks every record: a readable date that exists, a
// time, coordinates within range (or a place the localities table knows),
// a zone (given, from the Julian day, or looked up for the place and
// date). house and zodiac are taken where a record does not say. Throws
// tStorageError when the file cannot be read.
// progress counts records; when it asks to stop, the plan is cut there
// and says so (stopped).
tImportPlan PrepareImport(TData1& data, const std::string& path, tExchangeFormat format, int house,
                          const tZodiacChoice& zodiac,
                          const tProgress& progress = {});
// The same for a file's bytes already read; name is what messages call it.
tImportPlan PrepareImportOf(TData1& data, std::string_view bytes, const std::string& name, tExchangeFormat format,
                            int house, const tZodiacChoice& zodiac, const tProgress& progress = {});

// Computes the good records' charts and appends them to the chart file in
// one transaction; returns the rows written.
// progress counts charts; when it asks to stop, nothing is stored, 0 is
// returned and stopped (when given) is set.
std::size_t StoreImport(TData1& data, const tImportPlan& plan, const OptionSet* birthSet,
                        const tProgress& progress = {}, bool* stopped = nullptr);

// The exchange record of a stored chart (no computing: the row has its
// Julian day). country is the country's name.
tExchangeRecord RecordOfChart(const tChart& chart, const std::string& country);

// The rows the chart table shows, first to last, into a new file (or over
// one when replace says so), written atomically. Returns the rows written.
// positions: CSV and JSON Lines carry each chart's computed positions too
// (columns after the chart's, or "bodies" and "cusps" as the command
// line's JSON has them).
std::size_t ExportCharts(TData1& data, const std::string& path, tExchangeFormat format,
                         tReplace replace = tReplace::kNo, bool positions = false);
// The same file's bytes, for a caller that writes them elsewhere.
std::string ExportedCharts(TData1& data, tExchangeFormat format, bool positions, std::size_t& rows);
// What of a chart the format cannot hold, for the user to be told once
// after an export; "" when it holds every field.
std::string FieldsNotWritten(tExchangeFormat format);

}  // namespace quintara
