#include "core/reports/rtf_reader.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <vector>

#include "core/i18n/text_encoding.h"

namespace quintara {

namespace {

struct tState {
    tCharFormat format;
    bool skip = false;       // a destination that holds no text
    bool fontTable = false;  // inside {\fonttbl ...}
    int unicodeSkip = 1;     // \ucN: fallback characters after \uN
};

class tReader {
public:
    tReader(const std::string& s, tReportText& out) : s(s), out(out) {}

    bool Run(std::string& error)
    {
        if (s.compare(0, 5, "{\\rtf") != 0) return error = "not rich text (no {\\rtf header)", false;
        std::vector<tState> stack;
        tState st;
        while (i < s.size()) {
            const char c = s[i];
            if (c == '{') {
                stack.push_back(st);
                ++i;
                if (s.compare(i, 2, "\\*") == 0) st.skip = true;
            } else if (c == '}') {
                if (stack.empty()) return error = "a group closes that never opened", false;
                Flush(st);
                const bool leavingFontTable = st.fontTable && !stack.back().fontTable;
                st = stack.back();
                stack.pop_back();
                if (leavingFontTable) fontName.clear();
                ++i;
            } else if (c == '\\') {
                ControlWord(st);
            } else if (c == '\r' || c == '\n') {
                ++i;
            } else {
                Text(st, std::string(1, c));
                ++i;
            }
        }
        if (!stack.empty()) return error = "a group is not closed", false;
        if (!runs.empty() || !pendingText.empty()) EndParagraph(st);
        return true;
    }

private:
    void Text(tState& st, const std::string& t)
    {
        if (st.fontTable) {
            if (t == ";") {
                fonts[fontIndex] = fontName;
                fontName.clear();
            } else {
                fontName += t;
            }
            return;
        }
        if (st.skip) return;
        if (!(st.format == pendingFormat)) Flush(st);
        pendingFormat = st.format;
        pendingText += t;
    }

    void Flush(const tState&)
    {
        if (!pendingText.empty()) runs.push_back({pendingText, pendingFormat});
        pendingText.clear();
    }

    void EndParagraph(tState& st)
    {
        Flush(st);
        out.AddRuns(std::move(runs));
        out.Paragraphs().back().TabStops = tabs;
        runs.clear();
    }

    void ControlWord(tState& st)
    {
        ++i;  // the backslash
        if (i >= s.size()) return;
        const char c = s[i];
        if (c == '\\' || c == '{' || c == '}') {
            Text(st, std::string(1, c));
            ++i;
            return;
        }
        if (c == '\'') {  // \'hh: a Windows-1252 byte
            const std::string hex = s.substr(i + 1, 2);
            i += 3;
            char* end = nullptr;
            const long v = std::strtol(hex.c_str(), &end, 16);
            if (end && *end == '\0') Text(st, Windows1252ToUtf8(std::string(1, static_cast<char>(v))));
            return;
        }
        if (!std::isalpha(static_cast<unsigned char>(c))) {  // \~ \- \* and the like
            if (c == '*') st.skip = true;
            ++i;
            return;
        }
        std::string word;
        while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) word += s[i++];
        bool hasValue = false;
        long value = 0;
        bool negative = false;
        if (i < s.size() && s[i] == '-') negative = true, ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            hasValue = true;
            value = value * 10 + (s[i++] - '0');
            if (value > 10000000) value = 10000000;  // no overflow from a damaged value
        }
        if (negative) value = -value;
        if (i < s.size() && s[i] == ' ') ++i;  // the delimiter belongs to the word
        Apply(st, word, hasValue, value);
    }

    void Apply(tState& st, const std::string& w, bool hasValue, long v)
    {
        if (w == "fonttbl") {
            st.fontTable = true;
        } else if (st.fontTable) {
            if (w == "f" && hasValue) fontIndex = static_cast<int>(v);
        } else if (w == "colortbl" || w == "stylesheet" || w == "info" || w == "pict") {
            st.skip = true;
        } else if (w == "par") {
            EndParagraph(st);
        } else if (w == "pard") {
            Flush(st);
            tabs.clear();
            baseSize = 0;
        } else if (w == "plain") {
            st.format = {};
        } else if (w == "tx" && hasValue) {
            tabs.push_back(v / 20.0);
        } else if (w == "tab") {
            Text(st, "\t");
        } else if (w == "b" || w == "i" || w == "ul" || w == "ulnone") {
            const bool on = w == "ulnone" ? false : !hasValue || v != 0;
            if (w == "b") st.format.Bold = on;
            else if (w == "i") st.format.Italic = on;
            else st.format.Underline = on;
        } else if (w == "fs" && hasValue) {
            // The paragraph's own size is the report font's; a run's other size is kept.
            if (runs.empty() && pendingText.empty() && st.format == tCharFormat{}) baseSize = static_cast<int>(v / 2);
            else st.format.Size = static_cast<int>(v / 2) == baseSize ? 0 : static_cast<int>(v / 2);
        } else if (w == "f" && hasValue) {
            const auto it = fonts.find(static_cast<int>(v));
            st.format.Font = v == 0 || it == fonts.end() ? std::string() : it->second;
        } else if (w == "uc" && hasValue) {
            st.unicodeSkip = static_cast<int>(v);
        } else if (w == "u" && hasValue) {
            std::uint32_t unit = static_cast<std::uint32_t>(v < 0 ? v + 65536 : v) & 0xFFFF;
            SkipFallback(st);
            if (unit >= 0xD800 && unit < 0xDC00) {
                highSurrogate = unit;
                return;
            }
            if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate) {
                unit = 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            }
            highSurrogate = 0;
            std::string t;
            AppendUtf8(t, unit);
            Text(st, t);
        }
    }

    void SkipFallback(const tState& st)
    {
        for (int k = 0; k < st.unicodeSkip && i < s.size() && s[i] != '\\' && s[i] != '{' && s[i] != '}'; ++k) ++i;
    }

    const std::string& s;
    tReportText& out;
    std::size_t i = 0;
    std::vector<tRun> runs;
    std::string pendingText;
    tCharFormat pendingFormat;
    std::vector<double> tabs;
    int baseSize = 0;
    std::uint32_t highSurrogate = 0;
    std::map<int, std::string> fonts;  // the font table, by number
    int fontIndex = -1;
    std::string fontName;
};

}  // namespace

bool ReadRtf(const std::string& rtf, tReportText& text, std::string* error)
{
    tReportText scratch(text.Metrics());
    tReader reader(rtf, scratch);
    std::string why;
    if (!reader.Run(why)) {
        if (error) *error = why;
        return false;
    }
    for (tParagraph& p : scratch.Paragraphs()) text.Paragraphs().push_back(std::move(p));
    return true;
}

}  // namespace quintara
