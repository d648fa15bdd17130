#include "core/chart/chart_steps.h"

#include <cmath>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/bodies.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"
#include "core/engine/lunar_points.h"
#include "core/engine/sky_points.h"
#include "core/i18n/default_body_names.h"
#include "core/engine/minor_bodies.h"
#include "core/engine/zodiac.h"

namespace quintara {

double CalcJulianDay(tChart& chart, double utHM)
{
    const double d = DaysFromJ2000(chart.Year, chart.Month, chart.Day, utHM);
    chart.JulianDay = d + kJ2000;
    return d / kDaysPerCentury;
}

tEphemerisService ChartEphemeris(const tChart& chart)
{
    tEphemerisService eph = tEphemerisService::Decided(chart.EphemerisUsed());
    eph.UseMeanNode(chart.MeanNode);
    return eph;
}

tZodiacChoice ChartZodiac(const tChart& chart) { return {chart.Zodiac, chart.UserAyanamsa}; }

namespace {

// A step of a computed chart that the precise ephemeris could not answer
// came from the built-in theory: the chart says so, and its later steps
// stay built-in.
void KeepNote(tChart& chart, const tEphemerisService& eph)
{
    if (!eph.Note().empty() && chart.EphemerisNote.empty()) chart.EphemerisNote = eph.Note();
}

}  // namespace

void CalcBodies(tChart& chart, int body, double T)
{
    if (body == 0) {
        tSkyAnswer a;
        BuiltInBodies(T, a);
        if (chart.MeanNode) a.longitude[kNode] = LunarPoints(T).MeanNode;
        for (int n = 1; n <= 12; ++n) chart.SetBodyLongitude(n, a.longitude[static_cast<std::size_t>(n)]);
        for (int n = 1; n <= 10; ++n) chart.SetBodyLatitude(n, a.latitude[static_cast<std::size_t>(n)]);
        for (int n = 3; n <= 10; ++n) chart.SetRetrograde(n, a.retrograde[static_cast<std::size_t>(n)]);
        return;
    }
    tEphemerisService eph = ChartEphemeris(chart);
    if (body == 1 || (body >= 3 && body <= 10)) {
        chart.SetBodyLongitude(body, eph.Longitude(body, T));
    } else if (body == kMoon || body == kLilith || body == kNode) {
        for (int n : {kMoon, kLilith, kNode}) chart.SetBodyLongitude(n, eph.Longitude(n, T));
    }
    KeepNote(chart, eph);
}

void CalcHouses(tChart& chart)
{
    tEphemerisService eph = ChartEphemeris(chart);
    const tHouseAnswer h = eph.HousesAtRamc(chart.SiderealT, chart.Latitude, chart.Centuries, chart.HouseType);
    KeepNote(chart, eph);
    chart.HouseType = h.houseType;
    for (int n = 1; n <= 12; ++n) chart.SetHouseCusp(n, h.cusps[n]);
    chart.TropicalAsc = h.ascendant;
    chart.TropicalMc = h.midheaven;
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
    LaySignHouses(chart);
}

void LaySignHouses(tChart& chart)
{
    double first;
    if (chart.HouseType == kWholeSign) first = std::floor(chart.Ascendant() / 30.0) * 30.0;
    else if (chart.HouseType == kEqualAries) first = 0.0;
    else return;
    for (int n = 1; n <= 12; ++n) chart.SetHouseCusp(n, Normalize360(first + 30.0 * (n - 1)));
}

double ChartAyanamsa(const tChart& chart, double T)
{
    if (!IsSidereal(chart.Zodiac)) return 0.0;
    return ChartEphemeris(chart).Ayanamsa(ChartZodiac(chart), T);
}

tAyanamsaTrack::tAyanamsaTrack(const tZodiacChoice& zodiac, const tEphemerisService& eph) : zodiac(zodiac), eph(eph) {}

tAyanamsaTrack::tAyanamsaTrack(const tChart& chart) : tAyanamsaTrack(ChartZodiac(chart), ChartEphemeris(chart)) {}

double tAyanamsaTrack::Day(std::int64_t day)
{
    auto [it, added] = days.try_emplace(day, 0.0);
    if (added) it->second = eph.Ayanamsa(zodiac, (static_cast<double>(day) + 0.5 - kJ2000) / kDaysPerCentury);
    return it->second;
}

double tAyanamsaTrack::At(double T)
{
    if (!IsSidereal(zodiac.code)) return 0.0;
    if (!eph.Precise()) return eph.Ayanamsa(zodiac, T);
    const double jd = T * kDaysPerCentury + kJ2000;
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

tSkyPoints PointsOf(const tChart& chart)
{
    tSkyPoints points = 0;
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p)
        if (const tPlanet* b = chart.BodyAt(p); b->PointType == kComputedPoint && IsComputedPoint(b->Num))
            points |= SkyPointBit(b->Num);
    return points;
}

namespace {

// Every computed point of the chart from the answer: tropical, as the
// planets table's points are (GetPosition shifts them); one that the
// answer lacks is left out (no position) and named in the chart's note.
void FillPoints(const tSkyAnswer& a, tChart& chart)
{
    std::string missing;
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p) {
        tPlanet& b = *chart.BodyAt(p);
        if (b.PointType != kComputedPoint) continue;
        const bool known = IsComputedPoint(b.Num);
        const auto i = static_cast<std::size_t>(known ? b.Num - 50 : 0);
        b.InChartFrame = false;
        b.Retrograde = known && (a.pointRetrograde & SkyPointBit(b.Num));
        if (!known || (a.pointMissing & SkyPointBit(b.Num)) ||
            (IsAnglePoint(b.Num) && chart.HouseType == kTimeUnknown)) {
            b.Longitude = -1;
            b.Latitude = 0;
            if (known && (a.pointMissing & SkyPointBit(b.Num)) && missing.find(DefaultPlanetName(b.Num)) == std::string::npos)
                missing.append(missing.empty() ? "" : ", ").append(DefaultPlanetName(b.Num));
            continue;
        }
        b.Longitude = a.pointLongitude[i];
        b.Latitude = a.pointLatitude[i];
    }
    if (!missing.empty())
        chart.PointsNote = missing + (chart.EphemerisUsed() == tChart::kPrecise
                                          ? ": the precise ephemeris cannot give them here; left out"
                                          : ": not in the built-in ephemeris (choose the precise one); left out");
}

}  // namespace

void FillChart(const tSkyAnswer& a, tChart& chart)
{
    for (int n = 1; n <= kJuno; ++n) {
        const auto i = static_cast<std::size_t>(n);
        chart.SetBodyLongitude(n, a.longitude[i]);
        if (n <= kNode || n >= kChiron) chart.SetBodyLatitude(n, a.latitude[i]);
        if (HasRetroFlag(n)) chart.SetRetrograde(n, a.retrograde[i]);
    }
    chart.HouseType = a.houseType;
    chart.SiderealT = a.siderealT;
    chart.TropicalAsc = a.ascendant;
    chart.TropicalMc = a.midheaven;
    chart.SetObliquity(a.obliquity);
    chart.PointsNote.clear();
    FillPoints(a, chart);
}

void CalcStars(tChart& chart, tEphemerisService& eph)
{
    std::string own;
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p) {
        tPlanet& b = *chart.BodyAt(p);
        if (b.PointType != 2) continue;
        b.StarPlace = -1.0;
        if (!eph.Precise()) continue;
        if (double lon, lat; eph.Star(b.RowName, chart.Centuries, lon, lat)) {
            b.StarPlace = lon;
            b.Latitude = lat;
        } else if (own.size() < 200) {
            if (!own.empty()) own += ", ";
            own += b.RowName.empty() ? std::string("#").append(std::to_string(b.Num)) : b.RowName;
        }
    }
    if (own.empty()) return;
    if (!chart.PointsNote.empty()) chart.PointsNote += "; ";
    chart.PointsNote += own + ": not in the precise star catalogue; their own J2000 place, precessed";
}

void CalcAnglePoints(tChart& chart)
{
    const double vertex = VertexAt(chart.SiderealT, DegMinToDecimal(chart.Latitude), chart.Obliquity());
    const double east = EastPointAt(chart.SiderealT, chart.Obliquity());
    for (int p = kJuno + 1; p <= chart.BodyCount(); ++p) {
        tPlanet& b = *chart.BodyAt(p);
        if (b.PointType != kComputedPoint || !IsAnglePoint(b.Num) || b.Longitude < 0) continue;
        b.Longitude = b.Num == kEastPoint ? east : b.Num == kVertex ? vertex : Normalize360(vertex + 180.0);
        b.InChartFrame = false;
    }
}

}  // namespace quintara
