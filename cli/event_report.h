// Output of the "transits" and "previsions" commands.
#pragma once

#include <string>

#include "aspects/previsions.h"
#include "aspects/transits.h"
#include "i18n/languages.h"

namespace quintara::cli {

// A heading, then four lines per event: bodies, aspect, angle, orb, "R"
// and score; then the begin, exact and end dates and times in universal
// time, in the date and time formats of lang.
std::string TransitsText(const tTransitsCollection& list, TLanguages& lang);
// {"events":[{transiting, transiting_name, aspect_index, aspect, aspect_name,
//  natal, natal_name, angle, orb, retrograde, score, begin, exact, end, moment}]}
// with times as "YYYY-MM-DDTHH:MMZ".
std::string TransitsJson(const tTransitsCollection& list, TLanguages& lang);

// Date, time, positive, negative and total per step.
std::string PrevisionsText(const tPrevCollection& list, TLanguages& lang);
// {"steps":[{date:"YYYY-MM-DD", time:"HH:MM", positive, negative, total}]}
std::string PrevisionsJson(const tPrevCollection& list);

}  // namespace quintara::cli
