#include "core/chart/planet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/i18n/default_body_names.h"
#include "core/i18n/languages.h"
#include "core/options/option_set.h"

namespace quintara {

void tPlanet::SetLongitude(double value)
{
    Longitude = value;
    InChartFrame = true;
    Plus1 = Plus2 = Minus1 = Divider = 0;
    Value = 0.0;
}

void tPlanet::SetFixedLongitude(double value)
{
    SetLongitude(value);
    if (IsFormula() || PointType == 2) PointType = 0;
    StarPlace = -1.0;
}

bool tPlanet::ReachesItself() const
{
    if (!owner) return false;
    // Depth-first over the formula terms; every formula point is visited once.
    std::vector<const tPlanet*> stack{this}, seen;
    while (!stack.empty()) {
        const tPlanet* p = stack.back();
        stack.pop_back();
        for (int n : {p->Plus1, p->Plus2, p->Minus1}) {
            if (n <= 0) continue;
            const tPlanet* t = owner->FindBody(n);
            if (!t || !t->IsFormula()) continue;
            if (t == this) return true;
            if (std::find(seen.begin(), seen.end(), t) != seen.end()) continue;
            seen.push_back(t);
            stack.push_back(t);
        }
    }
    return false;
}

double tPlanet::GetPosition() const
{
    // A defined point is worked out in the tropical zodiac (a formula over
    // the bodies' tropical longitudes, a star's catalogue place) and then
    // shifted as every body is: sidereal = tropical - ayanamsa.
    const double shift = Num > kJuno && !InChartFrame && owner ? owner->Ayanamsa : 0.0;
    if (PointType == 0) return Normalize360(Longitude - shift);
    // A computed point its ephemeris could not give has none: -1.
    if (PointType == kComputedPoint) return Longitude < 0 ? -1.0 : Normalize360(Longitude - shift);
    if (IsFormula() && ReachesItself()) return -1.0;
    // Without a birth time there are no angles, nor points made of them
    // (the Part of Fortune, the dominants), nor day and night.
    const bool noTime = owner && owner->HouseType == kTimeUnknown;
    if (IsFormula() && noTime && (UsesAngles() || BySect())) return -1.0;
    auto pos = [this, shift](int n) {
        const double p = owner ? owner->BodyPosition(n) : -1.0;
        return p < 0 ? p : p + shift;
    };
    if (PointType == 2 && StarPlace >= 0) return Normalize360(StarPlace - shift);
    if (PointType == 2)
        return Normalize360(Longitude + 1.391 * (owner ? owner->Centuries : 0.0) - shift);
    // A lot whose term the chart lacks (a lot of Spirit without Spirit) has
    // no position; the classic formulas count a missing term as -1.
    if (PointType == kLotPoint)
        for (int n : {Plus1, Plus2, Minus1})
            if (n > 0 && pos(n) < 0) return -1.0;
    double s = 0.0;
    // By night a lot takes its second term away and adds its third.
    const double sign = BySect() && owner && !owner->SunAboveHorizon() ? -1.0 : 1.0;
    if (Plus1 > 0) s += pos(Plus1);
    if (Plus2 > 0) s += sign * pos(Plus2);
    if (Minus1 > 0) s -= sign * pos(Minus1);
    if (PointType == 1 || PointType == kLotPoint) return Normalize360(s - shift);
    if (Divider == 2) {
        s /= 2.0;  // midpoint on the shorter arc
        if (pos(Plus1) - pos(Plus2) > 180.0) s -= 180.0;
        if (pos(Plus2) - pos(Plus1) > 180.0) s -= 180.0;
    } else if (Divider > 2) {
        s /= Divider;
    }
    return Normalize360(s + Value + Longitude - shift);
}

bool tPlanet::BySect() const
{
    return PointType == kLotPoint || (Num == kPartOfFortune && PointType == 1 && owner && owner->FortuneBySect);
}

double tPlanet::Declination() const { return DeclinationAt(GetPosition()); }

double tPlanet::DeclinationAt(double lon) const
{
    if (lon < 0 || !owner) return 0.0;
    const double l = (lon + (owner->Zodiac ? owner->Ayanamsa : 0.0)) * kDegToRad;
    const double se = owner->SinObliquity(), ce = owner->CosObliquity();
    // Most points lie on the ecliptic: one sine and an arcsine.
    if (Latitude == 0.0) return std::asin(se * std::sin(l)) * kRadToDeg;
    const double b = Latitude * kDegToRad;
    return std::asin(std::sin(b) * ce + std::cos(b) * se * std::sin(l)) * kRadToDeg;
}

bool tPlanet::OutOfBounds() const
{
    return owner && GetPosition() >= 0 && std::fabs(Declination()) > owner->Obliquity();
}

double tPlanet::RightAscension() const
{
    const double lon = GetPosition();
    if (lon < 0 || !owner) return 0.0;
    const double l = (lon + (owner->Zodiac ? owner->Ayanamsa : 0.0)) * kDegToRad, b = Latitude * kDegToRad;
    const double se = owner->SinObliquity(), ce = owner->CosObliquity();
    return Normalize360(std::atan2(std::sin(l) * ce - std::tan(b) * se, std::cos(l)) * kRadToDeg);
}

bool tPlanet::UsesAngles() const
{
    // Called once ReachesItself() is false: the terms form no cycle.
    for (int n : {Plus1, Plus2, Minus1}) {
        if (n >= kAscendant && n <= kLastCusp) return true;
        const tPlanet* t = n > 0 && owner ? owner->FindBody(n) : nullptr;
        if (t && t != this && t->IsFormula() && t->UsesAngles()) return true;
    }
    return false;
}

int tPlanet::Slot() const
{
    if (Num >= 1 && Num <= 12) return Num + 3;
    if (Num >= kAscendant && Num <= kLastCusp) return kSlotHouses;
    return -1;
}

std::uint32_t tPlanet::EffectiveColor() const
{
    if (Color != 0) return Color;
    const OptionSet* set = owner ? owner->Options : nullptr;
    if (set && Slot() >= 0) return set->Colors[static_cast<std::size_t>(Slot())];
    return 0xff0000;
}

std::int32_t tPlanet::EffectiveLineWidth() const
{
    if (LineWidth != 0) return LineWidth;
    const OptionSet* set = owner ? owner->Options : nullptr;
    if (set && Slot() >= 0) return set->LineWidths[static_cast<std::size_t>(Slot())];
    return 1;
}

std::string tPlanet::Name(TLanguages& languages) const
{
    std::string name = languages.PlanetName(Num);
    return name.empty() ? RowName : name;
}

std::string tPlanet::EnglishName() const
{
    std::string name = DefaultPlanetName(Num);
    return name.empty() ? RowName : name;
}

std::string tPlanet::ShortName(TLanguages& languages) const
{
    std::string name = languages.PlanetShortName(Num);
    return name.empty() ? AbbreviatedPointName(RowName) : name;
}

}  // namespace quintara
