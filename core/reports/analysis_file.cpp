#include "core/reports/analysis_file.h"

#include <filesystem>
#include <system_error>

#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"

namespace quintara {
namespace {

constexpr std::size_t kRecordSize = 12;
constexpr std::size_t kTabWidth = 8;

bool IsKeyEnd(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string IndexPathFor(const std::string& analysisPath)
{
    const std::filesystem::path p(analysisPath);
    std::string ext = p.extension().string();  // ".agb"
    std::string tail = ext.size() >= 3 ? ext.substr(2, 2) : std::string();
    std::filesystem::path out = p;
    out.replace_extension(".i" + tail);
    return out.string();
}

std::string PadKey(std::string_view key)
{
    std::string k(key.substr(0, kKeyLength));
    k.resize(kKeyLength, ' ');
    return k;
}

std::vector<tIndexRecord> BuildIndex(std::string_view bytes, const std::function<void(const std::string&)>& unbalanced)
{
    std::vector<tIndexRecord> records;
    std::string key;  // of the section being scanned
    std::size_t i = 0;
    while (i < bytes.size()) {
        int depth = 0;
        bool sawKey = false;
        for (; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '{') ++depth;
            if (c == '}') --depth;
            if (c == '\\') {
                sawKey = true;
                ++i;
                break;
            }
        }
        if (depth != 0 && unbalanced) unbalanced(key);
        if (!sawKey) break;
        std::size_t n = 0;
        while (i < bytes.size() && n < kKeyLength && !IsKeyEnd(bytes[i]) && bytes[i] != '\\') ++i, ++n;
        key = std::string(bytes.substr(i - n, n));
        // The blank, tab or line end after the key belongs to neither.
        if (i < bytes.size() && IsKeyEnd(bytes[i])) ++i;
        records.push_back({PadKey(key), static_cast<std::uint32_t>(i)});
    }
    return records;
}

std::string EncodeIndex(const std::vector<tIndexRecord>& records)
{
    std::string out;
    out.reserve(records.size() * kRecordSize);
    for (const tIndexRecord& r : records) {
        out += static_cast<char>(kKeyLength);
        out += PadKey(r.Key);
        for (int b = 0; b < 4; ++b) out += static_cast<char>((r.Offset >> (8 * b)) & 0xff);
    }
    return out;
}

bool DecodeIndex(std::string_view bytes, std::vector<tIndexRecord>& records)
{
    records.clear();
    if (bytes.size() % kRecordSize != 0) return false;
    for (std::size_t at = 0; at < bytes.size(); at += kRecordSize) {
        if (static_cast<unsigned char>(bytes[at]) != kKeyLength) return false;
        std::uint32_t offset = 0;
        for (int b = 3; b >= 0; --b) offset = offset << 8 | static_cast<unsigned char>(bytes[at + 8 + static_cast<std::size_t>(b)]);
        records.push_back({std::string(bytes.substr(at + 1, kKeyLength)), offset});
    }
    return true;
}

namespace {

// printout over the bytes from offset: one pass with the group rule.
class tPrinter {
public:
    tPrinter(std::string_view bytes, std::size_t offset, bool male, std::vector<std::string>& lines)
        : bytes(bytes), at(offset), male(male), lines(lines)
    {
    }

    // The line being built when the section ends is added too, empty or not.
    void Run()
    {
        Text(true, false);
        EndLine();
    }

private:
    bool Done() const { return at >= bytes.size() || read >= kSectionLimit || line.size() >= kSectionLimit || ended; }

    void Append(std::string_view s) { line.append(s.substr(0, kSectionLimit - std::min(line.size(), kSectionLimit))); }
    void EndLine()
    {
        lines.push_back(ToUtf8(line));
        line.clear();
    }

    // inGroup: a brace group whose shown variant is visible.
    void Text(bool visible, bool inGroup)
    {
        while (!Done()) {
            const char c = bytes[at++];
            ++read;
            if (c == '\\') {
                ended = true;
                return;
            }
            if (inGroup && c == '|') {
                visible = !visible;
                continue;
            }
            if (inGroup && c == '}') return;
            if (c == '{') {
                Text(male, true);
                continue;
            }
            if (!visible) continue;
            if (c == '\t') Append(std::string(kTabWidth, ' '));
            else if (c == '\r') EndLine();
            else if (c == '\n') {
                // A lone line feed (a file saved on this platform) ends a line too.
                if (at < 2 || bytes[at - 2] != '\r') EndLine();
            } else if (static_cast<unsigned char>(c) >= 30) Append(std::string_view(&c, 1));
        }
    }

    std::string_view bytes;
    std::size_t at, read = 0;
    bool male;
    std::vector<std::string>& lines;
    std::string line;
    bool ended = false;
};

}  // namespace

void PrintSection(std::string_view bytes, std::size_t offset, bool male, std::vector<std::string>& lines)
{
    if (offset > bytes.size()) return;
    tPrinter(bytes, offset, male, lines).Run();
}

bool tAnalysisFile::Open(const std::string& p, std::string& error, const std::function<void(const std::string&)>& unbalanced)
{
    path = p;
    rebuilt = false;
    if (!ReadWholeFile(path, bytes)) {
        error = "cannot read the analysis file " + path;
        return false;
    }
    const std::string indexPath = IndexPathFor(path);
    std::string indexBytes;
    bool sound = ReadWholeFile(indexPath, indexBytes) && DecodeIndex(indexBytes, index);
    if (sound) {
        std::error_code e1, e2;
        const auto fileTime = std::filesystem::last_write_time(path, e1);
        const auto indexTime = std::filesystem::last_write_time(indexPath, e2);
        sound = !e1 && !e2 && indexTime >= fileTime;
        for (const tIndexRecord& r : index) sound = sound && r.Offset <= bytes.size();
    }
    if (!sound) {
        index = BuildIndex(bytes, unbalanced);
        rebuilt = true;
        WriteFileAtomically(indexPath, EncodeIndex(index));  // a read-only folder keeps the index in memory
    }
    return true;
}

long long tAnalysisFile::Find(std::string_view key) const
{
    const std::string k = PadKey(key);
    for (const tIndexRecord& r : index)
        if (r.Key == k) return r.Offset;
    return -1;
}

bool tAnalysisFile::Print(std::string_view key, bool male, std::vector<std::string>& lines) const
{
    const long long at = Find(key);
    if (at < 0) return false;
    PrintSection(bytes, static_cast<std::size_t>(at), male, lines);
    return true;
}

}  // namespace quintara
