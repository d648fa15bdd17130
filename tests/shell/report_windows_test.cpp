// The report windows: text tools, export, find, and the Chart 2 windows.
#include "gui_fixture.h"

#include <QRegularExpression>

#include "core/chart/chart_kind.h"
#include "core/data/second_chart.h"
#include "shell/reports/relationship_windows.h"
#include "shell/reports/technique_windows.h"

class ReportWindowTests : public tGuiFixture {
    Q_OBJECT

    // other: a second person (Martin, 1985) and a synastry window of the pair.
    TCompare2Window* OpenSynastry(const tChart& first, tChart& other)
    {
        Birth(other);
        other.Name = "Martin", other.Year = 1985;
        CalcChart(other);
        auto* synastry = new TCompare2Window(*program, first, other);
        frame->AddChild(synastry);
        return synastry;
    }

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    void middleButtonShowsTheChartsInformation()
    {
        TNatalWindow* w = OpenNatal();
        QTest::mouseClick(w->Text().viewport(), Qt::MiddleButton, {}, QPoint(20, 20));
        const auto panels = w->findChildren<TInfoDlg*>();
        QCOMPARE(panels.size(), qsizetype{1});
        const QStringList lines = panels[0]->Text().split('\n');
        QCOMPARE(lines.size(), qsizetype{4});
        QVERIFY(lines[0].startsWith("Paris"));
        QVERIFY(lines[2].contains("1990"));
        QVERIFY(lines[3].startsWith("Lat"));
        // A second click replaces the panel.
        QTest::mouseClick(w->Text().viewport(), Qt::MiddleButton, {}, QPoint(20, 20));
        QCoreApplication::processEvents();
        QCOMPARE(w->findChildren<TInfoDlg*>(QString(), Qt::FindDirectChildrenOnly).size(), qsizetype{1});
    }

    void replaceAllIsOneUndoStepAndStylesOnlyAdd()
    {
        TNatalWindow* w = OpenNatal();
        TAFRichEdit& t = w->Text();
        const QString before = t.toPlainText();
        const int n = t.ReplaceAll("Taurus", "Bull");
        QVERIFY(n >= 1);
        QVERIFY(!t.toPlainText().contains("Taurus"));
        t.undo();
        QCOMPARE(t.toPlainText(), before);
        // The generated report is no undo step: undo stops at it.
        QVERIFY(!t.document()->isUndoAvailable());
        t.undo();
        QCOMPARE(t.toPlainText(), before);
        t.selectAll();
        t.AddBold();
        t.AddBold();
        QVERIFY(t.textCursor().charFormat().font().bold());
        t.moveCursor(QTextCursor::Start);
        QVERIFY(t.FindNext("Sun", false));
        QCOMPARE(t.textCursor().selectedText(), QString("Sun"));
    }

    // Export to file writes the type its name says.
    void exportWritesTheTypeOfItsName()
    {
        TNatalWindow* w = OpenNatal();
        for (const char* name : {"out.rtf", "out.html", "out.txt"}) {
            const QString path = QString::fromStdString((home / name).string());
            QString error;
            QVERIFY2(w->ExportText(path, error), qPrintable(error));
            std::string bytes;
            QVERIFY(ReadWholeFile(path.toStdString(), bytes));
            const QString start = QString::fromStdString(bytes.substr(0, 40));
            if (QString(name).endsWith("rtf")) QVERIFY2(start.startsWith("{\\rtf"), qPrintable(start));
            if (QString(name).endsWith("html")) QVERIFY2(start.contains("<!DOCTYPE html", Qt::CaseInsensitive) || start.contains("<html"), qPrintable(start));
            if (QString(name).endsWith("txt")) QVERIFY2(start.startsWith("Durand Elise"), qPrintable(start));
        }
    }

    // Find says when nothing is found.
    void findSaysWhenNothingIsFound()
    {
        TNatalWindow* w = OpenNatal();
        ShowFindDialog(*program, w->Text(), false, frame.get());
        QDialog* d = frame->findChild<QDialog*>("FindDialog1");
        QVERIFY(d);
        d->findChild<QLineEdit*>("FindText")->setText("Zzyzx");
        QTest::mouseClick(d->findChild<QPushButton*>("FindNextBtn"), Qt::LeftButton);
        QVERIFY(d->findChild<QLabel*>("FindStatus")->text().contains("was not found"));
        d->findChild<QLineEdit*>("FindText")->setText("Sun");
        QTest::mouseClick(d->findChild<QPushButton*>("FindNextBtn"), Qt::LeftButton);
        QVERIFY(d->findChild<QLabel*>("FindStatus")->text().isEmpty());
        d->close();
    }

    void chart2CommandsOpenTheirWindows()
    {
        TNatalWindow* natal = OpenNatal();
        QVERIFY(frame->Action("Transits1")->isEnabled());
        QVERIFY(!frame->Action("Midpoints")->isEnabled());
        // Transits through their dialog: Moon to Pluto, one month.
        WhenModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
        frame->Action("Transits1")->trigger();
        auto* transits = dynamic_cast<TTransitsWindow*>(frame->ActiveReport());
        QVERIFY(transits);
        QVERIFY(transits->windowTitle().startsWith("Transits: Durand"));
        QVERIFY(transits->Events().Items().size() > 10);
        // On the clock of the birth place (Paris: UTC+01:00 in winter, +02:00
        // in summer), in time order; GMT when the user asks for it.
        const QString local = transits->Text().toPlainText();
        QVERIFY2(local.contains(QRegularExpression("UTC\\+0[12]:00 = 0")), qPrintable(local.left(400)));
        QVERIFY(!local.contains("GMT"));
        program->Options().TransitTimesUniversal = true;
        transits->Build();
        QVERIFY(transits->Text().toPlainText().contains("GMT = 0"));
        program->Options().TransitTimesUniversal = false;
        // The natal positions are the birth's: no slow body sits exactly on
        // its own natal place on the day of the search.
        for (const tTransitEvent& e : transits->Events().Items())
            QVERIFY(!(e.Transiting == e.Natal && e.Transiting >= 6 && e.AspectIndex <= 2));
        QVERIFY(!frame->Action("FileSaveItem")->isEnabled());  // a moment: nothing to save
        QVERIFY(!frame->Action("Midpoints")->isEnabled());
        QVERIFY(frame->Action("Compare2")->isEnabled());
        QVERIFY(frame->Action("NewAnalysis")->isEnabled());
        QVERIFY(!frame->Action("Transits1")->isEnabled());
        // A pair of people and the mid-points of the pair.
        tChart other;
        TCompare2Window* synastry = OpenSynastry(natal->First(), other);
        QVERIFY(frame->Action("Midpoints")->isEnabled());
        QVERIFY(synastry->windowTitle().startsWith("Synastry: Durand"));
        QVERIFY(synastry->Text().toPlainText().contains("Orb/Value"));
        // Both people's birth data head the synastry.
        QVERIFY(synastry->Text().toPlainText().contains("May 1990"));
        QVERIFY2(synastry->Text().toPlainText().contains("May 1985"), qPrintable(synastry->Text().toPlainText()));
        QVERIFY(frame->Action("FileSaveItem")->isEnabled());
        // The pair's wheels: inner and outer, and side by side.
        frame->OpenWheel(false);
        QVERIFY(frame->ActiveGraphic()->windowTitle().startsWith("Synastry: Durand"));
        frame->Area()->setActiveSubWindow(frame->Area()->subWindowList().at(frame->Area()->subWindowList().size() - 2));
        QVERIFY(frame->Action("Sidebyside")->isEnabled());
        frame->OpenSideBySide(false);
        QVERIFY(frame->ActiveGraphic()->windowTitle().startsWith("Side by side"));
        frame->Area()->setActiveSubWindow(frame->Area()->subWindowList().at(frame->Area()->subWindowList().size() - 3));
        frame->Action("Midpoints")->trigger();
        QVERIFY(frame->ActiveReport()->windowTitle().startsWith("Mid-points"));
        QVERIFY(frame->ActiveReport()->Text().toPlainText().contains("May 1985"));  // both people head it
        QVERIFY(!frame->Action("Daisywheel")->isEnabled());
        // Previsions: one line per step.
        auto* prev = NewPrevisions(natal->First(), other, 5, 168);
        frame->AddChild(prev);
        QCOMPARE(prev->Steps().size(), std::size_t{5});
        // Saving from a two-chart window appends a row every time.
        tTable& t = program->Data().ChartTable();
        t.Refresh();
        const int rows = t.RecordCount();
        synastry->SaveChart();
        synastry->SaveChart();
        t.Refresh();
        QCOMPARE(t.RecordCount(), rows + 2);
    }

    // Chart 2 > Relocated chart from one chart, Composite and Davison chart
    // from a pair: windows of their own, headed by the moved chart's own
    // time and place or by both people, and drawn as a wheel.
    void pairChartsAndRelocationOpenTheirWindows()
    {
        TNatalWindow* natal = OpenNatal();
        QVERIFY(frame->Action("Relocated")->isEnabled());
        WhenModal([](QWidget* w) {
            auto* city = w->findChild<QLineEdit*>("CityED");
            city->clear();
            QTest::keyClicks(city, "New York");
            static_cast<QDialog*>(w)->accept();
        });
        frame->Action("Relocated")->trigger();
        auto* moved = dynamic_cast<TRelocatedWindow*>(frame->ActiveReport());
        QVERIFY(moved);
        QVERIFY2(moved->windowTitle().startsWith("Relocated chart: Durand"), qPrintable(moved->windowTitle()));
        QCOMPARE(moved->First().Centuries, natal->First().Centuries);  // the same moment
        QVERIFY(std::fabs(moved->First().Latitude - 40.43) < 0.1);
        QCOMPARE(int(moved->First().Hour), 8);  // 14:30 in Paris, 08:30 in New York (summer time)
        QVERIFY(moved->Text().toPlainText().contains("New York"));

        tChart other;
        OpenSynastry(natal->First(), other);
        QMdiSubWindow* pair = frame->Area()->activeSubWindow();
        QVERIFY(frame->Action("Composite")->isEnabled());
        QVERIFY(!frame->Action("Relocated")->isEnabled());
        frame->Action("Composite")->trigger();
        auto* composite = dynamic_cast<TCompositeWindow*>(frame->ActiveReport());
        QVERIFY(composite);
        QVERIFY(composite->windowTitle().startsWith("Composite: Durand"));
        QVERIFY(composite->Text().toPlainText().contains("May 1985"));  // both people head it
        QCOMPARE(int(composite->First().ChartType), int(kCompositeChart));
        QVERIFY(frame->Action("Daisywheel")->isEnabled());
        frame->OpenWheel(false);
        QVERIFY(frame->ActiveGraphic());
        frame->Area()->setActiveSubWindow(pair);
        frame->Action("Davison")->trigger();
        auto* davison = dynamic_cast<TDavisonWindow*>(frame->ActiveReport());
        QVERIFY(davison);
        QVERIFY(std::fabs(davison->First().Centuries - (natal->First().Centuries + other.Centuries) / 2) <
                1.0 / 1440 / 36525);
        QVERIFY(davison->Text().toPlainText().contains("May 1985"));
    }

    // Chart 2 > Solar arc directions, Time lords and Planetary hours: the
    // date (and place) of their dialog, a report of their own, the
    // directions drawn as a bi-wheel.
    void directionsTimeLordsAndHoursOpenTheirReports()
    {
        TNatalWindow* natal = OpenNatal();
        const auto accept = [](QWidget* w) { static_cast<QDialog*>(w)->accept(); };
        WhenModal(accept);
        frame->Action("SolarArc")->trigger();
        auto* arc = dynamic_cast<TSolarArcWindow*>(frame->ActiveReport());
        QVERIFY(arc);
        QCOMPARE(int(arc->First().ChartType), int(kDirectedChart));
        QVERIFY(arc->First().BodyPosition(1) != natal->First().BodyPosition(1));  // today is years after the birth
        QVERIFY(frame->Action("Daisywheel")->isEnabled());
        frame->OpenWheel(false);
        QVERIFY(frame->ActiveGraphic());
        frame->Area()->setActiveSubWindow(frame->Area()->subWindowList().front());
        WhenModal(accept);
        frame->Action("TimeLords")->trigger();
        auto* lords = dynamic_cast<TTimeLordsWindow*>(frame->ActiveReport());
        QVERIFY(lords);
        const QString text = lords->Text().toPlainText();
        QVERIFY2(text.contains("Profections") && text.contains("Firdaria"), qPrintable(text.left(300)));
        frame->Area()->setActiveSubWindow(frame->Area()->subWindowList().front());
        WhenModal(accept);
        frame->Action("PlanetaryHours")->trigger();
        auto* hours = dynamic_cast<TPlanetaryHoursWindow*>(frame->ActiveReport());
        QVERIFY(hours);
        QVERIFY2(hours->Text().toPlainText().contains("Sunrise"), qPrintable(hours->Text().toPlainText().left(300)));
    }

    void transitsShowRetrogradesAndTheChooserSetsTheMoment()
    {
        tChart natal, start;
        Birth(natal);
        start.Assign(natal);
        start.ChartType = 5;
        start.Year = 2024, start.Month = 7, start.Day = 1;  // Saturn retrograde until mid-November
        CalcChart(start);
        const auto kinds = program->Options().TransitAspects;
        program->Options().TransitAspects.fill(true);
        auto* w = NewTransits(natal, start, 1u << 7, 4);
        program->Options().TransitAspects = kinds;
        frame->AddChild(w);
        const QStringList lines = w->Text().toPlainText().split('\n');
        const QString saturn = QString::fromStdString(program->ReportContext().BodyName(7));
        int retrograde = 0;
        for (const QString& line : lines)
            if (line.startsWith(saturn + "\t")) {
                QCOMPARE(line.section('\t', 4, 4), QString("R"));
                ++retrograde;
            }
        QVERIFY(retrograde > 0);
        QCOMPARE(retrograde, int(w->Events().Count()));

        // Compare 2 charts asks for one transit and compares with its moment.
        QVERIFY(frame->Action("Compare2")->isEnabled());
        WhenModal([](QWidget* d) {
            auto* list = d->findChild<QTreeWidget*>("TransitsLB");
            list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
            static_cast<QDialog*>(d)->accept();
        });
        frame->Action("Compare2")->trigger();
        auto* day = dynamic_cast<TCompareDayWindow*>(frame->ActiveReport());
        QVERIFY(day);
        const tTransitEvent& last = w->Events().Items().back();
        const double minute = 1.0 / (36525.0 * 1440.0);
        QVERIFY(std::fabs(day->Second().Centuries - last.Moment) < 1.5 * minute);
        QCOMPARE(int(day->Second().ChartType), 5);
        QVERIFY(std::fabs(w->Second().Centuries - last.Moment) < 1.5 * minute);  // in place, as chosen
        // Cancelled at the chooser: nothing opens.
        const auto windows = frame->Area()->subWindowList().size();
        frame->Area()->setActiveSubWindow(frame->Area()->subWindowList().at(windows - 2));
        WhenModal([](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
        frame->Action("Secondchart")->trigger();
        QCOMPARE(frame->Area()->subWindowList().size(), windows);
        // The interpretation of the events in a window of its own.
        frame->Action("NewAnalysis")->trigger();
        QVERIFY(dynamic_cast<TTransAnalysisWindow*>(frame->ActiveReport()));

        // A search stopped from its progress leaves nothing to show.
        bool cancelled = false;
        const auto stop = [](int, int) { return false; };
        QVERIFY(FindTransitsFrom(program->Options(), natal, start, 12, 0x7FCu, stop, &cancelled).Items().empty());
        QVERIFY(cancelled);
        QVERIFY(PrevisionsFrom(program->Options().BirthSet, natal, start, 100, 24, program->ReportContext().AspectRules, stop).empty());
    }

    void previsionStepsProgressionAndMidpoints()
    {
        tChart natal, moving;
        Birth(natal);
        moving.Assign(natal);
        moving.Year = 2024;
        CalcChart(moving);
        // Seven days still compare the Moon; eight drop it.
        const auto hasMoon = [&](int hours) {
            tChart fixed(&program->Options().BirthSet), moved(&program->Options().BirthSet);
            fixed.Assign(natal), moved.Assign(moving);
            CalcChart(fixed), CalcChart(moved);
            tAspectsCollection aspects(program->ReportContext().AspectRules);
            BuildPrevisions(fixed, moved, 1, hours, aspects);
            for (const tAspect& a : aspects.Items())
                if (a.Body1 == kMoon) return true;
            return false;
        };
        QVERIFY(hasMoon(168));
        QVERIFY(!hasMoon(192));

        // 11,142 days after birth: 30.506 days (over the tropical year) later,
        // over midnight into the next month, to the minute.
        tChart chosen;
        chosen.Assign(natal);
        chosen.Year = 2020, chosen.Month = 11;
        auto* progression = new TProgressionWindow(*program, natal, chosen);
        frame->AddChild(progression);
        const tChart& p = progression->First();
        QCOMPARE(int(p.ChartType), 3);
        QCOMPARE(QString("%1-%2-%3 %4:%5").arg(p.Year).arg(p.Month).arg(p.Day).arg(p.Hour).arg(p.Minute),
                 QString("1990-6-17 2:38"));
        // The window shows the progression as computed for the command line:
        // angles by the solar arc, not recast for the progressed moment.
        tChart computed(&program->Options().BirthSet);
        ProgressedChart(natal, chosen, computed);
        for (int n : {int(kAscendant), int(kMidheaven), 2, 23})
            QVERIFY2(std::fabs(p.BodyPosition(n) - computed.BodyPosition(n)) < 1e-9, qPrintable(QString::number(n)));
        QCOMPARE(p.SiderealT, computed.SiderealT);
        // Chart > List lists the progressed positions.
        frame->UpdateMenus();
        QVERIFY(frame->Action("NewList")->isEnabled());
        frame->Action("NewList")->trigger();
        auto* list = dynamic_cast<TListWindow*>(frame->ActiveReport());
        QVERIFY(list);
        QCOMPARE(list->First().BodyPosition(kMidheaven), computed.BodyPosition(kMidheaven));
        frame->Area()->setActiveSubWindow(frame->Area()->subWindowList()[frame->Area()->subWindowList().size() - 2]);
        QVERIFY(progression->windowTitle().startsWith("Progression: Durand"));
        frame->Action("Compare2")->trigger();  // the progression compared with the birth chart
        QVERIFY(dynamic_cast<TProgCompareWindow*>(frame->ActiveReport()));
        QVERIFY(frame->ActiveReport()->windowTitle().startsWith("Compare progression"));

        // Suns at about 350 and 10 degrees meet at 0, not at 180.
        tChart a, b;
        Birth(a), Birth(b);
        a.Year = b.Year = 2000, a.Month = b.Month = 3;
        a.Day = 11, b.Day = 31;
        CalcChart(a), CalcChart(b);
        QVERIFY(a.BodyPosition(kSun) > 345 && b.BodyPosition(kSun) < 15);
        TMidpointsWindow mid(*program, a, b);
        const double expected = std::fmod((a.BodyPosition(kSun) + b.BodyPosition(kSun) + 360) / 2, 360.0);
        QVERIFY(std::fabs(mid.First().BodyPosition(kSun) - expected) < 1e-9);
        QVERIFY(std::fabs(std::remainder(expected, 360.0)) < 2);
        QCOMPARE(int(mid.First().ChartType), 4);
    }

    // A return or progression is headed by the person's names with the
    // derived moment, not by the birth moment.
    void derivedWindowsShowTheirOwnChartInTheHeader()
    {
        tChart natal, place, chosen;
        Birth(natal);
        place.Assign(natal);
        place.Name.clear(), place.FirstName.clear();
        auto* ret = new TSunReturnWindow(*program, natal, place, 36);  // 1990 + 36
        frame->AddChild(ret);
        QStringList lines = ret->Text().toPlainText().split('\n');
        QVERIFY2(lines[0].startsWith("Durand Elise"), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains(" 2026 ") && !lines[1].contains(" 1990 "), qPrintable(lines[1]));
        QVERIFY(ret->windowTitle().contains("Durand"));
        chosen.Assign(natal);
        chosen.Name = "", chosen.Year = 2020;
        auto* prog = new TProgressionWindow(*program, natal, chosen, nullptr);
        frame->AddChild(prog);
        lines = prog->Text().toPlainText().split('\n');
        QVERIFY2(lines[0].startsWith("Durand Elise"), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains("June 1990"), qPrintable(lines[1]));  // 30 years: 30 days after birth
    }

    // Compare to day starts on today, as its siblings do.
    void compareToDayOpensOnToday()
    {
        OpenNatal();
        QVERIFY(frame->Action("CompareDay")->isEnabled());
        QString shown;
        WhenModal([&shown](QWidget* d) {
            shown = d->findChild<QLineEdit*>("DateED")->text();
            static_cast<QDialog*>(d)->accept();
        });
        frame->Action("CompareDay")->trigger();
        auto* day = dynamic_cast<TCompareDayWindow*>(frame->ActiveReport());
        QVERIFY(day);
        const QDate today = QDate::currentDate();
        QCOMPARE(QDate(day->Second().Year, day->Second().Month, day->Second().Day), today);
        QVERIFY2(shown.contains(QString::number(today.year())), qPrintable(shown));
    }

    void compareToFileOpensWithTheMatches()
    {
        // Other people than the window's own chart, which is no match for itself.
        for (const char* name : {"Martin", "Moreau", "Girard", "Lefebvre"}) {
            tChart other;
            Birth(other);
            other.Name = name;
            other.Year = static_cast<std::uint16_t>(1970 + name[1] % 20);
            CalcChart(other);
            AppendChart(program->Data(), other, nullptr);
        }
        OpenNatal();
        QVERIFY(frame->Action("CompareFile")->isEnabled());
        WhenModal([](QWidget* w) {
            // Everyone of any score.
            w->findChild<QRadioButton*>("BothBtn")->setChecked(true);
            w->findChild<QSpinBox*>("MaxAgeEd")->setValue(200);
            w->findChild<QSpinBox*>("PositiveEd")->setValue(0);
            w->findChild<QSpinBox*>("NegativeEd")->setValue(1000000);
            w->findChild<QSpinBox*>("TotalEd")->setValue(-1000000);
            static_cast<QDialog*>(w)->accept();
        });
        frame->Action("CompareFile")->trigger();
        auto* w = dynamic_cast<TCompareFileWindow*>(frame->ActiveReport());
        QVERIFY(w);
        QVERIFY(w->windowTitle().startsWith("Compare to file"));
        QVERIFY(!w->Matches().empty());
        QVERIFY(w->Text().toPlainText().contains("Durand"));
        QCOMPARE(program->Data().ChartTable().ReadProblem(), std::string());
        // Caption, header and one line per match.
        const QString text = w->Text().toPlainText();
        QVERIFY(text.startsWith("Durand Elise"));
        QVERIFY(w->Matches().size() > 2);
        for (const tCompareMatch& match : w->Matches()) QVERIFY(match.Name != "Durand");
        QVERIFY(text.contains("Name Firstname\tPositive points"));
        const tCompareMatch& m = w->Matches()[2];
        QVERIFY(text.contains(QString::fromStdString(m.Name + " " + m.FirstName + "\t")));
        // Second chart: the chosen match, read from the chart file.
        WhenModal([](QWidget* d) {
            auto* list = d->findChild<QTreeWidget*>("ResultsLB");
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                if (list->topLevelItem(i)->data(0, Qt::UserRole).toInt() == 2) list->setCurrentItem(list->topLevelItem(i));
            static_cast<QDialog*>(d)->accept();
        });
        frame->Action("Secondchart")->trigger();
        auto* second = dynamic_cast<TNatalWindow*>(frame->ActiveReport());
        QVERIFY(second);
        QCOMPARE(second->First().Name, m.Name);
        QCOMPARE(second->First().Index, m.Index);
    }
};

GUI_TEST_MAIN(ReportWindowTests)
#include "report_windows_test.moc"
