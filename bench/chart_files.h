// A chart file of n generated charts for the benchmarks that scan one.
#pragma once

#include <string>

#include "core/chart/chart.h"
#include "core/data/chart_record.h"
#include "core/data/schemas.h"
#include "core/data/sqlite_db.h"
#include "core/data/table.h"

namespace quintara::bench {

inline void MakeChartFile(const std::string& path, int n)
{
    tDatabase db(path, true);
    tTable make(db, ChartTableDef());
    tTransaction tx(db);
    tChartInserter insert(db);
    tChart c;
    for (int i = 0; i < n; ++i) {
        c.Name = "Chart " + std::to_string(i);
        c.Year = static_cast<std::uint16_t>(1900 + i % 130);
        c.Month = static_cast<std::uint16_t>(1 + i % 12);
        c.Day = static_cast<std::uint16_t>(1 + i % 28);
        c.Hour = static_cast<std::uint16_t>(i % 24);
        c.Sex = static_cast<std::uint8_t>(i % 2);
        c.Latitude = 48.52;
        c.Longitude = -2.20;
        insert.Add(c);
    }
    tx.Commit();
}

}  // namespace quintara::bench
