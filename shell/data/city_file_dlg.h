// The locality picker and editor over the localities table, and the
// editor of one locality.
#pragma once

#include <optional>

#include <QDialog>

#include "core/data/data_module.h"
#include "shell/widgets/table_browser.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quintara {

class TCityFileDlg : public TTableBrowser {
public:
    static constexpr int kHelpContext = 104;
    // Opens positioned on the first locality starting with search; the
    // country filter is on for country (0: every country).
    TCityFileDlg(tProgram& program, const QString& search, int country, QWidget* parent = nullptr);

    // The current row, the choice of OK.
    std::optional<tLocality> Current() const;
    // Positions on the first locality starting with text (case ignored;
    // failing that, accents ignored too). False when there is none; the
    // grid then stands where the text would (the longest start of it that
    // some locality has).
    bool Find(const QString& text) override;
    void SetAllCountries(bool all);

    QCheckBox* AllCB;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ChooseCountry();
    bool EditRow(bool inserting);

    int country;
};

// One locality: name, country, state, coordinates with their hemispheres,
// the longitude as time, population. Edits the localities table's row being
// inserted or edited; OK posts it, Cancel discards it.
class TNewCityDlg : public QDialog {
public:
    TNewCityDlg(tProgram& program, bool inserting, QWidget* parent = nullptr);
    void accept() override;

private:
    tProgram& program;
    bool inserting;
    // The country's name beside its code, and its states to choose from.
    void ShowCountry();

    QLineEdit *city, *country, *latitude, *longitude, *longTime, *population;
    QLabel* countryName;
    QComboBox* state;
    class THemisphereButton *ns, *ew;
};

}  // namespace quintara
