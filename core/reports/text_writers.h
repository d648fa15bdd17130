// The report text as plain text, RTF and HTML.
#pragma once

#include <string>

#include "core/reports/report_text.h"

namespace quintara {

// For a fixed-width display: a tab unit becomes columnsPerUnit columns and
// tabs become blanks up to the paragraph's next stop (at least one blank);
// past the last stop, to the next multiple of 6 columns. The default gives
// names like "Sagittarius" room in the narrow columns the reports use.
std::string WritePlainText(const tReportText& text, double columnsPerUnit = 1.5);

struct tRtfFont {
    std::string Name = "Times New Roman";
    int Size = 11;  // points
};
// A whole RTF document: one \pard per paragraph with its \tx stops (twips),
// runs with \b \i \ul \fs and font changes; characters outside ASCII as
// \uN with a '?' fallback.
std::string WriteRtf(const tReportText& text, const tRtfFont& font = {});

// A whole HTML document: the plain-text layout in a <pre> block, runs in
// <b>, <i>, <u>.
std::string WriteHtml(const tReportText& text, const std::string& title, double columnsPerUnit = 1.5);

}  // namespace quintara
