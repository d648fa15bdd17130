#include "core/data/table_files.h"

#include <filesystem>
#include <system_error>

namespace quintara {
namespace fs = std::filesystem;

namespace {

// SQLite keeps a file's pending or recent changes beside it under these names.
constexpr const char* kCompanions[] = {"-journal", "-wal", "-shm"};

bool Fail(std::string* error, const std::string& text)
{
    if (error) *error = text;
    return false;
}

}  // namespace

bool RenameTableFile(const std::string& from, const std::string& to, std::string* error)
{
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return Fail(error, from + ": no such table file");
    if (fs::exists(to, ec)) return Fail(error, to + ": a file of that name exists already");
    for (const char* c : kCompanions)
        if (fs::exists(to + c, ec)) return Fail(error, to + c + ": a file of that name exists already");
    fs::rename(from, to, ec);
    if (ec) return Fail(error, "cannot rename " + from + " to " + to + ": " + ec.message());
    for (const char* c : kCompanions)
        if (fs::exists(from + c, ec)) fs::rename(from + c, to + c, ec);
    if (ec) return Fail(error, "renamed " + from + ", but not its journal: " + ec.message());
    return true;
}

bool DeleteTableFile(const std::string& path, std::string* error)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return Fail(error, path + ": no such table file");
    // The journal first: a file left without it is whole; the reverse is not.
    for (const char* c : kCompanions) fs::remove(path + c, ec);
    if (!fs::remove(path, ec) || ec) return Fail(error, "cannot delete " + path + (ec ? ": " + ec.message() : ""));
    return true;
}

}  // namespace quintara
