#include "core/data/table_files.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
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

bool TableFileWhole(const std::string& path, std::string* why)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return Fail(why, "cannot be read (" + ec.message() + ")");
    if (size == 0) return Fail(why, "is empty");
    unsigned char header[100] = {};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const std::size_t got = f ? std::fread(header, 1, sizeof header, f) : 0;
    if (f) std::fclose(f);
    if (got < sizeof header || std::memcmp(header, "SQLite format 3", 16) != 0) return Fail(why, "is not a table file");
    if (fs::exists(path + "-journal", ec) || fs::exists(path + "-wal", ec)) return true;
    const std::uint32_t pageSize = header[16] == 0 && header[17] == 1 ? 65536u : (header[16] << 8u) | header[17];
    const std::uint32_t pages = (std::uint32_t{header[28]} << 24) | (header[29] << 16) | (header[30] << 8) | header[31];
    // The page count is valid only when its change counter matches.
    const bool counted = std::memcmp(header + 24, header + 92, 4) == 0 && pages > 0;
    if (counted && size < std::uintmax_t{pageSize} * pages) return Fail(why, "is cut short (damaged)");
    return true;
}

}  // namespace quintara
