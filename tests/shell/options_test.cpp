// The options dialog and the option-file commands of the Utilities menu.
#include "gui_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QTabWidget>

#include <QAbstractButton>
#include <QButtonGroup>

#include "core/engine/ephemeris_service.h"
#include "shell/options/options_dlg.h"
#include "shell/widgets/radio_group.h"

class OptionsTests : public tGuiFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup()
    {
        Cleanup();
        program->Options().ResetOptions();
        program->Options().AspectTypes = 3;
    }

    // Cancel after orb, width and colour edits leaves every setting as it
    // was; the same edits with OK are stored and saved.
    void cancelKeepsEverythingOkStoresIt()
    {
        TMainOptions& o = program->Options();
        const tOptionRecord before = o.Record();
        const auto edit = [](TOptionsDlg& d) {
            d.OrbEd[0]->setText("14");
            d.OrbLB->setCurrentRow(1);  // the Moon's row: the Sun's is taken
            d.LineWidthEd->setText("6");
            d.ColorLB->setCurrentRow(kSlotBackground);
            d.SetSlotColor(0x00102030);
            d.AspectsRG->SetIndex(1);
        };
        {
            TOptionsDlg d(*program, 1);
            edit(d);
            d.reject();
        }
        QCOMPARE(o.Record(), before);
        QCOMPARE(o.AspectTypes, 3);
        {
            TOptionsDlg d(*program, 1);
            edit(d);
            d.accept();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(int(o.NatalOrbs.At(1, 1)), 14);
        QCOMPARE(o.BirthSet.LineWidths[kSlotText], 6);
        QCOMPARE(o.BirthSet.Colors[kSlotBackground], 0x00102030u);
        QCOMPARE(o.AspectTypes, 15);
        TOptionsDlg again(*program, 1);
        QCOMPARE(again.AspectsRG->Index(), 1);  // "All" shown again
        QCOMPARE(again.OrbEd[0]->text(), QString("14"));
    }

    // A bad number is named with its row and column, the dialog stays open
    // on its page, and nothing is stored.
    void badNumbersKeepTheDialogOpenAndStoreNothing()
    {
        TMainOptions& o = program->Options();
        const tOptionRecord before = o.Record();
        TOptionsDlg d(*program, 1);
        d.show();
        d.OrbEd[2]->setText("x");
        d.OrbLB->setCurrentRow(3);
        QCOMPARE(d.OrbLB->currentRow(), 0);  // the bad row stays shown
        const QString sun = QString::fromStdString(program->Languages().PlanetName(1));
        const QString square = QString::fromStdString(program->Languages().AspectName(3));
        QVERIFY2(messenger.asked.back().text.startsWith("Orb (" + sun + ", " + square + "): "),
                 qPrintable(messenger.asked.back().text));
        d.OrbEd[2]->setText("6");
        for (auto [field, value] : {std::pair{d.TransitOrbEd, "much"}, std::pair{d.HouseOrbEd, "45"}}) {
            field->setText(value);
            d.accept();
            QVERIFY(d.isVisible());
            QCOMPARE(d.Pages->currentWidget(), field->parentWidget());
            field->setText("0");
        }
        QCOMPARE(o.Record(), before);
        // A divider of 0 stores 1; Centered clears the house orb, an orb
        // typed clears Centered.
        d.HouseOrbEd->setText("3");
        d.CenteredCB->setChecked(true);
        QCOMPARE(d.HouseOrbEd->text(), QString("0"));
        QTest::keyClicks(d.HouseOrbEd, "2");
        QVERIFY(!d.CenteredCB->isChecked());
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(o.TransitOrb, 1);
        QCOMPARE(o.HouseOrb, 2);
    }

    // The ephemeris is a preference; a new home starts precise where the
    // data files are installed, and charts made afterwards ask for the choice.
    void ephemerisChoiceReachesNewCharts()
    {
        TMainOptions& o = program->Options();
        const int installed = PreciseEphemerisInstalled() ? 1 : 0;
        QCOMPARE(o.Ephemeris, installed);
        for (int choice : {0, installed}) {
            TOptionsDlg d(*program, 1);
            QCOMPARE(d.EphemerisRG->Buttons()->button(1)->isEnabled(), installed == 1);
            d.EphemerisRG->SetIndex(choice);
            d.accept();
            QCOMPARE(o.Ephemeris, choice);
            QVERIFY(o.Profile().Text().find("Ephemeris=" + std::to_string(choice)) != std::string::npos);
            const auto chart = program->Data().NewChart(&o.BirthSet, &program->Languages());
            QCOMPARE(int(chart->Ephemeris), choice);
        }
        // The node and the Part of Fortune likewise; the file keeps them.
        for (bool on : {true, false}) {
            TOptionsDlg d(*program, 1);
            d.NodeRG->SetIndex(on ? 1 : 0);
            d.FortuneRG->SetIndex(on ? 1 : 0);
            d.accept();
            QCOMPARE(o.MeanNode, on);
            QVERIFY(o.Profile().Text().find(on ? "FortuneBySect=1" : "FortuneBySect=0") != std::string::npos);
            const auto chart = program->Data().NewChart(&o.BirthSet, &program->Languages());
            QCOMPARE(chart->MeanNode && chart->FortuneBySect, on);
        }
        // Parallels and their orb: a bad orb keeps the dialog open on its page.
        TOptionsDlg d(*program, 1);
        d.show();
        d.ParallelCB->setChecked(true);
        d.ParallelOrbEd->setText("5");
        d.accept();
        QVERIFY(d.isVisible());
        QCOMPARE(d.Pages->currentIndex(), 0);
        QVERIFY2(messenger.asked.back().text.contains("give degrees of declination from 0.1 to 3"),
                 qPrintable(messenger.asked.back().text));
        QVERIFY(!o.Parallels);
        d.ParallelOrbEd->setText("0.5");
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(o.Parallels);
        QCOMPARE(o.ParallelOrb, 0.5);
        QCOMPARE(program->ReportContext().AspectRules.ParallelOrb, 0.5);
        o.Parallels = false;
    }

    // The second chart's set is edited alone; the menu opens the dialog on it.
    void secondChartSetIsEditedAlone()
    {
        TMainOptions& o = program->Options();
        const OptionSet birth = o.BirthSet;
        WhenModal([](QWidget* w) {
            auto* d = dynamic_cast<TOptionsDlg*>(w);
            QVERIFY(d);
            d->ShowPlanetLB->item(24)->setSelected(true);  // Chiron
            d->findChild<TRadioGroup*>("ZodiacRG")->SetIndex(1);
            auto* ayanamsa = d->findChild<QComboBox*>("AyanamsaCB");
            ayanamsa->setCurrentIndex(ayanamsa->findData(1));  // Lahiri
            d->accept();
        });
        frame->findChild<QAction*>("OptUpperchart")->trigger();
        QVERIFY(o.SecondChartSet.Shows(25));
        QCOMPARE(o.BirthSet, birth);
        QCOMPARE(o.Zodiac, 1);  // common to all charts
        QCOMPARE(o.ZodiacChoice().code, kAyanamsaBase + 1);
    }

    // A user-defined ayanamsa with a wrong value keeps the dialog open and
    // the settings as they were; a right one is stored.
    void userAyanamsaIsCheckedAndStored()
    {
        TMainOptions& o = program->Options();
        const int before = o.Ayanamsa;
        bool stayedOpen = false;
        WhenModal([&](QWidget* w) {
            auto* d = dynamic_cast<TOptionsDlg*>(w);
            QVERIFY(d);
            d->findChild<TRadioGroup*>("ZodiacRG")->SetIndex(1);
            auto* ayanamsa = d->findChild<QComboBox*>("AyanamsaCB");
            ayanamsa->setCurrentIndex(ayanamsa->findData(255));
            d->findChild<QLineEdit*>("AyanamsaReferenceED")->setText("1950-01-01");
            d->findChild<QLineEdit*>("AyanamsaValueED")->setText("twenty");
            d->accept();
            stayedOpen = d->isVisible() && d->result() != QDialog::Accepted;
            QCOMPARE(o.Ayanamsa, before);
            QVERIFY2(messenger.asked.back().text.startsWith("Ayanamsa at that date: degrees"),
                     qPrintable(messenger.asked.back().text));
            d->findChild<QLineEdit*>("AyanamsaValueED")->setText("23.15");
            d->accept();
        });
        frame->findChild<QAction*>("OptUpperchart")->trigger();
        QVERIFY(stayedOpen);
        QCOMPARE(o.ZodiacChoice().code, kUserAyanamsa);
        QCOMPARE(o.AyanamsaValue, 23.15);
        QCOMPARE(o.AyanamsaEpoch, 2433282.5);
    }

    // The house system chosen in the dialog is the next new chart's.
    // Preferences name the help pages in use, not an old help file that
    // is not there (a French locale's "AstroFR.hlp" gives the English pages).
    void helpShowsThePagesInUse()
    {
        QVERIFY(program->Options().SetHelpFile("AstroFR.hlp"));
        TOptionsDlg d(*program, 1);
        QCOMPARE(d.HelpFileBtn->text(), QString("AstroEN"));
    }

    void nextNewChartFollowsTheHouseSystem()
    {
        TOptionsDlg d(*program, 1);
        d.HouseSystemRG->SetIndex(4);  // Koch
        d.accept();
        WhenModal([](QWidget* w) {
            auto* dialog = dynamic_cast<TNewChartDlg*>(w);
            QVERIFY(dialog);
            dialog->LookupCB->setChecked(false);
            dialog->DateEd->setText("17/05/1990");
            dialog->TimeEd->setText("14:30");
            dialog->LatEd->setText("48.52");
            dialog->LongEd->setText("2.21");
            dialog->AdjustEd->setText("-2.00");
            dialog->accept();
        });
        frame->NewChart();
        auto* w = dynamic_cast<TAstroBaseWindow*>(frame->Area()->activeSubWindow()->widget());
        QVERIFY(w);
        QCOMPARE(int(w->First().HouseType), 4);
        tChart placidus;
        placidus.Assign(w->First());
        placidus.HouseType = 0;
        CalcChart(placidus);
        QVERIFY(std::fabs(w->First().HouseCusp(2) - placidus.HouseCusp(2)) > 0.1);
    }

    // Save as, reset (after the question), open: the saved options return.
    // A damaged file is refused and keeps the options in use.
    void optionFilesRoundTripAndADamagedOneIsRefused()
    {
        TMainOptions& o = program->Options();
        o.NatalOrbs.Set(5, 4, 3);
        const tOptionRecord mine = o.Record();
        const QString path = QString::fromStdString((home / "mine.cfg").string());
        WhenFileDialog(path);
        frame->SaveOptionsFile(true);
        messenger.answers = {tMessenger::kAnswerNo};
        frame->ResetAllOptions();
        QCOMPARE(o.Record(), mine);  // No changes nothing
        frame->ResetAllOptions();    // Yes
        QCOMPARE(o.Record(), tOptionRecord::Defaults());
        WhenFileDialog(path);
        frame->OpenOptionsFile();
        QCOMPARE(o.Record(), mine);

        QVERIFY(WriteFileAtomically((home / "bad.cfg").string(), std::string(40, 'x')));
        messenger.asked.clear();
        WhenFileDialog(QString::fromStdString((home / "bad.cfg").string()));
        frame->OpenOptionsFile();
        QCOMPARE(o.Record(), mine);
        QCOMPARE(messenger.asked.size(), std::size_t{1});
        QVERIFY(messenger.asked[0].text.contains("is not an option file"));
    }
};

GUI_TEST_MAIN(OptionsTests)
#include "options_test.moc"
