#include "shell/options/zodiac_box.h"

#include <cstdio>

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/chart/chart_input.h"
#include "core/engine/julian_day.h"
#include "core/i18n/caption_ids.h"
#include "core/options/main_options.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/radio_group.h"

namespace quintara {

TZodiacBox::TZodiacBox(tProgram& p, QWidget* parent) : QGroupBox(p.Caption(caption::kZodiac), parent), program(p)
{
    ZodiacRG = new TRadioGroup({}, {p.Caption(caption::kTropical), p.Caption(caption::kSideral)}, "ZodiacRG", this);
    AyanamsaCB = new QComboBox(this);
    AyanamsaCB->setObjectName("AyanamsaCB");
    for (int i = 0; i < caption::kAyanamsaNameCount; ++i)
        AyanamsaCB->addItem(p.Caption(caption::kAyanamsaNames + i), TMainOptions::AyanamsaSetting(caption::AyanamsaCodeAt(i)));
    ReferenceED = new QLineEdit(this);
    ReferenceED->setObjectName("AyanamsaReferenceED");
    ReferenceED->setPlaceholderText("YYYY-MM-DD");
    ValueED = new QLineEdit(this);
    ValueED->setObjectName("AyanamsaValueED");
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kAyanamsa), AyanamsaCB);
    form->addRow(p.Caption(caption::kAyanamsaReference), ReferenceED);
    form->addRow(p.Caption(caption::kAyanamsaThere), ValueED);
    auto* box = new QVBoxLayout(this);
    box->addWidget(ZodiacRG);
    box->addLayout(form);
    connect(ZodiacRG->Buttons(), &QButtonGroup::idClicked, this, &TZodiacBox::Enable);
    connect(AyanamsaCB, &QComboBox::currentIndexChanged, this, &TZodiacBox::Enable);
}

void TZodiacBox::Enable()
{
    const bool sidereal = ZodiacRG->Index() == 1;
    AyanamsaCB->setEnabled(sidereal);
    const bool user = sidereal && AyanamsaCB->currentData().toInt() == 255;
    ReferenceED->setEnabled(user);
    ValueED->setEnabled(user);
}

void TZodiacBox::Show(const tOptionsForm& f)
{
    ZodiacRG->SetIndex(f.zodiac);
    const int at = AyanamsaCB->findData(f.ayanamsa);
    AyanamsaCB->setCurrentIndex(at < 0 ? 0 : at);
    const tDateWords d = DateFromCenturies((f.ayanamsaEpoch - kJ2000) / kDaysPerCentury);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    ReferenceED->setText(buf);
    ValueED->setText(QString::number(f.ayanamsaValue, 'f', 6));
    Enable();
}

bool TZodiacBox::Read(tOptionsForm& f, QDialog* dialog)
{
    f.zodiac = ZodiacRG->Index();
    f.ayanamsa = AyanamsaCB->currentData().toInt();
    if (f.ayanamsa != 255) return true;
    tChartRequest r;
    std::string error;
    if (!ParseDate(ReferenceED->text().trimmed().toStdString(), r, error))
        return FieldError(program, dialog, ReferenceED, caption::kAyanamsaReference, QString::fromStdString(error));
    bool ok = false;
    const double value = ValueED->text().trimmed().replace(',', '.').toDouble(&ok);
    if (!ok || !(value >= -360 && value <= 360))
        return FieldError(program, dialog, ValueED, caption::kAyanamsaThere, "degrees within -360 and 360, such as 23.85");
    f.ayanamsaEpoch = DaysFromJ2000(r.year, r.month, r.day, 0) + kJ2000;
    f.ayanamsaValue = value;
    return true;
}

}  // namespace quintara
