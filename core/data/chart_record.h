// The mapping between a chart and one row of a chart file.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/chart/chart.h"
#include "core/data/table.h"

namespace quintara {

// Copies the current row into the chart: index, names, birth data, time
// results (fields Index..SIDERAL_T). The chart's bodies are untouched. A
// row whose values no chart can have (a latitude of 1e30, month 13)
// throws tStorageError naming the chart and the value.
void ReadChart(const tTable& table, tChart& chart);

// What is out of range in a chart's stored data ("latitude 1e+30 out of
// range"), or "" when every value can be computed.
std::string ChartRangeProblem(const tChart& chart);

// Packed d.mm (h.mm) values a table may hold: finite and within limit
// degrees (hours) once unpacked.
bool PackedWithin(double packed, double limit);

// Copies the chart into the row being inserted or edited: the birth data
// and, for filtering, P1..P12 with R1..R12 (bodies) and P13..P24 (cusps).
// The caller posts; Index comes from the row. The chart's points beyond the
// 28 bodies (the chart setup's) go with the row, in its transaction, into
// the table kChartPointsTable of the same file (made when first needed).
void WriteChart(tTable& table, const tChart& chart);

// The points of charts, beside the chart rows, for filters: CHART (the
// chart row's rowid), NUM, NAME, LONGITUDE and DECLINATION (degrees, as the
// chart was computed).
inline constexpr const char* kChartPointsTable = "ChartPoints";
// Removes the points of chart row rowid, or, for -1, those whose row is
// gone; nothing when the file has no such table.
void DeleteChartPoints(tDatabase& db, std::int64_t rowid);
// Whether the file holds the table (an older file has none).
bool HasChartPoints(tDatabase& db);

// The stored fields of a chart as (field, value), in table order; texts cut
// to their fields' lengths.
std::vector<std::pair<std::string, tSqlValue>> ChartRowValues(const tChart& chart);
// The text fields (NAME, FIRSTNAME, ...) a chart holds longer than the
// table keeps them: writing cuts them, and the user is told.
std::vector<std::string> TooLongChartFields(const tChart& chart);

// Appends charts as new rows with one prepared statement; the caller holds
// the transaction, so a batch lands whole or not at all.
class tChartInserter {
public:
    explicit tChartInserter(tDatabase& db);
    ~tChartInserter();
    void Add(const tChart& chart);

private:
    std::unique_ptr<tStatement> insert;
};

}  // namespace quintara
