// The Database menu's editors: the chart file editor with its filters,
// copies and deletions, conversion of old chart files, and the state, time
// file and star editors. Driven as a user drives them.
#include "gui_fixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>

#include "core/data/schemas.h"
#include "core/i18n/caption_ids.h"
#include "shell/data/chart_db_dlg.h"
#include "shell/data/filter_dlgs.h"
#include "shell/data/reference_editors.h"
#include "shell/widgets/pending_row.h"
#include "shell/widgets/radio_group.h"

class DatabaseEditorTests : public tGuiFixture {
    Q_OBJECT

    // Charts named name..., born on the first of month at noon in Paris
    // (country code 250; another code has no zone history).
    void AddCharts(std::initializer_list<const char*> names, int month = 6, int country = 250)
    {
        TData1& data = program->Data();
        for (const char* n : names) {
            tChart c(&program->Options().BirthSet);
            Birth(c);
            c.Name = n;
            c.Month = static_cast<std::uint16_t>(month);
            c.Day = 1;
            c.Country = country;
            CalcChart(c);
            data.ChartTable().Insert();
            data.WriteChart(c);
            data.ChartTable().Post();
        }
    }

    void EmptyChartFile()
    {
        program->Data().ChartTable().ClearFilter();
        program->Data().ChartTable().EmptyTable();
    }

    TChartDBDlg* Editor()
    {
        TChartDBDlg* d = frame->EditChartFile();
        if (d) Settle();
        return d;
    }

    // The queued work of the last event done (the grid's row change).
    static void Settle() { QCoreApplication::processEvents(); }

    static QLineEdit* Field(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); }

    static void Type(QLineEdit* e, const QString& text)
    {
        e->selectAll();
        QTest::keyClicks(e, text);
    }

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup()
    {
        // Deleting one may delete others (its children): held by guards.
        std::vector<QPointer<QDialog>> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w)) open.emplace_back(d);
        for (QPointer<QDialog>& d : open) delete d.data();
        Cleanup();
        EmptyChartFile();
    }

    // Filters by field and by planet show exactly their rows; Remove all
    // deletes those and no other, after a question that says how many and
    // leaves Cancel the default.
    void filtersShowTheirRowsAndRemoveAllDeletesOnlyThem()
    {
        AddCharts({"Dupont", "durand", "DUMAS", "Martin", "Dz"});
        TChartDBDlg* d = Editor();
        QVERIFY(d);
        tTable& t = program->Data().ChartTable();

        bool filled = false;
        WhenModal([&](QWidget* w) {
            auto* f = dynamic_cast<TFilterFieldDlg*>(w);
            QVERIFY(f);
            Field(w, "CountryEd")->setText("France");  // a word where a number goes
            f->accept();
            QVERIFY(f->isVisible());
            QVERIFY(messenger.asked.back().text.startsWith(program->Caption(caption::kCountry) + ":"));
            Field(w, "CountryEd")->clear();
            Field(w, "NameEd")->setText("Du");
            f->accept();
            filled = true;
        });
        d->FilterByField();
        QVERIFY(filled);
        QCOMPARE(d->ChartFilter(), std::string("Name>='Du' and Name<='Du}'"));
        QCOMPARE(t.RecordCount(), 3);
        QVERIFY(d->windowTitle().contains("Name>='Du'"));

        // Cancel first: nothing goes.
        messenger.answers = {tMessenger::kAnswerCancel};
        d->RemoveAll();
        QCOMPARE(t.RecordCount(), 3);
        QCOMPARE(messenger.asked.back().buttons, tMessenger::kOkCancelSafe);
        QVERIFY(messenger.asked.back().text.contains(program->Caption(caption::kRecords) + ": 3"));
        messenger.answers = {tMessenger::kAnswerOk};
        d->RemoveAll();
        QVERIFY(d->ChartFilter().empty());
        QCOMPARE(t.RecordCount(), 2);
        QVERIFY(t.Locate({"NAME"}, {std::string("Martin")}));
        QVERIFY(t.Locate({"NAME"}, {std::string("Dz")}));

        // Sun in Gemini (third sign, 60..90) for June charts, Taurus for May.
        AddCharts({"Mai"}, 5);
        WhenModal([](QWidget* w) {
            auto* f = dynamic_cast<TFilterPlanetDlg*>(w);
            f->PlanetLB->setCurrentRow(0);
            f->SignLB->setCurrentRow(2);
            f->accept();
        });
        d->FilterByPlanet();
        QCOMPARE(d->ChartFilter(), std::string("P1>=30 and P1<60"));
        QCOMPARE(t.RecordCount(), 1);
        QCOMPARE(t.Text("NAME"), std::string("Mai"));
        for (t.First(); !t.Eof(); t.Next()) QVERIFY(t.Real("P1") >= 30 && t.Real("P1") < 60);

        // Zap: every row, whatever the filter, after its own question.
        messenger.answers = {tMessenger::kAnswerCancel};
        d->Zap();
        QCOMPARE(d->ChartFilter(), std::string("P1>=30 and P1<60"));
        QVERIFY(messenger.asked.back().text.contains(": 3"));
        messenger.answers = {tMessenger::kAnswerOk};
        d->Zap();
        t.ClearFilter();
        QCOMPARE(t.RecordCount(), 0);
    }

    // A bad field keeps what was typed and the row; once mended it is
    // posted when the grid moves on, and ReCalc refreshes the computed
    // fields. Zone on a place without zone history says it is not sure.
    void editsArePostedWhenMovingAndRecalcRefreshesPositions()
    {
        AddCharts({"Alpha", "Beta"});
        TChartDBDlg* d = Editor();
        tTable& t = program->Data().ChartTable();
        auto* grid = d->findChild<QTableView*>("Grid");
        auto* time = Field(d, "TimeEd");
        grid->setCurrentIndex(grid->model()->index(0, 0));
        Settle();
        QCOMPARE(Field(d, "NameEd")->text(), QString("Alpha"));
        const double jd = t.Real("JULIANDAY"), sun = t.Real("P1");

        Type(time, "25:10");
        grid->setCurrentIndex(grid->model()->index(1, 0));
        Settle();
        QVERIFY(messenger.asked.back().text.startsWith(program->Caption(caption::kTime) + ":"));
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(time->text(), QString("25:10"));
        QCOMPARE(t.Text("Time"), std::string("14:30:00"));

        Type(time, "6:15");
        grid->setCurrentIndex(grid->model()->index(1, 0));
        Settle();
        QCOMPARE(Field(d, "NameEd")->text(), QString("Beta"));
        QVERIFY(t.Locate({"NAME"}, {std::string("Alpha")}));
        QCOMPARE(t.Text("Time"), std::string("06:15:00"));
        QCOMPARE(t.Real("JULIANDAY"), jd);  // not recomputed until asked

        d->Find("alp");
        QCOMPARE(Field(d, "NameEd")->text(), QString("Alpha"));
        d->Recalc();
        QVERIFY(t.Locate({"NAME"}, {std::string("Alpha")}));
        QVERIFY(std::fabs(t.Real("JULIANDAY") - (jd - 8.25 / 24)) < 1e-6);
        QVERIFY(t.Real("P1") < sun);
        QVERIFY(Field(d, "JULIANDAYTx")->text().startsWith(QString::number(t.Real("JULIANDAY"), 'f', 2)));

        // OK posts what is pending.
        Type(Field(d, "CommentEd"), "checked");
        d->accept();
        QVERIFY(t.Locate({"NAME"}, {std::string("Alpha")}));
        QCOMPARE(t.Text("COMMENT"), std::string("checked"));

        AddCharts({"Nowhere"}, 6, 999);
        d = Editor();
        QVERIFY(d->Find("Nowhere"));
        messenger.asked.clear();
        d->Zone();
        QVERIFY(!messenger.asked.empty());
        QCOMPARE(messenger.asked.back().text, program->Caption(caption::kZoneNotSure));
    }

    // Copies never replace a chart file; exports write what is shown; a
    // rename refuses a name in use, else the editor comes back on the new
    // name and the settings follow.
    void copiesAndRenameNeverReplaceAFile()
    {
        AddCharts({"Alpha", "Beta"});
        TChartDBDlg* d = Editor();
        const QString taken = QString::fromStdString((home / "taken.db").string());
        QVERIFY(WriteFileAtomically(taken.toStdString(), "mine"));

        WhenFileDialog(taken);
        d->CopyChartFile();
        std::string kept;
        ReadWholeFile(taken.toStdString(), kept);
        QCOMPARE(kept, std::string("mine"));
        QVERIFY(messenger.asked.back().text.contains("will not replace"));

        const QString copy = QString::fromStdString((home / "copy.db").string());
        WhenFileDialog(copy);
        d->CopyChartFile();
        {
            TData1 other(home.string(), copy.toStdString(), TData1::tChartFileMode::kExisting);
            QCOMPARE(other.ChartTable().RecordCount(), 2);
        }

        const QString text = QString::fromStdString((home / "charts.txt").string());
        d->findChild<QTableView*>("Grid")->setCurrentIndex(d->findChild<QTableView*>("Grid")->model()->index(0, 0));
        WhenFileDialog(text);
        d->CopyAscii();
        std::string lines;
        QVERIFY(ReadWholeFile(text.toStdString(), lines));
        QCOMPARE(std::count(lines.begin(), lines.end(), '\n'), 2);
        QVERIFY(lines.find("Alpha,") != std::string::npos);

        const std::string before = program->Data().ChartFilePath();
        WhenFileDialog(taken);
        d->Rename();
        QVERIFY(d->isVisible());
        QCOMPARE(program->Data().ChartFilePath(), before);

        const QString renamed = QString::fromStdString((home / "renamed.db").string());
        WhenFileDialog(renamed);
        d->Rename();
        Settle();
        Settle();
        QCOMPARE(QString::fromStdString(program->Data().ChartFilePath()), renamed);
        QVERIFY(!FileExists(before));
        QCOMPARE(QString::fromStdString(program->Options().GetChartFile()), renamed);
        TChartDBDlg* again = nullptr;
        for (TChartDBDlg* e : frame->findChildren<TChartDBDlg*>())
            if (e->isVisible()) again = e;
        QVERIFY(again);
        QVERIFY(again->windowTitle().contains("renamed.db"));
        QCOMPARE(program->Data().ChartTable().RecordCount(), 2);
        delete again;
        frame->SelectChartFile(QString::fromStdString(before));
    }

    // An existing target is added to only after the question; the charts
    // converted can become the chart file.
    // Import lists the refused records with their lines and asks; No leaves
    // the chart file as it was, Yes stores the good ones. Copy writes CSV.
    void importAsksBeforeKeepingTheGoodRecords()
    {
        const std::string aaf = (home / "people.aaf").string();
        QVERIFY(WriteFileAtomically(aaf,
                                    "#A93:Curie,Marie,f,7.11.1867,12:00,Warsaw,PL\n#B93:*,52n14,21e01,1he24,0\n"
                                    "#A93:Leap,Bob,m,31.2.1990,10:00,Paris,F\n"
                                    "#A93:Planck,Max,m,23.4.1858,*,Kiel,D\n"));
        TChartDBDlg* d = Editor();
        QVERIFY(d);
        QVERIFY(d->findChild<QAction*>("ImportItem"));
        messenger.answers = {tMessenger::kAnswerNo};
        WhenFileDialog(QString::fromStdString(aaf));
        d->ImportCharts();
        QCOMPARE(program->Data().ChartTable().RecordCount(), 0);
        QVERIFY(messenger.asked.back().text.contains("line 3: day: 31"));
        QVERIFY(messenger.asked.back().text.contains("No imports nothing"));

        messenger.answers = {tMessenger::kAnswerYes, tMessenger::kAnswerOk};
        WhenFileDialog(QString::fromStdString(aaf));
        d->ImportCharts();
        QCOMPARE(program->Data().ChartTable().RecordCount(), 2);
        QVERIFY(messenger.asked.back().text.contains("2 chart(s) imported"));

        const QString csv = QString::fromStdString((home / "people.csv").string());
        WhenFileDialog(csv);
        d->findChild<QAction*>("CsvItem")->trigger();
        std::string lines;
        QVERIFY(ReadWholeFile(csv.toStdString(), lines));
        QCOMPARE(std::count(lines.begin(), lines.end(), '\n'), 3);
        QVERIFY(lines.find("Curie,Marie,F,1867-11-07,12:00,UTC+01:24") != std::string::npos);
    }

    void conversionAsksBeforeAddingToAChartFile()
    {
        std::string record(382, '\0');
        record[0] = 6;
        std::memcpy(&record[1], "Dupont", 6);
        const auto put16 = [&](std::size_t at, int v) {
            record[at] = static_cast<char>(v & 0xFF);
            record[at + 1] = static_cast<char>((v >> 8) & 0xFF);
        };
        put16(118, 250);
        put16(120, 12005);
        put16(122, 1961), put16(124, 3), put16(126, 21), put16(128, 6), put16(130, 30);
        const double lat = 48.52, lon = -2.20, adjust = -1;
        std::memcpy(&record[134], &adjust, 8);
        std::memcpy(&record[142], &lon, 8);
        std::memcpy(&record[150], &lat, 8);
        const std::string old = (home / "old.4c").string(), target = (home / "old.db").string();
        QVERIFY(WriteFileAtomically(old, record));

        messenger.answers = {tMessenger::kAnswerNo};  // keep the chart file in use
        frame->ConvertOldChartFile(QString::fromStdString(old));
        {
            TData1 converted(home.string(), target, TData1::tChartFileMode::kExisting);
            QCOMPARE(converted.ChartTable().RecordCount(), 1);
            QCOMPARE(converted.ChartTable().Int("STATE"), std::int64_t{12});
        }
        messenger.answers = {tMessenger::kAnswerCancel};
        frame->ConvertOldChartFile(QString::fromStdString(old));
        QCOMPARE(messenger.asked.back().buttons, tMessenger::kOkCancelSafe);
        {
            TData1 converted(home.string(), target, TData1::tChartFileMode::kExisting);
            QCOMPARE(converted.ChartTable().RecordCount(), 1);
        }
        messenger.answers = {tMessenger::kAnswerOk, tMessenger::kAnswerNo};
        frame->ConvertOldChartFile(QString::fromStdString(old));
        TData1 converted(home.string(), target, TData1::tChartFileMode::kExisting);
        QCOMPARE(converted.ChartTable().RecordCount(), 2);
    }

    // Selecting a Time1 row of zone table 3 shows only the Time2 rows of
    // table 3.
    void timeFilesFollowTheSelectedZone()
    {
        TTimeFileDlg d(*program);
        tTable& time1 = program->Data().Time1Table();
        tTable& time2 = program->Data().Time2Table();
        QVERIFY(time1.Locate({"TABLE"}, {std::int64_t{3}}));
        d.Time1DBGrid->setCurrentIndex(d.Time1DBGrid->model()->index(time1.Position(), 0));
        QVERIFY(time2.RecordCount() > 0);
        QCOMPARE(d.Time2DBGrid->model()->rowCount(), time2.RecordCount());
        for (time2.First(); !time2.Eof(); time2.Next()) QCOMPARE(time2.Int("TABLE"), std::int64_t{3});
        const QString date = d.Time1DBGrid->model()->index(time1.Position(), 2).data().toString();
        QVERIFY(date.contains('/'));  // the national short format
    }

    // An edit in a grid that the storage or the field refuses is said in
    // words, from inside the view's own event, and the cell keeps its value.
    void refusedCellEditsAreSaidAndNothingIsThrown()
    {
        TTimeFileDlg d(*program);
        tTable& time1 = program->Data().Time1Table();
        QAbstractItemModel* m = d.Time1DBGrid->model();
        const QModelIndex table = m->index(0, 4);
        const QString stored = table.data().toString();
        QVERIFY(!m->setData(table, "many", Qt::EditRole));
        QVERIFY2(messenger.asked.back().text.contains("\"many\" is not a number"), qPrintable(messenger.asked.back().text));
        time1.SetWriteCheck([] { throw tStorageError("another program is using Time1.db"); });
        QVERIFY(!m->setData(table, "7", Qt::EditRole));
        time1.SetWriteCheck({});
        QVERIFY(messenger.asked.back().text.contains("another program is using Time1.db"));
        QVERIFY(!time1.Editing());
        QCOMPARE(table.data().toString(), stored);
    }

    // Type entry 6 shows every point of type 5 and above; the body lists
    // set the formula of the current point.
    void starEditorFiltersByTypeAndSetsTheFormula()
    {
        tTable& stars = program->Data().StarTable();
        for (int type : {5, 7}) {
            stars.Insert();
            stars.Set("Name", "Point " + std::to_string(type));
            stars.Set("Type", std::int64_t{type});
            stars.Post();
        }
        TStarFileDlg d(*program);
        const int all = stars.RecordCount();
        d.SetType(6);
        QCOMPARE(stars.RecordCount(), 2);
        for (stars.First(); !stars.Eof(); stars.Next()) QVERIFY(stars.Int("Type") >= 5);
        stars.DeleteVisible();
        d.SetType(2);
        QVERIFY(d.Find("sir"));
        QCOMPARE(stars.Text("Name"), std::string("Sirius"));
        QVERIFY(
            !d.findChild<QTableView*>("Grid")->model()->index(stars.Position(), 0).data(Qt::DecorationRole).isNull());
        const std::int64_t before = stars.IntOr("Plus2");
        d.SetFormulaBody(1, 3);
        QVERIFY(d.Find("sir"));
        QCOMPARE(stars.Int("Plus2"), std::int64_t{3});
        d.SetFormulaBody(1, static_cast<int>(before));
        d.SetType(0);
        QCOMPARE(stars.RecordCount(), all - 2);
    }

    // A state whose key is taken, or a row the storage refuses, is said
    // and kept as typed, the row in the grid unchanged.
    void stateEditorKeepsARefusedRowAsTyped()
    {
        TStateFileDlg d(*program);
        tTable& states = program->Data().StateTable();
        QVERIFY(d.Find("Bavaria"));
        const std::int64_t code = states.Int("CODE");
        QVERIFY(
            states.Locate({"COUNTRY", "CODE"}, {states.Int("COUNTRY"), code == 1 ? std::int64_t{2} : std::int64_t{1}}));
        const std::int64_t other = states.Int("CODE");
        QVERIFY(d.Find("Bavaria"));
        Type(d.CodeEd, QString::number(other));
        QVERIFY(!d.Pending->Post());
        QVERIFY(messenger.asked.back().text.startsWith(program->Caption(caption::kCode) + ":"));
        QCOMPARE(d.CodeEd->text(), QString::number(other));
        QCOMPARE(states.Int("CODE"), code);

        Type(d.CodeEd, QString::number(code));
        Type(d.StateEd, "Bayern");
        states.SetWriteCheck([] { throw tStorageError("the state file is locked by another program"); });
        QVERIFY(!d.Pending->Post());
        states.SetWriteCheck({});
        QVERIFY(messenger.asked.back().text.contains("locked by another program"));
        QVERIFY(messenger.asked.back().text.contains("What you typed is kept"));
        QCOMPARE(d.StateEd->text(), QString("Bayern"));
        QVERIFY(d.Pending->Post());
        QVERIFY(d.Find("Bayern"));
        Type(d.StateEd, "Bavaria");
        QVERIFY(d.Pending->Post());
    }
};

GUI_TEST_MAIN(DatabaseEditorTests)
#include "database_editors_test.moc"
