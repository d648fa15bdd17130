// Settings-layout text files ("[Section]" headers, "Key=Value" lines), our
// own reader and writer in place of the platform's profile functions.
//
// Reading never fails: whatever cannot be parsed reads as the caller's
// default. Writing keeps every line it did not change (comments, unknown
// keys, lines it could not parse) and replaces the file atomically.
// Section and key names compare without regard to ASCII case. With
// duplicate sections or keys the first one counts, for reads and writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quintara {

class tProfileFile {
public:
    tProfileFile() = default;
    explicit tProfileFile(std::string path);

    // (Re)reads the file; a missing or unreadable file gives an empty profile.
    void Reload();
    // Takes text already read (and decoded) from path; nothing to write yet
    // (Whole() tells of it as of a file read).
    void Assign(std::string path, const std::string& text);
    // Writes the profile if anything changed since the last load or save.
    bool Flush(std::string* error = nullptr);
    const std::string& Path() const { return path; }
    // False when the text last read cannot be the whole of a file as
    // written (every line ends in a line feed, no NUL byte): cut short by a
    // copy or disk that stopped. Its values are not to be trusted.
    bool Whole() const { return whole; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // Whole decimal integer (optional sign, surrounding blanks); else fallback.
    std::int32_t ReadInteger(const std::string& section, const std::string& key,
                             std::int32_t fallback) const;
    // Integer, non-zero is true.
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
    // Decimal text with '.' or ',' as separator; else fallback.
    double ReadFloat(const std::string& section, const std::string& key, double fallback) const;
    bool HasKey(const std::string& section, const std::string& key) const;
    // Keys of a section in file order (first of duplicates only).
    std::vector<std::string> Keys(const std::string& section) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    // Shortest text that reads back as the same double.
    void WriteFloat(const std::string& section, const std::string& key, double value);
    // The same for a single-precision setting ("1.1", not "1.100000023841858").
    void WriteSingle(const std::string& section, const std::string& key, float value);

    // The file's text as it would be written.
    std::string Text() const;
    void SetText(const std::string& text);

private:
    struct tLine {
        std::string raw;          // the line as read (or as last written)
        std::string key, value;   // valid when isKey
        bool isKey = false;
    };
    struct tSection {
        std::string name;  // empty for lines before the first header
        std::vector<tLine> lines;
    };

    const tLine* Find(const std::string& section, const std::string& key) const;
    tSection* FindSection(const std::string& name);
    const tSection* FindSection(const std::string& name) const;

    std::string path;
    std::vector<tSection> sections = std::vector<tSection>(1);  // [0]: lines before any header
    bool dirty = false;
    bool whole = true;
};

}  // namespace quintara
