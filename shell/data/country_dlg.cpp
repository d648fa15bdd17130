#include "shell/data/country_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"
#include "shell/widgets/navigator.h"
#include "shell/widgets/table_model.h"

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
    : QDialog(parent), program(p), countries(p.Data().CountryTable())
{
    setObjectName("TCountryDlg");
    setWindowTitle(p.Caption(185));
    countries.SetIndex("Countries");
    model = new tTableModel(countries, {{"COUNTRY", p.Caption(241)}, {"CODE", "CODE"}, {"LANGUAGE", "LANGUAGE"}}, this);
    model->SetEditable(true);
    grid = NewGrid(this, *model);
    grid->setColumnWidth(0, 240);
    grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(grid, &QTableView::doubleClicked, this, &QDialog::accept);
    navigator = new TNavigator(p, *grid, *model, this);
    FindEd = new QLineEdit(this);
    FindEd->setObjectName("FindEd");
    connect(FindEd, &QLineEdit::textEdited, this, [this](const QString& t) { Find(t); });
    LanguageCB = new QComboBox(this);
    LanguageCB->setObjectName("LanguageCB");
    LanguageCB->addItems({"All Languages", "English", "Français", "Dutch", "German"});
    auto* addBtn = new QPushButton(p.Caption(218), this);
    addBtn->setObjectName("AddBtn");
    connect(addBtn, &QPushButton::clicked, navigator, &TNavigator::Insert);
    QDialogButtonBox* buttons = DialogButtons(p, this, 106);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(p.Caption(208), this));
    top->addWidget(FindEd, 1);
    top->addWidget(LanguageCB);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator);
    bottom->addStretch();
    bottom->addWidget(addBtn);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);
    resize(520, 460);

    int entry = 0;
    for (int k = 1; k <= 4; ++k)
        if (language != 0 && kEntryLanguage[k] == language) entry = k;
    LanguageCB->setCurrentIndex(entry);
    SetLanguageFilter(entry);
    connect(LanguageCB, &QComboBox::currentIndexChanged, this, [this](int e) { SetLanguageFilter(e); });
    FindEd->setFocus();
}

TCountryDlg::~TCountryDlg() { countries.ClearFilter(); }

void TCountryDlg::SetLanguageFilter(int entry)
{
    const std::string filter = CountryLanguageFilter(entry);
    if (filter.empty()) countries.ClearFilter();
    else countries.SetFilter(filter, false);
    model->Reload();
    navigator->First();
}

bool TCountryDlg::Find(const QString& text)
{
    if (text.isEmpty() || !countries.Locate({"COUNTRY"}, {text.toStdString()}, {true, true})) return false;
    navigator->ShowCurrent();
    return true;
}

std::optional<int> TCountryDlg::Current() const
{
    if (countries.Empty() || countries.Eof()) return std::nullopt;
    return static_cast<int>(countries.IntOr("CODE"));
}

}  // namespace quintara
