// Which interpretation file a report of a kind reads: the one the settings
// name for the language in use, or, when that language has none installed,
// the English one with a note saying so (never an empty report).
#pragma once

#include <string>

#include "core/options/main_options.h"

namespace quintara {

struct tAnalysisChoice {
    std::string path;  // in the program home
    std::string note;  // for the report when the English file stands in
};

tAnalysisChoice ChooseAnalysisFile(const TMainOptions& options, int kind);

}  // namespace quintara
