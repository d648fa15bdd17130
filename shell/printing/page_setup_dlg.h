// Page setup: the header flag, the footer text and the four margins in the
// national measure unit.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace quintara {

class tProgram;

class TPageSetupDlg : public QDialog {
public:
    TPageSetupDlg(tProgram& program, QWidget* parent = nullptr);
    static constexpr int kHelpContext = 110;
    void accept() override;  // a margin that does not parse keeps the dialog open

    QCheckBox* HeaderCB;
    QLineEdit *FooterED, *LeftED, *TopED, *RightED, *BottomED;

private:
    tProgram& program;
};

}  // namespace quintara
