#include "shell/i18n/languages_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "core/i18n/default_captions.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"

namespace quintara {

namespace {

QGroupBox* Pair(QWidget* parent, const QString& title, QRadioButton*& a, const QString& textA, QRadioButton*& b,
                const QString& textB)
{
    auto* box = new QGroupBox(title, parent);
    a = new QRadioButton(textA, box);
    b = new QRadioButton(textB, box);
    auto* l = new QVBoxLayout(box);
    l->addWidget(a);
    l->addWidget(b);
    return box;
}

}  // namespace

TLanguagesDlg::TLanguagesDlg(tProgram& p, QWidget* parent) : QDialog(parent), program(p)
{
    setObjectName("TLanguages");
    setWindowTitle(p.Caption(caption::kNationalAndLanguage));
    TLanguages& lang = p.Languages();
    LanguageNamesLB = new QListWidget(this);
    LanguageNamesLB->setObjectName("LanguageNamesLB");
    for (const std::string& line : lang.LanguageNames()) {
        LanguageNamesLB->addItem(QString::fromStdString(line));
        if (LanguageOfRow(LanguageNamesLB->count() - 1) == lang.CurrentLanguage)
            LanguageNamesLB->setCurrentRow(LanguageNamesLB->count() - 1);
    }
    EnglishLB = new QListWidget(this);
    EnglishLB->setObjectName("EnglishLB");
    for (int n = 0; n < kCaptionCount; ++n)
        EnglishLB->addItem(QString::number(n) + "  " + QString::fromUtf8(DefaultCaption(n).data(),
                                                                          static_cast<int>(DefaultCaption(n).size())));
    TranslateLB = new QListWidget(this);
    TranslateLB->setObjectName("TranslateLB");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    FillTranslations();

    QGroupBox* dates = Pair(this, p.Caption(caption::kDateFormat), USDate, "mm/dd/yyyy", EUDate, "dd/mm/yyyy");
    QGroupBox* times = Pair(this, p.Caption(caption::kTimeFormat), USTime, "0 - 12 am/pm", EUTime, "0 - 24");
    QGroupBox* units = Pair(this, p.Caption(caption::kMeasureUnits), Inches, p.Caption(caption::kInches), Centimeters, p.Caption(caption::kCentimeters));
    USDate->setObjectName("USDate");
    EUDate->setObjectName("EUDate");
    USTime->setObjectName("USTime");
    EUTime->setObjectName("EUTime");
    Inches->setObjectName("Inches");
    Centimeters->setObjectName("Centimeters");
    (lang.DateFormat == 0 ? USDate : EUDate)->setChecked(true);
    (lang.TimeFormat == 0 ? USTime : EUTime)->setChecked(true);
    (lang.MeasureUnit == 1 ? Inches : Centimeters)->setChecked(true);
    CountryEd = new QSpinBox(this);
    CountryEd->setObjectName("CountryEd");
    CountryEd->setRange(0, 9999);
    CountryEd->setValue(std::max(0, lang.Country));

    connect(EnglishLB, &QListWidget::currentRowChanged, this, &TLanguagesDlg::SelectLine);
    connect(TranslateLB, &QListWidget::currentRowChanged, this, &TLanguagesDlg::SelectLine);
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (QListWidgetItem* item = TranslateLB->currentItem()) {
            item->setText(t);
            Modified = true;
        }
    });
    connect(LanguageNamesLB, &QListWidget::currentRowChanged, this, &TLanguagesDlg::ChooseLanguage);

    QDialogButtonBox* buttons = DialogButtons(p, this, kHelpContext);

    auto* left = new QVBoxLayout;
    left->addWidget(LanguageNamesLB, 1);
    left->addWidget(dates);
    left->addWidget(times);
    left->addWidget(units);
    auto* country = new QHBoxLayout;
    country->addWidget(new QLabel(p.Caption(caption::kCountry), this));
    country->addWidget(CountryEd);
    left->addLayout(country);
    auto* lists = new QGridLayout;
    lists->addWidget(EnglishLB, 0, 0);
    lists->addWidget(TranslateLB, 0, 1);
    lists->addWidget(Edit1, 1, 0, 1, 2);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(lists, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(820, 560);
}

int TLanguagesDlg::LanguageOfRow(int row) const
{
    if (row < 0 || row >= LanguageNamesLB->count()) return 0;
    return LanguageNamesLB->item(row)->text().section('=', 0, 0).trimmed().toInt();
}

void TLanguagesDlg::FillTranslations()
{
    TranslateLB->clear();
    for (int n = 0; n < kCaptionCount; ++n) TranslateLB->addItem(program.Caption(n));
    Modified = false;
}

void TLanguagesDlg::SelectLine(int n)
{
    if (n < 0) return;
    const QSignalBlocker a(EnglishLB), b(TranslateLB);
    EnglishLB->setCurrentRow(n);
    TranslateLB->setCurrentRow(n);
    Edit1->setText(TranslateLB->item(n)->text());
}

void TLanguagesDlg::WriteTranslations()
{
    if (!Modified) return;
    for (int n = 0; n < TranslateLB->count(); ++n) {
        const QString t = TranslateLB->item(n)->text();
        if (!t.isEmpty() && t != program.Caption(n))
            program.Languages().SetCaptionTranslation(n, t.toStdString());
    }
    Modified = false;
}

void TLanguagesDlg::ChooseLanguage(int row)
{
    const int language = LanguageOfRow(row);
    if (language <= 0 || language == program.Languages().CurrentLanguage) return;
    WriteTranslations();
    program.Languages().SetLanguage(language);
    FillTranslations();
}

void TLanguagesDlg::accept()
{
    TLanguages& lang = program.Languages();
    lang.SetDateFormat(USDate->isChecked() ? 0 : 1);
    lang.SetTimeFormat(USTime->isChecked() ? 0 : 1);
    lang.MeasureUnit = Centimeters->isChecked() ? 0 : 1;
    lang.Country = CountryEd->value();
    WriteTranslations();
    if (const int language = LanguageOfRow(LanguageNamesLB->currentRow()); language > 0) lang.SetLanguage(language);
    lang.SaveSettings();
    QDialog::accept();
}

}  // namespace quintara
