#include "core/data/filter_expression.h"

#include <charconv>
#include <cstdio>

#include "core/platform/ascii.h"

namespace quintara {
namespace {

enum class tToken { End, Name, Number, Text, Op, LParen, RParen };

struct tLexeme {
    tToken kind = tToken::End;
    std::string text;  // name, number text, unquoted text or operator
    std::size_t at = 0;  // 0-based offset
};

// Length of a date written d/m/y, d.m.y or y-m-d at the start of s (one
// to four digits, a separator, the same separator again); 0 for none.
std::size_t DateLength(std::string_view s)
{
    const auto digits = [&](std::size_t at) {
        std::size_t n = 0;
        while (at + n < s.size() && n < 5 && s[at + n] >= '0' && s[at + n] <= '9') ++n;
        return n;
    };
    const std::size_t a = digits(0);
    if (a == 0 || a > 4 || a >= s.size() || (s[a] != '/' && s[a] != '.' && s[a] != '-')) return 0;
    const char sep = s[a];
    const std::size_t b = digits(a + 1);
    if (b == 0 || b > 2 || a + 1 + b >= s.size() || s[a + 1 + b] != sep) return 0;
    const std::size_t c = digits(a + 2 + b);
    if (c == 0 || c > 4) return 0;
    return a + 2 + b + c;
}

class tParser {
public:
    tParser(std::string_view s, const tFieldLookup& f, const tFilterOptions& o) : src(s), fields(f), options(o)
    {
        Next();
    }

    bool Parse(tSqlFilter& out)
    {
        if (!Expr(out.where)) return false;
        if (cur.kind != tToken::End) return Fail("\"" + cur.text + "\" is not expected here");
        out.params = std::move(params);
        return true;
    }

    std::string error;

private:
    bool Fail(const std::string& what, std::size_t at = std::string::npos)
    {
        if (error.empty()) error = "column " + std::to_string((at == std::string::npos ? cur.at : at) + 1) + ": " + what;
        return false;
    }

    bool IsWord(const char* word) const
    {
        return cur.kind == tToken::Name && SameNameIgnoringCase(cur.text, word);
    }

    void Next()
    {
        while (pos < src.size() && (src[pos] == ' ' || src[pos] == '\t')) ++pos;
        cur = {tToken::End, {}, pos};
        if (pos >= src.size()) return;
        const char c = src[pos];
        const auto isAlpha = [](char x) { return (x >= 'A' && x <= 'Z') || (x >= 'a' && x <= 'z') || x == '_'; };
        const auto isDigit = [](char x) { return x >= '0' && x <= '9'; };
        if (isAlpha(c)) {
            std::size_t e = pos;
            while (e < src.size() && (isAlpha(src[e]) || isDigit(src[e]))) ++e;
            cur = {tToken::Name, std::string(src.substr(pos, e - pos)), pos};
            pos = e;
        } else if (const std::size_t date = isDigit(c) ? DateLength(src.substr(pos)) : 0; date > 0) {
            // An unquoted date ("DATE>15/03/2019"): one constant, as quoted.
            cur = {tToken::Number, std::string(src.substr(pos, date)), pos};
            pos += date;
        } else if (isDigit(c) || ((c == '-' || c == '+' || c == '.') && pos + 1 < src.size() &&
                                  (isDigit(src[pos + 1]) || src[pos + 1] == '.'))) {
            std::size_t e = pos + 1;
            while (e < src.size() && (isDigit(src[e]) || src[e] == '.' || src[e] == 'e' || src[e] == 'E' ||
                                      ((src[e] == '-' || src[e] == '+') && (src[e - 1] == 'e' || src[e - 1] == 'E'))))
                ++e;
            cur = {tToken::Number, std::string(src.substr(pos, e - pos)), pos};
            pos = e;
        } else if (c == '\'') {
            std::string text;
            std::size_t e = pos + 1;
            for (;;) {
                if (e >= src.size()) {
                    cur = {tToken::End, {}, pos};
                    Fail("text constant without its closing quote", pos);
                    pos = src.size();
                    return;
                }
                if (src[e] == '\'') {
                    if (e + 1 < src.size() && src[e + 1] == '\'') {
                        text += '\'';
                        e += 2;
                        continue;
                    }
                    break;
                }
                text += src[e++];
            }
            cur = {tToken::Text, std::move(text), pos};
            pos = e + 1;
        } else if (c == '(' || c == ')') {
            cur = {c == '(' ? tToken::LParen : tToken::RParen, std::string(1, c), pos};
            ++pos;
        } else if (c == '=' || c == '<' || c == '>') {
            std::size_t e = pos + 1;
            if (e < src.size() && (src[e] == '=' || (c == '<' && src[e] == '>'))) ++e;
            cur = {tToken::Op, std::string(src.substr(pos, e - pos)), pos};
            pos = e;
        } else {
            cur = {tToken::Name, std::string(1, c), pos};  // reported by the caller
            Fail(std::string("unexpected character '") + c + "'", pos);
            pos = src.size();
        }
    }

    bool Expr(std::string& sql)
    {
        std::string left;
        if (!Term(left)) return false;
        bool joined = false;
        while (IsWord("or")) {
            Next();
            std::string right;
            if (!Term(right)) return false;
            left += " OR " + right;
            joined = true;
        }
        sql = joined ? "(" + left + ")" : left;
        return true;
    }

    bool Term(std::string& sql)
    {
        if (!Factor(sql)) return false;
        bool joined = false;
        while (IsWord("and")) {
            Next();
            std::string right;
            if (!Factor(right)) return false;
            sql += " AND " + right;
            joined = true;
        }
        if (joined) sql = "(" + sql + ")";
        return true;
    }

    bool Factor(std::string& sql)
    {
        if (!error.empty()) return false;
        if (cur.kind == tToken::LParen) {
            if (++depth > 100) return Fail("parentheses nested too deep");
            Next();
            if (!Expr(sql)) return false;
            if (cur.kind != tToken::RParen) return Fail("')' expected");
            --depth;
            Next();
            return true;
        }
        if (IsWord("not")) {
            if (++depth > 100) return Fail("\"not\" nested too deep");
            Next();
            std::string inner;
            if (!Factor(inner)) return false;
            --depth;
            sql = "(NOT " + inner + ")";
            return true;
        }
        if (cur.kind != tToken::Name || IsWord("and") || IsWord("or"))
            return Fail(cur.kind == tToken::End ? "a field name is missing at the end" : "a field name is expected");
        const tLexeme field = cur;
        const std::optional<tFieldInfo> info = fields(field.text);
        if (!info) return Fail("unknown field \"" + field.text + "\"");
        Next();
        if (IsWord("like")) return Like(*info, field.text, sql);
        if (cur.kind != tToken::Op)
            return Fail("a comparison (=, <>, <, <=, >, >=, like) is expected after " + field.text);
        const std::string op = cur.text;
        Next();
        if (cur.kind != tToken::Number && cur.kind != tToken::Text)
            return Fail("a number or a quoted text is expected after " + field.text + op);
        const tLexeme constant = cur;
        tSqlValue value;
        if (!Convert(*info, constant, field.text, value)) return false;
        Next();
        params.push_back(std::move(value));
        sql = ColumnSql(*info) + " " + op + " ?" + std::to_string(params.size());
        if (info->kind == tFieldKind::Text && options.caseInsensitive) sql += " COLLATE QNOCASE";
        return true;
    }

    static std::string ColumnSql(const tFieldInfo& info)
    {
        if (!info.sql.empty()) return info.sql;
        std::string column = "\"";
        for (char c : info.column) column += c == '"' ? std::string("\"\"") : std::string(1, c);
        return column + '"';
    }

    // field like 'pattern': * any run of characters, ? one; case is ignored
    // (for letters without accents, as SQLite's LIKE does).
    bool Like(const tFieldInfo& info, const std::string& name, std::string& sql)
    {
        Next();
        if (info.kind != tFieldKind::Text) return Fail(name + " is no text field: like compares texts");
        if (cur.kind != tToken::Text) return Fail("a quoted pattern is expected after like, as 'Du*'");
        std::string pattern;
        for (char c : cur.text) {
            if (c == '*') pattern += '%';
            else if (c == '?') pattern += '_';
            else if (c == '%' || c == '_' || c == '\\') pattern.append(1, '\\').append(1, c);
            else pattern += c;
        }
        Next();
        params.push_back(std::move(pattern));
        sql = ColumnSql(info) + " LIKE ?" + std::to_string(params.size()) + " ESCAPE '\\'";
        return true;
    }

    bool Convert(const tFieldInfo& info, const tLexeme& c, const std::string& name, tSqlValue& out)
    {
        switch (info.kind) {
        case tFieldKind::Integer:
        case tFieldKind::Logical: {
            if (info.kind == tFieldKind::Logical && c.kind == tToken::Text) {
                const std::string& t = c.text;
                if (SameNameIgnoringCase(t, "T") || SameNameIgnoringCase(t, "true")) { out = std::int64_t{1}; return true; }
                if (SameNameIgnoringCase(t, "F") || SameNameIgnoringCase(t, "false")) { out = std::int64_t{0}; return true; }
            }
            std::int64_t n = 0;
            const char* b = c.text.data();
            if (!c.text.empty() && c.text[0] == '+') ++b;
            const auto [end, ec] = std::from_chars(b, c.text.data() + c.text.size(), n);
            if (ec == std::errc() && end == c.text.data() + c.text.size() && b != end) { out = n; return true; }
            // A whole field compared with a fraction: compare as a number.
            double x = 0.0;
            if (ParseReal(c.text, x)) { out = x; return true; }
            return Fail(name + " needs a whole number, not \"" + c.text + "\"", c.at);
        }
        case tFieldKind::Real: {
            double x = 0.0;
            if (!ParseReal(c.text, x)) return Fail(name + " needs a number, not \"" + c.text + "\"", c.at);
            out = x;
            return true;
        }
        case tFieldKind::Date: {
            const std::optional<std::string> iso = DateToIso(c.text, options.dateFormat);
            if (!iso) return Fail(name + " needs a date as " + options.dateFormat + ", not \"" + c.text + "\"", c.at);
            out = *iso;
            return true;
        }
        case tFieldKind::Text: out = c.text; return true;
        }
        return false;
    }

    static bool ParseReal(const std::string& t, double& x)
    {
        const char* b = t.data();
        if (!t.empty() && t[0] == '+') ++b;
        const auto [end, ec] = std::from_chars(b, t.data() + t.size(), x);
        return ec == std::errc() && end == t.data() + t.size() && b != end && x == x;
    }

    std::string_view src;
    const tFieldLookup& fields;
    const tFilterOptions& options;
    std::size_t pos = 0;
    int depth = 0;
    tLexeme cur;
    std::vector<tSqlValue> params;
};

bool ReadNumber(std::string_view s, int& n)
{
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return ec == std::errc() && end == s.data() + s.size();
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

std::optional<std::string> DateToIso(std::string_view text, std::string_view dateFormat)
{
    int y = 0, m = 0, d = 0;
    const std::size_t a = text.find_first_of("/.-");
    const std::size_t b = a == std::string_view::npos ? a : text.find_first_of("/.-", a + 1);
    if (b == std::string_view::npos) return std::nullopt;
    const std::string_view p1 = text.substr(0, a), p2 = text.substr(a + 1, b - a - 1), p3 = text.substr(b + 1);
    bool ok;
    if (p1.size() == 4) ok = ReadNumber(p1, y) && ReadNumber(p2, m) && ReadNumber(p3, d);  // ISO
    else if (dateFormat.substr(0, 2) == "mm") ok = ReadNumber(p1, m) && ReadNumber(p2, d) && ReadNumber(p3, y);
    else ok = ReadNumber(p1, d) && ReadNumber(p2, m) && ReadNumber(p3, y);
    if (!ok || y < 0 || y > 9999 || m < 1 || m > 12 || d < 1) return std::nullopt;
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d > kDays[m - 1] + (m == 2 && IsLeap(y) ? 1 : 0)) return std::nullopt;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return std::string(buf);
}

std::optional<tSqlFilter> CompileFilter(std::string_view text, const tFieldLookup& fields,
                                        const tFilterOptions& options, std::string* error)
{
    tParser p(text, fields, options);
    tSqlFilter out;
    if (!p.Parse(out) || !p.error.empty()) {
        if (error) *error = p.error;
        return std::nullopt;
    }
    // The storage nests one level per "and"/"or"; far below its limit.
    if (out.params.size() > kMaxFilterComparisons) {
        if (error)
            *error = "filter too long: " + std::to_string(out.params.size()) + " comparisons, at most " +
                     std::to_string(kMaxFilterComparisons);
        return std::nullopt;
    }
    return out;
}

}  // namespace quintara
