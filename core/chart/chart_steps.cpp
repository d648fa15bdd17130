#include "core/chart/chart_steps.h"

#include <cmath>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"
#include "core/engine/lunar_points.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/planet_series.h"
#include "core/engine/precise_ephemeris.h"
#include "core/engine/zodiac.h"

namespace quintara {

double CalcJulianDay(tChart& chart, double utHM)
{
    const double d = DaysFromJ2000(chart.Year, chart.Month, chart.Day, utHM);
    chart.JulianDay = d + kJ2000;
    return d / kDaysPerCentury;
}

namespace {

// One body (all three lunar points for any of them) from the precise
// ephemeris; false when it cannot answer.
bool PreciseStep(tChart& chart, int body, double T)
{
    const bool lunar = body == kMoon || body == kLilith || body == kNode;
    if (!lunar && body != 1 && !(body >= 3 && body <= 10)) return false;
    const double jd = T * kDaysPerCentury + kJ2000;
    tPreciseBody p[3];
    const int asked[3] = {lunar ? kMoon : body, kLilith, kNode};
    for (int i = 0; i < (lunar ? 3 : 1); ++i)
        if (!PreciseBody(asked[i], jd, p[i])) return false;
    for (int i = 0; i < (lunar ? 3 : 1); ++i) chart.SetBodyLongitude(asked[i], Normalize360(p[i].longitude));
    return true;
}

}  // namespace

void CalcBodies(tChart& chart, int body, double T)
{
    if (body != 0 && chart.EphemerisUsed() == tChart::kPrecise && PreciseStep(chart, body, T)) return;
    if (body == 0) {
        tSkyAnswer a;
        BuiltInBodies(T, a);
        for (int n = 1; n <= 12; ++n) chart.SetBodyLongitude(n, a.longitude[static_cast<std::size_t>(n)]);
        for (int n = 1; n <= 10; ++n) chart.SetBodyLatitude(n, a.latitude[static_cast<std::size_t>(n)]);
        for (int n = 3; n <= 10; ++n) chart.SetRetrograde(n, a.retrograde[static_cast<std::size_t>(n)]);
    } else if (body == 1 || (body >= 3 && body <= 10)) {
        double lon[11] = {}, lat[11] = {};
        PlanetSeries(lon, lat, body, T * 36525.0 + 2451545.0);
        chart.SetBodyLongitude(body, lon[body]);
    } else if (body == kMoon || body == kLilith || body == kNode) {
        const tLunarPoints p = LunarPoints(T);
        chart.SetBodyLongitude(kMoon, p.Moon);
        chart.SetBodyLongitude(kLilith, p.Apogee);
        chart.SetBodyLongitude(kNode, p.TrueNode);
    }
}

void CalcHouses(tChart& chart)
{
    if (chart.EphemerisUsed() == tChart::kPrecise) {
        tPreciseHouses h;
        if (PreciseHousesAtArmc(chart.SiderealT * kRadToDeg, DegMinToDecimal(chart.Latitude), chart.JulianDay,
                                chart.HouseType, h)) {
            chart.HouseType = h.HouseTypeUsed(chart.HouseType);
            for (int n = 1; n <= 12; ++n) chart.SetHouseCusp(n, Normalize360(h.cusps[n]));
            chart.TropicalAsc = Normalize360(h.ascendant);
            chart.TropicalMc = Normalize360(h.midheaven);
            return;
        }
    }
    double cusps[13];
    BuiltInCusps(chart.SiderealT, chart.Latitude, chart.Centuries, chart.HouseType, cusps);
    for (int n = 1; n <= 12; ++n) chart.SetHouseCusp(n, cusps[n]);
    const tAngles angles = BuiltInAngles(chart.SiderealT, chart.Latitude, chart.HouseType, cusps);
    chart.TropicalAsc = angles.ascendant;
    chart.TropicalMc = angles.midheaven;
}

void CalcMinorBodies(tChart& chart)
{
    tSkyAnswer a;
    BuiltInMinorBodies(chart.Centuries, BodiesOf(chart), a);
    const double shift = ChartAyanamsa(chart, chart.Centuries);
    for (int n = kChiron; n <= kJuno; ++n) {
        chart.SetBodyLongitude(n, Normalize360(a.longitude[static_cast<std::size_t>(n)] - shift));
        chart.SetRetrograde(n, a.retrograde[static_cast<std::size_t>(n)]);
    }
}

void ApplyZodiac(tChart& chart)
{
    if (chart.Zodiac == 0) {
        chart.Ayanamsa = 0.0;
        return;
    }
    ApplyZodiacAt(chart, chart.Centuries);
}

void ApplyZodiacAt(tChart& chart, double T)
{
    if (chart.Zodiac == 0) return;
    chart.Ayanamsa = ChartAyanamsa(chart, T);
    // Every computed position, the minor bodies too; the planets table's
    // points follow through the chart's ayanamsa (tPlanet::GetPosition).
    for (int n = 1; n <= kJuno; ++n) {
        const tPlanet* b = chart.FindBody(n);
        if (b) chart.SetBodyLongitude(n, Normalize360(b->GetPosition() - chart.Ayanamsa));
    }
}

double ChartAyanamsa(const tChart& chart, double T)
{
    if (!IsSidereal(chart.Zodiac)) return 0.0;
    const double jd = T * kDaysPerCentury + kJ2000;
    double degrees;
    if (chart.EphemerisUsed() == tChart::kPrecise && PreciseAyanamsa(chart.Zodiac, jd, chart.UserAyanamsa, degrees))
        return degrees;
    return BuiltInAyanamsa(chart.Zodiac, jd, chart.UserAyanamsa);
}

tAyanamsaTrack::tAyanamsaTrack(int zodiac, const tAyanamsaRef& user, std::uint8_t ephemeris)
    : zodiac(zodiac), user(user), precise(false)
{
    double probe;
    precise = IsSidereal(zodiac) && ephemeris == tChart::kPrecise && PreciseAyanamsa(zodiac, kJ2000, user, probe);
}

tAyanamsaTrack::tAyanamsaTrack(const tChart& chart) : tAyanamsaTrack(chart.Zodiac, chart.UserAyanamsa, chart.EphemerisUsed())
{
}

double tAyanamsaTrack::Day(std::int64_t day)
{
    auto [it, added] = days.try_emplace(day, 0.0);
    if (added) {
        const double jd = static_cast<double>(day) + 0.5;
        if (!PreciseAyanamsa(zodiac, jd, user, it->second)) it->second = BuiltInAyanamsa(zodiac, jd, user);
    }
    return it->second;
}

double tAyanamsaTrack::At(double T)
{
    if (!IsSidereal(zodiac)) return 0.0;
    const double jd = T * kDaysPerCentury + kJ2000;
    if (!precise) return BuiltInAyanamsa(zodiac, jd, user);
    const double f = std::floor(jd - 0.5);
    const double a = Day(static_cast<std::int64_t>(f)), b = Day(static_cast<std::int64_t>(f) + 1);
    return a + (b - a) * (jd - 0.5 - f);
}

tSkyBodies BodiesOf(const tChart& chart)
{
    tSkyBodies bodies = 0;
    for (int n = 1; n <= kJuno; ++n)
        if ((n <= kNode || n >= kChiron) && chart.FindBody(n)) bodies |= tSkyBodies{1} << n;
    return bodies;
}

void FillChart(const tSkyAnswer& a, tChart& chart)
{
    for (int n = 1; n <= kJuno; ++n) {
        const auto i = static_cast<std::size_t>(n);
        chart.SetBodyLongitude(n, a.longitude[i]);
        if (n <= 10) chart.SetBodyLatitude(n, a.latitude[i]);
        if (HasRetroFlag(n)) chart.SetRetrograde(n, a.retrograde[i]);
    }
    chart.HouseType = a.houseType;
    chart.SiderealT = a.siderealT;
    chart.TropicalAsc = a.ascendant;
    chart.TropicalMc = a.midheaven;
}

}  // namespace quintara
