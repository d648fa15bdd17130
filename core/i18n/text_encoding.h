// Text of language and analysis files arrives as UTF-8 or Windows-1252;
// inside the program all text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

bool IsValidUtf8(std::string_view bytes);

// A UTF-8 byte-order mark or valid UTF-8 keeps the bytes (mark removed);
// anything else is read as Windows-1252.
std::string ToUtf8(std::string_view bytes);

std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace quintara
