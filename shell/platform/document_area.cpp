#include "shell/platform/document_area.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace quintara {

void ShowDocument(QMdiArea* area, QWidget* window)
{
    if (!area) {
        window->show();
        return;
    }
    QMdiSubWindow* sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 belongs to the frame's File > Close, which closes whichever
    // window is active (the window's own copy of the key does not reach it
    // while maximized, and two owners would make it ambiguous).
    if (QMenu* menu = sub->systemMenu())
        for (QAction* a : menu->actions())
            if (a->shortcut() == QKeySequence(QKeySequence::Close) || a->shortcut() == QKeySequence("Ctrl+F4"))
                a->setShortcut({});
    sub->setWindowTitle(window->windowTitle());
    sub->resize(window->sizeHint());
    sub->showMaximized();  // a report opens full size, as its form is made
    area->setActiveSubWindow(sub);
}

bool IsActiveDocument(const QWidget* window)
{
    for (const QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<const QMdiSubWindow*>(w)) {
            QMdiArea* area = sub->mdiArea();
            return area && area->activeSubWindow() == sub;
        }
    return window->isActiveWindow();
}

}  // namespace quintara
