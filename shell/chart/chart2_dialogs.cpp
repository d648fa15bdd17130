#include "shell/chart/chart2_dialogs.h"

#include <iterator>

#include <QDialogButtonBox>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/aspects/transit_search.h"
#include "core/chart/chart_input.h"
#include "core/chart/date_time.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/city_field.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/moment_fields.h"

namespace quintara {

TTransitsDlg::TTransitsDlg(tProgram& p, tChart& c, tBodyMask& b, int& m, QWidget* parent)
    : QDialog(parent), program(p), chart(c), bodies(b), months(m)
{
    setObjectName("TTransitsDlg");
    setWindowTitle(p.Caption(caption::kTransits));
    PlanetsLB = new QListWidget(this);
    PlanetsLB->setObjectName("PlanetsLB");
    PlanetsLB->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int n : kTransitingBodies) {
        PlanetsLB->addItem(QString::fromStdString(p.Languages().PlanetName(n)));
        PlanetsLB->item(PlanetsLB->count() - 1)->setSelected((bodies >> n) & 1u);
    }
    CityED = new TCityField(p, c, this);
    DateED = new TDateField(p, "DateED", true, this);
    DateED->Show(c.Year, c.Month, c.Day);
    StepED = new QSpinBox(this);
    StepED->setObjectName("StepED");
    StepED->setRange(1, 1200);
    StepED->setValue(months);
    UniversalCB = new QCheckBox(p.Caption(caption::kUniversalTimes), this);
    UniversalCB->setObjectName("UniversalCB");
    UniversalCB->setChecked(p.Options().TransitTimesUniversal);
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kLocality), CityED);
    form->addRow(p.Caption(caption::kDate), DateED);
    form->addRow(p.Caption(caption::kPeriodInMonths), StepED);
    form->addRow(QString(), UniversalCB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlanetsLB);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
}

void TTransitsDlg::accept()
{
    tBodyMask chosen = 0;
    for (int i = 0; i < static_cast<int>(std::size(kTransitingBodies)); ++i)
        if (PlanetsLB->item(i)->isSelected()) chosen |= BodyBit(kTransitingBodies[i]);
    if (!chosen) return QDialog::reject();
    int y = 0, mo = 0, d = 0;
    if (!DateED->Read(this, y, mo, d)) return;
    if (!CityED->Apply(this, caption::kLocality, chart)) return;
    bodies = chosen;
    months = StepED->value();
    // A preference: kept for the next transits, and the settings say so.
    if (program.Options().TransitTimesUniversal != UniversalCB->isChecked()) {
        program.Options().TransitTimesUniversal = UniversalCB->isChecked();
        program.Options().WriteParameters();
    }
    chart.Year = static_cast<std::uint16_t>(y);
    chart.Month = static_cast<std::uint16_t>(mo);
    chart.Day = static_cast<std::uint16_t>(d);
    QDialog::accept();
}

TPrevisionsDlg::TPrevisionsDlg(tProgram& p, tChart& c, int& s, int& h, QWidget* parent)
    : QDialog(parent), program(p), moving(c), steps(s), stepHours(h)
{
    setObjectName("TPrevisionsDlg");
    setWindowTitle(p.Caption(caption::kPrevisions));
    DateED = new TDateField(p, "DateED", true, this);
    DateED->Show(c.Year, c.Month, c.Day);
    TimeED = new TTimeField(p, "TimeED", this);
    TimeED->Show(c.Hour, c.Minute);
    StepEd = new QLineEdit(QString("%1.%2").arg(h / 24).arg(h % 24, 2, 10, QChar('0')), this);
    StepEd->setObjectName("StepEd");
    NumberEd = new QSpinBox(this);
    NumberEd->setObjectName("NumberEd");
    NumberEd->setRange(1, 10000);
    NumberEd->setValue(s);
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kDate), DateED);
    form->addRow(p.Caption(caption::kTime), TimeED);
    form->addRow(p.Caption(caption::kSteps), StepEd);
    form->addRow(p.Caption(caption::kNumberOfSteps), NumberEd);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
}

void TPrevisionsDlg::accept()
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (!DateED->Read(this, y, mo, d) || !TimeED->Read(this, h, mi)) return;
    std::string error;
    const auto hours = ParseDaysHours(StepEd->text().toStdString(), error);
    if (!hours) return void(FieldError(program, this, StepEd, caption::kSteps, QString::fromStdString(error)));
    SetChartDateTime(moving, {y, mo, d, h, mi});
    stepHours = *hours;
    steps = NumberEd->value();
    QDialog::accept();
}

TSunReturnDlg::TSunReturnDlg(tProgram& p, tChart& c, int& y, QWidget* parent)
    : QDialog(parent), program(p), chart(c), years(y)
{
    setObjectName("TSunReturnDlg");
    setWindowTitle(p.Caption(caption::kSunReturn));
    CityED = new TCityField(p, c, this);
    YearsEd = new QSpinBox(this);
    YearsEd->setObjectName("YearsEd");
    YearsEd->setRange(-2000, 2000);
    YearsEd->setValue(years);
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kLocality), CityED);
    form->addRow(p.Caption(caption::kAge), YearsEd);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
}

void TSunReturnDlg::accept()
{
    if (!CityED->Apply(this, caption::kLocality, chart)) return;
    years = YearsEd->value();
    QDialog::accept();
}

TRelocateDlg::TRelocateDlg(tProgram& p, tChart& c, QWidget* parent) : QDialog(parent), chart(c)
{
    setObjectName("TRelocateDlg");
    setWindowTitle(p.Caption(caption::kRelocated));
    CityED = new TCityField(p, c, this);
    CityED->setMinimumWidth(240);  // a locality and its country
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kLocality), CityED);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
}

void TRelocateDlg::accept()
{
    if (!CityED->Apply(this, caption::kLocality, chart)) return;
    QDialog::accept();
}

TCompareFileDlg::TCompareFileDlg(tProgram& p, int sex, tCompareFileRequest& r, QWidget* parent)
    : QDialog(parent), request(r)
{
    setObjectName("TCompareFileDlg");
    setWindowTitle(p.Caption(caption::kCompareToFile));
    auto* group = new QGroupBox(p.Caption(caption::kSex), this);
    ManBtn = new QRadioButton(p.Caption(caption::kMan), group);
    WomanBtn = new QRadioButton(p.Caption(caption::kWoman), group);
    BothBtn = new QRadioButton(p.Caption(caption::kBoth), group);
    ManBtn->setObjectName("ManBtn");
    WomanBtn->setObjectName("WomanBtn");
    BothBtn->setObjectName("BothBtn");
    (sex ? WomanBtn : ManBtn)->setChecked(true);  // the other sex
    auto* sexes = new QHBoxLayout(group);
    sexes->addWidget(ManBtn);
    sexes->addWidget(WomanBtn);
    sexes->addWidget(BothBtn);
    const auto spin = [&](const char* name, int lo, int hi, int value) {
        auto* b = new QSpinBox(this);
        b->setObjectName(name);
        b->setRange(lo, hi);
        b->setValue(value);
        return b;
    };
    MinAgeEd = spin("MinAgeEd", 0, 200, r.MinAge);
    MaxAgeEd = spin("MaxAgeEd", 0, 200, r.MaxAge);
    PositiveEd = spin("PositiveEd", 0, 1000000, r.PositiveMinimum);
    NegativeEd = spin("NegativeEd", 0, 1000000, r.NegativeLimit);
    TotalEd = spin("TotalEd", -1000000, 1000000, r.TotalMinimum);
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kMinimumAge), MinAgeEd);
    form->addRow(p.Caption(caption::kMaximumAge), MaxAgeEd);
    form->addRow(p.Caption(caption::kPositivePoints), PositiveEd);
    form->addRow(p.Caption(caption::kNegativePoints), NegativeEd);
    form->addRow(p.Caption(caption::kTotalPoints), TotalEd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
}

void TCompareFileDlg::accept()
{
    request.Sex = ManBtn->isChecked() ? 0 : WomanBtn->isChecked() ? 1 : 2;
    request.MinAge = MinAgeEd->value();
    request.MaxAge = MaxAgeEd->value();
    request.PositiveMinimum = PositiveEd->value();
    request.NegativeLimit = NegativeEd->value();
    request.TotalMinimum = TotalEd->value();
    QDialog::accept();
}

}  // namespace quintara
