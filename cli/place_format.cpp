#include "cli/place_format.h"

#include <cmath>
#include <cstdio>

#include "core/data/text_collation.h"
#include "core/engine/angles.h"

namespace quintara::cli {

namespace {

std::string DegMin(double packed, char positive, char negative)
{
    const double decimal = std::fabs(DegMinToDecimal(packed));
    int deg = static_cast<int>(decimal);
    int min = static_cast<int>(std::lround((decimal - deg) * 60));
    if (min == 60) ++deg, min = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d%c%02d", deg, packed < 0 ? negative : positive, min);
    return buf;
}

}  // namespace

std::string LatitudeText(double packed) { return DegMin(packed, 'N', 'S'); }
std::string LongitudeText(double packed) { return DegMin(packed, 'W', 'E'); }

std::string AdjustText(double packed)
{
    const double hours = DegMinToDecimal(packed);
    const long minutes = std::lround(std::fabs(hours) * 60);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%c%ld.%02ld", hours < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return buf;
}

std::optional<tLocality> BestLocality(TData1& data, const std::string& name)
{
    const std::vector<tLocality> found = data.FindLocalities(name, 1);
    if (found.empty()) return std::nullopt;
    return found.front();
}

}  // namespace quintara::cli
