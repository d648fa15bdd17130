// The program's version: set once, as the build's project version.
#pragma once

namespace quintara {

inline constexpr const char* kVersion = QUINTARA_VERSION;
// The title of messages shown before the vocabulary is read.
inline constexpr const char* kProgramTitle = "Quintara " QUINTARA_VERSION;

}  // namespace quintara
