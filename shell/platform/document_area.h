// Document windows in the frame's document area.
#pragma once

class QMdiArea;
class QWidget;

namespace quintara {

// Shows a window as a document of the area (a top-level window without
// one), captioned, maximised, freed when it closes.
void ShowDocument(QMdiArea* area, QWidget* window);
// The window is the area's active document (or, outside an area, the
// active window).
bool IsActiveDocument(const QWidget* window);

}  // namespace quintara
