#include "core/graphics/font_substitution.h"

#include "core/i18n/text_encoding.h"
#include "core/platform/ascii.h"

namespace quintara {
namespace {

struct tSubstitute {
    const char* name;
    const char* family;
};

// Metric-compatible families from fonts-liberation, then DejaVu.
constexpr tSubstitute kTable[] = {
    {"Courier New", "Liberation Mono, DejaVu Sans Mono, monospace"},
    {"Courier", "Liberation Mono, DejaVu Sans Mono, monospace"},
    {"Times New Roman", "Liberation Serif, DejaVu Serif, serif"},
    {"New Times Roman", "Liberation Serif, DejaVu Serif, serif"},
    {"Arial", "Liberation Sans, DejaVu Sans, sans-serif"},
    {"MS Sans Serif", "Liberation Sans, DejaVu Sans, sans-serif"},
    {"Wingdings", "DejaVu Sans, sans-serif"},
};

}  // namespace

tFontChoice SubstituteFont(const std::string& name, const std::string& text)
{
    tFontChoice out{std::string(name) + ", DejaVu Sans, sans-serif", text};
    for (const tSubstitute& s : kTable)
        if (SameNameIgnoringCase(name, s.name)) out.Family = s.family;
    if (SameNameIgnoringCase(name, "Wingdings")) {
        out.Text.clear();
        for (char c : text) {
            const auto b = static_cast<unsigned char>(c);
            if (b >= 94 && b <= 105) AppendUtf8(out.Text, 0x2648 + (b - 94));
            else out.Text += c;
        }
    }
    return out;
}

}  // namespace quintara
