#include "shell/chart/clock_dlg.h"

#include <cmath>

#include <QFormLayout>
#include <QLineEdit>

#include "core/chart/chart_input.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"

namespace quintara {

std::int32_t ClockStepMinutes(double hoursMinutes)
{
    const double whole = std::trunc(hoursMinutes);
    return static_cast<std::int32_t>(std::lround(whole * 60 + (hoursMinutes - whole) * 100));
}

TClockDlg::TClockDlg(tProgram& p, tChart& c, double& s, int stepCaption, QWidget* parent, int caption,
                     int helpContext)
    : TDateTimeDlg(p, c, parent, caption, helpContext), step(s), stepCaption(stepCaption)
{
    setObjectName("TClockDlg");
    StepEd = new QLineEdit(QString::number(s, 'f', 2), this);
    StepEd->setObjectName("StepEd");
    StepEd->setMaxLength(8);
    Form->addRow(p.Caption(stepCaption), StepEd);
}

void TClockDlg::accept()
{
    std::string error;
    std::optional<double> v;
    if (stepCaption == caption::kStepInHours) {
        v = ParseDegMin(StepEd->text().toStdString(), error);  // hours.minutes
    } else {
        bool ok = false;
        const double days = StepEd->text().trimmed().toDouble(&ok);
        if (ok && std::isfinite(days) && std::fabs(days) <= 36500) v = days;
        else error = QString("\"%1\" is not a number of days").arg(StepEd->text()).toStdString();
    }
    if (!v || *v == 0)
        return void(FieldError(program, this, StepEd, stepCaption,
                               QString::fromStdString(v ? "give a step other than 0" : error)));
    step = *v;
    TDateTimeDlg::accept();
}

}  // namespace quintara
