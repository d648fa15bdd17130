#include "core/reports/text_writers.h"

#include <cmath>
#include <cstdint>

#include "core/i18n/text_encoding.h"

namespace quintara {
namespace {

// Lays a paragraph out in columns of a fixed-width display: a tab unit is
// columnsPerUnit columns, a tab runs to the next stop past the column (to
// the next multiple of 6 past the last stop). Calls out(piece, format) for
// each run, tabs expanded and line ends dropped.
template <class F>
void LayOutColumns(const tParagraph& p, double unit, double columnsPerUnit, F&& out)
{
    std::size_t column = 0;
    for (const tRun& r : p.Runs) {
        std::string piece;
        for (std::size_t i = 0; i < r.Text.size();) {
            const char c = r.Text[i];
            if (c == '\t') {
                std::size_t stop = 0;
                for (double point : p.TabStops) {
                    const auto at = static_cast<std::size_t>(std::lround(unit > 0 ? point / unit * columnsPerUnit : 0));
                    if (at > column) {
                        stop = at;
                        break;
                    }
                }
                if (!stop) stop = (column / 6 + 1) * 6;
                piece.append(stop - column, ' ');
                column = stop;
                ++i;
                continue;
            }
            const std::size_t from = i;
            if (!NextCodePoint(r.Text, i)) ++i;
            if (c != '\r' && c != '\n') piece.append(r.Text, from, i - from), ++column;
        }
        out(piece, r.Format);
    }
}

// One UTF-16 unit as RTF's signed 16-bit \uN with a "?" for old readers.
void AppendRtfUnit(std::string& out, std::uint32_t unit)
{
    out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
}

void AppendRtfText(std::string& out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto code = NextCodePoint(text, i);
        if (!code) ++i;
        const std::uint32_t cp = code.value_or('?');
        if (cp == '\t') out += "\\tab ";
        else if (cp == '\\' || cp == '{' || cp == '}') out += '\\', out += static_cast<char>(cp);
        else if (cp == '\r' || cp == '\n') continue;
        else if (cp < 0x80) out += static_cast<char>(cp);
        else if (cp < 0x10000) AppendRtfUnit(out, cp);
        else {  // beyond the basic plane: a UTF-16 surrogate pair, as RTF readers expect
            AppendRtfUnit(out, 0xD800 + ((cp - 0x10000) >> 10));
            AppendRtfUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
}

}  // namespace

std::string WritePlainText(const tReportText& text, double columnsPerUnit)
{
    std::string s;
    for (const tParagraph& p : text.Paragraphs()) {
        std::string line;
        LayOutColumns(p, text.TabUnit(), columnsPerUnit, [&](const std::string& piece, const tCharFormat&) { line += piece; });
        while (!line.empty() && line.back() == ' ') line.pop_back();
        s += line + '\n';
    }
    return s;
}

std::string WriteRtf(const tReportText& text, const tRtfFont& font)
{
    std::vector<std::string> fonts{font.Name};
    auto fontIndex = [&](const std::string& name) {
        if (name.empty()) return std::size_t{0};
        for (std::size_t i = 0; i < fonts.size(); ++i)
            if (fonts[i] == name) return i;
        fonts.push_back(name);
        return fonts.size() - 1;
    };
    std::string body;
    for (const tParagraph& p : text.Paragraphs()) {
        body += "\\pard\\plain\\f0\\fs" + std::to_string(font.Size * 2);
        for (double stop : p.TabStops) body += "\\tx" + std::to_string(std::lround(stop * 20));
        body += ' ';
        for (const tRun& r : p.Runs) {
            const tCharFormat& f = r.Format;
            const bool plain = f == tCharFormat{};
            if (!plain) {
                body += '{';
                if (f.Bold) body += "\\b";
                if (f.Italic) body += "\\i";
                if (f.Underline) body += "\\ul";
                if (f.Size > 0) body += "\\fs" + std::to_string(f.Size * 2);
                if (!f.Font.empty()) body += "\\f" + std::to_string(fontIndex(f.Font));
                body += ' ';
            }
            AppendRtfText(body, r.Text);
            if (!plain) body += '}';
        }
        body += "\\par\n";
    }
    std::string s = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        s += "{\\f" + std::to_string(i) + "\\fnil ";
        AppendRtfText(s, fonts[i]);
        s += ";}";
    }
    s += "}\n" + body + "}\n";
    return s;
}

std::string WriteHtml(const tReportText& text, const std::string& title, double columnsPerUnit)
{
    std::string s = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
    AppendXmlEscaped(s, title);
    s += "</title></head>\n<body><pre>\n";
    for (const tParagraph& p : text.Paragraphs()) {
        LayOutColumns(p, text.TabUnit(), columnsPerUnit, [&](const std::string& piece, const tCharFormat& f) {
            std::string open, close;
            if (f.Bold) open += "<b>", close = "</b>" + close;
            if (f.Italic) open += "<i>", close = "</i>" + close;
            if (f.Underline) open += "<u>", close = "</u>" + close;
            s += open;
            AppendXmlEscaped(s, piece);
            s += close;
        });
        s += '\n';
    }
    return s + "</pre></body></html>\n";
}

}  // namespace quintara
