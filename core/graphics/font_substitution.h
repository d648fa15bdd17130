// The fonts the pictures name, mapped to fonts installed here with the
// same metrics, and Wingdings zodiac codes to the Unicode zodiac signs.
#pragma once

#include <string>

namespace quintara {

struct tFontChoice {
    std::string Family;  // an installed family, with fallbacks for CSS
    std::string Text;    // UTF-8, symbol codes replaced
};

// "Wingdings" codes 94 to 105 (Aries to Pisces) become U+2648..U+2653 in a
// font that has them; other names map through one table; unknown names
// are kept with a sans-serif fallback.
tFontChoice SubstituteFont(const std::string& name, const std::string& text);

}  // namespace quintara
