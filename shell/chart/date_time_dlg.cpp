#include "shell/chart/date_time_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/city_field.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"
#include "shell/widgets/moment_fields.h"

namespace quintara {

TDateTimeDlg::TDateTimeDlg(tProgram& p, tChart& c, QWidget* parent, int caption, int helpContext)
    : QDialog(parent), program(p), chart(c)
{
    setObjectName("TDateTimeDlg");
    setWindowTitle(p.Caption(caption));
    CityED = new TCityField(p, c, this);
    DateED = new TDateField(p, "DateED", true, this);
    DateED->Show(c.Year, c.Month, c.Day);
    TimeED = new TTimeField(p, "TimeED", this);
    TimeED->Show(c.Hour, c.Minute);
    Form = new QFormLayout;
    Form->addRow(p.Caption(caption::kLocality), CityED);
    Form->addRow(p.Caption(caption::kDate), DateED);
    Form->addRow(p.Caption(caption::kTime), TimeED);
    QDialogButtonBox* buttons = DialogButtons(p, this, helpContext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Form);
    layout->addWidget(buttons);
}

void TDateTimeDlg::accept()
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (!DateED->Read(this, year, month, day) || !TimeED->Read(this, hour, minute)) return;
    if (!CityED->Apply(this, caption::kLocality, chart)) return;
    chart.Year = static_cast<std::uint16_t>(year);
    chart.Month = static_cast<std::uint16_t>(month);
    chart.Day = static_cast<std::uint16_t>(day);
    chart.Hour = static_cast<std::uint16_t>(hour);
    chart.Minute = static_cast<std::uint16_t>(minute);
    QDialog::accept();
}

}  // namespace quintara
