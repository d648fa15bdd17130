#include <cmath>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/precise_ephemeris.h"
#include "core/engine/sidereal_time.h"
#include "core/engine/zodiac.h"

namespace quintara {
namespace {

// Bodies, houses and sidereal time from the precise ephemeris, in the order
// and zodiac the built-in computation gives them (the minor bodies stay
// tropical there, so they do here). False, with the chart untouched but for
// the note, when the ephemeris cannot answer.
bool CalcPrecise(tChart& chart)
{
    constexpr int kBodies[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26, 27, 28};
    tPreciseBody found[std::size(kBodies)];
    std::string error;
    for (std::size_t i = 0; i < std::size(kBodies); ++i) {
        if (!chart.FindBody(kBodies[i])) continue;
        if (!PreciseBody(kBodies[i], chart.JulianDay, found[i], &error)) {
            chart.EphemerisNote = "precise positions unavailable (" + error + "); built-in positions shown";
            return false;
        }
    }
    tPreciseHouses houses;
    if (!PreciseHouses(chart.JulianDay, DegMinToDecimal(chart.Latitude), -DegMinToDecimal(chart.Longitude),
                       chart.HouseType, houses, &error)) {
        chart.EphemerisNote = "precise houses unavailable (" + error + "); built-in positions shown";
        return false;
    }
    for (std::size_t i = 0; i < 12; ++i) {
        const int n = kBodies[i];
        if (!chart.FindBody(n)) continue;
        chart.SetBodyLongitude(n, Normalize360(found[i].longitude));
        if (n <= 10) chart.SetBodyLatitude(n, found[i].latitude);
        if (HasRetroFlag(n)) chart.SetRetrograde(n, found[i].speed < 0);
    }
    if (houses.equalInstead && chart.HouseType != kTimeUnknown) chart.HouseType = kEqual;
    chart.SiderealT = houses.armc * kDegToRad;
    for (int n = 1; n <= 12; ++n) chart.SetHouseCusp(n, Normalize360(houses.cusps[n]));
    ApplyZodiac(chart);
    for (std::size_t i = 12; i < std::size(kBodies); ++i) {
        const int n = kBodies[i];
        if (!chart.FindBody(n)) continue;
        chart.SetBodyLongitude(n, Normalize360(found[i].longitude));
        chart.SetRetrograde(n, found[i].speed < 0);
    }
    return true;
}

}  // namespace

void CalcChart(tChart& chart)
{
    const double utHM = UniversalTimeHM(chart.Hour, chart.Minute, chart.Adjust);
    const double T = CalcJulianDay(chart, utHM);
    const double utAngle = DegMinToDecimal(utHM) * (kPi / 12.0);
    chart.SiderealT = SiderealTime(utAngle, DegMinToDecimal(chart.Longitude) * kDegToRad, T);
    chart.Centuries = T;
    chart.EphemerisNote.clear();
    if (chart.Ephemeris == tChart::kPrecise && CalcPrecise(chart)) return;
    CalcBodies(chart, 0, T);
    CalcHouses(chart);
    ApplyZodiac(chart);
    CalcMinorBodies(chart);
}

}  // namespace quintara
