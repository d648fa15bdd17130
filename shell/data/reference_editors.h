// The editors of the smaller reference tables: states, the zone history
// (time files) and the stars and other points of the chart setup. Each
// writes straight to its table; a row the storage refuses is said and
// kept as typed.
#pragma once

#include <QDialog>

#include "shell/widgets/row_browser.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QTableView;

namespace quintara {

class TRadioGroup;

// The states of every country, with the country by name.
class TStateFileDlg : public TRowBrowser {
public:
    static constexpr int kHelpContext = 109;
    explicit TStateFileDlg(tProgram& program, QWidget* parent = nullptr);
    bool Find(const QString& text) override;
    // Appends a state of the country shown and goes to its fields.
    void Add();
    void ChooseCountry();

    QLineEdit *CodeEd, *StateEd;
    QComboBox* CountryCB;  // the lookup list: country names, their codes as data

private:
    void ShowRow() override;
    bool WriteRow() override;
};

// The zone history: where and since when each zone table applies (Time1),
// and the clock changes of the zone table of the selected row (Time2).
class TTimeFileDlg : public QDialog {
public:
    static constexpr int kHelpContext = 111;
    explicit TTimeFileDlg(tProgram& program, QWidget* parent = nullptr);
    ~TTimeFileDlg() override;
    // The Time2 rows of the current Time1 row's zone table.
    void FollowTime1();

    QTableView *Time1DBGrid, *Time2DBGrid;

private:
    tProgram& program;
    class tTableModel *time1Model, *time2Model;
};

// The stars, Arabic parts and other points the chart setup offers; the
// three body lists set the formula of the current point.
class TStarFileDlg : public TRowBrowser {
public:
    static constexpr int kHelpContext = 112;
    explicit TStarFileDlg(tProgram& program, QWidget* parent = nullptr);
    bool Find(const QString& text) override;
    // Entry 0 all; 1..4 that type; any other entry the types above 4.
    void SetType(int entry);
    // Plus1 (list 0), Plus2 (1) or Minus1 (2) of the current row := body.
    void SetFormulaBody(int list, int body);

    QLineEdit* ValueEd;
    TRadioGroup* TypeRG;
    QListWidget* BodyLB[3];

private:
    void ShowRow() override;
    bool WriteRow() override;
};

}  // namespace quintara
