#include "iso_sources.h"

#include <cstdint>

#include "core/i18n/text_encoding.h"

namespace quintara::build {

namespace {

bool Fail(std::string* error, const std::string& text)
{
    if (error) *error = text;
    return false;
}

// A JSON string starting at text[i] == '"'; i ends after the closing quote.
bool ReadString(const std::string& text, std::size_t& i, std::string& out)
{
    out.clear();
    for (++i; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= text.size()) return false;
        switch (text[i]) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'u': {
            if (i + 4 >= text.size()) return false;
            AppendUtf8(out, static_cast<char32_t>(std::stoul(text.substr(i + 1, 4), nullptr, 16)));
            i += 4;
            break;
        }
        default: out += text[i];
        }
    }
    return false;
}

}  // namespace

std::optional<std::vector<std::map<std::string, std::string>>> ParseIsoJson(const std::string& text, std::string* error)
{
    // The file is one object holding one array of flat objects of strings.
    std::vector<std::map<std::string, std::string>> entries;
    std::size_t i = text.find('[');
    if (i == std::string::npos) return Fail(error, "no list in the ISO file"), std::nullopt;
    std::map<std::string, std::string>* current = nullptr;
    std::string key, value;
    for (++i; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{') {
            current = &entries.emplace_back();
        } else if (c == '}') {
            current = nullptr;
        } else if (c == ']') {
            return entries;
        } else if (c == '"') {
            if (!current || !ReadString(text, i, key)) break;
            i = text.find('"', i);
            if (i == std::string::npos || !ReadString(text, i, value)) break;
            (*current)[key] = value;
            --i;
        }
    }
    Fail(error, "the ISO file is malformed near byte " + std::to_string(i));
    return std::nullopt;
}

std::optional<std::map<std::string, std::string>> ParseMo(const std::string& b, std::string* error)
{
    if (b.size() < 28) return Fail(error, "message catalogue too short"), std::nullopt;
    auto word = [&](std::size_t at, bool big) -> std::uint32_t {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const auto byte = static_cast<std::uint8_t>(b[at + (big ? k : 3 - k)]);
            v = (v << 8) | byte;
        }
        return v;
    };
    bool big = false;
    if (word(0, false) != 0x950412de) {
        big = true;
        if (word(0, true) != 0x950412de) return Fail(error, "not a message catalogue"), std::nullopt;
    }
    const std::uint32_t n = word(8, big), originals = word(12, big), translations = word(16, big);
    auto entry = [&](std::uint32_t table, std::uint32_t k, std::string& out) {
        const std::uint64_t at = table + 8ull * k;
        if (at + 8 > b.size()) return false;
        const std::uint64_t len = word(at, big), off = word(at + 4, big);
        if (off + len > b.size()) return false;
        out.assign(b, off, len);
        return true;
    };
    std::map<std::string, std::string> out;
    std::string id, str;
    for (std::uint32_t k = 0; k < n; ++k) {
        if (!entry(originals, k, id) || !entry(translations, k, str))
            return Fail(error, "message catalogue entry out of range"), std::nullopt;
        if (!id.empty()) out[id] = str;
    }
    return out;
}

}  // namespace quintara::build
