#include "core/i18n/text_encoding.h"

#include <cstdint>
#include <optional>

namespace quintara {

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x110000) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += "\xEF\xBF\xBD";  // beyond Unicode: U+FFFD
    }
}

std::size_t Utf8Length(std::string_view text)
{
    std::size_t chars = 0;
    for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
    return chars;
}

std::string PadUtf8(const std::string& text, std::size_t width)
{
    const std::size_t chars = Utf8Length(text);
    return chars >= width ? text + " " : text + std::string(width - chars, ' ');
}

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to U+FFFD.
constexpr std::uint16_t kHigh[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}  // namespace

std::optional<std::uint32_t> NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    int extra;
    std::uint32_t cp;
    if (c < 0x80) { ++i; return c; }
    if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
    else return std::nullopt;
    if (i + static_cast<std::size_t>(extra) >= s.size()) return std::nullopt;  // cut short
    for (int k = 1; k <= extra; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size())
        if (!NextCodePoint(s, i)) return false;
    return true;
}

std::string Utf8ToWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<std::uint32_t> cp = NextCodePoint(text, i);
        if (!cp) {
            ++i;
            out += '?';
        } else if (*cp < 0x80 || (*cp >= 0xA0 && *cp <= 0xFF)) {
            out += static_cast<char>(*cp);
        } else {
            char c = '?';
            for (int k = 0; k < 32; ++k)
                if (kHigh[k] == *cp && *cp != 0xFFFD) c = static_cast<char>(0x80 + k);
            out += c;
        }
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out += ch;
        else if (c < 0xA0) AppendUtf8(out, kHigh[c - 0x80]);
        else AppendUtf8(out, c);
    }
    return out;
}

std::string ValidUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + 8);
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t at = i;
        if (NextCodePoint(bytes, i)) out.append(bytes.substr(at, i - at));
        else ++i, out += "\xEF\xBF\xBD";
    }
    return out;
}

std::string ToUtf8(std::string_view bytes)
{
    // A byte-order mark says UTF-8; what does not decode is still replaced.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return ValidUtf8(bytes.substr(3));
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return Windows1252ToUtf8(bytes);
}

void AppendXmlEscaped(std::string& out, std::string_view text)
{
    const std::string valid = ValidUtf8(text);
    for (char c : valid) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
}

}  // namespace quintara

namespace quintara {

std::string FirstCodePoints(std::string_view text, std::size_t n)
{
    std::size_t chars = 0, i = 0;
    for (; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == n) break;
    return std::string(text.substr(0, i));
}

}  // namespace quintara
