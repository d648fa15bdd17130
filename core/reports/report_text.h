// The text of a report: lines appended at the end, each a paragraph that
// carries the tab stops in force when it was added and runs of characters
// with their attributes. Columns are separated by one tab character.
// Platform-free; the windowing layer shows it in a rich-text control.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace quintara {

struct tCharFormat {
    bool Bold = false, Italic = false, Underline = false;
    int Size = 0;      // points; 0 = the report font's
    std::string Font;  // empty = the report font
    bool operator==(const tCharFormat&) const = default;
};

struct tRun {
    std::string Text;  // UTF-8; may hold tab characters
    tCharFormat Format;
};

struct tParagraph {
    std::vector<double> TabStops;  // points from the left edge, ascending
    std::vector<tRun> Runs;
    std::string Text() const;      // the runs' text
};

// Widths of text in the report font, in points (1/72 inch).
class tFontMetrics {
public:
    virtual ~tFontMetrics() = default;
    virtual double TextWidth(const std::string& utf8) const = 0;
};

// Every character the same width: the command line and tests, where a tab
// unit is one column.
class tFixedMetrics : public tFontMetrics {
public:
    explicit tFixedMetrics(double charWidth = 6.0) : charWidth(charWidth) {}
    double TextWidth(const std::string& utf8) const override;
    double CharWidth() const { return charWidth; }

private:
    double charWidth;
};

class tReportText {
public:
    // metrics must outlive the text.
    explicit tReportText(const tFontMetrics& metrics) : metrics(&metrics) {}

    // One paragraph with the current tab stops and format.
    void AddLine(const std::string& text);
    // A paragraph of several runs, with the current tab stops.
    void AddRuns(std::vector<tRun> runs);
    // Tab stops for the lines added next: running sums of the widths, in
    // tab units of a tenth of the width of "mm mm nnnm", each stop rounded
    // to a whole point (halves to even).
    void SetTabs(std::initializer_list<int> widths) { SetTabs(std::vector<int>(widths)); }
    void SetTabs(const std::vector<int>& widths);
    // The tab unit in points.
    double TabUnit() const;
    // Attributes of the lines added next.
    void SetFormat(const tCharFormat& f) { format = f; }
    const tCharFormat& Format() const { return format; }

    void Clear();
    const std::vector<tParagraph>& Paragraphs() const { return paragraphs; }
    std::vector<tParagraph>& Paragraphs() { return paragraphs; }
    // The lines' text joined by line feeds (tabs kept).
    std::string PlainText() const;
    const tFontMetrics& Metrics() const { return *metrics; }

    bool Modified = false;  // changed by the user since built or saved

private:
    const tFontMetrics* metrics;
    std::vector<double> tabs;
    tCharFormat format;
    std::vector<tParagraph> paragraphs;
};

}  // namespace quintara
