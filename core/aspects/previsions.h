// Previsions: a moving chart compared with a natal chart at regular steps,
// each step's comparison aspects scored and summed.
#pragma once

#include <cstdint>
#include <vector>

#include "core/platform/progress.h"

namespace quintara {

class tAspectsCollection;
class tChart;

struct tPrevRecord {
    double Positive = 0.0;  // sum of the step's scores above 0
    double Negative = 0.0;  // sum of the scores of 0 and below
    double Total = 0.0;     // Positive + Negative
    // The moving chart's local date and clock time at that step.
    std::uint16_t Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
};

using tPrevCollection = std::vector<tPrevRecord>;

// natal (A): coarse steps take bodies out of the comparison by clearing
// their aspect flags here: the cusps above 6 hours, the Moon above 168,
// Mercury above 1440. moving (B): its clock set to the first step; it is
// computed at each step and left at the moment after the last. aspects:
// the comparison list, cleared and rebuilt at each step. stepHours >= 0.
// progress counts steps; when it asks to stop the list comes back empty
// (moving is then at some step of the way).
tPrevCollection BuildPrevisions(tChart& natal, tChart& moving, int steps, int stepHours,
                                tAspectsCollection& aspects, const tProgress& progress = {});

}  // namespace quintara
