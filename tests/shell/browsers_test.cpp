// The table browsers and pickers: localities, countries, charts, and the
// languages and analysis-file dialogs.
#include "gui_fixture.h"

#include <QComboBox>

#include "shell/widgets/radio_group.h"

#include "core/chart/chart_kind.h"
#include "core/options/main_options.h"
#include "shell/chart/chart_setup_dlg.h"
#include "shell/data/country_dlg.h"
#include "shell/i18n/languages_dlg.h"
#include "shell/reports/ana_file_dlg.h"

class BrowserTests : public tGuiFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    // The automatic picker waits for a pause in typing and opens on the
    // text typed; the ">>>" picker too.
    void localityPickerOpensOnTheTypedTextAfterAPause()
    {
        tChart c;
        TNewChartDlg d(*program, Birth(c));
        d.show();
        QApplication::setActiveWindow(&d);
        d.CityEd->clear();
        d.CityEd->setFocus();
        QVERIFY(d.CityEd->hasFocus());
        bool openedWhileTyping = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != &d) openedWhileTyping = true;
        });
        watch.start(0);
        QTest::keyClicks(d.CityEd, "Zzqx Petersb");
        watch.stop();
        QVERIFY(!openedWhileTyping);
        QCOMPARE(d.CityEd->text(), QString("Zzqx Petersb"));  // every key stayed in the field
        QVERIFY(d.PickerTimer->isActive());
        QString findText;
        WhenModal([&](QWidget* w) {
            findText = static_cast<TCityFileDlg*>(w)->FindEd->text();
            static_cast<QDialog*>(w)->reject();
        });
        d.PlaceTypingPaused();  // the timer's tick: the pause
        QCOMPARE(findText, QString("Zzqx Petersb"));

        QString current;
        WhenModal([&](QWidget* w) {
            auto* picker = static_cast<TCityFileDlg*>(w);
            if (picker->Current()) current = QString::fromStdString(picker->Current()->name);
            picker->reject();
        });
        d.CityEd->setText("Lyo");
        QTest::mouseClick(d.CityBtn, Qt::LeftButton);
        QVERIFY2(current.startsWith("Lyo"), qPrintable(current));
    }

    void localityPickerFindsAndFilters()
    {
        TCityFileDlg d(*program, QString(), 0);
        QTest::keyClicks(d.FindEd, "par");
        auto place = d.Current();
        QVERIFY(place);
        QVERIFY(QString::fromStdString(place->name).startsWith("Par", Qt::CaseInsensitive));
        tTable& cities = program->Data().CityTable();
        const int all = cities.RecordCount();
        TCityFileDlg france(*program, "Paris", 250, nullptr);  // the tables' code of France
        QVERIFY(!france.AllCB->isChecked());
        QVERIFY(cities.RecordCount() < all);
        QVERIFY(france.Current());
        QCOMPARE(france.Current()->country, 250);
        QTest::mouseClick(france.AllCB, Qt::LeftButton);
        QCOMPARE(cities.RecordCount(), all);
    }

    // Cancel writes nothing; OK keeps the formats and the country.
    void languagesDialogKeepsFormatsAndCancelWritesNothing()
    {
        TLanguages& lang = program->Languages();
        const int dateFormat = lang.DateFormat, country = lang.Country;
        {
            TLanguagesDlg d(*program);
            d.SelectLine(120);
            QCOMPARE(d.Edit1->text(), program->Caption(120));
            d.Edit1->clear();
            QTest::keyClicks(d.Edit1, "Dossier");
            QCOMPARE(d.TranslateLB->item(120)->text(), QString("Dossier"));
            QVERIFY(d.Modified);
            d.reject();
        }
        QCOMPARE(program->Caption(120), QString("File"));
        {
            TLanguagesDlg d(*program);
            (dateFormat == 1 ? d.USDate : d.EUDate)->setChecked(true);
            d.CountryEd->setValue(49);
            d.accept();
        }
        QCOMPARE(lang.DateFormat, dateFormat == 1 ? 0 : 1);
        QCOMPARE(lang.Country, 49);
        lang.SetDateFormat(dateFormat);
        lang.Country = country;
        program->ApplyDateFormat();
    }

    // The names of one language (and the English ones), find as you type,
    // and the table whole again once the dialog is gone.
    void countryDialogFiltersByLanguageAndFinds()
    {
        tTable& countries = program->Data().CountryTable();
        const int all = countries.RecordCount();
        {
            TCountryDlg d(*program, 0);
            d.LanguageCB->setCurrentIndex(2);  // French
            const int french = countries.RecordCount();
            QVERIFY(french > 0 && french < all);
            for (countries.First(); !countries.Eof(); countries.Next())
                QVERIFY(countries.Int("LANGUAGE") == 0 || countries.Int("LANGUAGE") == 33);
            QVERIFY(d.Find("Allem"));
            QVERIFY(QString::fromStdString(countries.Text("COUNTRY")).startsWith("Allemagne"));
            QVERIFY(d.Current().has_value());
            QVERIFY(!d.Find("Zzz"));
        }
        QCOMPARE(countries.RecordCount(), all);
    }

    // A file outside the program home is refused with where to copy it.
    void analysisFileDialogTakesFilesOfTheHomeOnly()
    {
        TMainOptions& o = program->Options();
        const std::string before = o.GetAnalysisFile(kAnalysisBirthChart);
        TAnaFileDlg d(*program);
        QVERIFY(!d.Choose(kAnalysisBirthChart, "/tmp/elsewhere/mine.txt"));
        QVERIFY(messenger.asked.back().text.contains("copy the file there first"));
        QCOMPARE(o.GetAnalysisFile(kAnalysisBirthChart), before);
        QVERIFY(d.Choose(kAnalysisBirthChart, QString::fromStdString((home / "mine.txt").string())));
        QCOMPARE(o.GetAnalysisFile(kAnalysisBirthChart), std::string("mine.txt"));
        bool listed = false;
        for (int i = 0; i < d.ModuleLB->count(); ++i) listed = listed || d.ModuleLB->item(i)->text().contains("mine.txt");
        QVERIFY(listed);
        o.SetAnalysisFile(kAnalysisBirthChart, before);
    }

    // Find by name or reference, the kind filter, and OK only with a chart.
    void openChartDialogFindsFiltersAndNeedsAChart()
    {
        tChart a, b;
        Birth(a);
        Birth(b);
        b.Name = "Zola", b.Reference = "REF-7";
        AppendChart(program->Data(), a, nullptr);
        AppendChart(program->Data(), b, nullptr);
        TOpenChartDlg d(*program);
        QVERIFY(d.Find("zol"));
        QCOMPARE(program->Data().ChartTable().Text("NAME"), std::string("Zola"));
        d.RefBtn->click();
        QVERIFY(d.Find("REF-7"));
        QVERIFY(!d.Find("Durand"));  // not a reference
        d.SetKind(kProgressedChart + 1);  // no progressed chart was saved
        d.accept();
        QVERIFY(d.result() != QDialog::Accepted);
        d.SetKind(0);
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // A new locality: a bad field keeps the editor open and names the field;
    // the hemisphere buttons give the signs that are stored.
    void localityEditorSignsByHemisphereAndRefusesBadFields()
    {
        TCityFileDlg browser(*program, "", 0);
        tTable& cities = program->Data().CityTable();
        const int before = cities.RecordCount();
        bool refusedAndOpen = false;
        int statesListed = 0, chosenState = 0;
        QString countryNamed;
        WhenModal([&](QWidget* w) {
            auto* editor = qobject_cast<QDialog*>(w);
            const auto field = [w](const char* name) { return w->findChild<QLineEdit*>(name); };
            field("CityEd")->setText("Quintaraville");
            field("LatEd")->setText("33.52");
            field("LongEd")->setText("151.12");
            field("CountryEd")->setText("abc");
            w->findChild<QPushButton*>("NSBtn")->click();  // S
            w->findChild<QPushButton*>("EWBtn")->click();  // E
            editor->accept();
            refusedAndOpen = editor->isVisible() && !messenger.asked.empty() &&
                             messenger.asked.back().text.startsWith(program->Caption(241) + ":");
            field("CountryEd")->clear();
            QTest::keyClicks(field("CountryEd"), "840");  // the states of that country to choose from
            auto* states = w->findChild<QComboBox*>("StateCB");
            statesListed = states->count();
            states->setCurrentIndex(states->count() - 1);
            chosenState = states->currentData().toInt();
            countryNamed = w->findChild<QLabel*>("CountryLbl")->text();
            editor->accept();
        });
        browser.findChild<QPushButton*>("AddBtn")->click();
        QVERIFY(refusedAndOpen);
        QCOMPARE(cities.RecordCount(), before + 1);
        QVERIFY(browser.Find("Quintaraville"));
        QCOMPARE(cities.Real("LATITUDE"), -33.52);
        QCOMPARE(cities.Real("LONGITUDE"), -151.12);
        QCOMPARE(browser.Current()->country, 840);
        QVERIFY(statesListed > 1);
        QCOMPARE(browser.Current()->state, chosenState);
        QVERIFY(!countryNamed.isEmpty());
    }

    // A row the storage refuses (a locked file) is said in words; the
    // editor stays open with everything typed, and OK stores it once the
    // file is free again.
    void localityEditorKeepsARefusedRowAsTyped()
    {
        TCityFileDlg browser(*program, "", 0);
        tTable& cities = program->Data().CityTable();
        const int before = cities.RecordCount();
        bool keptOpen = false;
        QString said, typed;
        WhenModal([&](QWidget* w) {
            auto* editor = qobject_cast<QDialog*>(w);
            const auto field = [w](const char* name) { return w->findChild<QLineEdit*>(name); };
            field("CityEd")->setText("Refusedville");
            field("LatEd")->setText("45.10");
            field("LongEd")->setText("3.05");
            field("CountryEd")->setText("250");
            cities.SetWriteCheck([] { throw tStorageError("the localities file is locked by another program"); });
            editor->accept();
            cities.SetWriteCheck({});
            keptOpen = editor->isVisible();
            said = messenger.asked.empty() ? QString() : messenger.asked.back().text;
            typed = field("CityEd")->text() + " " + field("LatEd")->text();
            editor->accept();
        });
        browser.findChild<QPushButton*>("AddBtn")->click();
        QVERIFY(keptOpen);
        QVERIFY(said.contains("locked by another program"));
        QCOMPARE(typed, QString("Refusedville 45.10"));
        QCOMPARE(cities.RecordCount(), before + 1);
        QVERIFY(browser.Find("Refusedville"));
        cities.Delete();
    }

    // Chart setup: Cancel takes the added star back, OK keeps it for the
    // next new chart (and its report); the program's own rows stay.
    void chartSetupAddsStarsToTheNextNewChart()
    {
        frame->UpdateMenus();
        QVERIFY(frame->Action("ChartSetupItem")->isEnabled());
        tTable& planets = program->Data().PlanetTable();
        const int rows = planets.RecordCount();
        {
            TChartSetup d(*program);
            QVERIFY(d.Find("regul"));
            QTest::mouseClick(d.AddBtn, Qt::LeftButton);
            QCOMPARE(planets.RecordCount(), rows + 1);
            d.reject();
        }
        QCOMPARE(planets.RecordCount(), rows);
        {
            TChartSetup d(*program);
            d.DBGrid2->selectRow(0);  // 37, one of the program's own
            QTest::mouseClick(d.RemoveBtn, Qt::LeftButton);
            QCOMPARE(planets.RecordCount(), rows);
            QCOMPARE(messenger.beeps, 1);
            d.TypeRG->SetIndex(2);
            d.SetType(2);  // fixed stars
            QVERIFY(d.Find("regul"));
            QTest::mouseClick(d.AddBtn, Qt::LeftButton);
            d.AspectCB->click();
            d.accept();
        }
        QCOMPARE(planets.RecordCount(), rows + 1);
        const int regulus = static_cast<int>(planets.Int("Num"));
        QCOMPARE(planets.Int("Aspects"), std::int64_t{1});
        WhenModal([](QWidget* w) {
            auto* dialog = dynamic_cast<TNewChartDlg*>(w);
            QVERIFY(dialog);
            dialog->DateEd->setText("17/05/1990");
            dialog->AdjustEd->setText("-2.00");
            dialog->accept();
        });
        frame->NewChart();
        auto* w = dynamic_cast<TAstroBaseWindow*>(frame->Area()->activeSubWindow()->widget());
        QVERIFY(w);
        QVERIFY(w->First().FindBody(regulus));
        QVERIFY(w->Text().toPlainText().contains("Regulus"));
        QVERIFY(planets.Locate({"Num"}, {std::int64_t{regulus}}));
        planets.Delete();  // the next tests see the table as shipped
    }

    // Database > Countries: the names of the language in use, under
    // headings of the vocabulary, languages by name.
    void countriesEditorOpensOnTheLanguageInUse()
    {
        frame->Action("DBCountries")->trigger();
        TCountryDlg* d = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* c = dynamic_cast<TCountryDlg*>(w); c && c->isVisible()) d = c;
        QVERIFY(d);
        QCOMPARE(d->LanguageCB->currentIndex(), 1);  // English
        auto* grid = d->findChild<QTableView*>();
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), program->Caption(315));
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), program->Caption(316));
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QString("English"));
        d->close();
    }

    // A browser closed with a filter on leaves every row to what comes next
    // (the chart file scan, the next open), and the chosen row current.
    void closedBrowsersLeaveTheirTablesUnfiltered()
    {
        tChart a;
        Birth(a);
        a.Name = "Zwicky";
        AppendChart(program->Data(), a, nullptr);
        tTable& charts = program->Data().ChartTable();
        const auto all = charts.RecordCount();
        {
            TOpenChartDlg d(*program);
            d.TypeLB->setCurrentIndex(kProgressedChart + 1);
            d.SetKind(kProgressedChart + 1);
            QVERIFY(charts.RecordCount() < all);
            d.SetKind(kNatalChart + 1);
            QVERIFY(d.Find("Zwick"));
        }
        QCOMPARE(charts.RecordCount(), all);
        QCOMPARE(charts.Text("NAME"), std::string("Zwicky"));
        tTable& countries = program->Data().CountryTable();
        const auto countryCount = countries.RecordCount();
        {
            TCountryDlg d(*program, 33);
            QVERIFY(countries.RecordCount() < countryCount);
        }
        QCOMPARE(countries.RecordCount(), countryCount);
    }
};

GUI_TEST_MAIN(BrowserTests)
#include "browsers_test.moc"
