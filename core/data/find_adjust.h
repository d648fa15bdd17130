// The time-zone lookup that gives a chart its ADJUST: the standard time of
// the chart's country and state on its date (Time1) plus the summer-time
// correction of that zone's table (Time2), or a longitude-based value.
#pragma once

#include <memory>

#include "core/chart/chart.h"
#include "core/data/sqlite_db.h"

namespace quintara {

class tZoneLookup {
public:
    // Both databases must outlive the lookup; statements are prepared once.
    tZoneLookup(tDatabase& time1, tDatabase& time2);
    ~tZoneLookup();

    // Sets chart.Adjust (packed h.mm, added to clock time to give UT) from
    // chart.Country, State, Year/Month/Day, Hour, Longitude and HouseType.
    // Returns "sure": false when the value was guessed from the longitude
    // or the tables mark it as uncertain; always true for a chart whose
    // birth time is unknown (house type 255).
    //
    // A change dated on the chart's own day counts from its HOUR on.
    bool FindAdjust(tChart& chart);

private:
    struct tStatements;
    std::unique_ptr<tStatements> q;
};

// Step 5 of the lookup for the codes above 16: 252, 253, 254 (local mean
// time from the longitude, packed d.mm positive west) and any other code.
// sure is cleared except for 254.
double AdjustFromCode(double code, double longitude, int month, bool& sure);

}  // namespace quintara
