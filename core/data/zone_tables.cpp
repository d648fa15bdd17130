#include "core/data/zone_tables.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

#include "core/data/civil_date.h"
#include "core/engine/angles.h"

namespace quintara {

namespace {

constexpr const char* kFirstDate = "0001-01-01";

struct tPeriod {
    std::int64_t start;  // UT seconds; only meaningful from the second period on
    const tTzType* type;
};

// "LMT" is local mean time; "-00" marks a place with no local time at all.
std::optional<double> CodeOf(const tTzType& t)
{
    if (t.abbreviation == "LMT") return kAdjustLocalMeanTime;
    if (t.abbreviation == "-00") return kAdjustUnknown;
    return std::nullopt;
}

double ToAdjust(std::int32_t secondsEast) { return DecimalToDegMin(-secondsEast / 3600.0); }

// Standard offset of period i: its own when not summer time; else that of
// the nearest standard period before or after it, whichever lies closer to
// the summer offset (a zone that crossed the date line in summer time, like
// Samoa at the end of 2011, has a standard time a day away behind it).
std::int32_t StandardOffset(const std::vector<tPeriod>& p, std::size_t i)
{
    auto plain = [&](std::size_t k) { return !p[k].type->isDst && !CodeOf(*p[k].type); };
    if (plain(i)) return p[i].type->utOffset;
    std::optional<std::int32_t> before, after;
    for (std::size_t k = i; k-- > 0 && !before;)
        if (plain(k)) before = p[k].type->utOffset;
    for (std::size_t k = i + 1; k < p.size() && !after; ++k)
        if (plain(k)) after = p[k].type->utOffset;
    const std::int32_t own = p[i].type->utOffset;
    if (before && after) {
        const auto distance = [own](std::int32_t s) { return std::abs(std::int64_t{own} - s); };
        return distance(*after) < distance(*before) ? *after : *before;
    }
    if (before) return *before;
    if (after) return *after;
    return p[i].type->isDst ? own - 3600 : 0;
}

}  // namespace

tZoneTables MakeZoneTables(const tTzHistory& h, int lastYear)
{
    tZoneTables out;
    if (h.types.empty()) return out;
    const std::int64_t end = DaysFromCivil({lastYear + 1, 1, 1}) * 86400;
    std::vector<tPeriod> periods{{0, &h.types.front()}};
    for (const tTzTransition& t : h.transitions)
        if (t.at < end) periods.push_back({t.at, &h.types[t.type]});

    std::optional<double> lastStandard, lastCorrection;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const tTzType& type = *periods[i].type;
        std::string date = kFirstDate;
        int hour = 0;
        if (i > 0) {
            const std::int64_t local = periods[i].start + periods[i - 1].type->utOffset;
            const std::int64_t day = local >= 0 ? local / 86400 : (local - 86399) / 86400;
            date = IsoDate(CivilFromDays(day));
            hour = static_cast<int>((local - day * 86400) / 3600);
        }
        const std::int32_t standard = StandardOffset(periods, i);
        const std::optional<double> code = CodeOf(type);
        const double correction = code ? *code : ToAdjust(type.utOffset - standard);
        const double standardAdjust = ToAdjust(standard);
        if (!lastStandard || *lastStandard != standardAdjust) {
            out.standard.push_back({date, hour, standardAdjust});
            lastStandard = standardAdjust;
        }
        if (!lastCorrection || *lastCorrection != correction) {
            out.corrections.push_back({date, hour, correction, code.has_value()});
            lastCorrection = correction;
        }
    }
    out.rule = h.footer;
    out.ruleAfter = periods.size() > 1 ? periods.back().start : kTzEarliest;
    if (periods.size() - 1 < h.transitions.size()) out.ruleAfter = end;
    return out;
}

}  // namespace quintara
