#include "shell/chart/open_chart_dlg.h"

#include <filesystem>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/chart_file.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"
#include "shell/widgets/navigator.h"
#include "shell/widgets/table_model.h"

namespace quintara {

TOpenChartDlg::TOpenChartDlg(tProgram& p, QWidget* parent)
    : QDialog(parent), program(p), charts(p.Data().ChartTable())
{
    setObjectName("TOpenChartDlg");
    setWindowTitle(p.Caption(163) + " " +
                   QString::fromStdString(std::filesystem::path(p.Data().ChartFilePath()).filename().string()));
    charts.ClearFilter();
    charts.SetIndex("Names");
    const auto col = [&](const char* field, int caption) { return tGridColumn{field, p.Caption(caption)}; };
    model = new tTableModel(charts, {col("NAME", 261), col("FIRSTNAME", 262), col("DATE", 265), col("Time", 266),
                                     col("BIRTHPLACE", 242), col("REFERENCE", 264), col("COMMENT", 263)},
                            this);
    const std::string dateFormat = p.Data().DateFormat();
    model->SetFormat([dateFormat](const tTable& t, const std::string& field) {
        return QString::fromStdString(ChartFieldText(t, field, dateFormat));
    });
    Grid = NewGrid(this, *model);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setColumnWidth(0, 160);
    Grid->setColumnWidth(1, 120);
    connect(Grid, &QTableView::doubleClicked, this, [this] {
        if (Grid->editTriggers() == QAbstractItemView::NoEditTriggers) accept();
    });
    navigator = new TNavigator(p, *Grid, *model, this);

    FindEd = new QLineEdit(this);
    FindEd->setObjectName("FindEd");
    connect(FindEd, &QLineEdit::textEdited, this, [this](const QString& t) { Find(t); });
    auto* index = new QGroupBox(p.Caption(270), this);
    NameBtn = new QRadioButton(p.Caption(261), index);
    NameBtn->setObjectName("NameBtn");
    RefBtn = new QRadioButton(p.Caption(264), index);
    RefBtn->setObjectName("RefBtn");
    NameBtn->setChecked(true);
    auto* indexLayout = new QHBoxLayout(index);
    indexLayout->addWidget(NameBtn);
    indexLayout->addWidget(RefBtn);
    connect(RefBtn, &QRadioButton::toggled, this, [this](bool on) { SetByReference(on); });
    TypeLB = new QComboBox(this);
    TypeLB->setObjectName("TypeLB");
    for (int c : {92, 90, 83, 82, 80, 85}) TypeLB->addItem(p.Caption(c));
    connect(TypeLB, &QComboBox::activated, this, [this](int e) { SetKind(e); });
    auto* editBtn = new QPushButton(p.Caption(133), this);
    editBtn->setObjectName("EditBtn");
    editBtn->setCheckable(true);
    connect(editBtn, &QPushButton::toggled, this, [this](bool on) { SetEditable(on); });

    QDialogButtonBox* buttons = DialogButtons(p, this, kHelpContext);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(p.Caption(208), this));
    top->addWidget(FindEd, 1);
    top->addWidget(index);
    top->addWidget(TypeLB);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator);
    bottom->addStretch();
    bottom->addWidget(editBtn);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Grid, 1);
    layout->addLayout(bottom);
    resize(820, 480);
    navigator->First();
    FindEd->setFocus();
}

TOpenChartDlg::~TOpenChartDlg() = default;

void TOpenChartDlg::accept()
{
    if (!charts.Empty()) QDialog::accept();
}

bool TOpenChartDlg::Find(const QString& text)
{
    const char* field = RefBtn->isChecked() ? "REFERENCE" : "NAME";
    if (text.isEmpty() || !charts.Locate({field}, {text.toStdString()}, {true, true})) return false;
    navigator->ShowCurrent();
    return true;
}

void TOpenChartDlg::SetByReference(bool reference)
{
    if (reference) charts.SetIndexFields({"REFERENCE"});
    else charts.SetIndex("Names");
    model->Reload();
    navigator->First();
}

void TOpenChartDlg::SetKind(int entry)
{
    if (entry <= 0) charts.ClearFilter();
    else charts.SetFilter("CHARTTYPE=" + std::to_string(entry - 1), false);
    model->Reload();
    navigator->First();
}

void TOpenChartDlg::SetEditable(bool on)
{
    // Dates and times are shown in the national format: only texts are edited here.
    model->SetEditable(on, {"NAME", "FIRSTNAME", "COMMENT", "REFERENCE", "BIRTHPLACE"});
    Grid->setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    Grid->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             : QAbstractItemView::NoEditTriggers);
}

}  // namespace quintara
