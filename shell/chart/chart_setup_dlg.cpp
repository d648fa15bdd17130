#include "shell/chart/chart_setup_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/data_module.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/navigator.h"
#include "shell/widgets/radio_group.h"
#include "shell/widgets/table_model.h"

namespace quintara {

namespace {
constexpr int kVisibleCaption = 254, kChartSetupCaption = 190;
}

TChartSetup::TChartSetup(tProgram& p, QWidget* parent) : QDialog(parent), program(p), setup(p.Data())
{
    setObjectName("TChartSetup");
    setWindowTitle(p.Caption(kChartSetupCaption));
    tTable& stars = p.Data().StarTable();
    tTable& planets = p.Data().PlanetTable();
    stars.ClearFilter();
    stars.SetIndex("Name");
    planets.ClearFilter();
    starModel = new tTableModel(stars,
                                {{"Name", p.Caption(caption::kName)},
                                 {"Num", p.Caption(caption::kNumber)},
                                 {"Type", p.Caption(caption::kType)},
                                 {"Magnitude", p.Caption(caption::kMagnitude)}},
                                this);
    planetModel = new tTableModel(planets,
                                  {{"Num", p.Caption(caption::kNumber)},
                                   {"Name", p.Caption(caption::kName)},
                                   {"ShortName", p.Caption(caption::kShortName)},
                                   {"Type", p.Caption(caption::kType)}},
                                  this);
    planetModel->SetEditable(true, {"Name", "ShortName"});
    planetModel->ReportRefusals(p.Messenger(), this);
    DBGrid1 = NewGrid(this, *starModel);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setColumnWidth(0, 170);
    // Number and type narrow, so that the magnitude shows without scrolling.
    DBGrid1->setColumnWidth(1, 60);
    DBGrid1->setColumnWidth(2, 50);
    DBGrid1->setColumnWidth(3, 80);
    DBGrid2 = NewGrid(this, *planetModel);
    DBGrid2->setObjectName("DBGrid2");
    DBGrid2->setEditTriggers(QAbstractItemView::EditKeyPressed);
    DBGrid2->setColumnWidth(0, 60);
    DBGrid2->setColumnWidth(1, 160);
    DBGrid2->setColumnWidth(2, 80);
    connect(DBGrid1, &QTableView::doubleClicked, this, &TChartSetup::Add);
    connect(DBGrid2, &QTableView::doubleClicked, this, &TChartSetup::Remove);
    connect(DBGrid2->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { ShowFlags(); });

    FindEd = new QLineEdit(this);
    FindEd->setObjectName("FindEd");
    connect(FindEd, &QLineEdit::textEdited, this, [this](const QString& t) { Find(t); });
    TypeRG = new TRadioGroup(
        QString(),
        {p.Caption(caption::kAll), p.Caption(caption::kArabicParts), p.Caption(caption::kFixedStars),
         p.Caption(caption::kChakra), p.Caption(caption::kMidPoints), p.Caption(caption::kOther),
         p.Caption(caption::kBodiesAndPoints)},
        "TypeRG", this, 3);
    connect(TypeRG->Buttons(), &QButtonGroup::idClicked, this, &TChartSetup::SetType);
    // Stars as bright as this or brighter; the largest value shows them all.
    MagnitudeSE = new QDoubleSpinBox(this);
    MagnitudeSE->setObjectName("MagnitudeSE");
    MagnitudeSE->setRange(-1.5, kAllStars);
    MagnitudeSE->setSingleStep(0.5);
    MagnitudeSE->setDecimals(1);
    MagnitudeSE->setValue(kAllStars);
    MagnitudeSE->setSpecialValueText(QString());
    connect(MagnitudeSE, &QDoubleSpinBox::valueChanged, this, [this] { SetType(TypeRG->Index()); });
    AddBtn = new QPushButton(">>", this);
    AddBtn->setObjectName("AddBtn");
    AddBtn->setToolTip(p.Caption(caption::kAdd));
    AddBtn->setAutoDefault(false);
    RemoveBtn = new QPushButton("<<", this);
    RemoveBtn->setObjectName("RemoveBtn");
    RemoveBtn->setToolTip(p.Caption(caption::kDelete));
    RemoveBtn->setAutoDefault(false);
    connect(AddBtn, &QPushButton::clicked, this, &TChartSetup::Add);
    connect(RemoveBtn, &QPushButton::clicked, this, &TChartSetup::Remove);
    VisibleCB = new QCheckBox(p.Caption(kVisibleCaption), this);
    VisibleCB->setObjectName("VisibleCB");
    AspectCB = new QCheckBox(p.Caption(caption::kAspects), this);
    AspectCB->setObjectName("AspectCB");
    connect(VisibleCB, &QCheckBox::clicked, this, &TChartSetup::FlagsEdited);
    connect(AspectCB, &QCheckBox::clicked, this, &TChartSetup::FlagsEdited);

    auto* find = new QHBoxLayout;
    auto* findLabel = new QLabel(p.Caption(caption::kFind), this);
    findLabel->setBuddy(FindEd);
    find->addWidget(findLabel);
    find->addWidget(FindEd, 1);
    auto* magnitude = new QHBoxLayout;
    auto* magnitudeLabel = new QLabel(p.Caption(caption::kMagnitudeUpTo), this);
    magnitudeLabel->setBuddy(MagnitudeSE);
    magnitude->addWidget(magnitudeLabel);
    magnitude->addWidget(MagnitudeSE);
    magnitude->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(find);
    left->addWidget(TypeRG);
    left->addLayout(magnitude);
    left->addWidget(DBGrid1, 1);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(AddBtn);
    middle->addWidget(RemoveBtn);
    middle->addStretch();
    auto* flags = new QHBoxLayout;
    flags->addWidget(VisibleCB);
    flags->addWidget(AspectCB);
    flags->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(DBGrid2, 1);
    right->addLayout(flags);
    auto* grids = new QHBoxLayout;
    grids->addLayout(left, 1);
    grids->addLayout(middle);
    grids->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grids, 1);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
    // Down the left column, across the buttons, down the right one.
    setTabOrder(MagnitudeSE, DBGrid1);
    setTabOrder(DBGrid1, AddBtn);
    setTabOrder(AddBtn, RemoveBtn);
    setTabOrder(RemoveBtn, DBGrid2);
    setTabOrder(DBGrid2, VisibleCB);
    setTabOrder(VisibleCB, AspectCB);
    resize(900, 560);
    FindEd->setFocus();
    starModel->Reload();
    planetModel->Reload();
    ShowFlags();
}

// The tables go back to showing every row, for the charts made next.
TChartSetup::~TChartSetup() { program.Data().StarTable().ClearFilter(); }

void TChartSetup::reject()
{
    setup.Revert();
    planetModel->Reload();
    QDialog::reject();
}

bool TChartSetup::Find(const QString& text)
{
    tTable& stars = program.Data().StarTable();
    if (text.isEmpty() || !stars.Locate({"Name"}, {text.toStdString()}, {true, true})) return false;
    DBGrid1->selectRow(stars.Position());
    DBGrid1->scrollTo(starModel->index(stars.Position(), 0));
    return true;
}

void TChartSetup::SetType(int entry)
{
    tTable& stars = program.Data().StarTable();
    const double brightest = MagnitudeSE->value();
    const std::string filter =
        tChartSetup::TypeFilter(entry, brightest >= kAllStars ? tChartSetup::kAllMagnitudes : brightest);
    if (filter.empty())
        stars.ClearFilter();
    else
        stars.SetFilter(filter, false);
    starModel->Reload();
    stars.First();
    if (!stars.Empty()) DBGrid1->selectRow(0);
}

void TChartSetup::Add()
{
    tTable& stars = program.Data().StarTable();
    const QModelIndex at = DBGrid1->currentIndex();
    if (at.isValid()) stars.GoTo(at.row());
    setup.AddCurrentStar();
    tTable& planets = program.Data().PlanetTable();
    const int row = planets.Position();
    planetModel->Reload();
    DBGrid2->selectRow(row);
    DBGrid2->scrollTo(planetModel->index(row, 0));
}

void TChartSetup::Remove()
{
    tTable& planets = program.Data().PlanetTable();
    const QModelIndex at = DBGrid2->currentIndex();
    if (at.isValid()) planets.GoTo(at.row());
    if (!setup.RemoveCurrentPoint()) {
        // The program's own points stay; the beep says the row was kept.
        program.Messenger().Beep();
        return;
    }
    const int row = planets.Position();
    planetModel->Reload();
    if (!planets.Empty()) DBGrid2->selectRow(std::min(row, planets.RecordCount() - 1));
    ShowFlags();
}

void TChartSetup::ShowFlags()
{
    tTable& planets = program.Data().PlanetTable();
    const QModelIndex at = DBGrid2->currentIndex();
    const bool any = at.isValid() && !planets.Empty();
    VisibleCB->setEnabled(any);
    AspectCB->setEnabled(any);
    if (!any) return;
    planets.GoTo(at.row());
    VisibleCB->setChecked(planets.IntOr("Visible") != 0);
    AspectCB->setChecked(planets.IntOr("Aspects") != 0);
}

void TChartSetup::FlagsEdited()
{
    tTable& planets = program.Data().PlanetTable();
    const QModelIndex at = DBGrid2->currentIndex();
    if (!at.isValid() || planets.Empty()) return;
    planets.GoTo(at.row());
    setup.SetCurrentFlags(VisibleCB->isChecked(), AspectCB->isChecked());
}

}  // namespace quintara
