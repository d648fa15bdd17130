// The "report" command: every report text of the program for the command
// line, as plain text, RTF or HTML.
#pragma once

#include "cli/command_args.h"
#include "core/reports/report_context.h"

namespace quintara::cli {

// The vocabulary, formats, country names and rules of the session's settings.
tReportContext ReportContext(tSession& s);

}  // namespace quintara::cli
