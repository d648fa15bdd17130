// A place, date, time and step for the clock and the line graph.
#pragma once

#include "shell/chart/date_time_dlg.h"
#include "shell/widgets/help_contexts.h"

class QLineEdit;

namespace quintara {

class TClockDlg : public TDateTimeDlg {
public:
    // step: hours.minutes for the clock, days for the line graph (the label
    // says which: caption 252 or 253). OK writes it back.
    TClockDlg(tProgram& program, tChart& chart, double& step, int stepCaption, QWidget* parent = nullptr,
              int caption = 251, int helpContext = kHelpContext);
    static constexpr int kHelpContext = help::kClock;
    void accept() override;

    QLineEdit* StepEd;

private:
    double& step;
    int stepCaption;
};

// The clock dialog's step, hours.minutes, in minutes: 1.30 is 90.
std::int32_t ClockStepMinutes(double hoursMinutes);

}  // namespace quintara
