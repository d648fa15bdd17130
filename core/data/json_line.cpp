#include "core/data/json_line.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
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
            if (out.contains(key)) return Fail("field \"" + key + "\" given twice");
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
    // Most texts (names, signs) are plain ASCII with nothing to escape.
    if (std::all_of(text.begin(), text.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u >= 0x20 && u < 0x80 && c != '"' && c != '\\';
        })) {
        out += '"';
        out += text;
        out += '"';
        return;
    }
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

namespace {

// The two digits of n < 100 written before p; returns the new start.
char* PutPair(char* p, unsigned n)
{
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    p -= 2;
    p[0] = kPairs[2 * n];
    p[1] = kPairs[2 * n + 1];
    return p;
}

// v with `decimals` (at most 9) digits after the point, trailing zeros cut,
// as std::to_chars would write it; false where v scaled is past exact
// integers, or so near half a unit that the product's rounding (a few units
// in its last place) could turn it: those take the exact expansion.
// The count of decimals is a constant of each instance, so that the
// divisions by its power of ten become multiplications.
template <int kDecimals>
bool AppendScaled(std::string& out, double v)
{
    constexpr std::uint64_t unit = [] {
        std::uint64_t u = 1;
        for (int i = 0; i < kDecimals; ++i) u *= 10;
        return u;
    }();
    const double scaled = std::fabs(v) * static_cast<double>(unit);
    if (!(scaled < 4e15)) return false;
    const auto truncated = static_cast<std::uint64_t>(scaled);
    const double rest = scaled - static_cast<double>(truncated);
    if (std::fabs(rest - 0.5) <= scaled * 1e-15 + 1e-12) return false;
    const std::uint64_t units = truncated + (rest > 0.5 ? 1 : 0);
    char buf[40];
    char* p = buf + sizeof buf;
    std::uint64_t frac = units % unit;
    int digits = kDecimals;
    while (digits > 0 && frac % 10 == 0) frac /= 10, --digits;  // trailing zeros
    // Two digits at a time from a table: a batch writes some eighty numbers a line.
    int i = 0;
    for (; i + 2 <= digits; i += 2, frac /= 100) p = PutPair(p, static_cast<unsigned>(frac % 100));
    if (i < digits) *--p = static_cast<char>('0' + frac % 10);
    if (digits > 0) *--p = '.';
    std::uint64_t integer = units / unit;
    for (; integer >= 100; integer /= 100) p = PutPair(p, static_cast<unsigned>(integer % 100));
    if (integer >= 10) p = PutPair(p, static_cast<unsigned>(integer));
    else *--p = static_cast<char>('0' + integer);
    if (v < 0 && units > 0) *--p = '-';
    out.append(p, static_cast<std::size_t>(buf + sizeof buf - p));
    return true;
}

bool AppendScaled(std::string& out, double v, int decimals)
{
    switch (decimals) {
    case 0: return AppendScaled<0>(out, v);
    case 1: return AppendScaled<1>(out, v);
    case 2: return AppendScaled<2>(out, v);
    case 3: return AppendScaled<3>(out, v);
    case 4: return AppendScaled<4>(out, v);
    case 5: return AppendScaled<5>(out, v);
    case 6: return AppendScaled<6>(out, v);
    case 7: return AppendScaled<7>(out, v);
    case 8: return AppendScaled<8>(out, v);
    case 9: return AppendScaled<9>(out, v);
    default: return false;
    }
}

}  // namespace

void AppendJsonNumber(std::string& out, double v, int decimals)
{
    if (!std::isfinite(v)) { out += "null"; return; }
    if (AppendScaled(out, v, decimals)) return;
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
