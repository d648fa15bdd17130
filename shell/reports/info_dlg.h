// The information panel of a window: a small window on top with a few
// lines of text about the chart or the element clicked.
#pragma once

#include <QDialog>

namespace quintara {

class TInfoDlg : public QDialog {
public:
    TInfoDlg(QWidget* owner, const QString& title, const QString& text);
    QString Text() const;
};

// Closes the owner's open panel, if any, and shows a new one.
TInfoDlg* ShowInfoPanel(QWidget* owner, const QString& title, const QString& text);

}  // namespace quintara
