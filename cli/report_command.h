// The "report" command: every report text of the program for the command
// line, as plain text, RTF or HTML.
#pragma once

namespace quintara::cli {

int Report(int argc, char** argv);

}  // namespace quintara::cli
