// A place, a date and a time for a chart: the moon cycle and the derived
// charts ask for them.
#pragma once

#include <QDialog>

#include "core/chart/chart.h"

class QFormLayout;

namespace quintara {

class tProgram;
class TCityField;
class TDateField;
class TTimeField;

class TDateTimeDlg : public QDialog {
public:
    // caption and helpContext: of the dialogs built on this one.
    TDateTimeDlg(tProgram& program, tChart& chart, QWidget* parent = nullptr, int caption = 251,
                 int helpContext = kHelpContext);
    static constexpr int kHelpContext = 103;
    void accept() override;

    TCityField* CityED;
    TDateField* DateED;
    TTimeField* TimeED;

protected:
    QFormLayout* Form;
    tProgram& program;
    tChart& chart;
};

}  // namespace quintara
