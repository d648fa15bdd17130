// A strict JSON reader for tests (RFC 8259: no leading zeros, no trailing
// commas, no bare words, one value and nothing after it), independent of
// the program's own reader, giving a tree to check a schema against.
#pragma once

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quintara::test {

struct tJson {
    enum tKind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
    bool flag = false;
    double number = 0;
    std::string text;
    std::vector<tJson> items;
    std::map<std::string, tJson> fields;

    bool Has(const std::string& key) const { return kind == kObject && fields.count(key) != 0; }
    const tJson& operator[](const std::string& key) const { return fields.at(key); }
};

class tStrictJson {
public:
    // The value of the whole text; false with error (and the offset) when it is not strict JSON.
    static bool Parse(std::string_view s, tJson& out, std::string& error)
    {
        tStrictJson p(s);
        if (!p.Value(out, 0)) return error = p.error + " at " + std::to_string(p.pos), false;
        p.Space();
        if (p.pos != s.size()) return error = "text after the value at " + std::to_string(p.pos), false;
        return true;
    }

private:
    explicit tStrictJson(std::string_view s) : s(s) {}
    char Peek() const { return pos < s.size() ? s[pos] : '\0'; }
    void Space()
    {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t' || s[pos] == '\n' || s[pos] == '\r')) ++pos;
    }
    bool Fail(const char* what) { return error = what, false; }
    bool Word(std::string_view w)
    {
        if (s.substr(pos, w.size()) != w) return Fail("bad literal");
        pos += w.size();
        return true;
    }
    bool Digits()
    {
        const std::size_t from = pos;
        while (Peek() >= '0' && Peek() <= '9') ++pos;
        return pos > from;
    }
    bool Number(tJson& v)
    {
        const std::size_t from = pos;
        if (Peek() == '-') ++pos;
        if (Peek() == '0') ++pos;
        else if (!Digits()) return Fail("bad number");
        if (Peek() == '.' && (++pos, !Digits())) return Fail("no digit after the point");
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos;
            if (Peek() == '+' || Peek() == '-') ++pos;
            if (!Digits()) return Fail("bad exponent");
        }
        v.kind = tJson::kNumber;
        v.text.assign(s.substr(from, pos - from));
        v.number = std::strtod(v.text.c_str(), nullptr);
        return true;
    }
    bool String(std::string& out)
    {
        ++pos;
        while (pos < s.size()) {
            const unsigned char c = static_cast<unsigned char>(s[pos++]);
            if (c == '"') return true;
            if (c < 0x20) return Fail("control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            const char e = Peek();
            ++pos;
            if (e == 'u') {
                if (pos + 4 > s.size()) return Fail("short escape");
                for (int i = 0; i < 4; ++i)
                    if (!std::isxdigit(static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)])))
                        return Fail("bad escape");
                pos += 4;
                out += '?';
            } else if (std::string_view("\"\\/bfnrt").find(e) != std::string_view::npos) {
                out += e;
            } else {
                return Fail("unknown escape");
            }
        }
        return Fail("unterminated string");
    }
    bool Value(tJson& v, int depth)
    {
        if (depth > 100) return Fail("too deep");
        Space();
        const char c = Peek();
        if (c == '"') return v.kind = tJson::kString, String(v.text);
        if (c == 't') return v.kind = tJson::kBool, v.flag = true, Word("true");
        if (c == 'f') return v.kind = tJson::kBool, Word("false");
        if (c == 'n') return Word("null");
        if (c == '[') {
            v.kind = tJson::kArray;
            ++pos;
            Space();
            if (Peek() == ']') return ++pos, true;
            for (;;) {
                v.items.emplace_back();
                if (!Value(v.items.back(), depth + 1)) return false;
                Space();
                if (Peek() == ',') { ++pos; continue; }
                if (Peek() == ']') return ++pos, true;
                return Fail("expected , or ]");
            }
        }
        if (c == '{') {
            v.kind = tJson::kObject;
            ++pos;
            Space();
            if (Peek() == '}') return ++pos, true;
            for (;;) {
                Space();
                std::string key;
                if (Peek() != '"' || !String(key)) return Fail("expected a key");
                Space();
                if (Peek() != ':') return Fail("expected :");
                ++pos;
                if (v.fields.count(key)) return Fail("key given twice");
                if (!Value(v.fields[key], depth + 1)) return false;
                Space();
                if (Peek() == ',') { ++pos; continue; }
                if (Peek() == '}') return ++pos, true;
                return Fail("expected , or }");
            }
        }
        return Number(v);
    }

    std::string_view s;
    std::size_t pos = 0;
    std::string error;
};

}  // namespace quintara::test
