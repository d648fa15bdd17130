// The new-chart dialog: fields, zones, places and the tab order.
#include "gui_fixture.h"

#include <QComboBox>

#include "core/engine/houses.h"
#include "shell/chart/chart2_dialogs.h"
#include "shell/chart/house_zodiac_fields.h"
#include "shell/chart/date_time_dlg.h"
#include "shell/widgets/moment_fields.h"

class ChartEntryTests : public tGuiFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    void unsureZoneIsShownAndASecondOkAcceptsIt()
    {
        tChart c;
        Birth(c);
        c.Country = 9999;  // a country the time tables do not know
        c.Adjust = 0;
        TNewChartDlg d(*program, c);
        d.LookupCB->setChecked(false);
        d.LongEd->setText("40.00");
        if (d.EWBtn->text() == "W") QTest::mouseClick(d.EWBtn, Qt::LeftButton);
        QCOMPARE(d.AdjustEd->text(), QString("auto"));
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));  // still open
        // It says what it assumed, in the form clocks use too.
        QVERIFY2(messenger.asked.back().text.startsWith("Time zone not sure") &&
                     messenger.asked.back().text.contains("UTC+03:00") &&
                     messenger.asked.back().text.contains("from the longitude"),
                 qPrintable(messenger.asked.back().text));
        QCOMPARE(d.AdjustEd->text().trimmed(), QString("-3.00"));  // round(-40.00 / 15)
        QCOMPARE(QApplication::focusWidget() == d.AdjustEd || !d.isVisible(), true);
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(c.Adjust, -3.00);
        QCOMPARE(c.Longitude, -40.00);
    }

    void eastWestAndTheLongitudeAsTime()
    {
        tChart c;
        TNewChartDlg d(*program, Birth(c));
        d.LookupCB->setChecked(false);
        d.LongEd->setText("15.00");
        d.ShowLongitudeAsTime();
        QCOMPARE(d.LongTEd->text(), QString("01:00"));
        d.LongTEd->setText("01:30");
        d.ShowTimeAsLongitude();
        QCOMPARE(d.LongEd->text().trimmed(), QString("22.30"));
        d.LongEd->setText("2.30");
        const QString before = d.PlusBtn->text();
        QTest::mouseClick(d.EWBtn, Qt::LeftButton);
        QVERIFY(d.PlusBtn->text() != before);
        if (d.EWBtn->text() != "E") QTest::mouseClick(d.EWBtn, Qt::LeftButton);
        QCOMPARE(d.PlusBtn->text(), QString("-"));
        d.AdjustEd->setText("-1.00");
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(c.Longitude, -2.30);
    }

    void timeUnknownFixesNoonAndNoHouses()
    {
        tChart c;
        TNewChartDlg d(*program, Birth(c));
        d.AdjustEd->setText("-2.00");
        QTest::mouseClick(d.NoTimeBtn, Qt::LeftButton);
        QVERIFY(!d.TimeEd->isEnabled());
        QCOMPARE(d.TimeEd->text().left(5), QString("12:00"));
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(c.HouseType, std::uint8_t{kTimeUnknown});
        QCOMPARE(int(c.Hour), 12);
        QCOMPARE(int(c.Minute), 0);
    }

    void badFieldsNameThemselvesAndKeepTheDialogOpen()
    {
        tChart c;
        Birth(c);
        TNewChartDlg d(*program, c);
        d.DateEd->setText("31/02/1990");
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY2(messenger.asked.back().text.startsWith("Date: \"31/02/1990\": day 31 is outside 1..28"),
                 qPrintable(messenger.asked.back().text));
        QCOMPARE(int(c.Day), 17);  // the chart is untouched
        // A fifth digit of the year is refused, not cut; an empty date is
        // asked for in the user's format.
        for (const char* typed : {"01/01/99999", ""}) {
            d.DateEd->setText(typed);
            QTest::mouseClick(d.OkBtn, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            const QString text = messenger.asked.back().text;
            QVERIFY2(text.startsWith("Date: ") && text.contains("dd/mm/yyyy") && !text.contains("YYYY-MM-DD"),
                     qPrintable(text));
        }
        QVERIFY(messenger.asked.back().text.contains("empty"));
        d.DateEd->setText("17/05/1990");
        // Typed as a user types it: the minus is not dropped but refused.
        d.TimeEd->clear();
        QTest::keyClicks(d.TimeEd, "-1:00");
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY2(messenger.asked.back().text.startsWith("Time: ") && messenger.asked.back().text.contains("-1"),
                 qPrintable(messenger.asked.back().text));
        d.TimeEd->setText("14:30");
        d.AdjustEd->setText("zone");
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QVERIFY(messenger.asked.back().text.startsWith("Zone: "));
        // The zone as clocks name it is accepted and kept in the chart's sign.
        d.AdjustEd->setText("UTC+02:00");
        QCOMPARE(d.ZoneUtcLbl->text(), QString("UTC+02:00"));
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(c.Adjust, -2.00);
    }

    // The step dialogs read their date and time alike: a bad one is named,
    // focused and leaves the chart as it was; am/pm times are read back.
    void stepDialogsReadDatesAndTimesInTheNationalFormats()
    {
        tChart c;
        Birth(c);
        {
            int steps = 10, stepHours = 24;
            TPrevisionsDlg d(*program, c, steps, stepHours);
            d.show();
            QApplication::setActiveWindow(&d);
            d.DateED->setText("30/02/2001");
            d.accept();
            QVERIFY(d.isVisible());
            QVERIFY(messenger.asked.back().text.startsWith("Date: "));
            QVERIFY(d.DateED->hasFocus());
            d.DateED->setText("01/03/2001");
            d.TimeED->setText("24:10");
            d.accept();
            QVERIFY(messenger.asked.back().text.startsWith("Time: "));
            QCOMPARE(int(c.Year), 1990);
            d.TimeED->setText("06:05");
            d.accept();
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(int(c.Year) * 10000 + c.Month * 100 + c.Day, 20010301);
            QCOMPARE(c.Hour * 100 + c.Minute, 605);
        }
        TLanguages& languages = program->Languages();
        const int format = languages.TimeFormat;
        languages.SetTimeFormat(0);
        {
            TDateTimeDlg d(*program, c);
            QCOMPARE(d.TimeED->text(), QString("06:05 am"));
            d.TimeED->setText("09:45 pm");
            d.accept();
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(c.Hour * 100 + c.Minute, 2145);
        }
        languages.SetTimeFormat(format);
    }

    // A zone the lookup found follows a change of date; one typed is kept
    // only when the user says so.
    void aLookedUpZoneFollowsTheDate()
    {
        tChart c;
        Birth(c);
        c.Adjust = 0;
        c.Year = 1800, c.Month = 1, c.Day = 1;
        TNewChartDlg d(*program, c);
        d.LocatePlace("Paris");
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);  // not sure in 1800: shown
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(d.AdjustEd->text().trimmed(), QString("-0.09"));
        QVERIFY(d.ZoneUtcLbl->text().contains("looked up"));
        d.DateEd->setText("01/06/1950");
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(c.Adjust, -1.00);

        // Modify: the stored zone is the looked-up one, so a summer date follows.
        tChart m;
        Birth(m);
        m.Year = 1975, m.Month = 1, m.Day = 10, m.Adjust = -1.00;
        m.Country = c.Country, m.State = c.State, m.BirthPlace = c.BirthPlace;
        TNewChartDlg modify(*program, m);
        modify.DateEd->setText("01/07/1980");
        QTest::mouseClick(modify.OkBtn, Qt::LeftButton);
        QCOMPARE(m.Adjust, -2.00);

        // A typed zone: the user is asked; No looks it up.
        tChart t;
        Birth(t);
        t.Country = c.Country, t.State = c.State, t.BirthPlace = c.BirthPlace;
        TNewChartDlg typed(*program, t);
        typed.AdjustEd->setText("-3.00");
        QTest::mouseClick(typed.OkBtn, Qt::LeftButton);  // typed for this date: kept without a question
        QCOMPARE(t.Adjust, -3.00);
        TNewChartDlg again(*program, t);
        again.DateEd->setText("10/01/1975");
        messenger.asked.clear();
        messenger.answers = {tMessenger::kAnswerNo};
        QTest::mouseClick(again.OkBtn, Qt::LeftButton);
        QCOMPARE(messenger.asked.size(), std::size_t{1});
        QVERIFY(messenger.asked[0].text.contains("Yes: keep -3.00"));
        QCOMPARE(t.Adjust, -1.00);
    }

    // The chart carries the system and ayanamsa chosen for it, whatever the
    // settings say; a user-defined ayanamsa keeps the chart's reference.
    void theChartCarriesItsHouseSystemAndAyanamsa()
    {
        tChart c;
        Birth(c);
        c.Adjust = -2.00;
        TNewChartDlg d(*program, c);
        QComboBox* houses = d.Settings->HouseCB;
        QComboBox* zodiacs = d.Settings->ZodiacCB;
        houses->setCurrentIndex(houses->findData(int(kWholeSign)));
        zodiacs->setCurrentIndex(zodiacs->findData(kAyanamsaBase + 1));  // Lahiri
        QTest::mouseClick(d.OkBtn, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(int(c.HouseType), int(kWholeSign));
        QCOMPARE(c.Zodiac, kAyanamsaBase + 1);

        c.Zodiac = kUserAyanamsa;
        c.UserAyanamsa = {2433282.5, 23.25};
        TNewChartDlg again(*program, c);
        QCOMPARE(again.Settings->HouseCB->currentData().toInt(), int(kWholeSign));
        QCOMPARE(again.Settings->ZodiacCB->currentData().toInt(), kUserAyanamsa);
        QTest::mouseClick(again.NoTimeBtn, Qt::LeftButton);
        QVERIFY(!again.Settings->HouseCB->isEnabled());
        QTest::mouseClick(again.OkBtn, Qt::LeftButton);
        QCOMPARE(int(c.HouseType), int(kTimeUnknown));
        QCOMPARE(c.UserAyanamsa.degrees, 23.25);
        QCOMPARE(c.UserAyanamsa.jdUt, 2433282.5);
    }

    void newChartTabOrderFollowsTheForm()
    {
        tChart c;
        TNewChartDlg d(*program, Birth(c));
        QWidget* expected[] = {d.Name1, d.FirstName1, d.Comment1, d.Ref1, d.MaleBtn, d.FemaleBtn,
                               d.DateEd, d.TimeEd, d.NoTimeBtn, d.AdjustEd, d.Settings->HouseCB,
                               d.Settings->ZodiacCB, d.CityEd};
        QWidget* w = d.Name1;
        for (std::size_t i = 1; i < std::size(expected); ++i) {
            w = w->nextInFocusChain();
            while (w && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
            QCOMPARE(w, expected[i]);
        }
    }

    void unknownPlaceBeepsAndOpensThePicker()
    {
        tChart c;
        TNewChartDlg d(*program, Birth(c));
        bool picked = false;
        WhenModal([&](QWidget* w) {
            picked = w->objectName() == "TCityFileDlg";
            static_cast<QDialog*>(w)->reject();
        });
        d.LocatePlace("Qqqxzz");
        QCOMPARE(messenger.beeps, 1);
        QVERIFY(picked);
        d.LocatePlace("Lyon");
        QCOMPARE(d.CityDBLbl->text(), QString("Lyon"));
        QCOMPARE(messenger.beeps, 1);
    }
};

GUI_TEST_MAIN(ChartEntryTests)
#include "chart_entry_test.moc"
