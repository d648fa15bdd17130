#include "shell/platform/long_work.h"

#include <QApplication>
#include <QProgressDialog>

namespace quintara {

tLongWork::tLongWork(const QString& title, const QString& cancelText, QWidget* parent)
    : dialog(std::make_unique<QProgressDialog>(title, cancelText, 0, 1, parent))
{
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(500);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

tLongWork::~tLongWork() { QApplication::restoreOverrideCursor(); }

tProgress tLongWork::Progress()
{
    return [this](int done, int total) {
        if (dialog->maximum() != total) dialog->setMaximum(total);
        dialog->setValue(done);  // shows the dialog once due, and lets Cancel in
        return !dialog->wasCanceled();
    };
}

}  // namespace quintara
