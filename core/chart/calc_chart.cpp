#include "core/chart/chart.h"
#include "core/chart/chart_steps.h"
#include "core/engine/angles.h"
#include "core/engine/ephemeris_service.h"
#include "core/engine/julian_day.h"

namespace quintara {

void CalcChart(tChart& chart)
{
    const double utHM = UniversalTimeHM(chart.Hour, chart.Minute, chart.Adjust);
    const double T = CalcJulianDay(chart, utHM);
    chart.Centuries = T;
    chart.EphemerisNote.clear();
    tSkyQuery q;
    q.T = T;
    q.utAngle = DegMinToDecimal(utHM) * (kPi / 12.0);
    q.latitude = chart.Latitude;
    q.longitude = chart.Longitude;
    q.houseType = chart.HouseType;
    q.bodies = BodiesOf(chart);
    q.points = PointsOf(chart);
    q.meanNode = chart.MeanNode;
    tSkyAnswer a;
    tEphemerisService eph(chart.Ephemeris, ChartZodiac(chart));
    eph.UseMeanNode(chart.MeanNode);
    eph.Sky(q, a);
    chart.EphemerisNote = eph.Note();
    FillChart(a, chart);
    CalcStars(chart, eph);
    ApplyZodiac(chart);
}

}  // namespace quintara
