#include "core/data/civil_date.h"

#include <cstdio>
#include <ctime>

namespace quintara {

// Era-based day counting (400-year cycles) keeps the arithmetic exact for
// negative years too.
std::int64_t DaysFromCivil(tCivilDate d)
{
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

tCivilDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

namespace {

tCivilDate FromTm(const std::tm& tm) { return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}; }

}  // namespace

tCivilDate LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return FromTm(tm);
}

tCivilDate UniversalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    return FromTm(tm);
}

std::string IsoDate(tCivilDate d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year < 1 ? 1 : d.year, d.month, d.day);
    return text;
}

}  // namespace quintara
