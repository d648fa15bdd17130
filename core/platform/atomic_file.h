// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// Writes bytes to a temporary file beside path, flushes it, then renames it
// over path. On failure path is untouched and error (if given) says why.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// A copy that appears whole at to or not at all (WriteFileAtomically).
bool CopyFileAtomically(const std::string& from, const std::string& to, std::string* error = nullptr);

// Renames path to a free name beside it (path.damaged, path.damaged1, ...)
// and returns that name; "" with error when it cannot.
std::string SetAside(const std::string& path, std::string* error = nullptr);

// Whole file into bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

bool FileExists(const std::string& path);

// dir + "/" + name, without doubling the separator.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace quintara
