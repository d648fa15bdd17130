// "National options": the language, its translations of the vocabulary,
// the date and time formats, the measure unit and the country.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace quintara {

class tProgram;

class TLanguagesDlg : public QDialog {
public:
    TLanguagesDlg(tProgram& program, QWidget* parent = nullptr);
    static constexpr int kHelpContext = 108;

    // Selects line n in both caption lists and shows its translation.
    void SelectLine(int n);
    // Another language: the changed translations are written first.
    void ChooseLanguage(int row);
    void accept() override;

    QListWidget *LanguageNamesLB, *EnglishLB, *TranslateLB;
    QLineEdit* Edit1;
    QRadioButton *USDate, *EUDate, *USTime, *EUTime, *Inches, *Centimeters;
    QSpinBox* CountryEd;
    bool Modified = false;

private:
    void FillTranslations();
    void WriteTranslations();
    int LanguageOfRow(int row) const;

    tProgram& program;
};

}  // namespace quintara
