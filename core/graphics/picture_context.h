// What chart pictures read besides the charts: the vocabulary (body and
// sign names, captions), the house and aspect rules, and the analysis file
// for the extended information windows (none: no interpretation).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "core/aspects/aspects.h"
#include "core/chart/house_membership.h"
#include "core/i18n/languages.h"

namespace quintara {

class tAnalysisFile;

struct tPictureContext {
    TLanguages* Lang = nullptr;  // not owned
    tHouseRule HouseRule;
    tAspectRules AspectRules;
    const tAnalysisFile* Analysis = nullptr;  // not owned
    // Aspect kinds of the transit line graph ([k - 1]: kind k); none: all five.
    const std::array<bool, 36>* TransitAspects = nullptr;
};

struct tPoint {
    std::int32_t x = 0, y = 0;
    bool operator==(const tPoint&) const = default;
};

// Nearest integer, ties to even.
inline std::int32_t RoundI(double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

// The point at radius r and angle a (radians): angle 0 at nine o'clock,
// counter-clockwise on the screen.
inline tPoint WheelPoint(double r, double a) { return {-RoundI(r * std::cos(a)), RoundI(r * std::sin(a))}; }

}  // namespace quintara
