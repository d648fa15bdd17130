// One body or point of a chart.
#pragma once

#include <cstdint>
#include <string>

#include "core/engine/body_numbers.h"

namespace quintara {

class tChart;
class TLanguages;

// Point kinds of the planets table past the classic 0..2 and formulas 3+:
// a point the program computes (its number says which, body_numbers.h), and
// a lot whose formula is reversed at night (Plus1 + Plus2 - Minus1 by day,
// Plus1 + Minus1 - Plus2 by night).
inline constexpr std::int32_t kComputedPoint = -1;
inline constexpr std::int32_t kLotPoint = -2;
inline constexpr int kPartOfFortune = 49;

class tPlanet {
public:
    explicit tPlanet(tChart* owner) : owner(owner) {}

    // Sets a fixed longitude (degrees) and clears any point formula.
    void SetLongitude(double value);
    // The same, and a sum, lot or star becomes a fixed point: they read
    // their terms or catalogue place, never Longitude (a midpoint chart's
    // points, which stand for no moment).
    void SetFixedLongitude(double value);
    // Position in degrees [0, 360), evaluating the point formula of PointType.
    // A formula point that refers to itself, directly or through other
    // formula points, has no position: -1.
    double GetPosition() const;

    // Equatorial place of date, degrees: declination [-90, 90] and right
    // ascension [0, 360), from the tropical longitude, the latitude and the
    // chart's obliquity; 0 for a body without a position.
    double Declination() const;
    // The same for its position lon (GetPosition's, known to the caller).
    double DeclinationAt(double lon) const;
    double RightAscension() const;
    // Declination beyond the Sun's greatest (the obliquity of the chart's date).
    bool OutOfBounds() const;

    // Own colour, else the option set's slot (bodies 1..12: n + 3; cusps:
    // "Houses"), else 0xff0000.
    std::uint32_t EffectiveColor() const;
    // Own width, else the option set's slot, else 1.
    std::int32_t EffectiveLineWidth() const;
    bool TakesPartInAspects() const { return Visible && Aspects; }
    // Names in the current language; a point the vocabulary has no name for
    // goes by its row's name (the short one abbreviated).
    std::string Name(TLanguages& languages) const;
    std::string ShortName(TLanguages& languages) const;
    // The built-in English name, else the row's: machine output's.
    std::string EnglishName() const;

    bool Visible = false;
    bool Aspects = false;
    std::uint32_t Color = 0;  // 0x00BBGGRR; 0 = take the option set's
    std::int32_t LineWidth = 0;
    std::int32_t Plus1 = 0, Plus2 = 0, Minus1 = 0;  // body numbers; <= 0 none
    std::int32_t Divider = 0;
    double Longitude = 0.0;  // degrees
    double Latitude = 0.0;   // degrees, ecliptic
    double Value = 0.0;      // degrees added by a formula
    tChart* owner;           // not owned
    std::int32_t Num = 0;
    std::int32_t PointType = 0;  // 0 fixed, 1 sum, 2 precessing star, 3+ formula
    std::int32_t Offset = 0;
    bool Retrograde = false;
    // Longitude was set in the chart's own zodiac (SetLongitude: a computed
    // position). A point as the planets table defines it is tropical, and a
    // sidereal chart shows it less its ayanamsa.
    bool InChartFrame = false;
    // The planets-table row's name (the English one of its reference row):
    // what a star is found by in the precise catalogue, what machine output
    // calls a point the vocabulary has no English name for.
    std::string RowName;
    // A star (PointType 2): its tropical longitude of date from the precise
    // catalogue (-1: none; the definition's precessed Longitude stands).
    double StarPlace = -1.0;

private:
    bool IsFormula() const { return PointType == 1 || PointType >= 3 || PointType == kLotPoint; }
    // The formula is reversed at night: a lot, or the Part of Fortune when
    // the chart asks for the rule of sect.
    bool BySect() const;
    bool ReachesItself() const;
    bool UsesAngles() const;  // a formula term is a cusp, at any depth
    int Slot() const;  // colour and line-width slot, -1 for none
};

}  // namespace quintara
