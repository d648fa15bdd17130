// The start, the step and the natal body of a transit line graph.
#pragma once

#include "shell/chart/clock_dlg.h"

class QCheckBox;
class QListWidget;

namespace quintara {

class TTransLineGraphDlg : public TClockDlg {
public:
    // transits: the transit chart, its date and time the start; step in
    // days; body: a natal body 1..12, or 0 for all.
    TTransLineGraphDlg(tProgram& program, tChart& transits, double& step, int& body, QWidget* parent = nullptr);
    static constexpr int kHelpContext = 905;
    void accept() override;

    QListWidget* PlanetLB;
    QCheckBox* AllCB;

private:
    int& body;
};

}  // namespace quintara
