#include "core/data/json_line.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/i18n/text_encoding.h"

namespace quintara {
namespace {

class tParser {
public:
    tParser(std::string_view s, std::string& error) : s(s), error(error) {}

    bool Object(tJsonObject& out)
    {
        Skip();
        if (!Expect('{')) return false;
        Skip();
        if (Peek() == '}') return End(++pos);
        for (;;) {
            std::string key;
            if (!Key(key)) return false;
            tJsonValue v;
            if (!Value(v)) return false;
            if (out.count(key)) return Fail("field \"" + key + "\" given twice");
            out.emplace(std::move(key), std::move(v));
            Skip();
            if (Peek() == ',') { ++pos; continue; }
            if (Peek() == '}') return End(++pos);
            return Fail("expected ',' or '}'");
        }
    }

private:
    // "name" : with the blanks around, up to the value.
    bool Key(std::string& key)
    {
        Skip();
        if (Peek() != '"') return Fail("expected a field name in quotes");
        if (!String(key)) return false;
        Skip();
        if (!Expect(':')) return false;
        Skip();
        return true;
    }

    char Peek() const { return pos < s.size() ? s[pos] : '\0'; }
    void Skip()
    {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t' || s[pos] == '\r' || s[pos] == '\n'))
            ++pos;
    }
    bool Fail(const std::string& what)
    {
        error = "malformed JSON at column " + std::to_string(pos + 1) + ": " + what;
        return false;
    }
    bool Expect(char c)
    {
        if (Peek() != c) return Fail(std::string("expected '") + c + "'");
        ++pos;
        return true;
    }
    bool End(std::size_t)
    {
        Skip();
        if (pos != s.size()) return Fail("text after the closing '}'");
        return true;
    }

    bool String(std::string& out)
    {
        ++pos;  // opening quote
        while (pos < s.size()) {
            const char c = s[pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
            if (c != '\\') { out += c; continue; }
            if (pos >= s.size()) break;
            const char e = s[pos++];
            switch (e) {
            case '"': case '\\': case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (pos + 4 > s.size()) return Fail("short \\u escape");
                unsigned cp = 0;
                auto r = std::from_chars(s.data() + pos, s.data() + pos + 4, cp, 16);
                if (r.ptr != s.data() + pos + 4) return Fail("bad \\u escape");
                pos += 4;
                // Basic plane only; the fields we read are ASCII anyway.
                AppendUtf8(out, cp);
                break;
            }
            default: return Fail("unknown escape");
            }
        }
        return Fail("unterminated string");
    }

    bool Literal(std::string_view word)
    {
        if (s.substr(pos, word.size()) != word) return Fail("unexpected value");
        pos += word.size();
        return true;
    }

    bool Value(tJsonValue& v)
    {
        const char c = Peek();
        if (c == '"') { v.kind = tJsonValue::kString; return String(v.text); }
        if (c == '{' || c == '[') {
            const std::size_t start = pos;
            if (!Nested(0)) return false;
            v.kind = tJsonValue::kNested;
            v.text.assign(s.substr(start, pos - start));
            return true;
        }
        if (c == 't') { v.kind = tJsonValue::kBool; v.flag = true; return Literal("true"); }
        if (c == 'f') { v.kind = tJsonValue::kBool; return Literal("false"); }
        if (c == 'n') { v.kind = tJsonValue::kNull; return Literal("null"); }
        const std::size_t start = pos;
        if (Peek() == '-') ++pos;
        while (pos < s.size() && std::string_view("0123456789.eE+-").find(s[pos]) != std::string_view::npos)
            ++pos;
        const auto r = std::from_chars(s.data() + start, s.data() + pos, v.number);
        if (pos == start || r.ec != std::errc() || r.ptr != s.data() + pos) {
            pos = start;
            return Fail("expected a value");
        }
        v.kind = tJsonValue::kNumber;
        v.text.assign(s.substr(start, pos - start));
        return true;
    }

    // An array or object checked whole; depth bounded so that no input
    // exhausts the stack.
    bool Nested(int depth)
    {
        if (depth > 64) return Fail("nested more than 64 deep");
        const char close = Peek() == '{' ? '}' : ']';
        const bool object = close == '}';
        ++pos;
        Skip();
        if (Peek() == close) return ++pos, true;
        for (;;) {
            std::string key;
            if (object && !Key(key)) return false;
            Skip();
            if (Peek() == '{' || Peek() == '[') {
                if (!Nested(depth + 1)) return false;
            } else {
                tJsonValue ignored;
                if (!Value(ignored)) return false;
            }
            Skip();
            if (Peek() == ',') { ++pos; continue; }
            if (Peek() == close) return ++pos, true;
            return Fail(std::string("expected ',' or '") + close + "'");
        }
    }

    std::string_view s;
    std::string& error;
    std::size_t pos = 0;
};

}  // namespace

bool ParseJsonObject(std::string_view line, tJsonObject& out, std::string& error)
{
    out.clear();
    return tParser(line, error).Object(out);
}

void AppendJsonString(std::string& out, std::string_view text)
{
    // JSON is UTF-8: bytes that are not become U+FFFD.
    const std::string s = ValidUtf8(text);
    out += '"';
    for (char c : s) {
        if (c == '"' || c == '\\') { out += '\\'; out += c; }
        else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += c;
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, double v, int decimals)
{
    if (!std::isfinite(v)) { out += "null"; return; }
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string_view t(buf, static_cast<std::size_t>(r.ptr - buf));
    if (t.find('.') != std::string_view::npos) {
        while (t.back() == '0') t.remove_suffix(1);
        if (t.back() == '.') t.remove_suffix(1);
    }
    if (t == "-0") t = "0";
    out += t;
}

void AppendJsonValue(std::string& out, const tJsonValue& v)
{
    switch (v.kind) {
    case tJsonValue::kString: AppendJsonString(out, v.text); break;
    case tJsonValue::kNumber:
    case tJsonValue::kNested: out += v.text; break;
    case tJsonValue::kBool: out += v.flag ? "true" : "false"; break;
    case tJsonValue::kNull: out += "null"; break;
    }
}

}  // namespace quintara
