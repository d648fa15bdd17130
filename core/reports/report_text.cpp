#include "core/reports/report_text.h"

#include <cmath>

#include "core/i18n/text_encoding.h"

namespace quintara {

std::string tParagraph::Text() const
{
    std::string s;
    for (const tRun& r : Runs) s += r.Text;
    return s;
}

double tFixedMetrics::TextWidth(const std::string& utf8) const
{
    return static_cast<double>(Utf8Length(utf8)) * charWidth;
}

void tReportText::AddLine(const std::string& text) { paragraphs.push_back({tabs, {{text, format}}}); }

void tReportText::AddRuns(std::vector<tRun> runs) { paragraphs.push_back({tabs, std::move(runs)}); }

double tReportText::TabUnit() const { return metrics->TextWidth("mm mm nnnm") / 10.0; }

void tReportText::SetTabs(const std::vector<int>& widths)
{
    const double unit = TabUnit();
    tabs.clear();
    int sum = 0;
    for (int w : widths) {
        sum += w;
        tabs.push_back(std::nearbyint(sum * unit));
    }
}

void tReportText::Clear()
{
    paragraphs.clear();
    tabs.clear();
    format = {};
    Modified = false;
}

std::string tReportText::PlainText() const
{
    std::string s;
    for (const tParagraph& p : paragraphs) s += p.Text() + '\n';
    return s;
}

}  // namespace quintara
