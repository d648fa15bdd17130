// The choice of a chart from the chart file: a grid with find as you type,
// the Name and Reference orders and the chart-kind filter.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTableView;

namespace quintara {

class tProgram;
class tTable;
class tTableModel;
class TNavigator;

class TOpenChartDlg : public QDialog {
public:
    TOpenChartDlg(tProgram& program, QWidget* parent = nullptr);
    ~TOpenChartDlg() override;
    static constexpr int kHelpContext = 102;

    void accept() override;  // only with a chart to open
    bool Find(const QString& text);
    void SetByReference(bool reference);
    // Entry k of the kind list: 0 all, else charts of kind k - 1.
    void SetKind(int entry);
    void SetEditable(bool on);

    QLineEdit* FindEd;
    QRadioButton *NameBtn, *RefBtn;
    QComboBox* TypeLB;
    QTableView* Grid;

private:
    tProgram& program;
    tTable& charts;
    tTableModel* model;
    TNavigator* navigator;
};

}  // namespace quintara
