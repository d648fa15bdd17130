// Every question and message box of the program goes through one
// messenger, so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace quintara {

class tMessenger {
public:
    // kOkCancelSafe: Cancel is the default, for questions whose OK destroys.
    enum tButtons { kOk, kOkCancel, kYesNo, kYesNoCancel, kOkCancelSafe };
    enum tAnswer { kAnswerOk, kAnswerCancel, kAnswerYes, kAnswerNo };
    enum tKind { kInformation, kWarning, kError, kQuestion };

    virtual ~tMessenger() = default;
    virtual tAnswer Ask(QWidget* parent, tKind kind, const QString& title, const QString& text, tButtons buttons) = 0;
    virtual void Beep() = 0;

    // A message with an OK button.
    void Tell(QWidget* parent, tKind kind, const QString& title, const QString& text)
    {
        Ask(parent, kind, title, text, kOk);
    }
};

// Message boxes of the platform.
class tBoxMessenger final : public tMessenger {
public:
    tAnswer Ask(QWidget* parent, tKind kind, const QString& title, const QString& text, tButtons buttons) override;
    void Beep() override;
};

}  // namespace quintara
