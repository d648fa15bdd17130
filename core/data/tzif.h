// Reader of compiled IANA time-zone files (TZif, RFC 8536), as installed
// under /usr/share/zoneinfo. Only the 64-bit data of version 2+ files is
// used; version 1 files are read from their 32-bit data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintara {

struct tTzType {
    std::int32_t utOffset = 0;  // seconds east of UT
    bool isDst = false;
    std::string abbreviation;   // "LMT" for local mean time
};

// The moments a transition may have once read: 0000-01-01 and
// 10000-01-01, seconds since 1970-01-01 00:00 UT.
inline constexpr std::int64_t kTzEarliest = -62167219200, kTzLatest = 253402300800;

struct tTzTransition {
    std::int64_t at = 0;  // seconds since 1970-01-01 00:00 UT
    int type = 0;         // index into tTzHistory::types
};

struct tTzHistory {
    std::vector<tTzType> types;              // types[0] holds before the first transition
    std::vector<tTzTransition> transitions;  // ascending
    std::string footer;                      // POSIX TZ rule after the last one ("" if none)

    // The type in force at a UT moment.
    const tTzType& TypeAt(std::int64_t utSeconds) const;
};

// Parses the bytes of a TZif file; nothing, with error set, when they are
// not one (short, bad magic, counts beyond the data, type index out of
// range, an offset beyond what the format allows). Transition times are
// kept within kTzEarliest .. kTzLatest.
std::optional<tTzHistory> ParseTzif(const std::string& bytes, std::string* error = nullptr);

// Reads dir/zoneName ("Europe/Paris"); rejects names that climb out of dir.
std::optional<tTzHistory> ReadZone(const std::string& dir, const std::string& zoneName, std::string* error = nullptr);

}  // namespace quintara
