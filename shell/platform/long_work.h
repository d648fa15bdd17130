// Long work on the user-interface thread: the hourglass at once, a
// progress dialog with Cancel once the work has run half a second.
#pragma once

#include <memory>

#include <QString>

#include "core/platform/progress.h"

class QProgressDialog;
class QWidget;

namespace quintara {

class tLongWork {
public:
    // title: the dialog's caption; cancelText: its button.
    tLongWork(const QString& title, const QString& cancelText, QWidget* parent);
    ~tLongWork();
    tLongWork(const tLongWork&) = delete;
    tLongWork& operator=(const tLongWork&) = delete;

    // For the computation: shows how far it is, false once cancelled.
    tProgress Progress();

private:
    std::unique_ptr<QProgressDialog> dialog;
};

}  // namespace quintara
