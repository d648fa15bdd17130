#include "shell/options/options_dlg.h"

#include <filesystem>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/chart/chart_input.h"
#include "core/engine/ephemeris_service.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/languages.h"
#include "shell/data/city_file_dlg.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"
#include "shell/options/zodiac_box.h"
#include "shell/widgets/radio_group.h"

namespace quintara {

namespace {

// Help pages of the dialog's pages, in page order.
constexpr int kPageHelp[] = {6014, 603, 609, 6013, 6011, 6012, 6010};

QColor FromBgr(std::uint32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

std::uint32_t ToBgr(const QColor& c)
{
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

QListWidget* List(QWidget* parent, const char* name, const QStringList& items)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->addItems(items);
    return l;
}

QLineEdit* Number(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(4);
    e->setMaximumWidth(60);
    return e;
}

}  // namespace

TOptionsDlg::TOptionsDlg(tProgram& p, int set, QWidget* parent)
    : QDialog(parent), program(p), form(ReadOptionsForm(p.Options(), set))
{
    setObjectName("TMainOptions");
    setWindowTitle(p.Caption(form.setNumber == 2 ? 93 : form.setNumber == 3 ? 94 : 90));
    Pages = new QTabWidget(this);
    Pages->setObjectName("Pages");
    Pages->setUsesScrollButtons(false);  // every page in sight
    Pages->addTab(PreferencesPage(), p.Caption(caption::kPreferences));
    Pages->addTab(ColorsPage(), p.Caption(caption::kColors));
    Pages->addTab(LineWidthPage(), p.Caption(caption::kLineWidth));
    Pages->addTab(OrbPage(), p.Caption(caption::kOrb));
    Pages->addTab(ShowPage(), p.Caption(caption::kShowPlanetsAspects));
    Pages->addTab(HousesPage(), p.Caption(caption::kHouses));
    Pages->addTab(TransitsPage(), p.Caption(caption::kTransits));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    layout->addWidget(DialogButtons(p, this, [this] { return PageHelp(); }));
    ShowForm();
}

int TOptionsDlg::PageHelp() const
{
    const int page = Pages->currentIndex();
    return page >= 0 && page < static_cast<int>(std::size(kPageHelp)) ? kPageHelp[page] : kHelpContext;
}

QStringList TOptionsDlg::SlotNames() const
{
    TLanguages& l = program.Languages();
    QStringList names;
    for (int c : {111, 112, 113, 114}) names << program.Caption(c);
    for (int b = 1; b <= 12; ++b) names << QString::fromStdString(l.PlanetName(b));
    for (int a = 1; a <= 12; ++a) names << QString::fromStdString(l.AspectName(a));
    return names;
}

QWidget* TOptionsDlg::PreferencesPage()
{
    auto* page = new QWidget(this);
    tProgram& p = program;
    StartBelierRG = new TRadioGroup(
        p.Caption(caption::kStartGraphic), {p.Caption(caption::kAries), QString::fromStdString(p.Languages().PlanetName(13))}, "StartBelierRG", page);
    DegreesRG = new TRadioGroup(p.Caption(caption::kShowDegrees), {p.Caption(caption::kWithout), p.Caption(caption::kWith)}, "DegreesRG", page);
    AspectsRG = new TRadioGroup(p.Caption(caption::kAspects), {p.Caption(caption::kMajor), p.Caption(caption::kAll)}, "AspectsRG", page);
    ZodiacBox = new TZodiacBox(p, page);
    SymbolRG = new TRadioGroup(p.Caption(caption::kDisplay), {p.Caption(caption::kLetters), p.Caption(caption::kSymbols)}, "SymbolRG", page);
    EphemerisRG = new TRadioGroup(p.Caption(caption::kEphemeris),
                                  {p.Caption(caption::kBuiltIn), p.Caption(caption::kPrecise)}, "EphemerisRG", page);
    // Without the data files a precise chart would only fall back, note and all.
    if (!PreciseEphemerisInstalled()) {
        QAbstractButton* precise = EphemerisRG->Buttons()->button(1);
        precise->setEnabled(false);
        precise->setToolTip(QString::fromStdString("no ephemeris data files in " + PreciseEphemerisFolder()));
    }
    NodeRG = new TRadioGroup(p.Caption(caption::kNodeCaption), {p.Caption(caption::kTrueNode), p.Caption(caption::kMeanNode)},
                             "NodeRG", page);
    FortuneRG = new TRadioGroup(p.Caption(caption::kPartOfFortune),
                                {p.Caption(caption::kSameByDayAndNight), p.Caption(caption::kReversedByNight)},
                                "FortuneRG", page);
    ParallelCB = new QCheckBox(p.Caption(caption::kParallel) + " / " + p.Caption(caption::kContraparallel), page);
    ParallelCB->setObjectName("ParallelCB");
    ParallelOrbEd = new QLineEdit(page);
    ParallelOrbEd->setObjectName("ParallelOrbEd");
    ParallelOrbEd->setMaximumWidth(80);  // a few digits of degrees
    CityED = new QLineEdit(page);
    CityED->setObjectName("CityED");
    connect(CityED, &QLineEdit::editingFinished, this, &TOptionsDlg::ChooseLocality);
    HelpFileBtn = new QPushButton(page);
    HelpFileBtn->setObjectName("HelpFileBtn");
    HelpFileBtn->setAutoDefault(false);
    connect(HelpFileBtn, &QPushButton::clicked, this, &TOptionsDlg::ChooseHelpFolder);
    auto* grid = new QGridLayout(page);
    grid->addWidget(StartBelierRG, 0, 0);
    grid->addWidget(DegreesRG, 0, 1);
    grid->addWidget(AspectsRG, 1, 0);
    grid->addWidget(ZodiacBox, 1, 1);
    grid->addWidget(SymbolRG, 2, 0);
    grid->addWidget(EphemerisRG, 2, 1);
    grid->addWidget(NodeRG, 3, 0);
    grid->addWidget(FortuneRG, 3, 1);
    auto* declination = new QGroupBox(p.Caption(caption::kDeclination), page);
    auto* parallels = new QFormLayout(declination);
    parallels->addRow(ParallelCB);
    parallels->addRow(p.Caption(caption::kOrb), ParallelOrbEd);
    grid->addWidget(declination, 4, 0, 1, 2);
    auto* place = new QFormLayout;
    place->addRow(p.Caption(caption::kDefaultLocality), CityED);
    place->addRow(p.Caption(caption::kHelp), HelpFileBtn);
    grid->addLayout(place, 5, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* TOptionsDlg::ColorsPage()
{
    auto* page = new QWidget(this);
    ColorLB = List(page, "ColorLB", SlotNames());
    ColorPanel = new QLabel(page);
    ColorPanel->setObjectName("ColorPanel");
    ColorPanel->setMinimumSize(80, 40);
    ColorPanel->setAutoFillBackground(true);
    ColorPanel->setFrameShape(QFrame::Box);
    ColorBtn = new QPushButton(program.Caption(caption::kChange), page);
    ColorBtn->setObjectName("ColorBtn");
    ColorBtn->setAutoDefault(false);
    connect(ColorLB, &QListWidget::currentRowChanged, this, &TOptionsDlg::ShowColor);
    connect(ColorBtn, &QPushButton::clicked, this, &TOptionsDlg::ChooseColor);
    connect(ColorLB, &QListWidget::itemDoubleClicked, this, &TOptionsDlg::ChooseColor);
    auto* side = new QVBoxLayout;
    side->addWidget(ColorPanel);
    side->addWidget(ColorBtn);
    side->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(ColorLB, 1);
    layout->addLayout(side);
    return page;
}

QWidget* TOptionsDlg::LineWidthPage()
{
    auto* page = new QWidget(this);
    LineWidthLB = List(page, "LineWidthLB", SlotNames());
    LineWidthEd = Number(page, "LineWidthEd");
    PrintSE = new QSpinBox(page);
    PrintSE->setObjectName("PrintSE");
    PrintSE->setRange(0, kMaxLineWidth);
    connect(LineWidthLB, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row == widthSlot) return;
        if (widthSlot >= 0 && !TakeLineWidth()) {
            // The bad width stays on screen until it is mended.
            const QSignalBlocker block(LineWidthLB);
            LineWidthLB->setCurrentRow(widthSlot);
            return;
        }
        widthSlot = row;
        LineWidthEd->setText(QString::number(form.set.LineWidths[static_cast<std::size_t>(row)]));
    });
    auto* fields = new QFormLayout;
    fields->addRow(program.Caption(caption::kLineWidth), LineWidthEd);
    fields->addRow(program.Caption(caption::kPrint) + " +", PrintSE);
    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(LineWidthLB, 1);
    layout->addLayout(side);
    return page;
}

QWidget* TOptionsDlg::OrbPage()
{
    auto* page = new QWidget(this);
    TLanguages& l = program.Languages();
    QStringList bodies;
    for (int b = 1; b <= 12; ++b) bodies << QString::fromStdString(l.PlanetName(b));
    OrbLB = List(page, "OrbLB", bodies);
    CompareOrbCB = new QCheckBox(program.Caption(caption::kSynastry), page);
    CompareOrbCB->setObjectName("CompareOrbCB");
    auto* fields = new QGridLayout;
    for (int a = 0; a < 10; ++a) {
        OrbLbl[a] = new QLabel(QString::fromStdString(l.AspectName(a + 1)), page);
        OrbLbl[a]->setObjectName(QString("OrbLbl%1").arg(a + 1));
        OrbEd[a] = Number(page, a == 0 ? "orb1" : qPrintable(QString("Orb%1").arg(a + 1)));
        OrbLbl[a]->setBuddy(OrbEd[a]);
        fields->addWidget(OrbLbl[a], a, 0);
        fields->addWidget(OrbEd[a], a, 1);
    }
    connect(OrbLB, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row == orbRow) return;
        if (orbRow >= 0 && !TakeOrbRow()) {
            const QSignalBlocker block(OrbLB);
            OrbLB->setCurrentRow(orbRow);
            return;
        }
        orbRow = row;
        ShowOrbRow();
    });
    connect(CompareOrbCB, &QCheckBox::toggled, this, [this](bool synastry) {
        if (!TakeOrbRow()) {
            const QSignalBlocker block(CompareOrbCB);
            CompareOrbCB->setChecked(!synastry);
            return;
        }
        shownSynastry = synastry;
        ShowOrbRow();
    });
    auto* side = new QVBoxLayout;
    side->addWidget(CompareOrbCB);
    side->addLayout(fields);
    side->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(OrbLB, 1);
    layout->addLayout(side);
    return page;
}

QWidget* TOptionsDlg::ShowPage()
{
    auto* page = new QWidget(this);
    QStringList bodies;
    for (int b = 1; b <= 28; ++b) bodies << QString::fromStdString(program.Languages().PlanetName(b));
    ShowPlanetLB = List(page, "ShowPlanetLB", bodies);
    ShowAspectLB = List(page, "ShowAspectLB", bodies);
    auto* layout = new QGridLayout(page);
    for (auto [list, caption, column] : {std::tuple{ShowPlanetLB, 116, 0}, std::tuple{ShowAspectLB, 117, 1}}) {
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        auto* label = new QLabel(program.Caption(caption), page);
        label->setBuddy(list);
        layout->addWidget(label, 0, column);
        layout->addWidget(list, 1, column);
    }
    return page;
}

QWidget* TOptionsDlg::HousesPage()
{
    auto* page = new QWidget(this);
    QStringList systems;
    QList<int> codes;
    for (int code : OfferedHouseSystems()) {
        systems << program.Caption(caption::HouseSystem(code));
        codes << code;
    }
    HouseSystemRG =
        new TRadioGroup(program.Caption(caption::kHouseSystem), systems, "HouseSystemRG", page, 2, codes);
    HouseOrbEd = Number(page, "HouseOrbEd");
    CenteredCB = new QCheckBox(program.Caption(caption::kCentered), page);
    CenteredCB->setObjectName("CenteredCB");
    connect(CenteredCB, &QCheckBox::toggled, this, [this](bool on) {
        if (on) HouseOrbEd->setText("0");
    });
    connect(HouseOrbEd, &QLineEdit::textEdited, this, [this](const QString& t) {
        bool ok = false;
        if (t.trimmed().toInt(&ok) != 0 && ok) CenteredCB->setChecked(false);
    });
    auto* orb = new QFormLayout;
    orb->addRow(program.Caption(caption::kOrb), HouseOrbEd);
    orb->addRow(QString(), CenteredCB);
    auto* side = new QVBoxLayout;
    side->addLayout(orb);
    side->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(HouseSystemRG, 1);
    layout->addLayout(side);
    return page;
}

QWidget* TOptionsDlg::TransitsPage()
{
    auto* page = new QWidget(this);
    auto* aspects = new QGroupBox(program.Caption(caption::kTransits), page);
    aspects->setObjectName("TransitsGB");
    auto* grid = new QGridLayout(aspects);
    for (int a = 0; a < 12; ++a) {
        TransitCB[a] = new QCheckBox(QString::fromStdString(program.Languages().AspectName(a + 1)), aspects);
        TransitCB[a]->setObjectName(QString("CheckBox%1").arg(a + 1));
        grid->addWidget(TransitCB[a], a % 6, a / 6);
    }
    TransitOrbEd = Number(page, "TransitOrbEd");
    auto* orb = new QFormLayout;
    orb->addRow(program.Caption(caption::kTransitOrbDivider), TransitOrbEd);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(aspects);
    layout->addLayout(orb);
    layout->addStretch();
    return page;
}

void TOptionsDlg::ShowForm()
{
    const OptionSet& s = form.set;
    StartBelierRG->SetIndex(s.StartAries ? 0 : 1);
    DegreesRG->SetIndex(s.ShowDegrees ? 1 : 0);
    AspectsRG->SetIndex(form.allAspects ? 1 : 0);
    ZodiacBox->Show(form);
    EphemerisRG->SetIndex(form.ephemeris);
    NodeRG->SetIndex(form.meanNode ? 1 : 0);
    FortuneRG->SetIndex(form.fortuneBySect ? 1 : 0);
    ParallelCB->setChecked(form.parallels);
    ParallelOrbEd->setText(QString::number(form.parallelOrb));
    SymbolRG->SetIndex(s.Symbols ? 1 : 0);
    CityED->setText(QString::fromStdString(form.birthplace));
    // The help pages in use (the setting's "<folder>.hlp" is a name kept from
    // old homes; a folder that is not there gives the English pages).
    HelpFileBtn->setText(QString::fromStdString(std::filesystem::path(HelpFolder(program)).filename().string()));
    ColorLB->setCurrentRow(kSlotFirstBody);
    LineWidthLB->setCurrentRow(kSlotText);
    PrintSE->setValue(form.printLineFactor);
    OrbLB->setCurrentRow(0);
    for (int b = 0; b < 28; ++b) {
        ShowPlanetLB->item(b)->setSelected(s.ShowPlanet[static_cast<std::size_t>(b)]);
        ShowAspectLB->item(b)->setSelected(s.ShowAspect[static_cast<std::size_t>(b)]);
    }
    HouseSystemRG->SetIndex(form.houseType);
    HouseOrbEd->setText(QString::number(form.houseOrb));
    CenteredCB->setChecked(form.houseCentered);
    for (int a = 0; a < 12; ++a) TransitCB[a]->setChecked(form.transitAspects[static_cast<std::size_t>(a)]);
    TransitOrbEd->setText(QString::number(form.transitOrb));
}

void TOptionsDlg::ShowColor()
{
    const int slot = ColorLB->currentRow();
    if (slot < 0) return;
    QPalette palette = ColorPanel->palette();
    palette.setColor(QPalette::Window, FromBgr(form.set.Colors[static_cast<std::size_t>(slot)]));
    ColorPanel->setPalette(palette);
}

void TOptionsDlg::SetSlotColor(std::uint32_t bbggrr)
{
    const int slot = ColorLB->currentRow();
    if (slot < 0) return;
    form.set.Colors[static_cast<std::size_t>(slot)] = bbggrr & 0x00FFFFFFu;
    ShowColor();
}

void TOptionsDlg::ChooseColor()
{
    const int slot = ColorLB->currentRow();
    if (slot < 0) return;
    QColorDialog dialog(FromBgr(form.set.Colors[static_cast<std::size_t>(slot)]), this);
    dialog.setWindowTitle(ColorLB->currentItem()->text());
    if (dialog.exec() == QDialog::Accepted) SetSlotColor(ToBgr(dialog.selectedColor()));
}

void TOptionsDlg::ChooseLocality()
{
    const QString typed = CityED->text().trimmed();
    if (typed.isEmpty() || typed == QString::fromStdString(form.birthplace)) return;
    TCityFileDlg picker(program, typed, 0, this);
    const std::optional<tLocality> chosen = picker.exec() == QDialog::Accepted ? picker.Current() : std::nullopt;
    if (chosen) {
        form.birthplace = chosen->name;
        form.latitude = chosen->latitude;
        form.longitude = chosen->longitude;
    }
    // The field shows the locality the settings hold, chosen or kept.
    CityED->setText(QString::fromStdString(form.birthplace));
}

void TOptionsDlg::ChooseHelpFolder()
{
    // The help pages are folders under help/ in the home; the setting names
    // one as "<folder>.hlp".
    QMenu menu(this);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(program.Home() + "/help", ec))
        if (entry.is_directory()) {
            const QString folder = QString::fromStdString(entry.path().filename().string());
            menu.addAction(folder, this, [this, folder] {
                if (program.Options().SetHelpFile((folder + ".hlp").toStdString())) HelpFileBtn->setText(folder);
            });
        }
    menu.exec(HelpFileBtn->mapToGlobal(QPoint(0, HelpFileBtn->height())));
}

bool TOptionsDlg::TakeLineWidth()
{
    if (widthSlot < 0) return true;
    std::string why;
    const auto width = ReadLineWidthField(LineWidthEd->text().toStdString(), why);
    if (!width) {
        Pages->setCurrentIndex(2);
        return FieldError(program, this, LineWidthEd,
                          program.Caption(caption::kLineWidth) + " (" + LineWidthLB->item(widthSlot)->text() + ")",
                          QString::fromStdString(why));
    }
    form.set.LineWidths[static_cast<std::size_t>(widthSlot)] = *width;
    return true;
}

bool TOptionsDlg::TakeOrbRow()
{
    if (orbRow < 0) return true;
    // All ten are read before any is stored: a bad one leaves the row as it was.
    std::array<int, 10> orbs{};
    for (int a = 0; a < 10; ++a) {
        std::string why;
        const auto orb = ReadOrbField(OrbEd[a]->text().toStdString(), why);
        if (!orb) {
            Pages->setCurrentIndex(3);
            return FieldError(
                program, this, OrbEd[a],
                program.Caption(caption::kOrb) + " (" + OrbLB->item(orbRow)->text() + ", " + OrbLbl[a]->text() + ")",
                QString::fromStdString(why));
        }
        orbs[static_cast<std::size_t>(a)] = *orb;
    }
    for (int a = 0; a < 10; ++a)
        Orbs().Set(orbRow + 1, a + 1, static_cast<std::uint8_t>(orbs[static_cast<std::size_t>(a)]));
    return true;
}

void TOptionsDlg::ShowOrbRow()
{
    if (orbRow < 0) return;
    for (int a = 0; a < 10; ++a) OrbEd[a]->setText(QString::number(Orbs().At(orbRow + 1, a + 1)));
}

void TOptionsDlg::accept()
{
    if (!TakeLineWidth() || !TakeOrbRow()) return;
    std::string why;
    const auto houseOrb = ReadHouseOrbField(HouseOrbEd->text().toStdString(), why);
    if (!houseOrb) {
        Pages->setCurrentIndex(5);
        return void(FieldError(program, this, HouseOrbEd, program.Caption(caption::kOrb), QString::fromStdString(why)));
    }
    const auto transitOrb = ReadTransitOrbField(TransitOrbEd->text().toStdString(), why);
    if (!transitOrb) {
        Pages->setCurrentIndex(6);
        return void(FieldError(program, this, TransitOrbEd, program.Caption(caption::kTransitOrbDivider), QString::fromStdString(why)));
    }
    const auto parallelOrb = ReadParallelOrbField(ParallelOrbEd->text().toStdString(), why);
    if (!parallelOrb) {
        Pages->setCurrentIndex(0);
        return void(FieldError(program, this, ParallelOrbEd, program.Caption(caption::kOrb), QString::fromStdString(why)));
    }
    OptionSet& s = form.set;
    s.StartAries = StartBelierRG->Index() == 0;
    s.ShowDegrees = DegreesRG->Index() == 1;
    form.allAspects = AspectsRG->Index() == 1;
    if (!ZodiacBox->Read(form, this)) return void(Pages->setCurrentIndex(0));
    form.ephemeris = EphemerisRG->Index();
    form.meanNode = NodeRG->Index() == 1;
    form.fortuneBySect = FortuneRG->Index() == 1;
    form.parallels = ParallelCB->isChecked();
    form.parallelOrb = *parallelOrb;
    s.Symbols = SymbolRG->Index() == 1;
    for (int a = 0; a < 12; ++a) form.transitAspects[static_cast<std::size_t>(a)] = TransitCB[a]->isChecked();
    form.transitOrb = *transitOrb;
    form.houseType = HouseSystemRG->Index();
    form.houseOrb = *houseOrb;
    form.houseCentered = CenteredCB->isChecked();
    for (int b = 0; b < 28; ++b) {
        s.ShowPlanet[static_cast<std::size_t>(b)] = ShowPlanetLB->item(b)->isSelected();
        s.ShowAspect[static_cast<std::size_t>(b)] = ShowAspectLB->item(b)->isSelected();
    }
    form.printLineFactor = PrintSE->value();
    std::string error;
    if (!StoreOptionsForm(form, program.Options(), &error))
        program.Messenger().Tell(this, tMessenger::kWarning, windowTitle(),
                                 "The settings are in use but could not be saved: " + QString::fromStdString(error));
    QDialog::accept();
}

}  // namespace quintara
