#include "shell/platform/messenger.h"

#include <QApplication>
#include <QMessageBox>

namespace quintara {

tMessenger::tAnswer tBoxMessenger::Ask(QWidget* parent, tKind kind, const QString& title, const QString& text,
                                       tButtons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(kind == kError     ? QMessageBox::Critical
                : kind == kWarning ? QMessageBox::Warning
                : kind == kQuestion ? QMessageBox::Question
                                    : QMessageBox::Information);
    QMessageBox::StandardButtons b = QMessageBox::Ok;
    if (buttons == kOkCancel || buttons == kOkCancelSafe) b = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == kYesNo) b = QMessageBox::Yes | QMessageBox::No;
    if (buttons == kYesNoCancel) b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    box.setStandardButtons(b);
    if (buttons == kOkCancelSafe) box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    case QMessageBox::Cancel: return kAnswerCancel;
    default: return buttons == kYesNo ? kAnswerNo : buttons == kOk ? kAnswerOk : kAnswerCancel;
    }
}

void tBoxMessenger::Beep() { QApplication::beep(); }

}  // namespace quintara
