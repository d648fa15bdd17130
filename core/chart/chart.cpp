#include "core/chart/chart.h"

#include <cmath>

#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/i18n/languages.h"
#include "core/options/option_set.h"

namespace quintara {

namespace {

const std::string& RowNameOf(const tPlanetRow& r) { return r.Name; }
const std::string& RowNameOf(const tPlanet& p) { return p.RowName; }

// How a point is shown and formed, from a planets-table row or another
// chart's point (the fields are named alike).
template <class tFrom>
tPlanet& CopyDefinition(tPlanet& b, const tFrom& from)
{
    b.RowName = RowNameOf(from);
    b.Visible = from.Visible;
    b.Aspects = from.Aspects;
    b.PointType = from.PointType;
    b.Longitude = from.Longitude;
    b.Latitude = from.Latitude;
    b.Plus1 = from.Plus1;
    b.Plus2 = from.Plus2;
    b.Minus1 = from.Minus1;
    b.Divider = from.Divider;
    b.Value = from.Value;
    b.Offset = from.Offset;
    return b;
}

}  // namespace

tChart::tChart(const OptionSet* options) : Options(options)
{
    bodies.reserve(kJuno + 8);
    for (int n = 1; n <= kJuno; ++n) {
        tPlanet& b = AddBody(n);
        if (options) {
            b.Visible = options->Shows(n);
            b.Aspects = options->ShowsAspectsOf(n);
        }
    }
}

tChart::tChart(const OptionSet* options, std::span<const tPlanetRow> rows, TLanguages* languages)
    : tChart(options)
{
    AddRows(rows, languages);
}

void tChart::AddRows(std::span<const tPlanetRow> rows, TLanguages* languages)
{
    for (const tPlanetRow& r : rows) {
        if (languages) {
            if (languages->PlanetName(r.Num).empty() && !r.Name.empty())
                languages->SetPlanetName(r.Num, r.Name);
            if (languages->PlanetShortName(r.Num).empty() && !r.ShortName.empty())
                languages->SetPlanetShortName(r.Num, r.ShortName);
        }
        CopyDefinition(AddBody(r.Num), r);
    }
}

void tChart::CopyPointsOf(const tChart& o)
{
    for (int p = kJuno + 1; p <= o.BodyCount(); ++p) {
        const tPlanet& from = *o.BodyAt(p);
        tPlanet& b = CopyDefinition(AddBody(from.Num), from);
        b.InChartFrame = from.InChartFrame;
        b.Color = from.Color;
        b.LineWidth = from.LineWidth;
    }
}

void tChart::Assign(const tChart& o)
{
    Index = o.Index;
    Name = o.Name;
    FirstName = o.FirstName;
    Comment = o.Comment;
    Reference = o.Reference;
    BirthPlace = o.BirthPlace;
    Ayanamsa = o.Ayanamsa;
    Zodiac = o.Zodiac;
    UserAyanamsa = o.UserAyanamsa;
    ChartType = o.ChartType;
    HouseType = o.HouseType;
    Sex = o.Sex;
    Country = o.Country;
    State = o.State;
    Year = o.Year;
    Month = o.Month;
    Day = o.Day;
    Hour = o.Hour;
    Minute = o.Minute;
    Second = o.Second;
    Adjust = o.Adjust;
    Longitude = o.Longitude;
    Latitude = o.Latitude;
    Ephemeris = o.Ephemeris;
    MeanNode = o.MeanNode;
    FortuneBySect = o.FortuneBySect;
}

std::int32_t tChart::EffectiveAspectTypes(std::int32_t optionAspectTypes) const
{
    return AspectTypes == 255 ? optionAspectTypes : AspectTypes;
}

tSignDistribution SignDistribution(const tChart& chart)
{
    tSignDistribution d{};
    for (int n = 1; n <= 10; ++n) {
        const double lon = chart.BodyPosition(n);
        if (lon < 0.0) continue;
        const int s = SignOf(lon);
        ++d[s % 2 == 1 ? 0 : 1];
        ++d[2 + (s - 1) % 3];
        ++d[5 + (s - 1) % 4];
    }
    return d;
}

tPlanet& tChart::AddBody(int num)
{
    bodies.push_back(std::make_unique<tPlanet>(this));
    bodies.back()->Num = num;
    return *bodies.back();
}

tPlanet* tChart::BodyAt(int p)
{
    return p >= 1 && p <= BodyCount() ? bodies[p - 1].get() : nullptr;
}

const tPlanet* tChart::BodyAt(int p) const
{
    return p >= 1 && p <= BodyCount() ? bodies[p - 1].get() : nullptr;
}

const tPlanet* tChart::FindBody(int n) const
{
    if (n < 0) return nullptr;
    if (const tPlanet* at = BodyAt(n); at && at->Num == n) return at;
    const tPlanet* found = nullptr;
    for (const auto& b : bodies)
        if (b->Num == n) found = b.get();  // the last one wins
    return found;
}

tPlanet* tChart::FindBody(int n)
{
    return const_cast<tPlanet*>(static_cast<const tChart*>(this)->FindBody(n));
}

double tChart::BodyPosition(int n) const
{
    const tPlanet* b = FindBody(n);
    return b ? b->GetPosition() : -1.0;
}

double tChart::AspectPosition(int n) const
{
    if ((n != kAscendant && n != kMidheaven) || HouseType == kTimeUnknown || !FindBody(n) || AngleOnCusp(n))
        return BodyPosition(n);
    return n == kAscendant ? Ascendant() : Midheaven();
}

void tChart::SetBodyLongitude(int n, double value)
{
    if (tPlanet* b = FindBody(n)) b->SetLongitude(value);
}

void tChart::SetBodyLatitude(int n, double value)
{
    if (tPlanet* b = FindBody(n)) b->Latitude = value;
}

double tChart::Ascendant() const { return Normalize360(TropicalAsc - (Zodiac ? Ayanamsa : 0.0)); }
double tChart::Midheaven() const { return Normalize360(TropicalMc - (Zodiac ? Ayanamsa : 0.0)); }

void tChart::SetObliquity(double degrees)
{
    obliquity = degrees;
    sinObliquity = std::sin(degrees * kDegToRad);
    cosObliquity = std::cos(degrees * kDegToRad);
}

bool tChart::SunAboveHorizon() const
{
    const double sun = BodyPosition(kSun);
    return sun >= 0 && Normalize360(sun + (Zodiac ? Ayanamsa : 0.0) - TropicalAsc) >= 180.0;
}

bool tChart::AngleOnCusp(int body) const
{
    const double angle = body == kAscendant ? Ascendant() : body == kMidheaven ? Midheaven() : -1;
    return angle >= 0 && std::fabs(std::remainder(angle - HouseCusp(body - 12), 360.0)) < 1e-6;
}

double tChart::HouseCusp(int n) const
{
    return n >= 1 && n <= 12 ? BodyPosition(12 + n) : -1.0;
}

void tChart::SetHouseCusp(int n, double value)
{
    if (n >= 1 && n <= 12) SetBodyLongitude(12 + n, value);
}

bool tChart::Retrograde(int n) const
{
    const tPlanet* b = FindBody(n);
    return b && b->Retrograde;
}

void tChart::SetRetrograde(int n, bool flag)
{
    if (tPlanet* b = FindBody(n)) b->Retrograde = flag;
}

}  // namespace quintara
