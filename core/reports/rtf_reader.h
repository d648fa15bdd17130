// Reading back the rich text the report windows store: the RTF that
// WriteRtf makes (paragraphs with \tx tab stops, runs with \b \i \ul \fs
// \f, \tab, \uN and \'hh characters). Other control words are skipped, as
// are the destinations a reader may ignore ({\* ...}, colours, styles,
// information), so RTF of the same shape from elsewhere reads too.
#pragma once

#include <string>

#include "core/reports/report_text.h"

namespace quintara {

// Appends the paragraphs of rtf to text (tab stops in points, as the
// writer's twips / 20). False, with text unchanged, when rtf is not RTF or
// its groups do not balance.
bool ReadRtf(const std::string& rtf, tReportText& text, std::string* error = nullptr);

}  // namespace quintara
