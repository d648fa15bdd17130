#include "main/date_time_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/city_file_dlg.h"
#include "main/dialog_buttons.h"
#include "main/help_window.h"
#include "main/new_chart_dlg.h"
#include "main/program.h"

namespace quintara {

TDateTimeDlg::TDateTimeDlg(tProgram& p, tChart& c, QWidget* parent) : QDialog(parent), program(p), chart(c)
{
    setObjectName("TDateTimeDlg");
    setWindowTitle(p.Caption(251));
    CityED = new QLineEdit(QString::fromStdString(c.BirthPlace), this);
    CityED->setObjectName("CityED");
    CityED->setMaxLength(30);
    DateED = new QLineEdit(this);
    DateED->setObjectName("DateED");
    DateED->setInputMask("99/99/9999;_");
    DateED->setText(DateText(p.Languages().DateFormatString, c.Year, c.Month, c.Day));
    TimeED = new QLineEdit(this);
    TimeED->setObjectName("TimeED");
    TimeED->setInputMask(p.Languages().TimeFormat == 0 ? "99:99 AA;_" : "99:99;_");
    TimeED->setText(TimeText(p.Languages().TimeFormat, c.Hour, c.Minute));
    // A changed place is chosen in the locality dialog, opened on the text.
    connect(CityED, &QLineEdit::editingFinished, this, [this] {
        if (CityED->text() == QString::fromStdString(chart.BirthPlace)) return;
        TCityFileDlg picker(program, CityED->text(), 0, this);
        if (picker.exec() == QDialog::Accepted && picker.Current()) {
            const tLocality l = *picker.Current();
            chart.BirthPlace = l.name;
            chart.Country = l.country;
            chart.State = l.state;
            chart.Latitude = l.latitude;
            chart.Longitude = l.longitude;
        }
        CityED->setText(QString::fromStdString(chart.BirthPlace));
    });
    Form = new QFormLayout;
    Form->addRow(p.Caption(242), CityED);
    Form->addRow(p.Caption(265), DateED);
    Form->addRow(p.Caption(266), TimeED);
    QDialogButtonBox* buttons = DialogButtons(p, this, kHelpContext);
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
    if (!ParseDateText(program.Languages().DateFormatString, DateED->text(), year, month, day, error))
        return void(Bad(DateED, 265, error));
    if (!ParseTimeText(TimeED->text(), hour, minute, error)) return void(Bad(TimeED, 266, error));
    chart.Year = static_cast<std::uint16_t>(year);
    chart.Month = static_cast<std::uint16_t>(month);
    chart.Day = static_cast<std::uint16_t>(day);
    chart.Hour = static_cast<std::uint16_t>(hour);
    chart.Minute = static_cast<std::uint16_t>(minute);
    QDialog::accept();
}

}  // namespace quintara
