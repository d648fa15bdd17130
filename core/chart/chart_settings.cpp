#include "core/chart/chart_settings.h"

#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/engine/houses.h"

namespace quintara {
namespace {

std::string Describe(int houseType, int zodiac)
{
    return std::string(HouseSystemName(houseType)) + " houses, " + (zodiac ? "sidereal" : "tropical");
}

bool TimeKnown(const tChart& c) { return c.HouseType != kTimeUnknown; }

bool Differs(const tChart& c, int houseType, int zodiac)
{
    return (TimeKnown(c) && c.HouseType != houseType) || (c.Zodiac != 0) != (zodiac != 0);
}

}  // namespace

std::string SettingsDifference(const tChart& c, int houseType, int zodiac)
{
    if (!Differs(c, houseType, zodiac)) return {};
    return "Cast with " + Describe(TimeKnown(c) ? c.HouseType : houseType, c.Zodiac) + "; the settings say " +
           Describe(houseType, zodiac) + " (File > Recast with the current settings)";
}

bool RecastWithSettings(tChart& c, int houseType, int zodiac)
{
    if (!Differs(c, houseType, zodiac)) return false;
    if (TimeKnown(c)) c.HouseType = static_cast<std::uint8_t>(houseType);
    c.Zodiac = zodiac;
    CalcChart(c);
    return true;
}

}  // namespace quintara
