#include "core/engine/bodies.h"

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/lunar_points.h"
#include "core/engine/planet_series.h"

namespace quintara {
namespace {

void SetLunarPoints(tChart& chart, double T)
{
    const tLunarPoints p = LunarPoints(T);
    chart.SetBodyLongitude(kMoon, p.Moon);
    chart.SetBodyLongitude(kLilith, p.Apogee);
    chart.SetBodyLongitude(kNode, p.TrueNode);
}

}  // namespace

void CalcBodies(tChart& chart, int body, double T)
{
    const double jd = T * 36525.0 + 2451545.0;
    double lon[11] = {}, lat[11] = {};
    if (body == 0) {
        bool retrograde[11] = {};
        PlanetSeriesWithMotion(lon, lat, retrograde, jd);
        for (int n = 1; n <= 10; ++n) {
            chart.SetBodyLongitude(n, lon[n]);
            chart.SetBodyLatitude(n, lat[n]);
        }
        SetLunarPoints(chart, T);
        for (int n = 3; n <= 10; ++n) chart.SetRetrograde(n, retrograde[n]);
    } else if (body == 1 || (body >= 3 && body <= 10)) {
        PlanetSeries(lon, lat, body, jd);
        chart.SetBodyLongitude(body, lon[body]);
    } else if (body == kMoon || body == kLilith || body == kNode) {
        SetLunarPoints(chart, T);
    }
}

}  // namespace quintara
