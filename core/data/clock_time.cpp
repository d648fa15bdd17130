#include "core/data/clock_time.h"

#include <cmath>
#include <cstdio>

#include "core/data/civil_date.h"
#include "core/data/data_module.h"
#include "core/data/exchange_fields.h"
#include "core/engine/angles.h"

namespace quintara {

namespace {

constexpr std::int64_t kWindow = 25 * 60;  // minutes each side: a change may skip a whole day

std::int64_t ClockMinutes(const tChart& c)
{
    return DaysFromCivil({c.Year, c.Month, c.Day}) * 1440 + c.Hour * 60 + c.Minute;
}

// The zone the tables give for a clock time, in minutes east of UT.
long EastAt(TData1& data, const tChart& chart, std::int64_t minutes)
{
    const std::int64_t day = minutes >= 0 ? minutes / 1440 : (minutes - 1439) / 1440;
    const tCivilDate d = CivilFromDays(day);
    tChart probe;
    probe.Country = chart.Country;
    probe.State = chart.State;
    probe.Longitude = chart.Longitude;
    probe.Year = static_cast<std::uint16_t>(d.year);
    probe.Month = static_cast<std::uint16_t>(d.month);
    probe.Day = static_cast<std::uint16_t>(d.day);
    probe.Hour = static_cast<std::uint16_t>((minutes - day * 1440) / 60);
    data.FindAdjust(probe);
    return std::lround(-DegMinToDecimal(probe.Adjust) * 60);
}

double AdjustOf(long east) { return DecimalToDegMin(-east / 60.0); }

}  // namespace

tClockTime CheckClockTime(TData1& data, const tChart& chart)
{
    tClockTime r;
    const std::int64_t at = ClockMinutes(chart);
    if (chart.Year < 1 || chart.Year >= 65535) {  // no room for the window at the ends of the calendar
        r.adjustBefore = r.adjustAfter = AdjustOf(EastAt(data, chart, at));
        return r;
    }
    const long before = EastAt(data, chart, at - kWindow), after = EastAt(data, chart, at + kWindow);
    r.adjustBefore = AdjustOf(before);
    r.adjustAfter = AdjustOf(after);
    if (before == after) return r;
    // The first full hour, on the clock of the time before, the tables
    // count as after the change.
    const std::int64_t start = at - kWindow;
    std::int64_t change = start - ((start % 60) + 60) % 60;
    while (change < at + kWindow && EastAt(data, chart, change) == before) change += 60;
    const bool underBefore = at < change;
    const bool underAfter = at >= change + (after - before);
    if (!underBefore && !underAfter) r.kind = tClockTime::kSkipped;
    if (underBefore && underAfter) r.kind = tClockTime::kRepeated;
    return r;
}

std::string ClockTimeWarning(const tChart& chart, const tClockTime& clock)
{
    if (clock.kind == tClockTime::kNormal) return {};
    char hhmm[16];
    std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", chart.Hour % 100, chart.Minute % 100);
    return std::string(hhmm)
        .append(clock.kind == tClockTime::kSkipped ? " does not exist that day (the clocks skipped it)"
                                                   : " occurs twice that day (the clocks were turned back)")
        .append(": UTC")
        .append(UtcOffsetText(clock.adjustBefore))
        .append(" before the change or UTC")
        .append(UtcOffsetText(clock.adjustAfter))
        .append(" after it; UTC")
        .append(UtcOffsetText(chart.Adjust))
        .append(" was taken");
}

}  // namespace quintara
