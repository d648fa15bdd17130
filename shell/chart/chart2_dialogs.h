// The dialogs of the Chart 2 commands: transits (bodies, start, months),
// previsions (steps and their length) and the sun return (years).
#pragma once

#include <QDialog>

#include "core/chart/chart.h"
#include "core/reports/two_chart_reports.h"
#include "shell/widgets/help_contexts.h"

class QLineEdit;
class QListWidget;
class QRadioButton;
class QCheckBox;
class QSpinBox;

namespace quintara {

class tProgram;

class TCityField;
class TDateField;
class TTimeField;

class TTransitsDlg : public QDialog {
public:
    // Bodies 1..10 and Chiron preselected from bodies (bit n = body n); the transit
    // chart's date is the start, its place the place of the transits.
    TTransitsDlg(tProgram& program, tChart& transitChart, tBodyMask& bodies, int& months, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kTransits;
    void accept() override;  // no body chosen counts as Cancel

    QListWidget* PlanetsLB;
    TCityField* CityED;
    TDateField* DateED;
    QSpinBox* StepED;
    QCheckBox* UniversalCB;

private:
    tProgram& program;
    tChart& chart;
    tBodyMask& bodies;
    int& months;
};

class TPrevisionsDlg : public QDialog {
public:
    // The moving chart's date and time are the start.
    TPrevisionsDlg(tProgram& program, tChart& moving, int& steps, int& stepHours, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kPrevisions;
    void accept() override;

    TDateField* DateED;
    TTimeField* TimeED;
    QLineEdit* StepEd;  // days.hours
    QSpinBox* NumberEd;

private:
    tProgram& program;
    tChart& moving;
    int& steps;
    int& stepHours;
};

class TSunReturnDlg : public QDialog {
public:
    // returnChart: its place is the place of the return.
    TSunReturnDlg(tProgram& program, tChart& returnChart, int& years, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kSunReturn;
    void accept() override;

    TCityField* CityED;
    QSpinBox* YearsEd;

private:
    tProgram& program;
    tChart& chart;
    int& years;
};

// Where to move a chart: its place fields are set from the locality chosen.
class TRelocateDlg : public QDialog {
public:
    TRelocateDlg(tProgram& program, tChart& place, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kPairCharts;
    void accept() override;

    TCityField* CityED;

private:
    tChart& chart;
};

class TCompareFileDlg : public QDialog {
public:
    // sex: the chart's own (1 a man); the other one is preselected.
    TCompareFileDlg(tProgram& program, int sex, tCompareFileRequest& request, QWidget* parent = nullptr);
    static constexpr int kHelpContext = help::kCompareToFile;
    void accept() override;

    QRadioButton *ManBtn, *WomanBtn, *BothBtn;
    QSpinBox *MinAgeEd, *MaxAgeEd, *PositiveEd, *NegativeEd, *TotalEd;

private:
    tCompareFileRequest& request;
};

}  // namespace quintara
