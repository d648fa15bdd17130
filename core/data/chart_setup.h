// The chart setup: points of the stars table (fixed stars, Arabic parts,
// midpoints, formula points) taken into the planets table, which every new
// chart reads. Each change is written at once; Revert takes back the
// changes of this session, newest first (the dialog's Cancel).
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/data/filter_expression.h"

namespace quintara {

class TData1;
class tTable;

// Planets rows numbered up to this are the program's own and stay.
inline constexpr std::int64_t kLastFixedPoint = 99;

class tChartSetup {
public:
    // Field values of one row, by field name.
    using tValues = std::vector<std::pair<std::string, std::optional<tSqlValue>>>;

    explicit tChartSetup(TData1& data);

    // The current stars row appended to the planets table: its number,
    // name (the short name its first characters), formula and position;
    // visible, without aspects; then the points its formula needs that the
    // table lacks, hidden. The new row is current.
    void AddCurrentStar();
    // The current planets row deleted when numbered above kLastFixedPoint;
    // false (nothing changed) otherwise or when there is none.
    bool RemoveCurrentPoint();
    // Visible and Aspects of the current planets row.
    void SetCurrentFlags(bool visible, bool aspects);
    void Revert();
    bool Changed() const { return !changes.empty(); }

    // The stars filter of a type entry: 0 all, 1 Arabic parts and lots, 2
    // fixed stars, 3 chakra, 4 midpoints, 5 the other formula points, 6 the
    // computed bodies and points; stars only up to the magnitude brightest
    // (kAllMagnitudes: every star).
    static constexpr double kAllMagnitudes = 99;
    static std::string TypeFilter(int entry, double brightest = kAllMagnitudes);

private:
    struct tChange {
        enum tKind { kAdded, kRemoved, kFlags } kind;
        std::int64_t row = -1;                                                 // planets rowid (added, flags)
        tValues values;                                                        // removed row; old flags
    };
    void Restore(const tValues& values);
    void AddNeededPoints();

    TData1& data;
    tTable& stars;
    tTable& planets;
    std::vector<tChange> changes;
};

}  // namespace quintara
