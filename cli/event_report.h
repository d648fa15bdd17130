// JSON output of the "transits" and "previsions" commands (their text is
// the report texts').
#pragma once

#include <string>

#include "core/aspects/previsions.h"
#include "core/aspects/transits.h"
#include "core/i18n/languages.h"

namespace quintara::cli {

// {"events":[{transiting, transiting_name, aspect_index, aspect, aspect_name,
//  natal, natal_name, angle, orb, retrograde, score, begin, exact, end, moment}]}
// with times in UT as "YYYY-MM-DDTHH:MM:00Z"; English names.
std::string TransitsJson(const tTransitsCollection& list);

// {"steps":[{time:"YYYY-MM-DDTHH:MM:00+01:00", positive, negative, total}]}
// on the clock of the zone adjust (packed h.mm added to the clock to give UT).
std::string PrevisionsJson(const tPrevCollection& list, double adjust);

}  // namespace quintara::cli
