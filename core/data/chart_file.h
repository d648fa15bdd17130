// Operations on chart files as a whole: copying, appending, exporting to
// text and dBASE, converting the old fixed-record format, recomputing a
// row, and the filter expressions of the chart-file editor. Every write is
// one transaction: a file is left as it was or with all rows.
#pragma once

#include <array>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "core/engine/zodiac.h"
#include "core/platform/progress.h"
#include "core/data/data_module.h"

namespace quintara {

struct OptionSet;

struct tMoveReport {
    std::size_t rows = 0;                 // rows written
    std::vector<std::string> problems;    // what was skipped, and why
};

// Select chart file: the chosen file is opened where it is (created empty
// when it does not exist) and becomes the data module's chart file. A file
// that exists but is not a chart file is refused (tStorageError) and the
// open chart file stays as it was.
void SelectChartFile(TData1& data, const std::string& path);

// Copies the rows the chart table shows into a new chart file at path;
// refuses to replace an existing file. Throws tStorageError.
tMoveReport CopyChartFile(TData1& data, const std::string& path);

// Appends every chart of the chart file at path to the current one as new
// rows (new Index values: rows of the current file are never overwritten).
// Throws tStorageError when path is not a chart file; nothing is written then.
tMoveReport AppendChartFile(TData1& data, const std::string& path);

// Exports refuse an existing target unless replacing was asked for, and
// write atomically: the target is the old file or the whole new one.
enum class tReplace { kNo, kYes };

// One line per row from the current row to the last: each field's display
// text followed by ",". Texts holding a comma, quote or line break are
// quoted so that no field spills into the next.
void ExportChartText(TData1& data, const std::string& path, tReplace replace = tReplace::kNo);

// A dBASE III table of the rows shown (all fields but the report text),
// text in Windows-1252.
void ExportChartDbase(TData1& data, const std::string& path, tReplace replace = tReplace::kNo);

// Display text of a chart-table field as the editor's grid shows it.
std::string ChartFieldText(const tTable& table, const std::string& field, const std::string& dateFormat);

// Imports a file of 382-byte old-format records into the chart file at
// targetPath (created when missing; an existing one must be a chart file),
// computing each chart with the birth set. When it fails, a target it
// created is removed and an existing one is as it was. A damaged record is skipped and named in the report; the records
// after it are still taken. All rows land in one transaction.
tMoveReport ConvertOldChartFile(const std::string& oldPath, const std::string& targetPath, const OptionSet* birthSet);

// Closes the chart file, gives it (and its journal) the new name and opens
// it again. Refuses an existing name; on any failure the chart file keeps
// its name and stays open. Throws tStorageError.
void RenameChartFile(TData1& data, const std::string& to);

// ReCalc: the current row computed again and written back. Zone: the same
// after FindAdjust; returns its "sure".
void RecalcCurrentChart(TData1& data, const OptionSet* birthSet);
bool ZoneCurrentChart(TData1& data, const OptionSet* birthSet);

// The charts the table shows (its filter's, else all) cast again with the
// house system and zodiac given, in one transaction: Cancel from progress
// (stopped set) writes nothing. Returns the charts that changed.
std::size_t RecastChartFile(TData1& data, const OptionSet* birthSet, int houseType, const tZodiacChoice& zodiac,
                            const tProgress& progress = {}, bool* stopped = nullptr);

// One row of the field filter.
struct tFieldFilterRow {
    std::string field;       // the name used in the expression ("Name", "Country")
    bool text = false;       // quoted values; "=" becomes a prefix match
    std::string op = "=";    // =, <, <=, >, >=
    std::string value, upper;  // upper bound "" for none
    bool date = false;         // a date in the short format: quoted, "=" compares the whole date
};
// The expression of the field filter, e.g. Name>='Du' and Name<='Du}'.
std::string FieldFilterExpression(const std::vector<tFieldFilterRow>& rows);
// The first row whose value or upper bound its field cannot take (a word
// where a number goes, no date in the short format): its index and what
// is accepted. Nothing when every row can be filtered on.
std::optional<std::pair<std::size_t, std::string>> FieldFilterProblem(const std::vector<tFieldFilterRow>& rows,
                                                                      const std::string& dateFormat);
// Body k (1..24) in sign s (1..12): "Pk>=(s-1)x30 and Pk<sx30"; "" for s = 0.
std::string PlanetFilterExpression(int body, int sign);

}  // namespace quintara
