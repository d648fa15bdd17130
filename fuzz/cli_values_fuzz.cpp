// The typed values of the command line and the dialogs: each parser gives
// a value within its range or a message, never a wrong value silently.
#include <cmath>

#include "core/chart/chart_input.h"
#include "core/data/point_names.h"
#include "core/engine/body_numbers.h"
#include "core/i18n/default_body_names.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/engine/zodiac.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    std::string e;
    const auto answered = [&](bool ok) { fuzz::Require(ok || !e.empty(), "refused without a message"); e.clear(); };
    if (const auto v = ParseWhole(s, -1000, 1000, e)) fuzz::Require(*v >= -1000 && *v <= 1000, "whole number out of range");
    else answered(false);
    if (const auto v = ParseDegMin(s, e)) {
        fuzz::RequireFinite(*v, "d.mm not a number");
        fuzz::Require(std::fabs(FracPart(*v)) < 0.6, "minutes of 60 or more");
    } else answered(false);
    if (const auto v = ParseLatitude(s, e)) fuzz::Require(std::fabs(DegMinToDecimal(*v)) <= 90, "latitude out of range");
    else answered(false);
    if (const auto v = ParseLongitude(s, e)) fuzz::Require(std::fabs(DegMinToDecimal(*v)) <= 180, "longitude out of range");
    else answered(false);
    if (const auto v = ParseHouseSystem(s, e)) fuzz::Require(IsHouseSystem(*v) || *v == 255, "house system out of range");
    else answered(false);
    if (const auto v = ParseDaysHours(s, e)) fuzz::Require(*v > 0, "a step of nothing");
    else answered(false);
    if (const auto v = ParseTransitBodies(s, e))
        fuzz::Require((*v & ~(tBodyMask{0x7FE} | BodyBit(kChiron) | BodyBit(kVesta))) == 0, "a body that does not transit");
    else answered(false);
    if (const auto z = ParseZodiac(s, e)) {
        fuzz::Require(IsZodiacCode(z->code), "zodiac code out of range");
        const double a = BuiltInAyanamsa(z->code, 2451545.0 + std::fmod(static_cast<double>(size) * 977.0, 3e6), z->user);
        fuzz::RequireFinite(a, "ayanamsa not a number");
        // The text written for it reads back as the same zodiac.
        const auto back = ParseZodiac(ZodiacText(*z), e);
        fuzz::Require(back && back->code == z->code, "zodiac text does not read back");
    } else answered(false);
    // A point by name: one of the catalogue or a computed one, shown, or a message.
    const std::string key = PointKey(s);
    fuzz::Require(PointKey(key) == key, "a point key that folds again");
    std::vector<tPlanetRow> catalogue(2), rows;
    catalogue[0].Num = 301, catalogue[0].Name = "Lot of Fortune", catalogue[0].PointType = kLotPoint;
    catalogue[1].Num = 303, catalogue[1].Name = std::string(s.substr(0, 30)), catalogue[1].PointType = kLotPoint;
    catalogue[1].Plus1 = 303, catalogue[1].Plus2 = 301;
    if (AddPointNamed(catalogue, s, {}, rows, e)) {
        fuzz::Require(!rows.empty() && rows[0].Visible, "a point found but not shown");
        fuzz::Require(rows[0].PointType != kComputedPoint || IsComputedPoint(rows[0].Num), "no such computed point");
        fuzz::Require(rows.size() <= catalogue.size(), "a needed point twice");
    } else answered(false);
    fuzz::Require(AbbreviatedPointName(std::string(s)).size() <= 16, "a wheel label longer than four characters");
    tChartRequest r;
    if (ParseDate(s, r, e)) fuzz::Require(r.day >= 1 && r.day <= DaysInMonth(r.year, r.month), "day outside its month");
    else answered(false);
    if (ParseTime(s, r, e)) fuzz::Require(r.hour >= 0 && r.hour <= 23 && r.minute >= 0 && r.minute <= 59, "time out of range");
    else answered(false);
    return 0;
}
