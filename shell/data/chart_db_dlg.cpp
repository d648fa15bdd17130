#include "shell/data/chart_db_dlg.h"

#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/chart_exchange.h"
#include "core/data/chart_file.h"
#include "core/data/chart_row_edit.h"
#include "core/data/civil_date.h"
#include "core/data/schemas.h"
#include "core/engine/houses.h"
#include "core/platform/atomic_file.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/default_captions.h"
#include "shell/data/city_file_dlg.h"
#include "shell/data/filter_dlgs.h"
#include "shell/platform/file_dialogs.h"
#include "shell/platform/long_work.h"
#include "shell/platform/program.h"
#include "shell/widgets/navigator.h"
#include "shell/widgets/pending_row.h"

namespace quintara {

namespace {

constexpr int kConfirmCaption = 41, kRemoveShownCaption = 42, kDeleteRowCaption = 43, kZapCaption = 44;
constexpr int kJulianDayCaption = 52, kSideralCaption = 105, kZodiacCaption = 103, kHouseSystemCaption = 25;
constexpr int kDatabaseCaption = 123, kByAspectCaption = 227;

const char* const kRoman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

// The label of position field Pk: the body for 1..12, the house cusp after.
QString PositionLabel(tProgram& p, int k)
{
    return k <= 12 ? QString::fromStdString(p.Languages().PlanetName(k)) : QString(kRoman[k - 13]);
}

std::vector<tGridColumn> Columns(tProgram& p)
{
    const auto col = [&](const char* field, int caption) { return tGridColumn{field, p.Caption(caption)}; };
    std::vector<tGridColumn> c{col("NAME", caption::kName),
                               col("FIRSTNAME", caption::kFirstName),
                               col("DATE", caption::kDate),
                               col("Time", caption::kTime),
                               col("ADJUST", caption::kAdjust),
                               col("BIRTHPLACE", caption::kLocality),
                               col("LATITUDE", caption::kLatitude),
                               col("LONGITUDE", caption::kLongitude),
                               col("COUNTRY", caption::kCountry),
                               col("STATE", caption::kState),
                               col("SEX", caption::kSex),
                               col("COMMENT", caption::kComment),
                               col("REFERENCE", caption::kReference),
                               col("CHARTTYPE", caption::kChartType),
                               col("HOUSETYPE", kHouseSystemCaption),
                               col("ZODIAC", kZodiacCaption),
                               col("AYANAMSA", caption::kZodiacInDegrees),
                               col("JULIANDAY", kJulianDayCaption),
                               col("SIDERAL_T", kSideralCaption),
                               col("Index", 270)};
    for (int k = 1; k <= 24; ++k) {
        c.push_back({PositionField('P', k), PositionLabel(p, k)});
        if (k <= 12)
            c.push_back({PositionField('R', k), p.Caption(caption::kRetrograde) + " " +
                                                    QString::fromStdString(p.Languages().PlanetShortName(k))});
    }
    return c;
}

QLineEdit* NewEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

}  // namespace

TChartDBDlg::TChartDBDlg(tProgram& p, std::function<void(const std::string&)> r, QWidget* parent)
    : TRowBrowser(p, p.Data().ChartTable(), "TChartDBDlg", caption::kChartFileEditor, Columns(p), parent),
      rename(std::move(r))
{
    const std::string dateFormat = p.Data().DateFormat();
    model->SetFormat([dateFormat](const tTable& t, const std::string& field) {
        return QString::fromStdString(ChartFieldText(t, field, dateFormat));
    });
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setColumnWidth(0, 150);

    // Menus
    Menus = new QMenuBar(this);
    Menus->setObjectName("Menus");
    const auto item = [&](QMenu* m, int caption, const char* name, void (TChartDBDlg::*run)()) {
        QAction* a = m->addAction(p.Caption(caption));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    QMenu* filters = Menus->addMenu(p.Caption(caption::kFilters));
    filters->setObjectName("Filters");
    item(filters, 225, "ByField", &TChartDBDlg::FilterByField);
    item(filters, 226, "ByPlanet", &TChartDBDlg::FilterByPlanet);
    filters->addAction(p.Caption(kByAspectCaption))->setVisible(false);
    QMenu* database = Menus->addMenu(p.Caption(kDatabaseCaption));
    database->setObjectName("Database");
    item(database, caption::kAdd, "AddItem", &TChartDBDlg::AddChartFile);
    item(database, caption::kImport, "ImportItem", &TChartDBDlg::ImportCharts);
    item(database, caption::kRecast, "RecastItem", &TChartDBDlg::RecastAll);
    QMenu* copy = database->addMenu(p.Caption(caption::kCopy));
    copy->setObjectName("Copy");
    item(copy, 232, "AsciiItem", &TChartDBDlg::CopyAscii);
    item(copy, 233, "DbaseItem", &TChartDBDlg::CopyDbase);
    item(copy, 234, "ParadoxItem", &TChartDBDlg::CopyChartFile);
    item(copy, caption::kAafFile, "AafItem", &TChartDBDlg::CopyAaf);
    item(copy, caption::kCsvFile, "CsvItem", &TChartDBDlg::CopyCsv);
    item(copy, caption::kJsonLinesFile, "JsonLinesItem", &TChartDBDlg::CopyJsonLines);
    database->addSeparator();
    item(database, 228, "RemoveAllItem", &TChartDBDlg::RemoveAll);
    item(database, 229, "RenameItem", &TChartDBDlg::Rename);
    item(database, 230, "DeleteItem", &TChartDBDlg::DeleteCurrent);
    item(database, 231, "ZapItem", &TChartDBDlg::Zap);

    // The fields of the current chart: the typed ones, then what is computed.
    NameEd = NewEdit(this, "NameEd");
    FirstEd = NewEdit(this, "FirstEd");
    CommentEd = NewEdit(this, "CommentEd");
    RefEd = NewEdit(this, "RefEd");
    DateEd = NewEdit(this, "DateEd");
    TimeEd = NewEdit(this, "TimeEd");
    AdjustEd = NewEdit(this, "AdjustEd");
    SexEd = NewEdit(this, "SexEd");
    SexEd->setMaxLength(1);
    auto* fields = new QGridLayout;
    int row = 0, column = 0;
    const auto put = [&](int caption, QWidget* w, QWidget* extra = nullptr) {
        auto* label = new QLabel(p.Caption(caption), this);
        label->setBuddy(w);
        fields->addWidget(label, row, column);
        if (extra) {
            auto* both = new QHBoxLayout;
            both->addWidget(w, 1);
            both->addWidget(extra);
            fields->addLayout(both, row, column + 1);
        } else {
            fields->addWidget(w, row, column + 1);
        }
        column += 2;
        if (column == 6) column = 0, ++row;
    };
    const auto shown = [&](const char* field, int caption, QWidget* extra = nullptr) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString(field) + "Tx");
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        readOnly.emplace_back(field, e);
        put(caption, e, extra);
    };
    put(caption::kName, NameEd);
    put(caption::kFirstName, FirstEd);
    put(caption::kComment, CommentEd);
    put(caption::kReference, RefEd);
    put(caption::kDate, DateEd);
    put(caption::kTime, TimeEd);
    put(caption::kAdjust, AdjustEd);
    put(caption::kSex, SexEd);
    auto* cityBtn = new QPushButton(">>>", this);
    cityBtn->setObjectName("CityBtn");
    cityBtn->setAutoDefault(false);
    connect(cityBtn, &QPushButton::clicked, this, &TChartDBDlg::ChooseLocality);
    shown("BIRTHPLACE", caption::kLocality, cityBtn);
    shown("LATITUDE", caption::kLatitude);
    shown("LONGITUDE", caption::kLongitude);
    shown("COUNTRY", caption::kCountry);
    shown("STATE", caption::kState);
    shown("JULIANDAY", kJulianDayCaption);
    shown("SIDERAL_T", kSideralCaption);
    shown("AYANAMSA", caption::kZodiacInDegrees);
    shown("ZODIAC", kZodiacCaption);
    shown("HOUSETYPE", kHouseSystemCaption);
    for (int c = 1; c < 6; c += 2) fields->setColumnStretch(c, 1);

    auto* positions = new QGroupBox(this);
    auto* pl = new QGridLayout(positions);
    pl->setVerticalSpacing(2);
    for (int k = 1; k <= 24; ++k) {
        // Four blocks of six: the bodies in two, the cusps in two.
        const int r = (k - 1) % 6, block = (k - 1) / 6;
        auto* label = new QLabel(PositionLabel(p, k), positions);
        auto* e = new QLineEdit(positions);
        const std::string field = PositionField('P', k);
        e->setObjectName(QString::fromStdString(field) + "Tx");
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        e->setMaximumWidth(90);
        readOnly.emplace_back(field, e);
        pl->addWidget(label, r, block * 3);
        pl->addWidget(e, r, block * 3 + 1);
        if (k <= 12) {
            auto* box = new QCheckBox(p.Caption(caption::kRetrograde), positions);
            box->setObjectName(QString::fromStdString(PositionField('R', k)));
            retro[static_cast<std::size_t>(k - 1)] = box;
            pl->addWidget(box, r, block * 3 + 2);
        }
    }

    auto* recalcBtn = Button(caption::kRecalc, "ReCalcBtn");
    connect(recalcBtn, &QPushButton::clicked, this, &TChartDBDlg::Recalc);
    auto* zoneBtn = Button(caption::kZone, "AdjustBtn");
    connect(zoneBtn, &QPushButton::clicked, this, &TChartDBDlg::Zone);
    for (QPushButton* b : {recalcBtn, zoneBtn}) b->setAutoDefault(false);

    auto* details = new QWidget(this);
    auto* dl = new QVBoxLayout(details);
    dl->setContentsMargins(0, 0, 0, 0);
    dl->addLayout(fields);
    dl->addWidget(positions);
    Lay({}, {recalcBtn, zoneBtn}, kHelpContext, 1040, details);
    layout()->setMenuBar(Menus);
    resize(1040, 780);

    for (QLineEdit* e : {NameEd, FirstEd, CommentEd, RefEd, DateEd, TimeEd, AdjustEd, SexEd}) Pending->Watch(e);
    for (QCheckBox* b : retro) Pending->Watch(b);
    // Insert gives a chart of today at noon to fill in; Edit goes to its fields.
    navigator->SetRowEditor([this](bool inserting) {
        if (!PostPending()) return false;
        if (inserting) {
            try {
                tChart c(&program.Options().BirthSet);
                const tCivilDate today = LocalToday();
                c.Year = static_cast<std::uint16_t>(today.year);
                c.Month = static_cast<std::uint16_t>(today.month);
                c.Day = static_cast<std::uint16_t>(today.day);
                c.Hour = 12;
                table.Insert();
                program.Data().WriteChart(c);
                table.Post();
            } catch (const std::exception& e) {
                if (table.Editing()) table.Cancel();
                Failed(e);
                return false;
            }
        }
        NameEd->setFocus();
        NameEd->selectAll();
        return true;
    });
    setTabOrder(FindEd, grid);
    setTabOrder(grid, NameEd);
    ApplyView();
}

TChartDBDlg::~TChartDBDlg() = default;

QString TChartDBDlg::Title() const
{
    QString t = program.Caption(caption::kChartFileEditor) + " - " +
                QString::fromStdString(std::filesystem::path(program.Data().ChartFilePath()).filename().string());
    if (!filter.empty()) t += "  [" + program.Caption(caption::kFilter) + ": " + QString::fromStdString(filter) + "]";
    return t;
}

void TChartDBDlg::ApplyView()
{
    const std::int64_t keep = table.RowId();
    table.SetIndex("Names");
    try {
        program.Data().SetChartFilter(filter);
    } catch (const tStorageError& e) {
        filter.clear();
        table.ClearFilter();
        Failed(e);
    }
    model->Reload();
    if (keep < 0 || !table.GoToRowId(keep)) table.First();
    navigator->ShowCurrent();
    setWindowTitle(Title());
    Pending->Show();
}

bool TChartDBDlg::event(QEvent* e)
{
    // Back from another window: it may have saved charts or changed the
    // table's order and filter.
    if (e->type() == QEvent::WindowActivate && !Pending->Pending()) ApplyView();
    return TRowBrowser::event(e);
}

void TChartDBDlg::ShowRow()
{
    const std::string& dateFormat = program.Data().DateFormat();
    const bool any = !table.Empty() && !table.Eof();
    const tChartRowFields f = ChartRowFields(table, dateFormat);
    NameEd->setText(QString::fromStdString(f.name));
    FirstEd->setText(QString::fromStdString(f.firstName));
    CommentEd->setText(QString::fromStdString(f.comment));
    RefEd->setText(QString::fromStdString(f.reference));
    DateEd->setText(QString::fromStdString(f.date));
    TimeEd->setText(QString::fromStdString(f.time));
    AdjustEd->setText(QString::fromStdString(f.adjust));
    SexEd->setText(QString::fromStdString(f.sex));
    for (std::size_t k = 0; k < 12; ++k) retro[k]->setChecked(f.retrograde[k]);
    for (auto& [field, edit] : readOnly) {
        QString text = any ? QString::fromStdString(ChartFieldText(table, field, dateFormat)) : QString();
        if (any && field == "COUNTRY")
            text += " " + QString::fromStdString(program.Data().GetCountryName(static_cast<int>(table.IntOr("COUNTRY")),
                                                                               program.Languages().CurrentLanguage));
        if (any && field == "STATE")
            text += " " + QString::fromStdString(program.Data().GetStateName(static_cast<int>(table.IntOr("COUNTRY")),
                                                                             static_cast<int>(table.IntOr("STATE"))));
        if (any && field == "HOUSETYPE" && IsHouseSystem(static_cast<int>(table.IntOr("HOUSETYPE"))))
            text = program.Caption(caption::HouseSystem(static_cast<int>(table.IntOr("HOUSETYPE"))));
        edit->setText(text.trimmed());
        edit->setCursorPosition(0);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{NameEd, FirstEd, CommentEd, RefEd, DateEd, TimeEd, AdjustEd, SexEd})
        w->setEnabled(any);
}

bool TChartDBDlg::WriteRow()
{
    tChartRowFields f;
    f.name = NameEd->text().toStdString();
    f.firstName = FirstEd->text().toStdString();
    f.comment = CommentEd->text().toStdString();
    f.reference = RefEd->text().toStdString();
    f.date = DateEd->text().toStdString();
    f.time = TimeEd->text().toStdString();
    f.adjust = AdjustEd->text().toStdString();
    f.sex = SexEd->text().toStdString();
    for (std::size_t k = 0; k < 12; ++k) f.retrograde[k] = retro[k]->isChecked();
    try {
        if (const auto fault = PostChartRowFields(table, f, program.Data().DateFormat())) {
            program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                     program.Caption(fault->caption) + ": " + QString::fromStdString(fault->why));
            return false;
        }
    } catch (const tStorageError& e) {
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 QString("The chart could not be stored: %1. What you typed is kept.").arg(e.what()));
        return false;
    }
    return true;
}

bool TChartDBDlg::PostPending() { return Pending->Post(); }

void TChartDBDlg::Failed(const std::exception& e)
{
    program.Messenger().Tell(this, tMessenger::kError, windowTitle(), QString::fromStdString(e.what()));
}

void TChartDBDlg::AfterRowsChanged()
{
    model->Reload();
    if (table.Eof() && !table.Empty()) table.Last();
    navigator->ShowCurrent();
    setWindowTitle(Title());
    Pending->Show();
}

bool TChartDBDlg::Find(const QString& text) { return FindIn("NAME", text.toStdString()); }

void TChartDBDlg::reject()
{
    if (PostPending()) QDialog::reject();
}

void TChartDBDlg::ChooseLocality()
{
    if (!PostPending() || table.Empty()) return;
    TCityFileDlg picker(program, QString::fromStdString(table.TextOr("BIRTHPLACE")), 0, this);
    if (picker.exec() != QDialog::Accepted) return;
    const std::optional<tLocality> place = picker.Current();
    if (!place) return;
    try {
        PostChartRowPlace(table, *place);
    } catch (const std::exception& e) {
        Failed(e);
    }
    AfterRowsChanged();
}

void TChartDBDlg::Recalc()
{
    if (!PostPending() || table.Empty()) return;
    try {
        RecalcCurrentChart(program.Data(), &program.Options().BirthSet);
    } catch (const std::exception& e) {
        Failed(e);
    }
    AfterRowsChanged();
}

void TChartDBDlg::RecastAll()
{
    if (!PostPending()) return;
    const TMainOptions& o = program.Options();
    std::size_t changed = 0;
    bool stopped = false;
    try {
        tLongWork work(program.Caption(caption::kRecast), program.Caption(caption::kCancel), this);
        changed = RecastChartFile(program.Data(), &o.BirthSet, o.HouseType, o.ZodiacChoice(), work.Progress(), &stopped);
    } catch (const std::exception& e) {
        Failed(e);
        return;
    }
    if (stopped) return;  // nothing was written
    ApplyView();
    program.Messenger().Tell(this, tMessenger::kInformation, windowTitle(),
                             QString("%1 chart(s) cast again with the current house system and zodiac.").arg(changed));
}

void TChartDBDlg::Zone()
{
    if (!PostPending() || table.Empty()) return;
    bool sure = true;
    try {
        sure = ZoneCurrentChart(program.Data(), &program.Options().BirthSet);
    } catch (const std::exception& e) {
        Failed(e);
    }
    AfterRowsChanged();
    if (!sure)
        program.Messenger().Tell(this, tMessenger::kWarning, windowTitle(), program.Caption(caption::kZoneNotSure));
}

bool TChartDBDlg::SetChartFilter(const std::string& expression)
{
    if (!PostPending()) return false;
    const std::string before = filter;
    filter = expression;
    try {
        program.Data().SetChartFilter(filter);
    } catch (const tStorageError& e) {
        filter = before;
        program.Data().SetChartFilter(filter);
        Failed(e);
        return false;
    }
    model->Reload();
    table.First();
    AfterRowsChanged();
    return true;
}

void TChartDBDlg::FilterByField()
{
    if (!PostPending()) return;
    TFilterFieldDlg dialog(program, this);
    if (dialog.exec() == QDialog::Accepted) SetChartFilter(dialog.Expression());
}

void TChartDBDlg::FilterByPlanet()
{
    if (!PostPending()) return;
    TFilterPlanetDlg dialog(program, this);
    if (dialog.exec() == QDialog::Accepted) SetChartFilter(dialog.Expression());
}

namespace {

QString StartIn(tProgram& p, const char* pattern) { return QString::fromStdString(p.Home()) + "/" + pattern; }

}  // namespace

void TChartDBDlg::AddChartFile()
{
    if (!PostPending()) return;
    const QString path = ChooseFileToOpen(this, program.Caption(caption::kAdd), QString::fromStdString(program.Home()),
                                          "Chart files (*.db)");
    if (path.isEmpty()) return;
    try {
        const tMoveReport r = AppendChartFile(program.Data(), path.toStdString());
        ApplyView();
        program.Messenger().Tell(this, tMessenger::kInformation, windowTitle(),
                                 QString("%1 chart(s) added from %2.").arg(r.rows).arg(path));
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TChartDBDlg::Export(int caption, const char* suggested, const char* filter,
                         const std::function<void(TData1&, const std::string&, tReplace)>& write)
{
    if (!PostPending()) return;
    // The save dialog has asked before an existing file is replaced.
    const QString path = ChooseFileToSave(this, program.Caption(caption), StartIn(program, suggested), filter);
    if (path.isEmpty()) return;
    const std::int64_t keep = table.RowId();
    try {
        write(program.Data(), path.toStdString(), tReplace::kYes);
    } catch (const std::exception& e) {
        Failed(e);
    }
    table.GoToRowId(keep);
}

void TChartDBDlg::CopyAscii() { Export(232, "charts.txt", "Text files (*.txt)", ExportChartText); }
void TChartDBDlg::CopyDbase() { Export(233, "charts.dbf", "dBase files (*.dbf)", ExportChartDbase); }

void TChartDBDlg::CopyAaf()
{
    Export(caption::kAafFile, "charts.aaf", "AAF files (*.aaf)",
           [this](TData1& d, const std::string& path, tReplace r) {
               if (ExportCharts(d, path, tExchangeFormat::kAaf, r) > 0)
                   program.Messenger().Tell(this, tMessenger::kInformation, program.Caption(caption::kAafFile),
                                            QString::fromStdString(FieldsNotWritten(tExchangeFormat::kAaf)));
           });
}

void TChartDBDlg::CopyCsv()
{
    Export(caption::kCsvFile, "charts.csv", "CSV files (*.csv)",
           [](TData1& d, const std::string& path, tReplace r) { ExportCharts(d, path, tExchangeFormat::kCsv, r); });
}

void TChartDBDlg::CopyJsonLines()
{
    Export(
        caption::kJsonLinesFile, "charts.jsonl", "JSON Lines files (*.jsonl)",
        [](TData1& d, const std::string& path, tReplace r) { ExportCharts(d, path, tExchangeFormat::kJsonLines, r); });
}

void TChartDBDlg::ImportCharts()
{
    if (!PostPending()) return;
    const QString path =
        ChooseFileToOpen(this, program.Caption(caption::kImport), QString::fromStdString(program.Home()),
                         "Chart exchange files (*.aaf *.csv *.jsonl);;AAF files (*.aaf);;"
                         "CSV files (*.csv);;JSON Lines files (*.jsonl)");
    if (path.isEmpty()) return;
    const auto format = ExchangeFormatOf(path.toStdString());
    if (!format) {
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 path + "\n\nOnly .aaf, .csv and .jsonl files can be imported.");
        return;
    }
    try {
        const TMainOptions& o = program.Options();
        tImportPlan plan;
        {
            // Thousands of records take seconds: the window stays drawn,
            // with how far the reading is and a Cancel that imports nothing.
            tLongWork work(program.Caption(caption::kImport), program.Caption(caption::kCancel), this);
            plan = PrepareImport(program.Data(), path.toStdString(), *format, o.HouseType, o.ZodiacChoice(), work.Progress());
        }
        if (plan.stopped) return;
        QString listed;
        const auto list = [&listed](const std::vector<std::string>& lines) {
            constexpr std::size_t kShown = 12;
            for (std::size_t k = 0; k < lines.size() && k < kShown; ++k)
                listed += QString::fromStdString(lines[k]) + "\n";
            if (lines.size() > kShown) listed += QString("... and %1 more\n").arg(lines.size() - kShown);
        };
        if (!plan.refused.empty()) {
            list(plan.refused);
            if (plan.good.empty()) {
                program.Messenger().Tell(
                    this, tMessenger::kError, windowTitle(),
                    QString("None of the %1 record(s) of %2 can be imported:\n\n%3\nThe chart file "
                            "is as it was.")
                        .arg(plan.records)
                        .arg(path, listed));
                return;
            }
            const QString question =
                QString(
                    "%1 of the %2 record(s) of %3 cannot be imported:\n\n%4\nYes imports the other %5 chart(s); "
                    "No imports nothing and leaves the chart file as it was.")
                    .arg(plan.refused.size())
                    .arg(plan.records)
                    .arg(path, listed)
                    .arg(plan.good.size());
            if (program.Messenger().Ask(this, tMessenger::kQuestion, windowTitle(), question, tMessenger::kYesNo) !=
                tMessenger::kAnswerYes)
                return;
        }
        std::size_t rows = 0;
        bool stopped = false;
        {
            tLongWork work(program.Caption(caption::kImport), program.Caption(caption::kCancel), this);
            rows = StoreImport(program.Data(), plan, &o.BirthSet, work.Progress(), &stopped);
        }
        if (stopped) return;  // nothing was stored
        ApplyView();
        listed.clear();
        list(plan.doubts);
        program.Messenger().Tell(this, tMessenger::kInformation, windowTitle(),
                                 QString("%1 chart(s) imported from %2.").arg(rows).arg(path) +
                                     (listed.isEmpty() ? QString() : "\n\nLook at these zones:\n" + listed));
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TChartDBDlg::CopyChartFile()
{
    if (!PostPending()) return;
    // A chart file is never replaced: the copy refuses an existing name.
    const QString path =
        ChooseFileToSave(this, program.Caption(caption::kParadox), StartIn(program, "copy.db"), "Chart files (*.db)", nullptr, false);
    if (path.isEmpty()) return;
    try {
        const tMoveReport r = quintara::CopyChartFile(program.Data(), path.toStdString());
        program.Messenger().Tell(this, tMessenger::kInformation, windowTitle(),
                                 QString("%1 chart(s) copied to %2.").arg(r.rows).arg(path));
    } catch (const std::exception& e) {
        Failed(e);
    }
}

bool TChartDBDlg::ConfirmDeleting(const QString& question)
{
    return program.Messenger().Ask(this, tMessenger::kQuestion, program.Caption(kConfirmCaption), question,
                                   tMessenger::kOkCancelSafe) == tMessenger::kAnswerOk;
}

QString TChartDBDlg::RecordsShown() const
{
    return program.Caption(caption::kRecords) + ": " + QString::number(table.RecordCount());
}

void TChartDBDlg::RemoveAll()
{
    if (!PostPending()) return;
    ApplyView();
    if (!ConfirmDeleting(program.Caption(kRemoveShownCaption) + "\n\n" + RecordsShown())) return;
    try {
        table.DeleteVisible();
    } catch (const std::exception& e) {
        Failed(e);
    }
    filter.clear();
    ApplyView();
}

void TChartDBDlg::Rename()
{
    if (!PostPending()) return;
    const QString path = ChooseFileToSave(this, program.Caption(caption::kRename), StartIn(program, "charts.db"),
                                          "Chart files (*.db)", nullptr, false);
    if (path.isEmpty()) return;
    const std::string full = std::filesystem::absolute(path.toStdString()).lexically_normal().string();
    if (FileExists(full)) {
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 QString("%1: a file of that name exists already; the chart file keeps its name.")
                                     .arg(QString::fromStdString(full)));
        return;
    }
    // The table this dialog shows is the file's: the owner closes the
    // dialog before the file is renamed.
    hide();
    rename(full);
}

void TChartDBDlg::DeleteCurrent()
{
    if (!PostPending() || table.Empty()) return;
    if (!ConfirmDeleting(program.Caption(kDeleteRowCaption))) return;
    try {
        table.Delete();
    } catch (const std::exception& e) {
        Failed(e);
    }
    AfterRowsChanged();
}

void TChartDBDlg::Zap()
{
    if (!PostPending()) return;
    const std::string before = filter;
    filter.clear();
    ApplyView();
    if (!ConfirmDeleting(program.Caption(kZapCaption) + "\n\n" + RecordsShown())) {
        filter = before;
        ApplyView();
        return;
    }
    try {
        table.EmptyTable();
    } catch (const std::exception& e) {
        Failed(e);
    }
    ApplyView();
}

}  // namespace quintara
