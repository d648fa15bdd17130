#include "shell/chart/date_time_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/chart/date_text.h"
#include "core/i18n/caption_ids.h"
#include "shell/chart/new_chart_dlg.h"
#include "shell/platform/program.h"
#include "shell/widgets/city_field.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"

namespace quintara {

TDateTimeDlg::TDateTimeDlg(tProgram& p, tChart& c, QWidget* parent, int caption, int helpContext)
    : QDialog(parent), program(p), chart(c)
{
    setObjectName("TDateTimeDlg");
    setWindowTitle(p.Caption(caption));
    CityED = new TCityField(p, c, this);
    DateED = new QLineEdit(this);
    DateED->setObjectName("DateED");
    DateED->setInputMask("99/99/9999;_");
    DateED->setText(QString::fromStdString(DateText(p.Languages().DateFormatString, c.Year, c.Month, c.Day)));
    TimeED = new QLineEdit(this);
    TimeED->setObjectName("TimeED");
    TimeED->setInputMask(p.Languages().TimeFormat == 0 ? "99:99 AA;_" : "99:99;_");
    TimeED->setText(QString::fromStdString(TimeText(p.Languages().TimeFormat, c.Hour, c.Minute)));
    Form = new QFormLayout;
    Form->addRow(p.Caption(caption::kLocality), CityED);
    Form->addRow(p.Caption(caption::kDate), DateED);
    Form->addRow(p.Caption(caption::kTime), TimeED);
    QDialogButtonBox* buttons = DialogButtons(p, this, helpContext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Form);
    layout->addWidget(buttons);
}

bool TDateTimeDlg::Bad(QLineEdit* field, int caption, const std::string& why)
{
    return FieldError(program, this, field, caption, QString::fromStdString(why));
}

void TDateTimeDlg::accept()
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    std::string error;
    if (!ParseDateText(program.Languages().DateFormatString, DateED->text().toStdString(), year, month, day, error))
        return void(Bad(DateED, caption::kDate, error));
    if (!ParseTimeText(TimeED->text().toStdString(), hour, minute, error)) return void(Bad(TimeED, caption::kTime, error));
    if (!CityED->Apply(this, caption::kLocality, chart)) return;
    chart.Year = static_cast<std::uint16_t>(year);
    chart.Month = static_cast<std::uint16_t>(month);
    chart.Day = static_cast<std::uint16_t>(day);
    chart.Hour = static_cast<std::uint16_t>(hour);
    chart.Minute = static_cast<std::uint16_t>(minute);
    QDialog::accept();
}

}  // namespace quintara
