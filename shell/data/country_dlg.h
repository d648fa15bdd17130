// The countries: picker and editor of the country table, filtered by the
// language of the names.
#pragma once

#include <optional>
#include <string>

#include "shell/widgets/table_browser.h"

class QComboBox;

namespace quintara {

class TCountryDlg : public TTableBrowser {
public:
    static constexpr int kHelpContext = 106;
    // language not 0: only the names in that language (and English).
    TCountryDlg(tProgram& program, int language, QWidget* parent = nullptr);

    // CODE of the current row.
    std::optional<int> Current() const;
    bool Find(const QString& text) override;
    // Entry of the language list: 0 all, 1 English, 2 French, 3 Dutch, 4 German.
    void SetLanguageFilter(int entry);

    QComboBox* LanguageCB;
};

// The filter of a language entry ("" for all languages).
std::string CountryLanguageFilter(int entry);

}  // namespace quintara
