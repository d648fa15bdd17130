// The choice of a chart from the chart file: a grid with find as you type,
// the Name and Reference orders and the chart-kind filter.
#pragma once

#include "shell/widgets/table_browser.h"

class QComboBox;
class QRadioButton;

namespace quintara {

class TOpenChartDlg : public TTableBrowser {
public:
    TOpenChartDlg(tProgram& program, QWidget* parent = nullptr);
    static constexpr int kHelpContext = 102;

    void accept() override;  // only with a chart to open
    bool Find(const QString& text) override;
    void SetByReference(bool reference);
    // Entry k of the kind list: 0 all, else charts of kind k - 1.
    void SetKind(int entry);
    void SetEditable(bool on);

    QRadioButton *NameBtn, *RefBtn;
    QComboBox* TypeLB;
    QTableView* Grid;
};

}  // namespace quintara
