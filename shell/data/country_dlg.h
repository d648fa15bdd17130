// The countries: picker and editor of the country table, filtered by the
// language of the names.
#pragma once

#include <optional>

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableView;

namespace quintara {

class tProgram;
class tTable;
class tTableModel;
class TNavigator;

class TCountryDlg : public QDialog {
public:
    // language not 0: only the names in that language (and English).
    TCountryDlg(tProgram& program, int language, QWidget* parent = nullptr);
    ~TCountryDlg() override;

    // CODE of the current row.
    std::optional<int> Current() const;
    bool Find(const QString& text);
    // Entry of the language list: 0 all, 1 English, 2 French, 3 Dutch, 4 German.
    void SetLanguageFilter(int entry);

    QLineEdit* FindEd;
    QComboBox* LanguageCB;

private:
    tProgram& program;
    tTable& countries;
    tTableModel* model;
    QTableView* grid;
    TNavigator* navigator;
};

// The filter of a language entry ("" for all languages).
std::string CountryLanguageFilter(int entry);

}  // namespace quintara
