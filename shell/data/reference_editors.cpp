#include "shell/data/reference_editors.h"

#include <cmath>
#include <cstdio>

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/chart/chart_input.h"
#include "core/chart/date_text.h"
#include "core/data/civil_date.h"
#include "core/data/chart_setup.h"
#include "core/data/data_module.h"
#include "core/i18n/caption_ids.h"
#include "shell/data/country_dlg.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/navigator.h"
#include "shell/widgets/pending_row.h"
#include "shell/widgets/radio_group.h"
#include "shell/widgets/table_model.h"

namespace quintara {

namespace {

constexpr int kStatesCaption = 186, kTimeFilesCaption = 187, kStarsCaption = 283;

// What the storage refused, in words, with the promise the user needs.
void TellRefused(tProgram& p, QWidget* w, const std::exception& e)
{
    p.Messenger().Tell(w, tMessenger::kError, w->windowTitle(),
                       QString("The row could not be stored: %1. What you typed is kept.").arg(e.what()));
}

void TellField(tProgram& p, QWidget* w, int caption, const std::string& why)
{
    p.Messenger().Tell(w, tMessenger::kError, w->windowTitle(),
                       p.Caption(caption) + ": " + QString::fromStdString(why));
}

// The fields written to the current row (or a new one) in one post; a
// refusal is said and the table left as it was.
bool PostRow(tProgram& p, QWidget* w, tTable& t, bool insert,
             const std::vector<std::pair<const char*, tSqlValue>>& values)
{
    try {
        if (insert)
            t.Insert();
        else
            t.Edit();
        for (const auto& [field, value] : values) t.Set(field, value);
        t.Post();
    } catch (const std::exception& e) {
        if (t.Editing()) t.Cancel();
        TellRefused(p, w, e);
        return false;
    }
    return true;
}

QLineEdit* NewEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

}  // namespace

// States

TStateFileDlg::TStateFileDlg(tProgram& p, QWidget* parent)
    : TRowBrowser(p, p.Data().StateTable(), "TStateFileDlg", kStatesCaption,
                  {{"STATE", p.Caption(caption::kState)},
                   {"CODE", p.Caption(caption::kCode)},
                   {"COUNTRY", p.Caption(caption::kCountry)}},
                  parent)
{
    table.SetIndexFields({"STATE"});
    TData1& data = p.Data();
    const int language = p.Languages().CurrentLanguage;
    model->SetFormat([&data, language](const tTable& t, const std::string& field) {
        if (field != "COUNTRY") return FieldText(t, field);
        const int code = static_cast<int>(t.IntOr("COUNTRY"));
        return QString::number(code) + " " + QString::fromStdString(data.GetCountryName(code, language));
    });
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setColumnWidth(0, 220);

    CodeEd = NewEdit(this, "CodeEd");
    StateEd = NewEdit(this, "StateEd");
    StateEd->setMaxLength(30);
    CountryCB = new QComboBox(this);
    CountryCB->setObjectName("CountryCB");
    // Every country once, by its name in the language in use.
    tTable& countries = data.CountryTable();
    countries.ClearFilter();
    countries.SetIndex("Code");
    int last = -1;
    for (countries.First(); !countries.Eof(); countries.Next()) {
        const int code = static_cast<int>(countries.IntOr("CODE"));
        if (code == last) continue;
        last = code;
        CountryCB->addItem(QString::fromStdString(data.GetCountryName(code, language)), code);
    }
    CountryCB->model()->sort(0);
    auto* countryBtn = new QPushButton(">>>", this);
    countryBtn->setObjectName("CountryBtn");
    countryBtn->setAutoDefault(false);
    connect(countryBtn, &QPushButton::clicked, this, &TStateFileDlg::ChooseCountry);
    auto* addBtn = Button(caption::kAdd, "AddBtn");
    addBtn->setAutoDefault(false);
    connect(addBtn, &QPushButton::clicked, this, &TStateFileDlg::Add);

    auto* details = new QWidget(this);
    auto* form = new QFormLayout(details);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(p.Caption(caption::kCode), CodeEd);
    form->addRow(p.Caption(caption::kState), StateEd);
    auto* countryRow = new QHBoxLayout;
    countryRow->addWidget(CountryCB, 1);
    countryRow->addWidget(countryBtn);
    form->addRow(p.Caption(caption::kCountry), countryRow);
    Lay({}, {addBtn}, kHelpContext, 620, details);

    Pending = new TPendingRow(
        *grid, table, [this] { ShowRow(); }, [this] { return WriteRow(); });
    Pending->Watch(CodeEd);
    Pending->Watch(StateEd);
    Pending->Watch(CountryCB);
    Reload();
    Pending->Show();
}

bool TStateFileDlg::Find(const QString& text) { return FindIn("STATE", text.toStdString()); }

void TStateFileDlg::ShowRow()
{
    const bool any = !table.Empty() && !table.Eof();
    CodeEd->setText(any ? QString::number(table.IntOr("CODE")) : QString());
    StateEd->setText(any ? QString::fromStdString(table.TextOr("STATE")) : QString());
    CountryCB->setCurrentIndex(any ? CountryCB->findData(static_cast<int>(table.IntOr("COUNTRY"))) : -1);
    for (QWidget* w : std::initializer_list<QWidget*>{CodeEd, StateEd, CountryCB}) w->setEnabled(any);
}

bool TStateFileDlg::WriteRow()
{
    std::string error;
    const auto code = ParseWhole(CodeEd->text().toStdString(), 0, 32767, error);
    if (!code) return TellField(program, this, caption::kCode, error), false;
    const std::string name = StateEd->text().trimmed().toStdString();
    if (name.empty()) return TellField(program, this, caption::kState, "give a name"), false;
    if (CountryCB->currentIndex() < 0) return TellField(program, this, caption::kCountry, "choose a country"), false;
    const int country = CountryCB->currentData().toInt();
    // Code and country name a state: a second state of that key would hide the first.
    const bool sameKey = table.IntOr("CODE") == *code && table.IntOr("COUNTRY") == country;
    if (!sameKey && !program.Data().GetStateName(country, *code).empty())
        return TellField(program, this, caption::kCode,
                         "that country has a state with code " + std::to_string(*code) + " already"),
               false;
    if (!PostRow(program, this, table, false,
                 {{"CODE", std::int64_t{*code}}, {"STATE", name}, {"COUNTRY", std::int64_t{country}}}))
        return false;
    model->Reload();
    navigator->ShowCurrent();
    return true;
}

void TStateFileDlg::Add()
{
    if (!Pending->Post()) return;
    const int country = table.Empty() ? 0 : static_cast<int>(table.IntOr("COUNTRY"));
    // The next free code of that country.
    int code = 1;
    while (!program.Data().GetStateName(country, code).empty()) ++code;
    if (!PostRow(program, this, table, true,
                 {{"COUNTRY", std::int64_t{country}}, {"CODE", std::int64_t{code}}, {"STATE", std::string("?")}}))
        return;
    model->Reload();
    navigator->ShowCurrent();
    Pending->Show();
    StateEd->setFocus();
    StateEd->selectAll();
}

void TStateFileDlg::ChooseCountry()
{
    TCountryDlg picker(program, program.Languages().CurrentLanguage, this);
    if (picker.exec() != QDialog::Accepted) return;
    if (const std::optional<int> code = picker.Current()) {
        const int at = CountryCB->findData(*code);
        if (at < 0) return;
        CountryCB->setCurrentIndex(at);
        emit CountryCB->activated(at);  // typed, as if chosen in the list
    }
}

// Time files

TTimeFileDlg::TTimeFileDlg(tProgram& p, QWidget* parent) : QDialog(parent), program(p)
{
    setObjectName("TTimeFileDlg");
    setWindowTitle(p.Caption(kTimeFilesCaption));
    setModal(false);
    tTable& time1 = p.Data().Time1Table();
    tTable& time2 = p.Data().Time2Table();
    time1.ClearFilter();
    time1.SetIndex("Primary");
    time2.SetIndex("Primary");
    const auto col = [&](const char* field, int caption) { return tGridColumn{field, p.Caption(caption)}; };
    time1Model =
        new tTableModel(time1,
                        {col("COUNTRY", caption::kCountry), col("STATE", caption::kState), col("DATE", caption::kDate),
                         col("ADJUST", caption::kAdjust), col("TABLE", caption::kTable)},
                        this);
    time2Model =
        new tTableModel(time2,
                        {col("TABLE", caption::kTable), col("DATE", caption::kDate), col("HOUR", caption::kHour),
                         col("ADJUST", caption::kAdjust), col("ASK", caption::kAsk)},
                        this);
    // Dates in the national format, countries by name as well as code.
    TData1& data = p.Data();
    const int language = p.Languages().CurrentLanguage;
    const auto format = [&data, language](const tTable& t, const std::string& field) {
        if (field == "DATE") {
            tCivilDate d;
            if (!t.IsNull(field) && std::sscanf(t.Text(field).c_str(), "%d-%d-%d", &d.year, &d.month, &d.day) == 3)
                return QString::fromStdString(DateText(data.DateFormat(), d.year, d.month, d.day));
        }
        if (field == "COUNTRY") {
            const int code = static_cast<int>(t.IntOr(field));
            return QString::number(code) + " " + QString::fromStdString(data.GetCountryName(code, language));
        }
        return FieldText(t, field);
    };
    for (tTableModel* m : {time1Model, time2Model}) {
        m->SetFormat(format);
        // Dates are shown in the national format but stored as ISO: not edited in place.
        m->SetEditable(true, {"COUNTRY", "STATE", "HOUR", "ADJUST", "TABLE", "ASK"});
        m->ReportRefusals(p.Messenger(), this);
    }
    Time1DBGrid = NewGrid(this, *time1Model);
    Time1DBGrid->setObjectName("Time1DBGrid");
    Time2DBGrid = NewGrid(this, *time2Model);
    Time2DBGrid->setObjectName("Time2DBGrid");
    for (QTableView* g : {Time1DBGrid, Time2DBGrid})
        g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    auto* nav1 = new TNavigator(p, *Time1DBGrid, *time1Model, this);
    auto* nav2 = new TNavigator(p, *Time2DBGrid, *time2Model, this);
    nav2->setObjectName("Navigator2");
    connect(Time1DBGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TTimeFileDlg::FollowTime1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Time1DBGrid, 1);
    layout->addWidget(nav1);
    layout->addWidget(Time2DBGrid, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(nav2);
    bottom->addStretch();
    bottom->addWidget(DialogButtons(p, this, kHelpContext));
    layout->addLayout(bottom);
    resize(640, 620);
    time1Model->Reload();
    nav1->First();
    FollowTime1();
}

TTimeFileDlg::~TTimeFileDlg() { program.Data().Time2Table().ClearFilter(); }

void TTimeFileDlg::FollowTime1()
{
    tTable& time1 = program.Data().Time1Table();
    tTable& time2 = program.Data().Time2Table();
    if (time1.Empty())
        time2.SetFilter("TABLE=-1", false);
    else
        time2.SetFilter("TABLE=" + std::to_string(time1.IntOr("TABLE")), false);
    time2Model->Reload();
    time2.First();
}

// Stars and other points

namespace {

// The point's picture: the stored one, else a sign of its kind.
QVariant StarIcon(const tTable& t)
{
    static auto* byType = new QHash<int, QPixmap>;  // kept to the end: pixmaps outlive no application
    const std::string stored = t.TextOr("Icon");
    if (!stored.empty()) {
        QPixmap picture;
        if (picture.loadFromData(QByteArray::fromBase64(QByteArray::fromStdString(stored))))
            return picture.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const int type = static_cast<int>(t.IntOr("Type"));
    auto it = byType->find(type);
    if (it == byType->end()) {
        QPixmap pix(16, 16);
        pix.fill(Qt::transparent);
        QPainter paint(&pix);
        paint.setRenderHint(QPainter::Antialiasing);
        paint.setPen(QPen(type == 2 ? QColor(180, 130, 0) : QColor(40, 60, 140), 1.4));
        switch (type) {
            case 1:  // Arabic part: the circle and cross of Fortune
                paint.drawEllipse(QRectF(2, 2, 12, 12));
                paint.drawLine(QPointF(4, 8), QPointF(12, 8));
                paint.drawLine(QPointF(8, 4), QPointF(8, 12));
                break;
            case 2: {  // fixed star
                QPolygonF star;
                for (int i = 0; i < 10; ++i) {
                    const double r = i % 2 ? 3.0 : 7.0, a = i * 3.14159265 / 5 - 3.14159265 / 2;
                    star << QPointF(8 + r * std::cos(a), 8 + r * std::sin(a));
                }
                paint.setBrush(QColor(240, 200, 40));
                paint.drawPolygon(star);
                break;
            }
            case 3:  // chakra
                paint.drawEllipse(QRectF(2, 2, 12, 12));
                paint.setBrush(QColor(40, 60, 140));
                paint.drawEllipse(QRectF(6, 6, 4, 4));
                break;
            case 4:  // midpoint
                paint.drawLine(QPointF(2, 8), QPointF(14, 8));
                paint.setBrush(QColor(40, 60, 140));
                paint.drawEllipse(QRectF(6, 6, 4, 4));
                break;
            default:
                paint.drawRect(QRectF(4, 4, 8, 8));
        }
        paint.end();
        it = byType->insert(type, pix);
    }
    return it.value();
}

}  // namespace

TStarFileDlg::TStarFileDlg(tProgram& p, QWidget* parent)
    : TRowBrowser(p, p.Data().StarTable(), "TStarFileDlg", kStarsCaption,
                  {{"Name", p.Caption(caption::kName)},
                   {"Num", p.Caption(caption::kNumber)},
                   {"Type", p.Caption(caption::kType)},
                   {"Plus1", "+"},
                   {"Plus2", "+"},
                   {"Minus1", "-"},
                   {"Value", p.Caption(caption::kValue)},
                   {"Magnitude", p.Caption(caption::kMagnitude)}},
                  parent)
{
    table.SetIndex("Name");
    model->SetDecoration(0, StarIcon);
    TLanguages& languages = p.Languages();
    model->SetFormat([&languages](const tTable& t, const std::string& field) {
        if (field != "Plus1" && field != "Plus2" && field != "Minus1") return FieldText(t, field);
        const int body = static_cast<int>(t.IntOr(field));
        return body > 0 ? QString::fromStdString(languages.PlanetShortName(body)) : QString();
    });
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setColumnWidth(0, 200);

    ValueEd = NewEdit(this, "ValueEd");
    TypeRG = new TRadioGroup(
        QString(),
        {p.Caption(caption::kAll), p.Caption(caption::kArabicParts), p.Caption(caption::kFixedStars),
         p.Caption(caption::kChakra), p.Caption(caption::kMidPoints), p.Caption(caption::kOther)},
        "TypeRG", this, 3);
    TypeRG->SetIndex(0);
    connect(TypeRG->Buttons(), &QButtonGroup::idClicked, this, &TStarFileDlg::SetType);
    auto* lists = new QHBoxLayout;
    const char* names[] = {"Plus1LB", "Plus2LB", "Minus1LB"};
    const char* signs[] = {"+", "+", "-"};
    for (int l = 0; l < 3; ++l) {
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(signs[l], this));
        BodyLB[l] = new QListWidget(this);
        BodyLB[l]->setObjectName(names[l]);
        for (int b = 1; b <= 28; ++b) BodyLB[l]->addItem(QString::fromStdString(p.Languages().PlanetName(b)));
        BodyLB[l]->setMaximumHeight(130);
        connect(BodyLB[l], &QListWidget::itemDoubleClicked, this,
                [this, l](QListWidgetItem* item) { SetFormulaBody(l, BodyLB[l]->row(item) + 1); });
        column->addWidget(BodyLB[l]);
        lists->addLayout(column);
    }
    auto* details = new QWidget(this);
    auto* dl = new QVBoxLayout(details);
    dl->setContentsMargins(0, 0, 0, 0);
    auto* value = new QFormLayout;
    value->addRow(p.Caption(caption::kValue), ValueEd);
    dl->addLayout(value);
    dl->addLayout(lists);
    Lay({TypeRG}, {}, kHelpContext, 780, details);
    resize(780, 680);

    Pending = new TPendingRow(
        *grid, table, [this] { ShowRow(); }, [this] { return WriteRow(); });
    Pending->Watch(ValueEd);
    Reload();
    Pending->Show();
}

bool TStarFileDlg::Find(const QString& text) { return FindIn("Name", text.toUpper().toStdString()); }

void TStarFileDlg::SetType(int entry)
{
    if (!Pending->Post()) return;
    Filter(entry <= 0 ? std::string() : tChartSetup::TypeFilter(entry <= 4 ? entry : 5));
    Pending->Show();
}

void TStarFileDlg::ShowRow()
{
    const bool any = !table.Empty() && !table.Eof();
    ValueEd->setText(any ? FieldText(table, "Value") : QString());
    ValueEd->setEnabled(any);
}

bool TStarFileDlg::WriteRow()
{
    bool ok = false;
    const double v = ValueEd->text().trimmed().toDouble(&ok);
    if (!ok) return TellField(program, this, caption::kValue, "a number, such as 30.5"), false;
    return PostRow(program, this, table, false, {{"Value", v}});
}

void TStarFileDlg::SetFormulaBody(int list, int body)
{
    if (!Pending->Post() || table.Empty()) return;
    static const char* const fields[] = {"Plus1", "Plus2", "Minus1"};
    if (!PostRow(program, this, table, false, {{fields[list], std::int64_t{body}}})) return;
    model->Reload();
    navigator->ShowCurrent();
}

}  // namespace quintara
