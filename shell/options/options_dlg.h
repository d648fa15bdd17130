// The options dialog: one option set (birth, first or second chart) and
// the settings common to all charts, on seven pages. It edits a copy of
// the settings: OK stores and saves it, Cancel leaves everything as it was.
#pragma once

#include <array>

#include <QDialog>

#include "core/options/options_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace quintara {

class tProgram;
class TRadioGroup;
class TZodiacBox;

class TOptionsDlg : public QDialog {
public:
    // set: 1 birth chart, 2 first chart, 3 second chart.
    TOptionsDlg(tProgram& program, int set, QWidget* parent = nullptr);
    static constexpr int kHelpContext = 601;

    // Every typed number is checked first; a bad one is named and keeps
    // the dialog open with nothing stored.
    void accept() override;
    // The form as edited so far (the typed fields once taken).
    const tOptionsForm& Form() const { return form; }
    // The colour dialog's choice for the selected slot (tests set it
    // without the dialog).
    void SetSlotColor(std::uint32_t bbggrr);

    QTabWidget* Pages;
    // Preferences
    TRadioGroup *StartBelierRG, *DegreesRG, *AspectsRG, *SymbolRG, *EphemerisRG, *NodeRG, *FortuneRG;
    QCheckBox* ParallelCB;
    QLineEdit* ParallelOrbEd;
    TZodiacBox* ZodiacBox;
    QLineEdit* CityED;  // the default locality, looked up when changed
    QPushButton* HelpFileBtn;
    // Colors, line widths
    QListWidget* ColorLB;
    QLabel* ColorPanel;
    QPushButton* ColorBtn;
    QListWidget* LineWidthLB;
    QLineEdit* LineWidthEd;
    QSpinBox* PrintSE;
    // Orbs: one body's row of ten aspects
    QCheckBox* CompareOrbCB;
    QListWidget* OrbLB;
    std::array<QLabel*, 10> OrbLbl{};
    std::array<QLineEdit*, 10> OrbEd{};
    // Shown points, houses, transits
    QListWidget *ShowPlanetLB, *ShowAspectLB;
    TRadioGroup* HouseSystemRG;
    QLineEdit* HouseOrbEd;
    QCheckBox* CenteredCB;
    std::array<QCheckBox*, 12> TransitCB{};
    QLineEdit* TransitOrbEd;

private:
    QWidget* PreferencesPage();
    QWidget* ColorsPage();
    QWidget* LineWidthPage();
    QWidget* OrbPage();
    QWidget* ShowPage();
    QWidget* HousesPage();
    QWidget* TransitsPage();
    void ShowForm();
    void ShowColor();
    void ChooseColor();
    void ChooseLocality();
    void ChooseHelpFolder();
    // The typed fields of the shown line-width slot and orb row into the
    // form; false (message shown, field focused) when one does not parse.
    bool TakeLineWidth();
    bool TakeOrbRow();
    void ShowOrbRow();
    tOrbTable& Orbs() { return shownSynastry ? form.synastryOrbs : form.natalOrbs; }
    int PageHelp() const;
    QStringList SlotNames() const;

    tProgram& program;
    tOptionsForm form;
    int widthSlot = -1, orbRow = -1;  // what the typed fields show
    bool shownSynastry = false;
};

}  // namespace quintara
