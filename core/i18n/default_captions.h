// The built-in English vocabulary: caption numbers 0..kCaptionCount - 1.
#pragma once

#include <string_view>

namespace quintara {

inline constexpr int kCaptionCount = 480;

// Empty outside them and for the numbers without default text.
std::string_view DefaultCaption(int n);

// Caption numbers other parts look words up by.
inline constexpr int kCaptionFirstSign = 1;         // 1..12 Aries..Pisces
inline constexpr int kCaptionFirstSignShort = 61;   // 61..72
inline constexpr int kCaptionAspectOffset = 140;    // aspect a is caption a + 140

}  // namespace quintara
