// Output of the "aspects" and "synastry" commands.
#pragma once

#include <string>

#include "core/aspects/aspects.h"
#include "core/i18n/languages.h"

namespace quintara::cli {

// One line per aspect (first body, aspect, second body, orb in d.mm,
// score), then the three totals.
std::string AspectsText(const tAspectsCollection& list, TLanguages& lang, const tChart* chart = nullptr);
// {"aspects":[{body1,name1,aspect,aspect_name,body2,name2,orb,score}...],
//  "totals":{positive,negative,global}}
// Names in JSON are the built-in English ones whatever the language; a
// point the vocabulary lacks goes by its row in chart.
std::string AspectsJson(const tAspectsCollection& list, const tChart* chart = nullptr);
// The built-in English name of aspect kind 1..21, 22 and 23 (the parallels).
std::string EnglishAspectName(int aspect);

}  // namespace quintara::cli
