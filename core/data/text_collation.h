// Case-insensitive comparison of UTF-8 text for filters and lookups:
// "Évreux" equals "évreux", "Zürich" equals "ZÜRICH". Folds ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic capitals; other characters compare
// by code point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintara {

inline constexpr const char* kNoCaseCollation = "QNOCASE";
// Case and accents folded: "Zürich" equals "zurich", "São Paulo" equals
// "sao paulo", as users type place names. For searches, not for indexes
// of stored files.
inline constexpr const char* kBaseLetterCollation = "QBASE";

std::uint32_t FoldCase(std::uint32_t cp);

// <0, 0, >0 as a is before, equal to or after b, case folded.
int CompareNoCase(std::string_view a, std::string_view b);

// Case folded, then an accented Latin letter (Latin-1, Latin Extended-A, the
// Vietnamese letters) to its base letter: "Ø" and "ø" to "o", "ß" to "s".
std::uint32_t FoldBase(std::uint32_t cp);
int CompareBase(std::string_view a, std::string_view b);

// A key whose byte order is CompareBase's order and whose prefixes are the
// folded prefixes: each base-folded code point in three bytes, big-endian.
std::string BaseKey(std::string_view text);

}  // namespace quintara
