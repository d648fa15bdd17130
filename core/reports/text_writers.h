// The report text as plain text, RTF and HTML.
#pragma once

#include <string>

#include "reports/report_text.h"

namespace quintara {

// Tabs become blanks up to the paragraph's next tab stop (measured with the
// text's metrics); past the last stop, up to the next half inch.
std::string WritePlainText(const tReportText& text);

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
std::string WriteHtml(const tReportText& text, const std::string& title);

}  // namespace quintara
