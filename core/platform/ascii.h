// ASCII-only text helpers for names in files (section, key and file names).
#pragma once

#include <string_view>

namespace quintara {

constexpr bool AsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Without leading and trailing blanks (spaces, tabs, line ends).
constexpr std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && AsciiSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && AsciiSpace(s.back())) s.remove_suffix(1);
    return s;
}

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal without regard to ASCII case, as the platform compares such names.
constexpr bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

}  // namespace quintara
