// Whether a clock time exists at a place: a change to summer time skips an
// hour, a change back repeats one. Read from the same time tables as
// FindAdjust, for the new-chart dialog and the command line alike.
#pragma once

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

}  // namespace quintara
