#include "core/data/text_collation.h"

namespace quintara {
namespace {

// Next code point of UTF-8 text; a malformed byte stands for itself.
std::uint32_t NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto c = static_cast<unsigned char>(s[i++]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    std::uint32_t cp = extra == 3 ? c & 0x07u : extra == 2 ? c & 0x0Fu : extra == 1 ? c & 0x1Fu : c;
    if (c >= 0x80 && c < 0xC0) return c;
    for (; extra > 0; --extra) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return c;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
    }
    return cp;
}

}  // namespace

std::uint32_t FoldCase(std::uint32_t cp)
{
    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    if (cp < 0xC0) return cp;
    if (cp <= 0xDE) return cp == 0xD7 ? cp : cp + 32;  // not the multiplication sign
    if (cp >= 0x100 && cp <= 0x17F) {
        if (cp == 0x178) return 0xFF;  // Y with diaeresis
        if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) return cp % 2 == 1 ? cp + 1 : cp;
        if (cp == 0x130 || cp == 0x131 || cp == 0x138 || cp == 0x149 || cp == 0x17F) return cp;
        return cp % 2 == 0 ? cp + 1 : cp;
    }
    if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) return cp + 32;  // Greek
    if (cp >= 0x410 && cp <= 0x42F) return cp + 32;                 // Cyrillic
    if (cp >= 0x400 && cp <= 0x40F) return cp + 80;
    return cp;
}

std::uint32_t FoldBase(std::uint32_t cp)
{
    cp = FoldCase(cp);
    if (cp < 0xDF) return cp;
    // Lower-case Latin-1 letters from U+00DF, then Latin Extended-A from U+0100.
    static constexpr char kLatin1[] = "saaaaaaaceeeeiiiidnooooo\0ouuuuyty";
    static constexpr char kExtendedA[] =
        "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkkllllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuu"
        "uuuuwwyyyzzzzzzs";
    if (cp <= 0xFF) return kLatin1[cp - 0xDF] ? static_cast<std::uint32_t>(kLatin1[cp - 0xDF]) : cp;
    if (cp < 0x180) return static_cast<std::uint32_t>(kExtendedA[cp - 0x100]);
    if (cp == 0x1A0 || cp == 0x1A1) return 'o';
    if (cp == 0x1AF || cp == 0x1B0) return 'u';
    if (cp >= 0x1EA0 && cp <= 0x1EF9) {  // Vietnamese
        if (cp <= 0x1EB7) return 'a';
        if (cp <= 0x1EC7) return 'e';
        if (cp <= 0x1ECB) return 'i';
        if (cp <= 0x1EE3) return 'o';
        if (cp <= 0x1EF1) return 'u';
        return 'y';
    }
    return cp;
}

namespace {

template <std::uint32_t (*Fold)(std::uint32_t)>
int Compare(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::uint32_t x = Fold(NextCodePoint(a, i)), y = Fold(NextCodePoint(b, j));
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

int CompareNoCase(std::string_view a, std::string_view b) { return Compare<FoldCase>(a, b); }
int CompareBase(std::string_view a, std::string_view b) { return Compare<FoldBase>(a, b); }

std::string BaseKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size();) {
        const std::uint32_t cp = FoldBase(NextCodePoint(text, i));
        key += static_cast<char>((cp >> 16) & 0xFF);
        key += static_cast<char>((cp >> 8) & 0xFF);
        key += static_cast<char>(cp & 0xFF);
    }
    return key;
}

}  // namespace quintara
