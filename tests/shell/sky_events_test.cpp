// The sky-events calendar: its dialog, the window and the calendar export.
#include "gui_fixture.h"

#include "shell/reports/sky_events_dlg.h"
#include "shell/reports/sky_events_window.h"
#include "shell/widgets/moment_fields.h"

class SkyEventsTests : public tGuiFixture {
    Q_OBJECT

    // Runs Chart 2 > Sky events with the dialog set by fill, then OK.
    void RunCalendar(std::function<void(TSkyEventsDlg*)> fill)
    {
        WhenModal([fill](QWidget* w) {
            auto* dialog = dynamic_cast<TSkyEventsDlg*>(w);
            QVERIFY(dialog);
            fill(dialog);
            dialog->accept();
            if (dialog->isVisible()) dialog->reject();  // a refused field keeps it open
        });
        frame->findChild<QAction*>("SkyEvents")->trigger();
    }

    // The windows have no meta-object of their own: found by their C++ type.
    std::vector<TSkyEventsWindow*> Calendars()
    {
        std::vector<TSkyEventsWindow*> all;
        for (QWidget* w : frame->findChildren<QWidget*>())
            if (auto* c = dynamic_cast<TSkyEventsWindow*>(w)) all.push_back(c);
        return all;
    }
    TSkyEventsWindow* Calendar()
    {
        const auto all = Calendars();
        return all.empty() ? nullptr : all.back();
    }

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    void aMonthOfTheSkyAndItsCalendarFile()
    {
        RunCalendar([](TSkyEventsDlg* d) {
            d->StartEd->setText("01/01/2024");
            d->MonthsEd->setValue(1);
            QVERIFY(!d->TransitsBox->isEnabled());  // no chart window is open
        });
        TSkyEventsWindow* w = Calendar();
        QVERIFY(w);
        const QString text = w->Text().toPlainText();
        QVERIFY(text.contains("Mercury turns direct"));
        QVERIFY(text.contains("Sun enters Aquarius"));
        QVERIFY(!text.contains("Transit:"));

        const QString ics = QString::fromStdString((home / "sky.ics").string());
        WhenFileDialog(ics);
        frame->findChild<QAction*>("FileExportFile")->trigger();
        std::string bytes;
        QVERIFY(ReadWholeFile(ics.toStdString(), bytes));
        QVERIFY(bytes.rfind("BEGIN:VCALENDAR\r\n", 0) == 0);
        std::size_t events = 0;
        for (std::size_t at = 0; (at = bytes.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) ++events;
        QCOMPARE(events, w->Events().size());
    }

    void theActiveChartsTransitsJoinWhenAsked()
    {
        OpenNatal();
        RunCalendar([](TSkyEventsDlg* d) {
            d->StartEd->setText("01/03/2024");
            d->MonthsEd->setValue(1);
            QVERIFY(d->TransitsBox->isEnabled());
            QVERIFY(d->TransitsBox->text().contains("Durand"));
            d->TransitsBox->setChecked(true);
        });
        TSkyEventsWindow* w = Calendar();
        QVERIFY(w);
        QVERIFY(w->Text().toPlainText().contains("Transit:"));
        QVERIFY(w->windowTitle().contains("Durand"));
    }

    // The almanac's periods come when asked, with their ends in the file:
    // the void-of-course Moon and the shadows; the eclipses always.
    void theAlmanacsPeriodsWhenAsked()
    {
        RunCalendar([](TSkyEventsDlg* d) {
            d->StartEd->setText("01/02/2026");
            d->MonthsEd->setValue(2);
            QVERIFY(!d->VoidBox->isChecked() && !d->ShadowsBox->isChecked());
            d->VoidBox->setChecked(true);
            d->ShadowsBox->setChecked(true);
        });
        TSkyEventsWindow* w = Calendar();
        QVERIFY(w);
        const QString text = w->Text().toPlainText();
        QVERIFY2(text.contains("Solar eclipse (annular)"), qPrintable(text.left(400)));  // 17 February 2026
        QVERIFY(text.contains("Moon void of course"));
        QVERIFY(text.contains("Mercury pre-shadow"));
        const QString ics = QString::fromStdString((home / "almanac.ics").string());
        WhenFileDialog(ics);
        frame->findChild<QAction*>("FileExportFile")->trigger();
        std::string bytes;
        QVERIFY(ReadWholeFile(ics.toStdString(), bytes));
        QVERIFY(bytes.find("DTEND:") != std::string::npos);
    }

    void aDateThatDoesNotExistKeepsTheDialogOpen()
    {
        const auto before = Calendars().size();
        RunCalendar([](TSkyEventsDlg* d) { d->StartEd->setText("30/02/2024"); });
        QCOMPARE(Calendars().size(), before);
        QVERIFY(!messenger.asked.empty());
    }
};

GUI_TEST_MAIN(SkyEventsTests)
#include "sky_events_test.moc"
