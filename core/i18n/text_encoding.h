// Text of language and analysis files arrives as UTF-8 or Windows-1252;
// inside the program all text is UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

bool IsValidUtf8(std::string_view bytes);

// The code point of the UTF-8 sequence at s[i] (i < s.size()), moving i past
// it; nothing, with i unchanged, for a byte that starts no valid sequence.
std::optional<std::uint32_t> NextCodePoint(std::string_view s, std::size_t& i);

// A UTF-8 byte-order mark or valid UTF-8 keeps the bytes (mark removed,
// sequences that do not decode replaced by U+FFFD); anything else is read
// as Windows-1252.
std::string ToUtf8(std::string_view bytes);

// Valid UTF-8 from bytes that should be: each byte that starts no valid
// sequence becomes U+FFFD.
std::string ValidUtf8(std::string_view bytes);

std::string Windows1252ToUtf8(std::string_view bytes);
// The reverse; characters Windows-1252 lacks, and bytes that are not
// UTF-8, become '?'.
std::string Utf8ToWindows1252(std::string_view text);

// Appends code point cp (below U+10000) as UTF-8.
void AppendUtf8(std::string& out, std::uint32_t cp);

// Characters (code points) of UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first n code points of UTF-8 text (a text field's length).
std::string FirstCodePoints(std::string_view text, std::size_t n);

// Appends text for XML and HTML: & < > " as entities; control characters
// other than the tab are dropped (XML cannot hold them); bytes that are
// not UTF-8 become U+FFFD.
void AppendXmlEscaped(std::string& out, std::string_view text);

// text followed by blanks to width characters, or by one blank when longer.
std::string PadUtf8(const std::string& text, std::size_t width);

}  // namespace quintara
