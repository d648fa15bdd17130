// Chart setup: the points every new chart carries, picked from the stars
// table (fixed stars, Arabic parts, midpoints) into the planets table. OK
// keeps the changes, Cancel takes them back.
#pragma once

#include <QDialog>

#include "core/data/chart_setup.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace quintara {

class tProgram;
class tTableModel;
class TRadioGroup;

class TChartSetup : public QDialog {
public:
    explicit TChartSetup(tProgram& program, QWidget* parent = nullptr);
    ~TChartSetup() override;
    static constexpr int kHelpContext = 6015;

    void reject() override;
    // The stars row starting with text (case ignored); false when none.
    bool Find(const QString& text);
    void SetType(int entry);
    void Add();
    // The current planets row, when it is not one of the program's own.
    void Remove();

    QTableView *DBGrid1, *DBGrid2;  // stars, planets
    QLineEdit* FindEd;
    TRadioGroup* TypeRG;
    // Stars up to this magnitude; kAllStars: all of them.
    QDoubleSpinBox* MagnitudeSE;
    static constexpr double kAllStars = 20.0;
    QPushButton *AddBtn, *RemoveBtn;
    QCheckBox *VisibleCB, *AspectCB;

private:
    void ShowFlags();
    void FlagsEdited();

    tProgram& program;
    tChartSetup setup;
    tTableModel *starModel, *planetModel;
};

}  // namespace quintara
