#include "core/chart/chart_settings.h"

#include <cmath>

#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/engine/houses.h"

namespace quintara {
namespace {

std::string Describe(int houseType, const tZodiacChoice& zodiac)
{
    return std::string(HouseSystemName(houseType)) + " houses, " + ZodiacName(zodiac);
}

bool TimeKnown(const tChart& c) { return c.HouseType != kTimeUnknown; }

bool Differs(const tChart& c, int houseType, const tZodiacChoice& zodiac)
{
    if ((TimeKnown(c) && c.HouseType != houseType) || c.Zodiac != zodiac.code) return true;
    // A stored chart keeps its own moment as the reference: the same
    // ayanamsa if both give the same value there.
    return zodiac.code == kUserAyanamsa && std::fabs(BuiltInAyanamsa(kUserAyanamsa, c.JulianDay, c.UserAyanamsa) -
                                                     BuiltInAyanamsa(kUserAyanamsa, c.JulianDay, zodiac.user)) > 1e-7;
}

}  // namespace

std::string ZodiacName(const tZodiacChoice& zodiac)
{
    if (!IsSidereal(zodiac.code)) return "tropical";
    if (zodiac.code == kClassicSidereal) return "sidereal";
    return "sidereal (" + std::string(AyanamsaEnglishName(zodiac.code)) + ")";
}

void SetZodiac(tChart& chart, const tZodiacChoice& zodiac)
{
    chart.Zodiac = zodiac.code;
    chart.UserAyanamsa = zodiac.user;
}

std::string SettingsDifference(const tChart& c, int houseType, const tZodiacChoice& zodiac)
{
    if (!Differs(c, houseType, zodiac)) return {};
    return "Cast with " + Describe(TimeKnown(c) ? c.HouseType : houseType, {c.Zodiac, c.UserAyanamsa}) +
           "; the settings say " + Describe(houseType, zodiac) + " (File > Recast with the current settings)";
}

bool RecastWithSettings(tChart& c, int houseType, const tZodiacChoice& zodiac)
{
    if (!Differs(c, houseType, zodiac)) return false;
    if (TimeKnown(c)) c.HouseType = static_cast<std::uint8_t>(houseType);
    SetZodiac(c, zodiac);
    CalcChart(c);
    return true;
}

}  // namespace quintara
