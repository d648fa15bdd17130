// What a chart picture is made from, as every picture of a run makes it:
// the context of the settings, and the picture's own copies of its charts.
#pragma once

#include <memory>

#include "core/chart/chart.h"
#include "core/graphics/picture_context.h"
#include "core/options/main_options.h"

namespace quintara {

// The vocabulary, house rule, aspect rules and transit aspects of the
// settings; no analysis file (the caller opens one for the information
// windows).
tPictureContext MakePictureContext(const TMainOptions& options, TLanguages& languages);

// Copies of a picture's charts, computed with the birth option set, or for
// a pair's picture (twoSets) with the first- and second-chart sets. second
// is held only when given and another chart than first.
struct tPictureCharts {
    tPictureCharts(TMainOptions& options, const tChart& first, const tChart* second, bool twoSets);
    tChart& First() { return *first; }
    tChart& Second() { return second ? *second : *first; }

    std::unique_ptr<tChart> first, second;
};

}  // namespace quintara
