// What every test of the desktop program shares: a program home of its
// own, the program-wide objects, the frame, a messenger that answers the
// questions, a standard birth, and helpers for modal dialogs. The program is
// driven as a user drives it: fields set, buttons pressed, questions
// answered.
#pragma once
#include <cmath>
#include <deque>
#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QToolButton>
#include <QDialog>
#include <QFileDialog>
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

#include "core/data/chart_file.h"
#include "core/reports/two_chart_reports.h"
#include "core/engine/houses.h"
#include "core/graphics/wheel.h"
#include "core/platform/atomic_file.h"
#include "core/platform/program_home.h"
#include "core/reports/chart_saving.h"
#include "shell/canvas/picture_files.h"
#include "shell/chart/new_chart_dlg.h"
#include "shell/chart/open_chart_dlg.h"
#include "shell/data/city_file_dlg.h"
#include "shell/frame/main_form.h"
#include "shell/frame/start_up.h"
#include "shell/graphics/graphic_window.h"
#include "shell/graphics/time_graph_windows.h"
#include "shell/graphics/wheel_aspects.h"
#include "shell/platform/application.h"
#include "shell/platform/program.h"
#include "shell/printing/page_setup_dlg.h"
#include "shell/printing/report_printing.h"
#include "shell/reports/chart_print.h"
#include "shell/reports/natal_windows.h"
#include "shell/reports/compare_windows.h"
#include "shell/reports/derived_windows.h"
#include "shell/reports/previsions_window.h"
#include "shell/reports/transits_windows.h"
#include "shell/widgets/find_dlg.h"
#include "shell/widgets/help_window.h"
#include "shell/widgets/info_dlg.h"

using namespace quintara;

// Answers questions from a queue (Yes when it runs dry) and keeps what
// was asked.
class tTestMessenger : public tMessenger {
public:
    tAnswer Ask(QWidget*, tKind kind, const QString& title, const QString& text, tButtons buttons) override
    {
        asked.push_back({kind, title, text, buttons});
        if (answers.empty()) return kAnswerYes;
        const tAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }

    struct tAsked {
        tKind kind;
        QString title, text;
        tButtons buttons = kOk;
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

// Answers the next file dialog with file.
inline void WhenFileDialog(const QString& file)
{
    WhenModal([file](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY(dialog);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

class tGuiFixture : public QObject {
protected:
    std::filesystem::path home;
    tTestMessenger messenger;
    std::unique_ptr<tProgram> program;
    std::unique_ptr<TMainForm> frame;

    // Elise Durand, Paris, 17 May 1990 14:30 (UTC+2), computed.
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

    // The windows the Chart 2 commands open, with the searches they run.
    TTransitsWindow* NewTransits(const tChart& natal, const tChart& start, tBodyMask bodies, int months)
    {
        return new TTransitsWindow(*program, natal, start, FindTransitsFrom(program->Options(), natal, start, months, bodies),
                                   bodies);
    }
    TPrevisionsWindow* NewPrevisions(const tChart& natal, const tChart& start, int steps, int stepHours)
    {
        return new TPrevisionsWindow(*program, natal, start,
                                     PrevisionsFrom(program->Options().BirthSet, natal, start, steps, stepHours, program->ReportContext().AspectRules));
    }

    void SetUpCase()
    {
        home = std::filesystem::temp_directory_path() /
               ("quintara-gui-" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        QVERIFY(SeedProgramHome(home.string(), QUINTARA_SEED_DIR));
        static_cast<TApplication*>(qApp)->SetMessenger(&messenger);
        program = std::make_unique<tProgram>(home.string(), messenger);
        frame = std::make_unique<TMainForm>(*program);
        frame->show();
    }

    void TearDownCase()
    {
        frame.reset();
        program.reset();
        std::filesystem::remove_all(home);
    }

    // Every window closed without saving; the messenger forgets.
    void Cleanup()
    {
        messenger.answers.clear();
        messenger.answers.assign(16, tMessenger::kAnswerNo);  // nothing is saved by accident
        frame->Area()->closeAllSubWindows();
        messenger.answers.clear();
        messenger.asked.clear();
        messenger.beeps = 0;
    }
};

// The program's own application object: exceptions from handlers are shown.
#define GUI_TEST_MAIN(Tests)                       \
    int main(int argc, char** argv)                \
    {                                              \
        TApplication app(argc, argv);              \
        Tests tests;                               \
        return QTest::qExec(&tests, argc, argv);   \
    }
