// Whether a clock time exists at a place: a change to summer time skips an
// hour, a change back repeats one. Read from the same time tables as
// FindAdjust, for the new-chart dialog and the command line alike.
#pragma once

#include <string>

#include "core/chart/chart.h"

namespace quintara {

class TData1;

struct tClockTime {
    enum tKind { kNormal, kSkipped, kRepeated } kind = kNormal;
    // The zones in force before and after the change next to the clock
    // time (packed h.mm added to clock time to give UT); equal when normal.
    double adjustBefore = 0, adjustAfter = 0;
};

// The chart's clock time (Year..Minute) at its country and state, within
// a day of a change. The tables give a change's hour, not its
// minute, so the change is taken at the full hour.
tClockTime CheckClockTime(TData1& data, const tChart& chart);

// What a user is told of a clock time that is not normal, "" when it is:
// "02:30 does not exist that day (the clocks skipped it): UTC+01:00 before
// the change or UTC+02:00 after it; UTC+02:00 was taken".
std::string ClockTimeWarning(const tChart& chart, const tClockTime& clock);

}  // namespace quintara
