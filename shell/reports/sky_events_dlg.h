// The sky-events calendar's questions: from which day, for how many
// months, and whether the active chart's transits are listed too.
#pragma once

#include <QDialog>

#include "core/reports/events_calendar.h"

class QCheckBox;
class QSpinBox;

namespace quintara {

class tProgram;
class TDateField;

class TSkyEventsDlg : public QDialog {
public:
    // chartName: the chart whose transits may be added; empty for none.
    TSkyEventsDlg(tProgram& program, tCalendarRequest& request, const QString& chartName, QWidget* parent = nullptr);
    void accept() override;
    bool WithTransits() const;

    TDateField* StartEd;
    QSpinBox* MonthsEd;
    QCheckBox* TransitsBox;
    QCheckBox* MoonBox;
    QCheckBox* VoidBox;
    QCheckBox* ShadowsBox;

private:
    tProgram& program;
    tCalendarRequest& request;
};

}  // namespace quintara
