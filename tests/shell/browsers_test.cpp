// The table browsers and pickers: localities, countries, charts, and the
// languages and analysis-file dialogs.
#include "gui_fixture.h"

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
};

GUI_TEST_MAIN(BrowserTests)
#include "browsers_test.moc"
