// The information windows: a small panel on top with a few lines about the
// chart or the element clicked (its "Info +" button opens the extended
// information), and the extended information, an interpretation text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace quintara {

class tProgram;

class TInfoDlg : public QDialog {
public:
    // infoPlus: what "Info +" does, given the panel's screen position; none
    // hides the button.
    TInfoDlg(tProgram& program, QWidget* owner, const QString& title, const QString& text, std::function<void(QPoint)> infoPlus = {});
    QString Text() const;
    QPushButton* InfoBtn;
};

// Closes the owner's open panel, if any, and shows a new one.
TInfoDlg* ShowInfoPanel(tProgram& program, QWidget* owner, const QString& title, const QString& text,
                        std::function<void(QPoint)> infoPlus = {});

// Stays on top, resizable, the lines in a scrolling text; frees itself on
// closing.
class TExInfoDlg : public QDialog {
public:
    TExInfoDlg(QWidget* owner, QPoint screen, const QString& caption, const std::vector<std::string>& lines);
    QTextEdit* Text;
};

}  // namespace quintara
