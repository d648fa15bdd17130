// Output of the "aspects" and "synastry" commands.
#pragma once

#include <string>

#include "core/aspects/aspects.h"
#include "core/i18n/languages.h"

namespace quintara::cli {

// One line per aspect (first body, aspect, second body, orb in d.mm,
// score), then the three totals.
std::string AspectsText(const tAspectsCollection& list, TLanguages& lang);
// {"aspects":[{body1,name1,aspect,aspect_name,body2,name2,orb,score}...],
//  "totals":{positive,negative,global}}
// Names in JSON are the built-in English ones whatever the language.
std::string AspectsJson(const tAspectsCollection& list);
// The built-in English name of aspect kind 1..21.
std::string EnglishAspectName(int aspect);

}  // namespace quintara::cli
