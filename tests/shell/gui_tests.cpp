// The desktop program driven as a user drives it: fields set, buttons
// pressed, questions answered through a messenger of the test's own.
#include <cmath>
#include <deque>
#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QToolButton>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QListWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>

#include "data/chart_file.h"
#include "data/city_file_dlg.h"
#include "engine/houses.h"
#include "graphics/graphic_window.h"
#include "graphics/picture_files.h"
#include "graphics/time_graph_windows.h"
#include "graphics/wheel.h"
#include "graphics/wheel_aspects.h"
#include "main/application.h"
#include "main/find_dlg.h"
#include "main/help_window.h"
#include "main/main_form.h"
#include "main/new_chart_dlg.h"
#include "main/open_chart_dlg.h"
#include "main/program.h"
#include "main/start_up.h"
#include "platform/atomic_file.h"
#include "platform/program_home.h"
#include "reports/chart_print.h"
#include "reports/chart_saving.h"
#include "reports/info_dlg.h"
#include "reports/page_setup_dlg.h"
#include "reports/report_printing.h"
#include "reports/natal_windows.h"
#include "reports/two_chart_windows.h"

using namespace quintara;

namespace {

// Answers questions from a queue (Yes when it runs dry) and keeps what
// was asked.
class tTestMessenger : public tMessenger {
public:
    tAnswer Ask(QWidget*, tKind kind, const QString& title, const QString& text, tButtons) override
    {
        asked.push_back({kind, title, text});
        if (answers.empty()) return kAnswerYes;
        const tAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }

    struct tAsked {
        tKind kind;
        QString title, text;
    };
    std::vector<tAsked> asked;
    std::deque<tAnswer> answers;
    int beeps = 0;
};

// Runs action once the next modal dialog is up (tests never wait on a
// real user).
template <class F>
void WhenModal(F action)
{
    QTimer::singleShot(0, [action] {
        if (QWidget* w = QApplication::activeModalWidget()) action(w);
    });
}

}  // namespace

class GuiTests : public QObject {
    Q_OBJECT

private:
    std::filesystem::path home;
    tTestMessenger messenger;
    std::unique_ptr<tProgram> program;
    std::unique_ptr<TMainForm> frame;

    tChart& Birth(tChart& c)
    {
        c.Name = "Durand";
        c.FirstName = "Elise";
        c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30;
        c.Adjust = -2.00, c.Latitude = 48.52, c.Longitude = -2.21;
        c.BirthPlace = "Paris";
        CalcChart(c);
        return c;
    }

    TNatalWindow* OpenNatal()
    {
        tChart c;
        auto* w = new TNatalWindow(*program, false, Birth(c));
        frame->AddChild(w);
        return w;
    }

private slots:
    void initTestCase()
    {
        home = std::filesystem::temp_directory_path() / ("quintara-gui-" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        QVERIFY(SeedProgramHome(home.string(), QUINTARA_SEED_DIR));
        static_cast<TApplication*>(qApp)->SetMessenger(&messenger);
        program = std::make_unique<tProgram>(home.string(), messenger);
        frame = std::make_unique<TMainForm>(*program);
        frame->show();
    }

    void cleanupTestCase()
    {
        frame.reset();
        program.reset();
        std::filesystem::remove_all(home);
    }

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

    void cleanup()
    {
        messenger.answers.clear();
        messenger.answers.assign(16, tMessenger::kAnswerNo);  // nothing is saved by accident
        frame->Area()->closeAllSubWindows();
        messenger.answers.clear();
        messenger.asked.clear();
        messenger.beeps = 0;
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

    void newChartTabOrderFollowsTheForm()
    {
        tChart c;
        TNewChartDlg d(*program, Birth(c));
        QWidget* expected[] = {d.Name1, d.FirstName1, d.Comment1, d.Ref1, d.MaleBtn, d.FemaleBtn,
                               d.DateEd, d.TimeEd, d.NoTimeBtn, d.AdjustEd, d.CityEd};
        QWidget* w = d.Name1;
        for (std::size_t i = 1; i < std::size(expected); ++i) {
            w = w->nextInFocusChain();
            while (w && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
            QCOMPARE(w, expected[i]);
        }
    }

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

    void wheelWindowPaintsProportionallyAndTogglesBodies()
    {
        TNatalWindow* natal = OpenNatal();
        frame->OpenWheel(false);
        auto* g = dynamic_cast<TChartGraphWindow*>(frame->ActiveGraphic());
        QVERIFY(g);
        QVERIFY(frame->Action("ZoomIn")->isEnabled());
        // Wider than high: the height sets the scale and the picture is centred.
        g->ViewResized(QSize(1000, 500));
        tReplay r = g->Replay();
        QCOMPARE(r.PercentX, 45);  // Round(100 x 500 / 1000 x 0.9)
        QCOMPARE(r.PercentY, 90);
        QCOMPARE(r.OriginX, 2500);
        // The paint draws the wheel (antialiased, on the offscreen platform too).
        QImage shot(g->Picture()->size(), QImage::Format_RGB32);
        g->Picture()->render(&shot);
        int ink = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2) ink += shot.pixel(x, y) != 0xffffffff;
        QVERIFY2(ink > 2000, std::to_string(ink).c_str());
        g->ZoomIn();
        QCOMPARE(g->Replay().PercentX, 50);  // x 1.1
        QCOMPARE(g->Picture()->width(), 1100);  // larger than the view: it scrolls
        // Body buttons are down exactly when their body is shown.
        for (int b = 1; b <= 12; ++b) QCOMPARE(g->BodyButton(b)->isChecked(), g->GetShown(b));
        const bool moon = g->GetShown(2);
        QTest::mouseClick(g->BodyButton(2), Qt::LeftButton);
        QCOMPARE(g->GetShown(2), !moon);
        QCOMPARE(g->BodyButton(2)->isChecked(), !moon);
        QCOMPARE(natal->First().FindBody(2)->Visible, moon);  // the report's chart is untouched
        // II-XII: houses 14 to 24, but not the Midheaven.
        const bool mc = g->GetShown(22);
        const bool houses = g->GetShown(14);
        QTest::mouseClick(g->BodyButton(15), Qt::LeftButton);
        for (int n = 14; n <= 24; ++n)
            if (n != 22) QCOMPARE(g->GetShown(n), !houses);
        QCOMPARE(g->GetShown(22), mc);
        // A+ flips bit 1 of the aspect classes and rebuilds.
        const std::int32_t before = g->Chart1().EffectiveAspectTypes(program->Options().AspectTypes);
        QTest::mouseClick(g->AspectButton(1), Qt::LeftButton);
        QCOMPARE(g->Chart1().AspectTypes, before ^ 1);
        QCOMPARE(g->AspectButton(1)->isChecked(), ((before ^ 1) & 1) != 0);
        // One chart: the right button has no second chart to work on.
        g->ToggleBodies(3, true);
        QCOMPARE(g->GetShown(3), g->BodyButton(3)->isChecked());
    }

    void clicksOpenInformationAndEmptyDragsMoveNothing()
    {
        OpenNatal();
        frame->OpenWheel(false);
        TGraphicWindow* g = frame->ActiveGraphic();
        g->ViewResized(QSize(800, 800));
        // A corner holds no element: the graph's own information.
        QTest::mouseClick(g->Picture(), Qt::LeftButton, {}, QPoint(3, 790));
        auto* panel = dynamic_cast<TInfoDlg*>(g->InfoForm());
        QVERIFY(panel);
        QVERIFY(panel->Text().contains("1990"));
        QVERIFY(panel->InfoBtn->isHidden());  // the graph has no extended information
        // A drag from there moves nothing.
        const tPictureOptions o;
        const std::string before = PictureSvg(*g->Drawing(), o);
        g->Press(QPoint(3, 790));
        g->Move();
        g->Release(QPoint(400, 400), QPoint(400, 400));
        QCOMPARE(PictureSvg(*g->Drawing(), o), before);

        // The wheel's centre: its aspects, and "Info+" for the whole chart.
        QImage shot(800, 800, QImage::Format_RGB32);
        g->Picture()->render(&shot);  // places the elements
        QTest::mouseClick(g->Picture(), Qt::LeftButton, {}, QPoint(400, 400));
        auto* aspects = dynamic_cast<TWheelAspects*>(g->InfoForm());
        QVERIFY(aspects);
        QVERIFY(aspects->AspectsLB->topLevelItemCount() > 3);
        QCOMPARE(aspects->AspectsLB->topLevelItem(0)->columnCount(), 4);
        QTest::mouseClick(aspects->InfoBtn, Qt::LeftButton);
        // The extended windows open on the picture window (by name: the
        // dialogs have no meta-object of their own).
        const auto ExInfos = [](QWidget* owner) {
            QList<TExInfoDlg*> open;
            for (QDialog* d : owner->findChildren<QDialog*>("ExInfo"))
                if (d->isVisible()) open.push_back(static_cast<TExInfoDlg*>(d));
            return open;
        };
        auto extended = ExInfos(g);
        QCOMPARE(extended.size(), qsizetype{1});
        QCOMPARE(extended[0]->windowTitle(), QString("Durand"));
        QVERIFY(extended[0]->Text->toPlainText().size() > 200);
        extended[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A planet: its position, and "Info +" for its interpretation, even
        // after the picture was rebuilt under the open panel.
        tElement* sun = nullptr;
        std::function<void(tElement&)> find = [&](tElement& e) {
            if (auto* p = dynamic_cast<tGPlanet*>(&e); p && p->Planet.Num == 1) sun = &e;
            for (std::size_t i = 0; i < e.Elements.size(); ++i) find(e.Child(i));
        };
        find(*g->Drawing());
        QVERIFY(sun);
        const QPoint at(sun->DeviceX, sun->DeviceY);
        QTest::mouseClick(g->Picture(), Qt::LeftButton, {}, at);
        panel = dynamic_cast<TInfoDlg*>(g->InfoForm());
        QVERIFY(panel && !panel->InfoBtn->isHidden());
        QVERIFY(panel->windowTitle().endsWith("Sun"));
        g->Rebuild();
        g->Picture()->render(&shot);
        QTest::mouseClick(panel->InfoBtn, Qt::LeftButton);
        extended = ExInfos(g);
        QCOMPARE(extended.size(), qsizetype{1});
        QVERIFY(extended[0]->windowTitle().endsWith("Sun"));
        extended[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A double click: the extended window, and its release opens no panel over it.
        if (g->InfoForm()) g->InfoForm()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::mouseDClick(g->Picture(), Qt::LeftButton, {}, at);
        QCOMPARE(ExInfos(g).size(), qsizetype{1});
        QVERIFY(!g->InfoForm());
    }

    void transitLineGraphFromTheTransitsWindow()
    {
        tChart natal, start;
        Birth(natal);
        start.Assign(natal);
        start.Year = 2024;
        CalcChart(start);
        auto* w = new TTransitsWindow(*program, natal, start, (1u << 5) | (1u << 6), 3);
        frame->AddChild(w);
        QVERIFY(frame->Action("Transitslinegraph")->isEnabled());
        const int proposed = w->ProposedLineGraphDays();
        QVERIFY(proposed >= 7 && proposed <= 30);
        // Mars chosen alone, then All planets again: body 0.
        WhenModal([proposed](QWidget* d) {
            QCOMPARE(d->findChild<QLineEdit*>("StepEd")->text(), QString::number(proposed) + ".00");
            auto* list = d->findChild<QListWidget*>("PlanetLB");
            auto* all = d->findChild<QCheckBox*>("AllCB");
            QVERIFY(all->isChecked());
            list->setCurrentRow(4);
            emit list->itemClicked(list->currentItem());
            QVERIFY(!all->isChecked());
            static_cast<QDialog*>(d)->accept();
        });
        frame->Action("Transitslinegraph")->trigger();
        auto* g = dynamic_cast<TTransLineGraphWindow*>(frame->ActiveGraphic());
        QVERIFY(g);
        QVERIFY(g->windowTitle().startsWith("Transit line graph: Durand"));
        QCOMPARE(g->Chart2().Name, std::string("Transits"));
        // Only the transiting bodies searched are shown.
        QVERIFY(g->Chart2().FindBody(5)->Visible && g->Chart2().FindBody(6)->Visible);
        QVERIFY(!g->Chart2().FindBody(1)->Visible && !g->Chart2().FindBody(7)->Visible);
        // The selected natal body alone among 1 to 12 of the natal chart.
        for (int n = 1; n <= 12; ++n) QCOMPARE(g->Chart1().FindBody(n)->Visible, n == 5);
        QVERIFY(g->AspectButton(1)->isHidden());
    }

    void picturesExportByTheirExtension()
    {
        OpenNatal();
        frame->OpenWheel(true);
        TGraphicWindow* g = frame->ActiveGraphic();
        QString error;
        for (const char* name : {"w.svg", "w.pdf", "w.png"}) {
            const std::string path = (home / name).string();
            QVERIFY2(g->Export(QString::fromStdString(path), error), name);
            std::string bytes;
            QVERIFY(ReadWholeFile(path, bytes));
            const std::string head = bytes.substr(0, 8);
            QVERIFY2(head.find(std::string(name).substr(2) == "svg" ? "<" : name[2] == 'p' && name[3] == 'd' ? "%PDF" : "PNG") !=
                         std::string::npos, name);
        }
        // Printed to a PDF file: one page with the picture.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string printed = (home / "printed.pdf").string();
        printer.setOutputFileName(QString::fromStdString(printed));
        QVERIFY(g->Print(printer));
        std::string pdf;
        QVERIFY(ReadWholeFile(printed, pdf));
        QCOMPARE(pdf.substr(0, 4), std::string("%PDF"));
        QVERIFY(pdf.size() > 3000);
        QVERIFY(!g->Export(QString::fromStdString((home / "w.wmf").string()), error));
        QVERIFY(!FileExists((home / "w.wmf").string()));
        g->Copy();
        QVERIFY(QApplication::clipboard()->mimeData()->hasImage());
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
    }

    void clockStepsTicksOnlyWhenActiveAndCrossesTheYear()
    {
        tChart c;
        Birth(c);
        c.Year = 2000, c.Month = 1, c.Day = 1, c.Hour = 0, c.Minute = 1;
        auto* clock = new TClockWindow(*program, c, 3);
        frame->AddChild(clock);
        QCOMPARE(clock->Timer->interval(), 4000);
        clock->Slower();
        QCOMPARE(clock->Step, 2);
        clock->Slower();
        QCOMPARE(clock->Step, 2);
        clock->Reverse();
        QCOMPARE(clock->Step, -2);
        clock->Slower();
        QCOMPARE(clock->Step, -2);
        clock->Tick();  // 00:01 - 2 minutes: the last day of 1999
        QCOMPARE(int(clock->Chart1().Year), 1999);
        QCOMPARE(int(clock->Chart1().Month), 12);
        QCOMPARE(int(clock->Chart1().Day), 31);
        QCOMPARE(int(clock->Chart1().Hour), 23);
        QCOMPARE(int(clock->Chart1().Minute), 59);
        clock->Pause();
        clock->Tick();
        QCOMPARE(int(clock->Chart1().Minute), 59);  // paused
        clock->Pause();
        OpenNatal();  // another window is active: no tick
        clock->Tick();
        QCOMPARE(int(clock->Chart1().Minute), 59);
        QCOMPARE(int(c.Year), 2000);  // the caller's chart never moves
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
        QVERIFY(transits->Text().toPlainText().contains("GMT = 0"));
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
        Birth(other);
        other.Name = "Martin", other.Year = 1985;
        CalcChart(other);
        auto* synastry = new TCompare2Window(*program, natal->First(), other);
        frame->AddChild(synastry);
        QVERIFY(frame->Action("Midpoints")->isEnabled());
        QVERIFY(synastry->windowTitle().startsWith("Synastry: Durand"));
        QVERIFY(synastry->Text().toPlainText().contains("Orb/Value"));
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
        QVERIFY(!frame->Action("Daisywheel")->isEnabled());
        // Previsions: one line per step.
        auto* prev = new TPrevisionsWindow(*program, natal->First(), other, 5, 168);
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

    void reportsPrintPageByPageWithHeaderAndFooter()
    {
        TNatalWindow* w = OpenNatal();
        w->InsAspects();
        w->InsAnalyse();  // several pages
        // A4 at 96 dpi, as images: one per page.
        const tPrintPage a4{794, 1123, 96};
        const auto print = [&](const tPrintLayout& layout, std::vector<QImage>& pages) {
            const auto blank = [&] {
                pages.emplace_back(a4.width, a4.height, QImage::Format_RGB32);
                pages.back().fill(Qt::white);
            };
            pages.clear();
            pages.reserve(64);
            blank();
            QPainter painter(&pages.back());
            const int n = PrintPages(painter, a4, *w->Text().document(), layout, [&] {
                painter.end();
                blank();
                painter.begin(&pages.back());
            });
            painter.end();
            return n;
        };
        const auto inked = [](const QImage& page, int from, int to) {
            for (int y = std::max(0, from); y < std::min(page.height(), to); ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (page.pixel(x, y) != 0xffffffff) return true;
            return false;
        };
        const int mm = 1000 * 96 / 2540;  // pixels in 10 mm, rounded down
        std::vector<QImage> pages;
        const int n = print({2500, 3000, 1500, 3000, "Elise Durand", "Footer text"}, pages);
        QVERIFY(n > 1);
        QCOMPARE(int(pages.size()), n);
        const int top = 3000 * 96 / 2540;
        for (const QImage& page : pages) {
            QVERIFY(inked(page, top - mm - 14, top - mm + 4));  // the header line, 10 mm above the text
            QVERIFY(inked(page, a4.height - 32 - 14, a4.height - 32 + 4));  // the footer line
        }
        // No header, no footer: the text starts at the top margin, nothing at the foot.
        print({2500, 2000, 1500, 2000, "", ""}, pages);
        const int text = 2000 * 96 / 2540;
        QVERIFY(!inked(pages[0], 0, text - 2));
        QVERIFY(inked(pages[0], text, text + 20));
        QVERIFY(!inked(pages[0], a4.height - 40, a4.height));
        // And to a PDF file through the printer.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string file = (home / "report.pdf").string();
        printer.setOutputFileName(QString::fromStdString(file));
        QVERIFY(w->PrintText(printer));
        std::string pdf;
        QVERIFY(ReadWholeFile(file, pdf));
        QCOMPARE(pdf.substr(0, 4), std::string("%PDF"));
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
        auto* w = new TTransitsWindow(*program, natal, start, 1u << 7, 4);
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
        TTransitsWindow stopped(*program, natal, start, 0x7FCu, 12, [](int, int) { return false; });
        QVERIFY(stopped.Cancelled());
        QVERIFY(stopped.Text().toPlainText().isEmpty());
        TPrevisionsWindow noPrev(*program, natal, start, 100, 24, [](int, int) { return false; });
        QVERIFY(noPrev.Cancelled());
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
            TPrevisionsWindow w(*program, natal, moving, 1, hours);
            for (const tAspect& a : w.Aspects().Items())
                if (a.Body1 == kMoon) return true;
            return false;
        };
        QVERIFY(hasMoon(168));
        QVERIFY(!hasMoon(192));

        // Thirty and a half years after birth: thirty days and twelve hours
        // later, over midnight into the next month.
        tChart chosen;
        chosen.Assign(natal);
        chosen.Year = 2020, chosen.Month = 11;
        auto* progression = new TProgressionWindow(*program, natal, chosen);
        frame->AddChild(progression);
        const tChart& p = progression->First();
        QCOMPARE(int(p.ChartType), 3);
        QCOMPARE(QString("%1-%2-%3 %4:%5").arg(p.Year).arg(p.Month).arg(p.Day).arg(p.Hour).arg(p.Minute),
                 QString("1990-6-17 2:30"));
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

    // Page breaks keep an event's lines together and a heading with the
    // lines after it.
    void pageBreaksKeepEventsAndHeadingsWithTheirLines()
    {
        QTextDocument doc;
        doc.setDefaultFont(QFont("DejaVu Serif", 11));
        QTextCursor c(&doc);
        c.insertText("Heading A\n\n");
        for (int k = 0; k < 90; ++k) {
            if (k % 30 == 29) c.insertText(QString("Heading %1\n\n").arg(k));
            c.insertText(QString("Event %1 enters\nEvent %1 exact\nEvent %1 leaves\n\n").arg(k));
        }
        // As the transits table has them: no blank line, the moments indented.
        for (int k = 0; k < 60; ++k)
            c.insertText(QString("Transit %1 aspect\n\tTransit %1 enters\n\tTransit %1 exact\n\tTransit %1 leaves\n").arg(k));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = QString::fromStdString((home / "groups.pdf").string());
        printer.setOutputFileName(file);
        QVERIFY(PrintDocument(printer, doc, tPrintLayout{}, "groups"));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {file, "-"});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        const QString all = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QStringList pages = all.split('\f');
        if (pages.last().trimmed().isEmpty()) pages.removeLast();
        QVERIFY(pages.size() >= 3);
        QCOMPARE(int(all.count("Event 89 leaves")), 1);  // nothing lost or printed twice
        for (const QString& page : pages) {
            // Every event on this page is whole; no page ends with a heading.
            for (int k = 0; k < 90; ++k) {
                const int n = int(page.count(QRegularExpression(QString("\\bEvent %1 (enters|exact|leaves)").arg(k))));
                QVERIFY2(n == 0 || n == 3, qPrintable(QString("event %1 split: %2 of 3 lines").arg(k).arg(n)));
            }
            for (int k = 0; k < 60; ++k) {
                const int n = int(page.count(QRegularExpression(QString("\\bTransit %1 ").arg(k))));
                QVERIFY2(n == 0 || n == 4, qPrintable(QString("transit %1 split: %2 of 4 lines").arg(k).arg(n)));
            }
            const QStringList lines = page.split('\n', Qt::SkipEmptyParts);
            QVERIFY2(!lines.last().startsWith("Heading"), qPrintable(lines.last()));
        }
    }

    void printAllHasHeaderFooterPagesAndTheWheel()
    {
        TMainOptions& o = program->Options();
        o.Header = true;
        o.Footer = "Quintara test footer";
        TNatalWindow* w = OpenNatal();
        w->First().Comment = "client";
        auto formatter = MakeChartPrint(*w);
        QCOMPARE(formatter->JobTitle(), QString("Durand Elise client"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = QString::fromStdString((home / "all.pdf").string());
        printer.setOutputFileName(file);
        QVERIFY(formatter->Print(printer, tPrintSections::All));
        const QString windowText = w->Text().toPlainText();

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", file, "-"});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        if (pages.last().trimmed().isEmpty()) pages.removeLast();
        QVERIFY(pages.size() >= 3);
        const int textPages = int(pages.size()) - 1;  // the wheel comes last
        for (int i = 0; i < textPages; ++i) {
            QVERIFY(pages[i].contains("Elise Durand"));
            QVERIFY(pages[i].contains("Quintara test footer"));
            QVERIFY(pages[i].contains(QRegularExpression(QString("\\b%1\\s*\\n").arg(i + 1))));
        }
        QVERIFY(pages[0].contains("Durand Elise client"));
        // The analysis ends the text: its last line is on the last text page.
        const QStringList printed = formatter->RichText().toPlainText().split('\n', Qt::SkipEmptyParts);
        QVERIFY(pages[textPages - 1].simplified().contains(printed.last().simplified().right(20)));
        QVERIFY(!pages.last().contains("Quintara test footer"));
        QCOMPARE(w->Text().toPlainText(), windowText);  // the window's text untouched

        // Formatters follow the window; an empty footer prints none.
        o.Footer.clear();
        tChart start;
        start.Assign(w->First());
        start.Year = 2024;
        CalcChart(start);
        auto* transits = new TTransitsWindow(*program, w->First(), start, 0x7FCu, 1);
        frame->AddChild(transits);
        auto transitsPrint = MakeChartPrint(*transits);
        QVERIFY(dynamic_cast<tTransitsPrint*>(transitsPrint.get()));
        QVERIFY(transitsPrint->Print(printer, tPrintSections::ChartAndAspects));
        pdftotext.start("pdftotext", {"-layout", file, "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString transitsText = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(transitsText.contains("GMT = 0"));
        QVERIFY(!transitsText.contains("Quintara test footer"));
        auto* prev = new TPrevisionsWindow(*program, w->First(), start, 3, 24);
        frame->AddChild(prev);
        QVERIFY(frame->Action("PrintChartAspects")->isEnabled());
        QVERIFY(!frame->Action("PrintAnalysis")->isEnabled());  // previsions have no interpretation
        QVERIFY(!frame->Action("PrintGraphic")->isEnabled());
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

    void pageSetupUsesTheMeasureUnitAndKeepsBadMarginsOpen()
    {
        TMainOptions& o = program->Options();
        program->Languages().MeasureUnit = 1;  // inches
        o.LeftMargin = 2500;
        TPageSetupDlg d(*program);
        QCOMPARE(d.LeftED->text(), QString("0.98"));
        d.LeftED->setText("1.00");
        d.TopED->setText("x");
        d.HeaderCB->setChecked(false);
        QTest::mouseClick(d.findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));  // stays open, nothing written
        QCOMPARE(o.LeftMargin, 2500);
        QVERIFY(o.Header);
        d.TopED->setText("0.79");
        QTest::mouseClick(d.findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(o.LeftMargin, 2540);
        QCOMPARE(o.TopMargin, 2007);
        QVERIFY(!o.Header);
        o.Header = true;
        program->Languages().MeasureUnit = 0;
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
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    GuiTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "gui_tests.moc"
