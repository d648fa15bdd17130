#include "core/platform/profile_file.h"

#include <charconv>
#include <cstdio>
#include <utility>

#include "core/platform/ascii.h"
#include "core/platform/atomic_file.h"

namespace quintara {
namespace {

// A line longer than this is kept as it stands but not read as a key:
// no setting of ours is that long, and junk should not cost memory twice.
constexpr std::size_t kMaxParsedLine = 4096;

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

bool HasControl(const std::string& s)
{
    for (unsigned char c : s)
        if (c < 0x20 && c != '\t') return true;
    return false;
}

}  // namespace

tProfileFile::tProfileFile(std::string p) : path(std::move(p)) { Reload(); }

void tProfileFile::Reload()
{
    std::string text;
    if (path.empty() || !ReadWholeFile(path, text)) text.clear();
    Assign(path, text);
}

void tProfileFile::Assign(std::string p, const std::string& text)
{
    path = std::move(p);
    whole = text.empty() || (text.back() == '\n' && text.find('\0') == std::string::npos);
    SetText(text);
    dirty = false;
}

void tProfileFile::SetText(const std::string& text)
{
    sections.assign(1, tSection{});
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        tLine line;
        line.raw = text.substr(pos, end - pos);
        if (!line.raw.empty() && line.raw.back() == '\r') line.raw.pop_back();
        pos = end + 1;
        const std::string t = line.raw.size() <= kMaxParsedLine ? Trim(line.raw) : std::string();
        if (t.empty() || HasControl(t) || t[0] == ';' || t[0] == '#') {
            sections.back().lines.push_back(std::move(line));
            continue;
        }
        if (t.front() == '[' && t.back() == ']') {
            sections.push_back({Trim(t.substr(1, t.size() - 2)), {line}});
            continue;
        }
        const std::size_t eq = t.find('=');
        if (eq != std::string::npos && eq > 0) {
            line.key = Trim(t.substr(0, eq));
            line.value = Trim(t.substr(eq + 1));
            line.isKey = !line.key.empty();
        }
        sections.back().lines.push_back(std::move(line));
    }
    dirty = true;
}

std::string tProfileFile::Text() const
{
    std::string out;
    for (const tSection& s : sections)
        for (const tLine& l : s.lines) {
            out += l.raw;
            out += '\n';
        }
    return out;
}

bool tProfileFile::Flush(std::string* error)
{
    if (!dirty) return true;
    if (path.empty()) {
        if (error) *error = "no settings file named";
        return false;
    }
    if (!WriteFileAtomically(path, Text(), error)) return false;
    dirty = false;
    return true;
}

const tProfileFile::tSection* tProfileFile::FindSection(const std::string& name) const
{
    for (std::size_t i = 1; i < sections.size(); ++i)
        if (SameNameIgnoringCase(sections[i].name, name)) return &sections[i];
    return nullptr;
}

tProfileFile::tSection* tProfileFile::FindSection(const std::string& name)
{
    return const_cast<tSection*>(std::as_const(*this).FindSection(name));
}

const tProfileFile::tLine* tProfileFile::Find(const std::string& section, const std::string& key) const
{
    const tSection* s = FindSection(section);
    if (!s) return nullptr;
    for (const tLine& l : s->lines)
        if (l.isKey && SameNameIgnoringCase(l.key, key)) return &l;
    return nullptr;
}

bool tProfileFile::HasKey(const std::string& section, const std::string& key) const
{
    return Find(section, key) != nullptr;
}

std::vector<std::string> tProfileFile::Keys(const std::string& section) const
{
    std::vector<std::string> keys;
    if (const tSection* s = FindSection(section))
        for (const tLine& l : s->lines) {
            if (!l.isKey) continue;
            bool seen = false;
            for (const std::string& k : keys) seen = seen || SameNameIgnoringCase(k, l.key);
            if (!seen) keys.push_back(l.key);
        }
    return keys;
}

std::string tProfileFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const
{
    const tLine* l = Find(section, key);
    return l ? l->value : fallback;
}

std::int32_t tProfileFile::ReadInteger(const std::string& section, const std::string& key,
                                       std::int32_t fallback) const
{
    const tLine* l = Find(section, key);
    if (!l) return fallback;
    const std::string& v = l->value;
    const char* b = v.data();
    if (!v.empty() && v[0] == '+') ++b;
    std::int32_t n = 0;
    const auto [end, ec] = std::from_chars(b, v.data() + v.size(), n);
    if (ec != std::errc() || end != v.data() + v.size() || b == end) return fallback;
    return n;
}

bool tProfileFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double tProfileFile::ReadFloat(const std::string& section, const std::string& key,
                               double fallback) const
{
    const tLine* l = Find(section, key);
    if (!l) return fallback;
    std::string v = l->value;
    for (char& c : v)
        if (c == ',') c = '.';  // written by a locale with a decimal comma
    const char* b = v.data();
    if (!v.empty() && v[0] == '+') ++b;
    double x = 0.0;
    const auto [end, ec] = std::from_chars(b, v.data() + v.size(), x);
    if (ec != std::errc() || end != v.data() + v.size() || b == end || x != x) return fallback;
    return x;
}

void tProfileFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value)
{
    // A value is one line: a line break would turn the rest into new keys.
    std::string v;
    for (char c : value) v += (c == '\n' || c == '\r') ? ' ' : c;
    tSection* s = FindSection(section);
    if (!s) {
        sections.push_back({section, {tLine{"[" + section + "]", {}, {}, false}}});
        s = &sections.back();
    }
    for (tLine& l : s->lines)
        if (l.isKey && SameNameIgnoringCase(l.key, key)) {
            if (l.value == v) return;
            l.value = v;
            l.raw = l.key + "=" + v;
            dirty = true;
            return;
        }
    // New keys go after the section's last key, before trailing blank lines.
    std::size_t at = s->lines.size();
    while (at > 1 && Trim(s->lines[at - 1].raw).empty()) --at;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), tLine{key + "=" + v, key, v, true});
    dirty = true;
}

void tProfileFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void tProfileFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void tProfileFile::WriteFloat(const std::string& section, const std::string& key, double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    WriteString(section, key, ec == std::errc() ? std::string(buf, end) : "0");
}

}  // namespace quintara

namespace quintara {

void tProfileFile::WriteSingle(const std::string& section, const std::string& key, float value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    WriteString(section, key, ec == std::errc() ? std::string(buf, end) : "0");
}

}  // namespace quintara
