// Find and replace in a report's text. The search is exact: options that
// would do nothing are not offered.
#pragma once

class QWidget;

namespace quintara {

class tProgram;
class TAFRichEdit;

// The window's one find (or replace) dialog, shown modeless.
void ShowFindDialog(tProgram& program, TAFRichEdit& text, bool replace, QWidget* parent);

}  // namespace quintara
