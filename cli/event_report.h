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
// with times as "YYYY-MM-DDTHH:MMZ".
std::string TransitsJson(const tTransitsCollection& list, TLanguages& lang);

// {"steps":[{date:"YYYY-MM-DD", time:"HH:MM", positive, negative, total}]}
std::string PrevisionsJson(const tPrevCollection& list);

}  // namespace quintara::cli
