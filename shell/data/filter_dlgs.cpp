#include "shell/data/filter_dlgs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/data/chart_file.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/default_captions.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"

namespace quintara {

namespace {

constexpr const char* kOperators[] = {"=", "<>", "<", "<=", ">", ">="};

std::vector<tFieldFilterRow> CoreRows(const std::vector<TFilterFieldDlg::tRow>& rows)
{
    std::vector<tFieldFilterRow> out;
    for (const TFilterFieldDlg::tRow& r : rows) {
        tFieldFilterRow f;
        f.field = r.field;
        f.text = r.kind == TFilterFieldDlg::tRow::kText;
        f.date = r.kind == TFilterFieldDlg::tRow::kDate;
        f.op = r.op->currentText().toStdString();
        f.value = r.value->text().trimmed().toStdString();
        f.upper = r.upper->text().trimmed().toStdString();
        out.push_back(f);
    }
    return out;
}

}  // namespace

TFilterFieldDlg::TFilterFieldDlg(tProgram& p, QWidget* parent) : QDialog(parent), program(p)
{
    setObjectName("TFilterFieldDlg");
    setWindowTitle(p.Caption(caption::kFilter));
    using K = tRow::tKind;
    Rows = {{caption::kName, "Name", K::kText},
            {caption::kFirstName, "FirstName", K::kText},
            {caption::kComment, "Comment", K::kText},
            {caption::kReference, "Reference", K::kText},
            {caption::kLocality, "Birthplace", K::kText},
            {caption::kSex, "Sex", K::kText},
            {caption::kCountry, "Country", K::kNumber},
            {caption::kState, "State", K::kNumber},
            {caption::kChartType, "CHARTTYPE", K::kNumber},
            {25, "HouseType", K::kNumber},
            {caption::kZodiacInDegrees, "Ayanamsa", K::kNumber},
            {103, "Zodiac", K::kNumber},
            {caption::kDate, "DATE", K::kDate},
            {caption::kTime, "Time", K::kText},
            {caption::kAdjust, "ADJUST", K::kNumber},
            {caption::kLongitude, "LONGITUDE", K::kNumber},
            {caption::kLatitude, "LATITUDE", K::kNumber},
            {52, "JULIANDAY", K::kNumber},
            {105, "SIDERAL_T", K::kNumber}};
    auto* form = new QGridLayout;
    int line = 0;
    for (tRow& r : Rows) {
        auto* label = new QLabel(p.Caption(r.caption), this);
        r.op = new QComboBox(this);
        r.op->setObjectName(QString(r.field) + "Op");
        for (const char* o : kOperators) r.op->addItem(o);
        r.value = new QLineEdit(this);
        r.value->setObjectName(QString(r.field) + "Ed");
        r.upper = new QLineEdit(this);
        r.upper->setObjectName(QString(r.field) + "UpEd");
        if (r.kind == K::kDate) r.value->setPlaceholderText(QString::fromStdString(p.Data().DateFormat()));
        label->setBuddy(r.value);
        form->addWidget(label, line, 0);
        form->addWidget(r.op, line, 1);
        form->addWidget(r.value, line, 2);
        form->addWidget(new QLabel("<=", this), line, 3);
        form->addWidget(r.upper, line, 4);
        ++line;
    }
    form->setColumnStretch(2, 1);
    form->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
    resize(560, sizeHint().height());
    for (std::size_t i = 0; i + 1 < Rows.size(); ++i) setTabOrder(Rows[i].upper, Rows[i + 1].op);
    Rows.front().value->setFocus();
}

std::string TFilterFieldDlg::Expression() const { return FieldFilterExpression(CoreRows(Rows)); }

void TFilterFieldDlg::accept()
{
    if (const auto problem = FieldFilterProblem(CoreRows(Rows), program.Data().DateFormat())) {
        const tRow& r = Rows[problem->first];
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 program.Caption(r.caption) + ": " + QString::fromStdString(problem->second));
        r.value->setFocus();
        return;
    }
    QDialog::accept();
}

TFilterPlanetDlg::TFilterPlanetDlg(tProgram& p, QWidget* parent) : QDialog(parent)
{
    setObjectName("TFilterPlanetDlg");
    setWindowTitle(p.Caption(caption::kFilter));
    PlanetLB = new QListWidget(this);
    PlanetLB->setObjectName("PlanetLB");
    static const char* const kRoman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    for (int k = 1; k <= 24; ++k)
        PlanetLB->addItem(k <= 12 ? QString::fromStdString(p.Languages().PlanetName(k)) : QString(kRoman[k - 13]));
    PlanetLB->setCurrentRow(0);
    SignLB = new QListWidget(this);
    SignLB->setObjectName("SignLB");
    SignLB->addItem(p.Caption(caption::kAll));  // All: no filter
    for (int s = 0; s < 12; ++s) SignLB->addItem(p.Caption(kCaptionFirstSign + s));
    SignLB->setCurrentRow(0);
    auto* lists = new QHBoxLayout;
    lists->addWidget(PlanetLB);
    lists->addWidget(SignLB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
    connect(SignLB, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(380, 440);
}

std::string TFilterPlanetDlg::Expression() const
{
    return PlanetFilterExpression(PlanetLB->currentRow() + 1, SignLB->currentRow());
}

}  // namespace quintara
