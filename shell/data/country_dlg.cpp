#include "shell/data/country_dlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/navigator.h"

namespace quintara {

namespace {
// Language codes of the list's entries after "All Languages".
constexpr int kEntryLanguage[] = {0, 1, 33, 31, 49};
}  // namespace

std::string CountryLanguageFilter(int entry)
{
    if (entry <= 0 || entry > 4) return {};
    return "Language=0 or LANGUAGE=" + std::to_string(kEntryLanguage[entry]);
}

TCountryDlg::TCountryDlg(tProgram& p, int language, QWidget* parent)
    : TTableBrowser(p, p.Data().CountryTable(), "TCountryDlg", 185,
                    {{"COUNTRY", p.Caption(caption::kCountry)},
                     {"CODE", p.Caption(caption::kCode)},
                     {"LANGUAGE", p.Caption(caption::kLanguage)}},
                    parent)
{
    table.SetIndex("Countries");
    model->SetEditable(true);
    model->ReportRefusals(p.Messenger(), this);
    // The language by its name, as the list above the grid names it.
    TLanguages& languages = p.Languages();
    model->SetFormat([&languages](const tTable& t, const std::string& field) {
        if (field != "LANGUAGE") return FieldText(t, field);
        const std::string name = languages.LanguageName(static_cast<int>(t.IntOr(field)));
        return name.empty() ? FieldText(t, field) : QString::fromStdString(name);
    });
    grid->setColumnWidth(0, 240);
    grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(grid, &QTableView::doubleClicked, this, &QDialog::accept);
    LanguageCB = new QComboBox(this);
    LanguageCB->setObjectName("LanguageCB");
    LanguageCB->addItems({"All Languages", "English", "Français", "Dutch", "German"});
    QPushButton* addBtn = Button(caption::kAdd, "AddBtn");
    connect(addBtn, &QPushButton::clicked, navigator, &TNavigator::Insert);
    Lay({LanguageCB}, {addBtn}, kHelpContext, 520);

    int entry = 0;
    for (int k = 1; k <= 4; ++k)
        if (language != 0 && kEntryLanguage[k] == language) entry = k;
    LanguageCB->setCurrentIndex(entry);
    SetLanguageFilter(entry);
    connect(LanguageCB, &QComboBox::currentIndexChanged, this, [this](int e) { SetLanguageFilter(e); });
}

void TCountryDlg::SetLanguageFilter(int entry) { Filter(CountryLanguageFilter(entry)); }

bool TCountryDlg::Find(const QString& text) { return Locate("COUNTRY", text.toStdString()); }

std::optional<int> TCountryDlg::Current() const
{
    if (table.Empty() || table.Eof()) return std::nullopt;
    return static_cast<int>(table.IntOr("CODE"));
}

}  // namespace quintara
