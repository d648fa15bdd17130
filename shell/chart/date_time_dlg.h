// A place, a date and a time for a chart: the moon cycle and the derived
// charts ask for them.
#pragma once

#include <string>

#include <QDialog>

#include "core/chart/chart.h"

class QFormLayout;
class QLineEdit;

namespace quintara {

class tProgram;
class TCityField;

class TDateTimeDlg : public QDialog {
public:
    // caption and helpContext: of the dialogs built on this one.
    TDateTimeDlg(tProgram& program, tChart& chart, QWidget* parent = nullptr, int caption = 251,
                 int helpContext = kHelpContext);
    static constexpr int kHelpContext = 103;
    void accept() override;

    TCityField* CityED;
    QLineEdit *DateED, *TimeED;

protected:
    // A field that does not parse: named in a message, focused; false.
    bool Bad(QLineEdit* field, int caption, const std::string& why);
    QFormLayout* Form;
    tProgram& program;
    tChart& chart;
};

}  // namespace quintara
