#include "core/chart/time_lords.h"

#include <array>

#include "core/chart/chart_steps.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/houses.h"
#include "core/engine/julian_day.h"

namespace quintara {

int TraditionalRuler(int sign)
{
    static constexpr int kRulers[12] = {5, 4, 3, 2, 1, 3, 4, 5, 6, 7, 7, 6};
    return sign >= 1 && sign <= 12 ? kRulers[sign - 1] : 0;
}

namespace {

// Months between two dates on the calendar, counting a month complete on
// the day of the month it began (the 31st counts on the month's last day).
int CompletedMonths(const tDateTime& from, const tDateTime& to)
{
    int months = (to.year - from.year) * 12 + (to.month - from.month);
    if (to.day < from.day) {
        tDateTime last{to.year, to.month + 1, 0, 0, 0};  // this month's last day
        NormalizeDateTime(last);
        if (to.day < last.day) --months;
    }
    return months;
}

// The moment of the birth's clock on the anniversary `years` later.
double Anniversary(const tChart& natal, int years)
{
    const double days = DaysFromJ2000(natal.Year + years, natal.Month, natal.Day, 0) -
                        DaysFromJ2000(natal.Year, natal.Month, natal.Day, 0);
    return natal.Centuries + days / kDaysPerCentury;
}

}  // namespace

bool ProfectionAt(const tChart& natal, const tDateTime& date, tProfection& out)
{
    if (natal.HouseType == kTimeUnknown) return false;
    const int months = CompletedMonths({natal.Year, natal.Month, natal.Day, 0, 0}, date);
    if (months < 0) return false;
    const int asc = SignOf(natal.Ascendant());
    out.age = months / 12;
    out.month = months % 12;
    out.house = out.age % 12 + 1;
    out.annualSign = (asc - 1 + out.age) % 12 + 1;
    out.annualLord = TraditionalRuler(out.annualSign);
    out.monthlySign = (out.annualSign - 1 + out.month) % 12 + 1;
    out.monthlyLord = TraditionalRuler(out.monthlySign);
    return true;
}

std::vector<tFirdar> Firdaria(const tChart& natal)
{
    std::vector<tFirdar> out;
    if (natal.HouseType == kTimeUnknown) return out;
    // The day order of the planets, in which the parts follow their lord.
    static constexpr std::array<int, 7> kDayOrder = {1, 4, 3, 2, 7, 6, 5};
    static constexpr std::array<int, 7> kYears = {10, 8, 13, 9, 11, 12, 7};  // of kDayOrder's planets
    const bool day = natal.SunAboveHorizon();
    const std::size_t first = day ? 0 : 3;  // the Sun by day, the Moon by night
    int years = 0;
    const auto add = [&](int lord, int length, std::size_t order) {
        const double from = Anniversary(natal, years), to = Anniversary(natal, years + length);
        out.push_back({lord, 0, from, to});
        years += length;
        if (order >= 7) return;
        for (int k = 0; k < 7; ++k)
            out.push_back({lord, kDayOrder[(order + static_cast<std::size_t>(k)) % 7], from + (to - from) * k / 7,
                           from + (to - from) * (k + 1) / 7});
    };
    for (std::size_t k = 0; k < 7; ++k) {
        const std::size_t i = (first + k) % 7;
        add(kDayOrder[i], kYears[i], i);
    }
    add(kNode, 3, 7);
    add(kSouthNode, 2, 7);
    return out;
}

}  // namespace quintara
