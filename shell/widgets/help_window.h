// Help on this platform: a window of the program showing one HTML page per
// help context, from the help folder the "HelpFile" setting names (one
// folder per language, in the program home).
#pragma once

#include <string>

class QWidget;

namespace quintara {

class tProgram;

// The folder of the help pages: the setting's name without directory or
// extension under "help/" in the home ("AstroEN.hlp" gives help/AstroEN);
// the English pages when that folder does not exist.
std::string HelpFolder(tProgram& program);

// Shows the page of the context (context.html) in the program's one help
// window, raised; a context without a page shows the contents page.
void ShowHelp(tProgram& program, int context, QWidget* parent);

}  // namespace quintara
