#include "core/data/tzif.h"

#include <algorithm>

#include "core/platform/atomic_file.h"

namespace quintara {

namespace {

bool Fail(std::string* error, const std::string& text)
{
    if (error) *error = text;
    return false;
}

class tReader {
public:
    explicit tReader(const std::string& b) : bytes(b) {}
    bool Has(std::size_t n) const { return n <= bytes.size() - pos; }
    std::uint8_t U8() { return static_cast<std::uint8_t>(bytes[pos++]); }
    std::int64_t Signed(int width)
    {
        std::uint64_t v = 0;
        for (int i = 0; i < width; ++i) v = (v << 8) | U8();
        if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return static_cast<std::int64_t>(v);
    }
    void Skip(std::size_t n) { pos += n; }
    std::size_t Pos() const { return pos; }
    const std::string& Bytes() const { return bytes; }

private:
    const std::string& bytes;
    std::size_t pos = 0;
};

struct tCounts {
    std::uint64_t isUt, isStd, leap, time, type, chars;
};

bool ReadHeader(tReader& r, tCounts& c, char& version, std::string* error)
{
    if (!r.Has(44)) return Fail(error, "not a TZif file: too short");
    if (r.Bytes().compare(r.Pos(), 4, "TZif") != 0) return Fail(error, "not a TZif file: bad magic");
    r.Skip(4);
    version = static_cast<char>(r.U8());
    r.Skip(15);
    std::uint64_t* fields[] = {&c.isUt, &c.isStd, &c.leap, &c.time, &c.type, &c.chars};
    for (std::uint64_t* f : fields) *f = static_cast<std::uint32_t>(r.Signed(4));
    if (c.type == 0) return Fail(error, "TZif file has no local time type");
    return true;
}

bool ReadBlock(tReader& r, const tCounts& c, int timeWidth, tTzHistory* out, std::string* error)
{
    const std::uint64_t size = c.time * timeWidth + c.time + c.type * 6 + c.chars +
                               c.leap * (timeWidth + 4) + c.isStd + c.isUt;
    if (size > r.Bytes().size() || !r.Has(size)) return Fail(error, "TZif file is cut short");
    if (!out) {
        r.Skip(size);
        return true;
    }
    out->transitions.resize(c.time);
    // Times before year 0 or from year 10000 on (the format's "big bang"
    // sentinel among them) lie outside every table: they are moved to those
    // ends, where arithmetic on them cannot overflow.
    for (tTzTransition& t : out->transitions) t.at = std::clamp(r.Signed(timeWidth), kTzEarliest, kTzLatest);
    for (tTzTransition& t : out->transitions) {
        t.type = r.U8();
        if (static_cast<std::uint64_t>(t.type) >= c.type) return Fail(error, "TZif transition names a missing type");
    }
    std::vector<std::uint8_t> abbrIndex(c.type);
    out->types.resize(c.type);
    for (std::size_t i = 0; i < c.type; ++i) {
        const std::int64_t offset = r.Signed(4);
        // RFC 8536: within -24:59:59 .. +25:59:59.
        if (offset < -89999 || offset > 93599) return Fail(error, "TZif offset out of range");
        out->types[i].utOffset = static_cast<std::int32_t>(offset);
        out->types[i].isDst = r.U8() != 0;
        abbrIndex[i] = r.U8();
    }
    const std::string chars = r.Bytes().substr(r.Pos(), c.chars);
    r.Skip(c.chars);
    for (std::size_t i = 0; i < c.type; ++i) {
        if (abbrIndex[i] >= chars.size()) return Fail(error, "TZif abbreviation index out of range");
        out->types[i].abbreviation = chars.substr(abbrIndex[i], chars.find('\0', abbrIndex[i]) - abbrIndex[i]);
    }
    r.Skip(c.leap * (timeWidth + 4) + c.isStd + c.isUt);
    if (!std::is_sorted(out->transitions.begin(), out->transitions.end(),
                        [](const tTzTransition& a, const tTzTransition& b) { return a.at < b.at; }))
        return Fail(error, "TZif transitions out of order");
    return true;
}

}  // namespace

const tTzType& tTzHistory::TypeAt(std::int64_t utSeconds) const
{
    auto it = std::upper_bound(transitions.begin(), transitions.end(), utSeconds,
                               [](std::int64_t t, const tTzTransition& x) { return t < x.at; });
    if (it == transitions.begin()) return types.front();
    return types[std::prev(it)->type];
}

std::optional<tTzHistory> ParseTzif(const std::string& bytes, std::string* error)
{
    tReader r(bytes);
    tCounts c{};
    char version = 0;
    if (!ReadHeader(r, c, version, error)) return std::nullopt;
    tTzHistory h;
    if (version == '\0') {
        if (!ReadBlock(r, c, 4, &h, error)) return std::nullopt;
        return h;
    }
    if (!ReadBlock(r, c, 4, nullptr, error) || !ReadHeader(r, c, version, error) || !ReadBlock(r, c, 8, &h, error))
        return std::nullopt;
    const std::string& b = r.Bytes();
    if (r.Pos() < b.size() && b[r.Pos()] == '\n') {
        const std::size_t end = b.find('\n', r.Pos() + 1);
        if (end != std::string::npos) h.footer = b.substr(r.Pos() + 1, end - r.Pos() - 1);
    }
    return h;
}

std::optional<tTzHistory> ReadZone(const std::string& dir, const std::string& zoneName, std::string* error)
{
    if (zoneName.empty() || zoneName.front() == '/' || zoneName.find("..") != std::string::npos) {
        Fail(error, "bad zone name \"" + zoneName + "\"");
        return std::nullopt;
    }
    std::string bytes;
    const std::string path = JoinPath(dir, zoneName);
    if (!ReadWholeFile(path, bytes)) {
        Fail(error, "cannot read " + path);
        return std::nullopt;
    }
    std::string why;
    auto h = ParseTzif(bytes, &why);
    if (!h) Fail(error, path + ": " + why);
    return h;
}

}  // namespace quintara
