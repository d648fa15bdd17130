#include "shell/chart/open_chart_dlg.h"

#include <filesystem>

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "core/data/chart_file.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"

namespace quintara {

namespace {

std::vector<tGridColumn> Columns(tProgram& p)
{
    const auto col = [&](const char* field, int caption) { return tGridColumn{field, p.Caption(caption)}; };
    return {col("NAME", caption::kName),       col("FIRSTNAME", caption::kFirstName), col("DATE", caption::kDate),   col("Time", caption::kTime),
            col("BIRTHPLACE", caption::kLocality), col("REFERENCE", caption::kReference), col("COMMENT", caption::kComment)};
}

}  // namespace

TOpenChartDlg::TOpenChartDlg(tProgram& p, QWidget* parent)
    : TTableBrowser(p, p.Data().ChartTable(), "TOpenChartDlg", caption::kOpen, Columns(p), parent)
{
    setWindowTitle(windowTitle() + " " +
                   QString::fromStdString(std::filesystem::path(p.Data().ChartFilePath()).filename().string()));
    table.ClearFilter();
    table.SetIndex("Names");
    const std::string dateFormat = p.Data().DateFormat();
    model->SetFormat([dateFormat](const tTable& t, const std::string& field) {
        return QString::fromStdString(ChartFieldText(t, field, dateFormat));
    });
    Grid = grid;
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setColumnWidth(0, 160);
    Grid->setColumnWidth(1, 120);
    connect(Grid, &QTableView::doubleClicked, this, [this] {
        if (Grid->editTriggers() == QAbstractItemView::NoEditTriggers) accept();
    });

    auto* index = new QGroupBox(p.Caption(caption::kIndex), this);
    NameBtn = new QRadioButton(p.Caption(caption::kName), index);
    NameBtn->setObjectName("NameBtn");
    RefBtn = new QRadioButton(p.Caption(caption::kReference), index);
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
    QPushButton* editBtn = Button(133, "EditBtn");
    editBtn->setCheckable(true);
    connect(editBtn, &QPushButton::toggled, this, [this](bool on) { SetEditable(on); });
    Lay({index, TypeLB}, {editBtn}, kHelpContext, 820);
    Reload();
}

void TOpenChartDlg::accept()
{
    if (!table.Empty()) QDialog::accept();
}

bool TOpenChartDlg::Find(const QString& text)
{
    return Locate(RefBtn->isChecked() ? "REFERENCE" : "NAME", text.toStdString());
}

void TOpenChartDlg::SetByReference(bool reference)
{
    if (reference) table.SetIndexFields({"REFERENCE"});
    else table.SetIndex("Names");
    Reload();
}

void TOpenChartDlg::SetKind(int entry) { Filter(entry <= 0 ? std::string() : "CHARTTYPE=" + std::to_string(entry - 1)); }

void TOpenChartDlg::SetEditable(bool on)
{
    // Dates and times are shown in the national format: only texts are edited here.
    model->SetEditable(on, {"NAME", "FIRSTNAME", "COMMENT", "REFERENCE", "BIRTHPLACE"});
    model->ReportRefusals(program.Messenger(), this);
    Grid->setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    Grid->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             : QAbstractItemView::NoEditTriggers);
}

}  // namespace quintara
