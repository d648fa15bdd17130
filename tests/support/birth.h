// A chart computed for a date and hour at Paris, for tests of derived charts.
#pragma once

#include "core/chart/chart.h"

namespace quintara::test {

inline void Birth(tChart& c, int y, int m, int d, int h, int mi = 0, int zodiac = 0)
{
    c.Year = static_cast<std::uint16_t>(y);
    c.Month = static_cast<std::uint16_t>(m);
    c.Day = static_cast<std::uint16_t>(d);
    c.Hour = static_cast<std::uint16_t>(h);
    c.Minute = static_cast<std::uint16_t>(mi);
    c.Latitude = 48.52;
    c.Longitude = -2.20;
    c.Zodiac = zodiac;
    CalcChart(c);
}

}  // namespace quintara::test
