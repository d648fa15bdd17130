#include "chart/chart.h"
#include "engine/angles.h"
#include "engine/bodies.h"
#include "engine/houses.h"
#include "engine/julian_day.h"
#include "engine/minor_bodies.h"
#include "engine/sidereal_time.h"
#include "engine/zodiac.h"

namespace quintara {

void CalcChart(tChart& chart)
{
    const double utHM = UniversalTimeHM(chart.Hour, chart.Minute, chart.Adjust);
    const double T = CalcJulianDay(chart, utHM);
    const double utAngle = DegMinToDecimal(utHM) * (kPi / 12.0);
    chart.SiderealT = SiderealTime(utAngle, DegMinToDecimal(chart.Longitude) * kDegToRad, T);
    chart.Centuries = T;
    CalcBodies(chart, 0, T);
    CalcHouses(chart);
    ApplyZodiac(chart);
    CalcMinorBodies(chart);
}

}  // namespace quintara
