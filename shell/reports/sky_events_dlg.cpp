#include "shell/reports/sky_events_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/moment_fields.h"

namespace quintara {

TSkyEventsDlg::TSkyEventsDlg(tProgram& p, tCalendarRequest& r, const QString& chartName, QWidget* parent)
    : QDialog(parent), program(p), request(r)
{
    setObjectName("TSkyEventsDlg");
    setWindowTitle(p.Caption(caption::kSkyEvents));
    auto* form = new QFormLayout;
    StartEd = new TDateField(p, "StartEd", false, this);
    StartEd->Show(r.start.year, r.start.month, r.start.day);
    form->addRow(p.Caption(caption::kDate), StartEd);
    MonthsEd = new QSpinBox(this);
    MonthsEd->setObjectName("MonthsEd");
    MonthsEd->setRange(1, 1200);
    MonthsEd->setValue(r.months);
    form->addRow(p.Caption(caption::kMonths), MonthsEd);
    // The Moon's own aspects come several a day; asked for, not given.
    MoonBox = new QCheckBox(
        p.Caption(caption::kAspects) + " (" + QString::fromStdString(p.Languages().PlanetName(2)) + ")", this);
    MoonBox->setObjectName("MoonBox");
    MoonBox->setChecked(r.moonAspects);
    form->addRow(MoonBox);
    const auto box = [&](const char* name, const QString& text, bool on) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(name);
        b->setChecked(on);
        form->addRow(b);
        return b;
    };
    VoidBox = box("VoidBox", QString::fromStdString(p.Languages().PlanetName(2)) + " " + p.Caption(caption::kVoidOfCourse),
                  r.voidOfCourse);
    ShadowsBox = box("ShadowsBox", p.Caption(caption::kPreShadow) + ", " + p.Caption(caption::kPostShadow), r.shadows);
    TransitsBox = new QCheckBox(p.Caption(caption::kTransits) + (chartName.isEmpty() ? QString() : ": " + chartName), this);
    TransitsBox->setObjectName("TransitsBox");
    TransitsBox->setEnabled(!chartName.isEmpty());
    TransitsBox->setChecked(!chartName.isEmpty() && r.natal);
    form->addRow(TransitsBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, 0));
    StartEd->setFocus();
}

bool TSkyEventsDlg::WithTransits() const { return TransitsBox->isEnabled() && TransitsBox->isChecked(); }

void TSkyEventsDlg::accept()
{
    int y = 0, m = 0, d = 0;
    if (!StartEd->Read(this, y, m, d)) return;
    request.start = {y, m, d};
    request.months = MonthsEd->value();
    request.moonAspects = MoonBox->isChecked();
    request.voidOfCourse = VoidBox->isChecked();
    request.shadows = ShadowsBox->isChecked();
    QDialog::accept();
}

}  // namespace quintara
