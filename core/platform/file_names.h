// Names of files the settings point at: kept inside the program home.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// A file name alone: not empty, no separator ('/' or '\'), not "." or "..",
// no drive ("C:"). What a setting naming a file in the home must be.
bool IsBareFileName(std::string_view name);

// Whether a part of the path is "..": a relative name that climbs out of
// the folder it is taken in.
bool HasParentStep(std::string_view path);

// "what \"name\" is not a file name in the program home; fallback is used".
std::string RefusedFileName(const std::string& what, const std::string& name, const std::string& fallback);

}  // namespace quintara
