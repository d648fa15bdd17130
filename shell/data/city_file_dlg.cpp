#include "shell/data/city_file_dlg.h"

#include <cmath>
#include <map>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/chart/chart_input.h"
#include "core/i18n/caption_ids.h"
#include "shell/data/country_dlg.h"
#include "shell/platform/program.h"
#include "shell/widgets/coordinate_field.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"
#include "shell/widgets/navigator.h"
#include "shell/widgets/table_model.h"

namespace quintara {

namespace {

std::vector<tGridColumn> CityColumns(tProgram& p)
{
    const auto name = [&](const std::string& field, int caption) { return tGridColumn{field, p.Caption(caption)}; };
    return {name("CITY", caption::kLocality), name("COUNTRY", caption::kCountry), name("LATITUDE", caption::kLatitude), name("LONGITUDE", caption::kLongitude),
            name("POPULATION", caption::kPopulation)};
}

}  // namespace

TCityFileDlg::TCityFileDlg(tProgram& p, const QString& search, int countryCode, QWidget* parent)
    : TTableBrowser(p, p.Data().CityTable(), "TCityFileDlg", caption::kLocalities, CityColumns(p), parent), country(countryCode)
{
    table.SetIndex("Cities");
    TData1& data = p.Data();
    const int language = p.Languages().CurrentLanguage;
    // Names looked up once per country, not at every paint of a cell.
    auto names = std::make_shared<std::map<std::int64_t, QString>>();
    model->SetFormat([&data, language, names](const tTable& t, const std::string& field) {
        if (field != "COUNTRY") return FieldText(t, field);
        const std::int64_t code = t.Int(field);
        auto it = names->find(code);
        if (it == names->end())
            it = names->emplace(code, QString::fromStdString(data.GetCountryName(static_cast<int>(code), language))).first;
        return it->second;
    });
    grid->setColumnWidth(0, 220);
    grid->setColumnWidth(1, 150);
    grid->setColumnWidth(2, 70);
    grid->setColumnWidth(3, 80);
    connect(grid, &QTableView::doubleClicked, this, &QDialog::accept);
    navigator->SetRowEditor([this](bool inserting) { return EditRow(inserting); });

    AllCB = new QCheckBox(p.Caption(caption::kAllCountries), this);
    AllCB->setObjectName("AllCB");
    connect(AllCB, &QCheckBox::toggled, this, [this](bool all) { SetAllCountries(all); });
    QPushButton* filterBtn = Button(caption::kCountry, "FilterBtn", " >>");
    connect(filterBtn, &QPushButton::clicked, this, [this] { ChooseCountry(); });
    QPushButton* addBtn = Button(caption::kAdd, "AddBtn");
    connect(addBtn, &QPushButton::clicked, navigator, &TNavigator::Insert);
    QPushButton* modifyBtn = Button(165, "ModifyBtn");
    connect(modifyBtn, &QPushButton::clicked, navigator, &TNavigator::Edit);
    Lay({AllCB, filterBtn}, {addBtn, modifyBtn}, kHelpContext, 780);

    AllCB->setChecked(country == 0);
    SetAllCountries(country == 0);
    FindEd->setText(search);
    if (!search.isEmpty()) Find(search);
}

void TCityFileDlg::SetAllCountries(bool all)
{
    Filter(all || country == 0 ? std::string() : "COUNTRY=" + std::to_string(country));
}

bool TCityFileDlg::Find(const QString& text)
{
    const std::string typed = text.toStdString();
    if (Locate("CITY", typed)) return true;
    bool found = false;
    if (!typed.empty()) {
        // Users type without accents: the best locality of that spelling.
        for (const tLocality& l : program.Data().FindLocalities(typed, 50))
            if (table.Locate({"INDEX"}, {l.index})) {
                found = true;
                break;
            }
    }
    if (!found) {
        // Nothing starts with all of it ("St Petersb"): the place where the
        // longest start of it that some locality has would stand.
        std::string shorter = typed;
        while (!found && !shorter.empty()) {
            shorter.pop_back();
            while (!shorter.empty() && (static_cast<unsigned char>(shorter.back()) & 0xC0) == 0x80) shorter.pop_back();
            if (!shorter.empty()) found = table.Locate({"CITY"}, {shorter}, {true, true});
        }
        if (found) navigator->ShowCurrent();
        return false;
    }
    navigator->ShowCurrent();
    return true;
}

void TCityFileDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Scrolled to the current row once the grid has its size.
    navigator->ShowCurrent();
}

void TCityFileDlg::ChooseCountry()
{
    TCountryDlg dialog(program, 0, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Current()) return;
    country = *dialog.Current();
    AllCB->setChecked(false);
    SetAllCountries(false);
}

std::optional<tLocality> TCityFileDlg::Current() const
{
    tTable& cities = table;
    if (cities.Empty() || cities.Eof()) return std::nullopt;
    tLocality l;
    l.name = cities.TextOr("CITY");
    l.country = static_cast<std::int32_t>(cities.IntOr("COUNTRY"));
    l.state = static_cast<std::int32_t>(cities.IntOr("STATE"));
    l.latitude = cities.RealOr("LATITUDE");
    l.longitude = cities.RealOr("LONGITUDE");
    l.population = cities.IntOr("POPULATION");
    l.index = cities.IntOr("INDEX");
    return l;
}

bool TCityFileDlg::EditRow(bool inserting)
{
    if (inserting) table.Insert();
    else table.Edit();
    TNewCityDlg dialog(program, inserting, this);
    if (dialog.exec() == QDialog::Accepted) return true;
    table.Cancel();
    return false;
}

TNewCityDlg::TNewCityDlg(tProgram& p, bool ins, QWidget* parent) : QDialog(parent), program(p), inserting(ins)
{
    setObjectName("TNewCityDlg");
    setWindowTitle(p.Caption(caption::kLocalities));
    tTable& t = p.Data().CityTable();
    const auto edit = [&](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    city = edit("CityEd");
    city->setMaxLength(30);
    country = edit("CountryEd");
    country->setMaximumWidth(70);
    countryName = new QLabel(this);
    countryName->setObjectName("CountryLbl");
    auto* countryBtn = new QPushButton(">>", this);
    countryBtn->setObjectName("CountryBtn");
    countryBtn->setAutoDefault(false);
    state = new QComboBox(this);
    state->setObjectName("StateCB");
    latitude = edit("LatEd");
    longitude = edit("LongEd");
    longTime = edit("LongTEd");
    population = edit("PopulEd");
    ns = new THemisphereButton(p, THemisphereButton::kLatitude, "NSBtn", this);
    ew = new THemisphereButton(p, THemisphereButton::kLongitude, "EWBtn", this);
    const double lat = inserting ? 0 : t.RealOr("LATITUDE"), lon = inserting ? 0 : t.RealOr("LONGITUDE");
    city->setText(inserting ? QString() : QString::fromStdString(t.TextOr("CITY")));
    country->setText(QString::number(inserting ? 0 : t.IntOr("COUNTRY")));
    const int stateCode = inserting ? 0 : static_cast<int>(t.IntOr("STATE"));
    ShowCountry();
    if (const int at = state->findData(stateCode); at >= 0) state->setCurrentIndex(at);
    connect(country, &QLineEdit::textEdited, this, &TNewCityDlg::ShowCountry);
    connect(countryBtn, &QPushButton::clicked, this, [this] {
        TCountryDlg picker(program, program.Languages().CurrentLanguage, this);
        if (picker.exec() != QDialog::Accepted || !picker.Current()) return;
        country->setText(QString::number(*picker.Current()));
        ShowCountry();
    });
    ShowCoordinate(*latitude, *ns, lat);
    ShowCoordinate(*longitude, *ew, lon);
    longTime->setText(QString::number(std::fabs(LongitudeAsTime(lon)), 'f', 2));
    population->setText(QString::number(inserting ? 0 : t.IntOr("POPULATION")));
    connect(longitude, &QLineEdit::editingFinished, this, [this] {
        std::string error;
        if (auto v = ParseDegMin(longitude->text().toStdString(), error))
            longTime->setText(QString::number(LongitudeAsTime(std::fabs(*v)), 'f', 2));
    });
    auto* form = new QFormLayout;
    form->addRow(p.Caption(caption::kLocality), city);
    auto* countryRow = new QHBoxLayout;
    countryRow->addWidget(country);
    countryRow->addWidget(countryName, 1);
    countryRow->addWidget(countryBtn);
    form->addRow(p.Caption(caption::kCountry), countryRow);
    form->addRow(p.Caption(caption::kState), state);
    auto* latRow = new QHBoxLayout;
    latRow->addWidget(latitude);
    latRow->addWidget(ns);
    form->addRow(p.Caption(caption::kLatitude), latRow);
    auto* lonRow = new QHBoxLayout;
    lonRow->addWidget(longitude);
    lonRow->addWidget(ew);
    form->addRow(p.Caption(caption::kLongitude), lonRow);
    form->addRow(p.Caption(caption::kLongTime), longTime);
    form->addRow(p.Caption(caption::kPopulation), population);
    QDialogButtonBox* buttons = DialogButtons(p, this, TCityFileDlg::kHelpContext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TNewCityDlg::accept()
{
    std::string error;
    const auto bad = [&](int caption, const std::string& why) {
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 program.Caption(caption) + ": " + QString::fromStdString(why));
    };
    const auto lat = ParseLatitude(latitude->text().toStdString(), error);
    if (!lat) return bad(caption::kLatitude, error);
    const auto lon = ParseLongitude(longitude->text().toStdString(), error);
    if (!lon) return bad(caption::kLongitude, error);
    const auto countryCode = ParseWhole(country->text().toStdString(), 0, 32767, error);
    if (!countryCode) return bad(caption::kCountry, error);
    const int stateCode = state->currentData().toInt();
    // The population is often not known: none is 0.
    const QString typedPeople = population->text().trimmed();
    const auto people = ParseWhole(typedPeople.isEmpty() ? "0" : typedPeople.toStdString(), 0, 2000000000, error);
    if (!people) return bad(caption::kPopulation, error);
    if (city->text().trimmed().isEmpty()) return bad(caption::kLocality, "give a name");
    tTable& t = program.Data().CityTable();
    // A refused write ended the insert or edit; the row is still current.
    if (!t.Editing()) {
        if (inserting) t.Insert();
        else t.Edit();
    }
    t.Set("CITY", city->text().trimmed().toStdString());
    t.Set("COUNTRY", std::int64_t{*countryCode});
    t.Set("STATE", std::int64_t{stateCode});
    t.Set("LATITUDE", ns->Signed(*lat));
    t.Set("LONGITUDE", ew->Signed(*lon));
    t.Set("POPULATION", std::int64_t{*people});
    try {
        t.Post();
    } catch (const tStorageError& e) {
        // The row stays as typed, in edit, for the user to mend or cancel.
        return bad(caption::kLocality, std::string("the locality could not be stored: ") + e.what());
    }
    QDialog::accept();
}

void TNewCityDlg::ShowCountry()
{
    std::string error;
    const auto code = ParseWhole(country->text().toStdString(), 0, 32767, error);
    TData1& data = program.Data();
    countryName->setText(code && *code
                             ? QString::fromStdString(data.GetCountryName(*code, program.Languages().CurrentLanguage))
                             : QString());
    const int kept = state->currentData().toInt();
    state->clear();
    state->addItem(QString(), 0);  // no state
    if (code && *code)
        for (const auto& [stateCode, name] : data.StatesOf(*code))
            state->addItem(QString::fromStdString(name), stateCode);
    if (const int at = state->findData(kept); at >= 0) state->setCurrentIndex(at);
}

}  // namespace quintara
