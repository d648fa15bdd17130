#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/sidereal_time.h"
#include "core/engine/zodiac.h"

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
