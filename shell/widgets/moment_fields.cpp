#include "shell/widgets/moment_fields.h"

#include "core/chart/date_text.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"

namespace quintara {

TDateField::TDateField(tProgram& p, const char* objectName, bool masked, QWidget* parent)
    : QLineEdit(parent), program(p)
{
    setObjectName(objectName);
    if (masked) setInputMask("99/99/9999;_");
}

void TDateField::Show(int year, int month, int day)
{
    setText(QString::fromStdString(DateText(program.Languages().DateFormatString, year, month, day)));
}

bool TDateField::Read(QDialog* dialog, int& year, int& month, int& day)
{
    std::string error;
    if (ParseDateText(program.Languages().DateFormatString, text().toStdString(), year, month, day, error)) return true;
    return FieldError(program, dialog, this, caption::kDate, QString::fromStdString(error));
}

TTimeField::TTimeField(tProgram& p, const char* objectName, QWidget* parent) : QLineEdit(parent), program(p)
{
    setObjectName(objectName);
    // Free text, checked when read: an input mask drops what it does not
    // take ("-1:00" became 01:00) instead of saying so.
    setPlaceholderText(p.Languages().TimeFormat == 0 ? "hh:mm am" : "hh:mm");
}

void TTimeField::Show(int hour, int minute)
{
    setText(QString::fromStdString(TimeText(program.Languages().TimeFormat, hour, minute)));
}

bool TTimeField::Read(QDialog* dialog, int& hour, int& minute)
{
    std::string error;
    if (ParseTimeText(text().toStdString(), hour, minute, error)) return true;
    return FieldError(program, dialog, this, caption::kTime, QString::fromStdString(error));
}

}  // namespace quintara
