// The steps of a chart's computation that other computations repeat on
// their own (returns step the Sun or Moon alone, derived charts recast
// their houses), each filling the chart from the built-in theory unless
// said otherwise.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "core/engine/ephemeris_service.h"
#include "core/engine/zodiac.h"

namespace quintara {

class tChart;

// The source a computed chart's positions came from, for its later steps
// and the searches made from it; its zodiac as a choice.
tEphemerisService ChartEphemeris(const tChart& chart);
tZodiacChoice ChartZodiac(const tChart& chart);

// Stores the chart's JulianDay from its Year, Month, Day and the universal
// time utHM (h.mm); returns T, Julian centuries of UT from J2000.0.
double CalcJulianDay(tChart& chart, double utHM);

// body 0: bodies 1..12 with latitudes of 1..10 and retrograde flags of 3..10.
// body 1, 3..10: that body's longitude only. body 2, 11 or 12: all three
// lunar points. Any other body: nothing. T: Julian centuries of UT from J2000.0.
// A single body comes from the source the chart's positions came from (a
// return's moment then matches the chart cast for it).
void CalcBodies(tChart& chart, int body, double T);

// Cusps 1..12 from the chart's SiderealT, Latitude, Centuries and
// HouseType, from the source the chart's positions came from.
// May set HouseType to 3 beyond the polar bound.
void CalcHouses(tChart& chart);

// Longitudes and retrograde flags of the bodies 25..28 the chart contains,
// tropical, from the chart's Centuries.
void CalcMinorBodies(tChart& chart);

// Sidereal charts (Zodiac != 0): sets Ayanamsa and subtracts it from bodies
// 1..28 (the planets table's points follow in tPlanet::GetPosition).
// Tropical charts: Ayanamsa = 0.
void ApplyZodiac(tChart& chart);
// The same with the ayanamsa of T, for a chart whose bodies were stepped to
// T alone; each longitude brought back into [0, 360) by whole turns.
void ApplyZodiacAt(tChart& chart, double T);

// Whole Sign and Equal from 0 degrees Aries count from the signs of the
// chart's own zodiac: a sidereal chart's cusps stand at its whole signs,
// not at the tropical ones shifted. Other systems: nothing.
void LaySignHouses(tChart& chart);

// The chart's ayanamsa at T (Julian centuries of UT) from the source its
// positions come from: the precise one with nutation, else the built-in
// mean one. 0 for tropical charts. Every sidereal shift asks here.
double ChartAyanamsa(const tChart& chart, double T);

// A zodiac's ayanamsa over a search, asked like ChartAyanamsa: the precise
// one sampled once a day and interpolated (nutation's shortest term moves
// it 0.005" between samples), the built-in one directly; which of the two
// is decided once, when the track is made.
class tAyanamsaTrack {
public:
    tAyanamsaTrack(const tZodiacChoice& zodiac, const tEphemerisService& eph);
    explicit tAyanamsaTrack(const tChart& chart);
    double At(double T);

private:
    double Day(std::int64_t day);
    tZodiacChoice zodiac;
    tEphemerisService eph;
    std::unordered_map<std::int64_t, double> days;
};

// The bodies of 1..12 and 25..28 the chart contains.
tSkyBodies BodiesOf(const tChart& chart);

// The computed points (planets-table rows of kind kComputedPoint) the chart has.
tSkyPoints PointsOf(const tChart& chart);

// Copies an answer into the chart: the bodies it contains, the cusps, the
// sidereal time and the house system used, the obliquity, the computed
// points (those missing from the answer left out, PointsNote saying so);
// tropical, before ApplyZodiac.
void FillChart(const tSkyAnswer& a, tChart& chart);

// The stars (PointType 2) of the chart from the precise catalogue by name,
// when eph is precise; a star it lacks keeps its definition's place and is
// named in PointsNote. Built-in: each star's definition.
void CalcStars(tChart& chart, tEphemerisService& eph);

// The Vertex, Anti-Vertex and East Point again from the chart's SiderealT,
// Latitude and Obliquity: a chart whose meridian was directed.
void CalcAnglePoints(tChart& chart);

}  // namespace quintara
