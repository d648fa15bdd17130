#include "shell/platform/document_area.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace quintara {

void ShowDocument(QMdiArea* area, QWidget* window)
{
    if (!area) {
        window->show();
        return;
    }
    QMdiSubWindow* sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
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
