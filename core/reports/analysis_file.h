// An analysis file: keyed sections of interpretation text ("\KEY text..."),
// found through an index file of 12-byte records (key length 7, the key
// padded with blanks, the little-endian offset of the section text) kept
// beside it. Texts are read as bytes; lines come out as UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quintara {

inline constexpr std::size_t kKeyLength = 7;
inline constexpr std::size_t kSectionLimit = 4000;  // characters of a section used, and of a line

// The index beside an analysis file: ".i" and the last two letters of its
// extension (analyse.agb -> analyse.igb).
std::string IndexPathFor(const std::string& analysisPath);

// A key cut to 7 characters and padded with blanks.
std::string PadKey(std::string_view key);

struct tIndexRecord {
    std::string Key;           // 7 characters
    std::uint32_t Offset = 0;  // first character of the section text
};

// Scans the bytes for sections. unbalanced(key) is called for a section
// whose braces do not balance (the key of that section; "" for text before
// the first key).
std::vector<tIndexRecord> BuildIndex(std::string_view bytes,
                                     const std::function<void(const std::string&)>& unbalanced = {});
std::string EncodeIndex(const std::vector<tIndexRecord>& records);
// False for data that is not a whole number of sound records.
bool DecodeIndex(std::string_view bytes, std::vector<tIndexRecord>& records);

// Appends the section that starts at offset to lines: a carriage return or
// a lone line feed ends a line, a tab is 8 blanks, other control
// characters are dropped; {male|female} groups print the variant of the
// chart's sex (nested groups on their own). Stops at the next backslash,
// after 4000 characters, or when a line reaches 4000 characters.
void PrintSection(std::string_view bytes, std::size_t offset, bool male, std::vector<std::string>& lines);

class tAnalysisFile {
public:
    // Reads the file and its index. An index that is missing, damaged,
    // pointing past the file or older than the file is rebuilt (and
    // written back when the folder allows). False with error when the
    // analysis file cannot be read.
    bool Open(const std::string& path, std::string& error,
              const std::function<void(const std::string&)>& unbalanced = {});

    // Offset of the section text of key, or -1.
    long long Find(std::string_view key) const;
    // Appends the section of key; false when there is none.
    bool Print(std::string_view key, bool male, std::vector<std::string>& lines) const;

    const std::string& Path() const { return path; }
    bool IndexRebuilt() const { return rebuilt; }

private:
    std::string path, bytes;
    std::vector<tIndexRecord> index;
    bool rebuilt = false;
};

}  // namespace quintara
