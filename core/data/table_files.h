// Table files as files: chart files are chosen, copied, renamed and
// deleted by name. A table file must not be open while it is renamed or
// deleted.
#pragma once

#include <string>

namespace quintara {

// Renames the file and its journal files; refuses (false, error) to
// replace an existing file, so no table is lost by a slip of the name.
bool RenameTableFile(const std::string& from, const std::string& to, std::string* error = nullptr);

// Deletes the file and its journal files; false with error when it cannot.
bool DeleteTableFile(const std::string& path, std::string* error = nullptr);

// Whether a table file is whole, from its header alone (cheap enough for
// every start): false with why for an empty file, one that is not a table
// file, or one cut shorter than the pages its header counts (a copy or
// write stopped by a full disk). A file with a hot journal beside it is
// taken as whole: the storage finishes it on open.
bool TableFileWhole(const std::string& path, std::string* why = nullptr);

}  // namespace quintara
