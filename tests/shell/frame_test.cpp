// The frame: start-up, menus, languages, window titles, help, the chart file,
// and saving and closing charts.
#include "gui_fixture.h"

#include <QMenu>
#include <QStatusBar>

#include "core/data/home_upgrade.h"
#include "shell/widgets/help_contexts.h"

class FrameTests : public tGuiFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    // A damaged chart file: the program starts, says what is wrong with
    // which file, leaves it as it was, and starts a new one when asked.
    void startsOnADamagedChartFile()
    {
        const std::filesystem::path other = home.string() + "-damaged";
        std::filesystem::remove_all(other);
        std::filesystem::create_directories(other);
        QVERIFY(SeedProgramHome(other.string(), QUINTARA_SEED_DIR));
        std::string noise(8192, '\0');
        for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
        const std::string damaged = (other / "chart.db").string();
        QVERIFY(WriteFileAtomically(damaged, noise));
        tTestMessenger asked;
        auto p = std::make_unique<tProgram>(other.string(), asked);
        QVERIFY(!p->Data().ChartFileProblem().empty());
        {
            TMainForm f(*p);
            asked.answers = {tMessenger::kAnswerNo};
            f.CheckChartFile();
            QCOMPARE(asked.asked.size(), std::size_t{1});
            const QString text = asked.asked[0].text;
            QVERIFY2(text.contains(QString::fromStdString(damaged)) && text.contains("damaged") &&
                         text.contains("No: start a new, empty chart file"),
                     qPrintable(text));
            QCOMPARE(QString::fromStdString(p->Data().ChartFilePath()), QString::fromStdString((other / "chart1.db").string()));
            tChart c;
            Birth(c);
            AppendChart(p->Data(), c, nullptr);
            QCOMPARE(p->Data().ChartTable().RecordCount(), 1);
        }
        std::string after;
        QVERIFY(ReadWholeFile(damaged, after));
        QVERIFY(after == noise);
        p.reset();
        std::filesystem::remove_all(other);
    }

    void menusFollowTheActiveWindow()
    {
        frame->UpdateMenus();
        for (const char* name : {"FileSaveItem", "FileModifyItem", "FileClose", "PrintWindow"})
            QVERIFY2(!frame->Action(name)->isEnabled(), name);
        QVERIFY(!frame->Menu("Window2")->menuAction()->isEnabled());
        QVERIFY(!frame->Menu("Chart1")->menuAction()->isVisible());
        OpenNatal();
        for (const char* name : {"FileSaveItem", "FileModifyItem", "FileClose", "SaveBtn", "InsertAnalysis"})
            QVERIFY2(frame->Action(name)->isEnabled(), name);
        QVERIFY(frame->Menu("Window2")->menuAction()->isEnabled());
        QVERIFY(frame->Menu("Chart1")->menuAction()->isVisible());
        // An aspects window is auxiliary: no Chart menu, no Save.
        tChart c;
        frame->AddChild(new TAspectsWindow(*program, Birth(c)));
        QVERIFY(!frame->Action("FileSaveItem")->isEnabled());
        QVERIFY(!frame->Menu("Chart1")->menuAction()->isEnabled());
        QVERIFY(frame->Action("FileClose")->isEnabled());
    }

    void menusTakeTheNewLanguage()
    {
        const std::string french = (home / "Fran\u00E7ais.txt").string();
        QVERIFY(WriteFileAtomically(french, "[Captions]\n120=Fichier\n"));
        program->Languages().SetLanguage(33);
        frame->UpdateMenus();
        QCOMPARE(frame->Menu("File1")->title(), QString("&Fichier"));
        QCOMPARE(frame->Action("FileNewItem")->text(), QString("New"));  // untranslated: the default
        program->Languages().SetLanguage(1);
        frame->UpdateMenus();
        QCOMPARE(frame->Menu("File1")->title(), QString("&File"));
    }

    // The installed languages: menus and tool bar at once, then the words of
    // a new report and its interpretation in that language (German reads
    // the English texts, as its extension rule says).
    void installedLanguagesReachMenusReportsAndAnalysis()
    {
        struct tCase {
            int number;
            const char* file;
            const char* fileMenu;
            const char* taurus;
            const char* interpretation;  // a heading of its birth-chart texts
        };
        for (const tCase& c :
             {tCase{33, "Fran\u00E7ais.txt", "&Fichier", "Taureau", "LES PLAN\u00C8TES DANS LES SIGNES"},
              tCase{49, "Deutsch.txt", "&Datei", "Stier", "PLANETS IN THE SIGNS"},
              tCase{31, "Nederlan.txt", "&Bestand", "Stier", "DE PLANETEN IN DE TEKENS"}}) {
            std::filesystem::copy_file(std::string(QUINTARA_SEED_DIR) + "/" + c.file, home / c.file,
                                       std::filesystem::copy_options::overwrite_existing);
            program->Languages().SetLanguage(c.number);
            frame->UpdateMenus();
            QCOMPARE(frame->Menu("File1")->title(), QString(c.fileMenu));
            QCOMPARE(frame->Action("PrintBtn")->text(), program->Caption(171));
            TNatalWindow* w = OpenNatal();
            QVERIFY(w->Text().toPlainText().contains(c.taurus));
            w->InsAnalyse();
            const QString text = w->Text().toPlainText();
            // German has no texts of its own: the English ones, said once at their head.
            QCOMPARE(text.count("the English texts of analyse.agb follow"), c.number == 49 ? 1 : 0);
            QVERIFY2(text.contains(QString::fromUtf8(c.interpretation)), c.file);
            QVERIFY(text.size() > 2000);  // the interpretation itself
            Cleanup();
        }
        program->Languages().SetLanguage(1);
        frame->UpdateMenus();
        QCOMPARE(frame->Action("PrintBtn")->text(), QString("Print"));
    }

    void aThrowingHandlerShowsTheMessageAndTheProgramGoesOn()
    {
        struct tThrower : QObject {
            bool event(QEvent* e) override
            {
                if (e->type() == QEvent::User) throw std::runtime_error("no chart file is open");
                return QObject::event(e);
            }
        } thrower;
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &e);
        QCOMPARE(messenger.asked.back().kind, tMessenger::kError);
        QCOMPARE(messenger.asked.back().text, QString("no chart file is open"));
        QVERIFY(frame->isVisible());
    }

    // Titles: an unnamed chart by its moment, the list by its caption, a
    // changed report marked until saved; the Window menu's number keys
    // only for the first nine.
    void windowTitlesSayWhatTheWindowHolds()
    {
        tChart c;
        Birth(c);
        c.Name.clear(), c.FirstName.clear();
        auto* unnamed = new TNatalWindow(*program, false, c);
        frame->AddChild(unnamed);
        QVERIFY2(unnamed->windowTitle().startsWith("17/05/1990 14:30"), qPrintable(unnamed->windowTitle()));
        auto* list = new TListWindow(*program, c);
        frame->AddChild(list);
        QVERIFY2(list->windowTitle().startsWith("List: "), qPrintable(list->windowTitle()));
        TNatalWindow* w = OpenNatal();
        QMdiSubWindow* sub = frame->Area()->activeSubWindow();
        QVERIFY(!sub->windowTitle().endsWith(" *"));
        w->Text().textCursor().insertText("my note");
        QVERIFY(sub->windowTitle().endsWith(" *"));
        w->SaveChart();
        QVERIFY(!sub->windowTitle().endsWith(" *"));
        for (int i = 0; i < 9; ++i) OpenNatal();
        QMenu* menu = frame->Menu("Window2");
        emit menu->aboutToShow();
        QStringList keys;
        for (QAction* a : menu->actions())
            if (a->property("child").isValid() && !a->isSeparator()) keys << a->text().section(' ', 0, 0);
        QVERIFY(keys.size() >= 12);
        QCOMPARE(keys[0], QString("&1"));
        QCOMPARE(keys[8], QString("&9"));
        QCOMPARE(keys[9], QString("10"));
    }

    // Ctrl+S refused by the storage: said in words from the command, not
    // claimed as saved; the window keeps its changes and, asked on closing,
    // stays open rather than drop them.
    void aRefusedSaveIsToldAndTheWindowKeepsItsChanges()
    {
        TNatalWindow* w = OpenNatal();
        w->Text().textCursor().insertText("my note");
        tTable& charts = program->Data().ChartTable();
        const int rows = charts.RecordCount();
        frame->statusBar()->clearMessage();
        messenger.answers.clear();
        charts.SetWriteCheck([] { throw tStorageError("the disk is full: chart.db could not be written"); });
        frame->Action("FileSaveItem")->trigger();
        QVERIFY2(messenger.asked.back().text.startsWith("The chart was not saved: the disk is full"),
                 qPrintable(messenger.asked.back().text));
        QVERIFY(!frame->statusBar()->currentMessage().startsWith("Saved"));
        QVERIFY(w->Text().document()->isModified());
        messenger.answers.push_back(tMessenger::kAnswerYes);  // "save the changes?"
        QVERIFY(!w->CanClose());
        QVERIFY2(messenger.asked.back().text.contains("not saved: the disk is full"),
                 qPrintable(messenger.asked.back().text));
        charts.SetWriteCheck([this] { program->Data().CheckChartWritable(); });
        QCOMPARE(charts.RecordCount(), rows);
        frame->Action("FileSaveItem")->trigger();
        QCOMPARE(charts.RecordCount(), rows + 1);
        QVERIFY(frame->statusBar()->currentMessage().startsWith("Saved"));
    }

    // Keys a desktop program is expected to have: Ctrl+F4 closes the active
    // window; Quit and Print > Chart and aspects have theirs.
    void shortcutsOfEveryDay()
    {
        OpenNatal();
        const int before = int(frame->Area()->subWindowList().size());
        frame->activateWindow();
        QApplication::setActiveWindow(frame.get());
        QTest::keyClick(frame->Area()->activeSubWindow()->widget(), Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(int(frame->Area()->subWindowList().size()), before - 1);
        QCOMPARE(frame->Action("Quit1")->shortcut(), QKeySequence(QKeySequence::Quit));
        QVERIFY(!frame->Action("PrintChartAspects")->shortcut().isEmpty());
    }

    // F1 and the Help buttons find a page of their own everywhere: every
    // context the windows and dialogs use has its page in the English help.
    void everyWindowAndDialogHasItsHelpPage()
    {
        for (int context : help::kEveryContext)
            QVERIFY2(FileExists(std::string(QUINTARA_SEED_DIR) + "/help/AstroEN/" + std::to_string(context) + ".html"),
                     qPrintable(QString::number(context)));
    }

    void helpShowsThePageOfTheContext()
    {
        ShowHelp(*program, TNewChartDlg::kHelpContext, frame.get());
        auto* text = program->HelpWindow->findChild<QTextBrowser*>("HelpText");
        QVERIFY(text);
        QVERIFY(text->toPlainText().startsWith("New chart"));
        ShowHelp(*program, 99999, frame.get());  // no such page: the contents
        QVERIFY(text->toPlainText().startsWith("Quintara help"));
        // Every context the windows and dialogs name has its page.
        for (int context : {100, 101, 102, 103, 104, 106, 107, 108, 110, 402, 403, 404, 301, 302, 306, 307, 309})
            QVERIFY2(FileExists(HelpFolder(*program) + "/" + std::to_string(context) + ".html"), std::to_string(context).c_str());
        program->HelpWindow->close();
    }

    void installationCheckNamesEveryMissingFileUntilCancel()
    {
        QVERIFY(CheckInstallation({}, messenger));
        messenger.answers = {tMessenger::kAnswerOk, tMessenger::kAnswerOk};
        QVERIFY(!CheckInstallation({"dbfiles/city.db", "dbfiles/Time1.db"}, messenger));
        QCOMPARE(messenger.asked.size(), std::size_t{2});
        QCOMPARE(messenger.asked[1].text, QString("File not found: dbfiles/Time1.db"));
        messenger.asked.clear();
        messenger.answers = {tMessenger::kAnswerCancel};
        QVERIFY(!CheckInstallation({"dbfiles/city.db", "dbfiles/Time1.db"}, messenger));
        QCOMPARE(messenger.asked.size(), std::size_t{1});
    }

    // Kept files are named with where the installed ones are; a clean
    // upgrade says nothing.
    void upgradeTellsOfKeptFilesOnly()
    {
        TellUpgrade({}, "/usr/share/quintara/home", messenger);
        QVERIFY(messenger.asked.empty());
        TellUpgrade({{"dbfiles/city.db"}, {"analyse.agb"}, {}, {}}, "/usr/share/quintara/home", messenger);
        QCOMPARE(messenger.asked.size(), std::size_t{1});
        QVERIFY(messenger.asked[0].text.contains("    analyse.agb\n"));
        QVERIFY(!messenger.asked[0].text.contains("city.db"));
        QVERIFY(messenger.asked[0].text.contains("/usr/share/quintara/home"));
    }

    void selectChartFileOpensItWhereItIs()
    {
        const std::filesystem::path other = home / "elsewhere";
        std::filesystem::create_directories(other);
        const std::string target = (other / "mine.db").string();
        frame->SelectChartFile(QString::fromStdString(target));
        QCOMPARE(program->Data().ChartFilePath(), target);
        QCOMPARE(program->Options().GetChartFile(), target);
        QVERIFY(frame->windowTitle().endsWith("mine.db"));
        // A file that is not a chart file: said, and nothing changes.
        const std::string text = (other / "notes.db").string();
        QVERIFY(WriteFileAtomically(text, "not a table"));
        frame->SelectChartFile(QString::fromStdString(text));
        QVERIFY(messenger.asked.back().text.contains("is not a chart file"));
        QCOMPARE(program->Data().ChartFilePath(), target);
        std::string bytes;
        QVERIFY(ReadWholeFile(text, bytes));
        QCOMPARE(bytes, std::string("not a table"));
        frame->SelectChartFile(QString::fromStdString((home / "chart.db").string()));
    }

    // Opening a chart that is open brings its window forward.
    void openingAnOpenChartBringsItsWindowForward()
    {
        TNatalWindow* w = OpenNatal();
        w->First().Name = "Twice";
        w->SaveChart();
        frame->Area()->closeAllSubWindows();
        const auto openTwice = [&] {
            WhenModal([](QWidget* d) {
                auto* dialog = static_cast<TOpenChartDlg*>(d);
                dialog->Find("Twice");
                dialog->accept();
            });
            frame->OpenChart();
        };
        openTwice();
        QCOMPARE(frame->Area()->subWindowList().size(), 1);
        QMdiSubWindow* first = frame->Area()->subWindowList().front();
        OpenNatal();  // another window becomes active
        openTwice();
        QCOMPARE(frame->Area()->subWindowList().size(), 2);
        QCOMPARE(frame->Area()->activeSubWindow(), first);
    }

    // A chart stored with other settings says so when it opens; File >
    // Recast casts it with the current ones.
    void aChartOfOtherSettingsSaysSoAndIsRecast()
    {
        TNatalWindow* w = OpenNatal();
        w->First().Name = "Kochian";
        w->First().HouseType = program->Options().HouseType == 4 ? 0 : 4;
        CalcChart(w->First());
        w->SaveChart();
        frame->Area()->closeAllSubWindows();
        WhenModal([](QWidget* d) {
            auto* dialog = static_cast<TOpenChartDlg*>(d);
            dialog->Find("Kochian");
            dialog->accept();
        });
        frame->OpenChart();
        QVERIFY2(frame->statusBar()->currentMessage().startsWith("Cast with "),
                 qPrintable(frame->statusBar()->currentMessage()));
        frame->UpdateMenus();
        QVERIFY(frame->Action("FileRecastItem")->isEnabled());
        frame->Action("FileRecastItem")->trigger();
        QCOMPARE(int(frame->ActiveReport()->First().HouseType), program->Options().HouseType);
        QVERIFY(frame->statusBar()->currentMessage().startsWith("Cast again"));
        // The chart saved and opened heads File > Recent charts, which opens it again.
        frame->Area()->closeAllSubWindows();
        QMenu* recent = frame->Menu("RecentCharts");
        emit recent->aboutToShow();
        QVERIFY(!recent->actions().isEmpty());
        QCOMPARE(recent->actions().front()->text(), QString("&1 Kochian Elise"));
        recent->actions().front()->trigger();
        QVERIFY(frame->ActiveReport());
        QCOMPARE(QString::fromStdString(frame->ActiveReport()->First().Name), QString("Kochian"));
    }

    void closingAModifiedChartAsksOnlyToSaveTheChart()
    {
        TNatalWindow* w = OpenNatal();
        w->ChartModified = true;
        w->Text().append("my note");  // the text is modified too
        messenger.answers = {tMessenger::kAnswerCancel};
        QVERIFY(!w->parentWidget()->close());
        QCOMPARE(messenger.asked.size(), std::size_t{1});
        QCOMPARE(messenger.asked[0].text, QString("Save chart data?"));
        messenger.asked.clear();
        const int before = program->Data().ChartTable().RecordCount();
        messenger.answers = {tMessenger::kAnswerYes};
        QVERIFY(w->parentWidget()->close());
        QCOMPARE(messenger.asked.size(), std::size_t{1});
        tTable& t = program->Data().ChartTable();
        t.Refresh();
        QCOMPARE(t.RecordCount(), before + 1);
        QVERIFY(t.Locate({"NAME"}, {std::string("Durand")}));
        QVERIFY(QString::fromStdString(t.TextOr("TEXT")).contains("my note"));
    }

    void noToOverwriteAppendsARow()
    {
        TNatalWindow* w = OpenNatal();
        w->SaveChart();  // a row of its own
        tTable& t = program->Data().ChartTable();
        const int rows = t.RecordCount();
        messenger.answers = {tMessenger::kAnswerNo};
        w->SaveChart();
        QCOMPARE(messenger.asked.back().title, QString("Overwrite saved chart"));
        // The question says what each answer does.
        const QString text = messenger.asked.back().text;
        QVERIFY2(text.contains("\"Durand\"") && text.contains("Yes: replace") && text.contains("No: keep"),
                 qPrintable(text));
        t.Refresh();
        QCOMPARE(t.RecordCount(), rows + 1);
    }
};

GUI_TEST_MAIN(FrameTests)
#include "frame_test.moc"
