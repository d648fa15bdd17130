// One computed horoscope: birth data, time results and an owned list of bodies.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/chart/planet.h"
#include "core/engine/zodiac.h"
#include "core/options/chart_rules.h"

namespace quintara {

struct OptionSet;  // display option set; defined with the options

// One row of the planets table: a user point added to every new chart.
struct tPlanetRow {
    std::int32_t Num = 0;
    std::string Name, ShortName;
    bool Visible = false, Aspects = false;
    std::int32_t PointType = 0;
    double Longitude = 0.0, Latitude = 0.0;
    std::int32_t Plus1 = 0, Plus2 = 0, Minus1 = 0, Divider = 0;
    double Value = 0.0;
    std::int32_t Offset = 0;
};

// Sign distribution of bodies 1..10, in the order of the captions
// "masculine", "feminine", "cardinals", "fixed", "mutable", "of fire",
// "of earth", "of air", "of water".
using tSignDistribution = std::array<int, 9>;

class tChart {
public:
    // Creates bodies 1..28 in numbering order, visible and taking part in
    // aspects as the option set shows them.
    explicit tChart(const OptionSet* options = nullptr);
    // The same, then one body per planets-table row in the rows' order. A
    // row's names go to the vocabulary when it has none for that number.
    tChart(const OptionSet* options, std::span<const tPlanetRow> rows, TLanguages* languages);
    tChart(const tChart&) = delete;
    tChart& operator=(const tChart&) = delete;

    int BodyCount() const { return static_cast<int>(bodies.size()); }
    // Body at list position p, 1-based; nullptr outside the list.
    tPlanet* BodyAt(int p);
    const tPlanet* BodyAt(int p) const;
    // Appends a body with number num (user points of the planets table).
    tPlanet& AddBody(int num);
    // Appends one body per row, as the constructor with rows does.
    void AddRows(std::span<const tPlanetRow> rows, TLanguages* languages);

    tPlanet* FindBody(int n);
    const tPlanet* FindBody(int n) const;
    // Degrees [0, 360), or -1 when the chart has no body n.
    double BodyPosition(int n) const;
    // Where point n stands in aspects: the true Ascendant and Midheaven for
    // 13 and 22 (in Whole Sign or Equal they are not cusps I and X), else
    // BodyPosition.
    double AspectPosition(int n) const;
    void SetBodyLongitude(int n, double value);
    void SetBodyLatitude(int n, double value);
    // Cusp n = 1..12 is body 12 + n; -1 outside 1..12.
    double HouseCusp(int n) const;
    void SetHouseCusp(int n, double value);
    bool Retrograde(int n) const;
    void SetRetrograde(int n, bool flag);

    // Copies the birth data (not the bodies, not the time results).
    void Assign(const tChart& other);
    // Appends the points other carries beyond the 28 built-in bodies (the
    // chart-setup points it was made with), as they are defined there.
    void CopyPointsOf(const tChart& other);
    // AspectTypes unless 255, else the option's.
    std::int32_t EffectiveAspectTypes(std::int32_t optionAspectTypes) const;

    std::int32_t AspectTypes = 255;
    std::int32_t ChartType = 0;
    const OptionSet* Options = nullptr;  // not owned
    std::int32_t Index = -1;
    std::int32_t OrbPercent = 100;
    std::string Name, FirstName, Comment, Reference, BirthPlace;
    double Ayanamsa = 0.0;  // degrees
    std::int32_t Zodiac = 0;  // zodiac code (core/engine/zodiac.h): 0 tropical, otherwise sidereal
    tAyanamsaRef UserAyanamsa;  // what Zodiac kUserAyanamsa means; a stored chart's own moment and Ayanamsa
    double Centuries = 0.0;  // T: Julian centuries of UT from J2000.0
    std::uint8_t HouseType = 0;  // 0..8; 255 = birth time unknown
    std::uint8_t Sex = 0;
    double JulianDay = 0.0;
    std::int32_t Country = 0, State = 0;
    std::uint16_t Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
    double Adjust = 0.0;     // h.mm, added to clock time to give UT
    double Longitude = 0.0;  // d.mm, positive west
    double Latitude = 0.0;   // d.mm, positive north
    double SiderealT = 0.0;  // local sidereal time (RAMC), radians
    // The true angles, tropical degrees: cusps 1 and 10 only in some house
    // systems. Ascendant() and Midheaven() give them in the chart's zodiac.
    double TropicalAsc = 0.0, TropicalMc = 0.0;
    double Ascendant() const;
    double Midheaven() const;
    // The Sun stands above the horizon: between the Descendant and the
    // Ascendant by the Midheaven (a day chart, for the lots).
    bool SunAboveHorizon() const;
    // The obliquity of the ecliptic at the chart's moment, degrees, with its
    // sine and cosine (every declination takes them).
    double Obliquity() const { return obliquity; }
    double SinObliquity() const { return sinObliquity; }
    double CosObliquity() const { return cosObliquity; }
    void SetObliquity(double degrees);
    // The settings' choices: body 12 the mean node rather than the true
    // one; the Part of Fortune (body 49) reversed at night.
    bool MeanNode = false;
    bool FortuneBySect = false;
    void Follow(const tChartRules& rules)
    {
        Ephemeris = rules.ephemeris;
        MeanNode = rules.meanNode;
        FortuneBySect = rules.fortuneBySect;
    }
    // Computed points of the chart setup that its ephemeris cannot give,
    // left out of the chart, and why; "" when there are none.
    std::string PointsNote;
    // Whether body 13 (22) stands on the true Ascendant (Midheaven), as in
    // the quadrant systems, or is a plain cusp, as in Whole Sign and Equal.
    bool AngleOnCusp(int body) const;
    // Where positions come from: the built-in theory, or the precise
    // ephemeris (data files, 1800-2399). A chart asked for precise
    // positions that could not have them is computed built-in and says why
    // in EphemerisNote.
    enum tEphemeris : std::uint8_t { kBuiltIn = 0, kPrecise = 1 };
    std::uint8_t Ephemeris = kBuiltIn;
    std::string EphemerisNote;  // "" when the positions come from where they were asked
    // Where the computed positions did come from; what moments derived from
    // the chart (transits, directions) ask for.
    std::uint8_t EphemerisUsed() const { return Ephemeris == kPrecise && EphemerisNote.empty() ? kPrecise : kBuiltIn; }

private:
    std::vector<std::unique_ptr<tPlanet>> bodies;
    double obliquity = 23.4392911, sinObliquity = 0.397777156, cosObliquity = 0.917482062;
};

// The whole computation: UT, Julian day, sidereal time, bodies 1..12,
// houses, zodiac shift, minor bodies; from the ephemeris the chart asks for.
void CalcChart(tChart& chart);

tSignDistribution SignDistribution(const tChart& chart);

}  // namespace quintara
