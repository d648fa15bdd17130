// The desktop program's saving and file dialogs as one process that a test
// drives line by line on standard input, and may kill at any point:
//   save NAME        a birth chart of that name saved from its window
//   select           File > Select chart file, its folder listed, Cancel
//   export           File > Export to file, its folder listed, Cancel
//   check            the start-up check of the chart file, answered No
//                    (a new chart file) if it asks
// Each command answers "done" once it has finished.
#include <iostream>
#include <string>

#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>

#include "core/chart/chart.h"
#include "core/engine/body_numbers.h"
#include "shell/frame/main_form.h"
#include "shell/platform/application.h"
#include "shell/platform/program.h"
#include "shell/reports/natal_windows.h"

using namespace quintara;

namespace {

class tDriverMessenger : public tMessenger {
public:
    tAnswer Ask(QWidget*, tKind, const QString&, const QString&, tButtons) override
    {
        const tAnswer a = next;
        next = kAnswerYes;
        return a;
    }
    void Beep() override {}
    tAnswer next = kAnswerYes;
};

// Cancels the file dialog once its folder is listed and drawn: the icons
// and types of the files are known by then.
void CancelFileDialogWhenListed()
{
    QTimer::singleShot(50, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return CancelFileDialogWhenListed();
        QTimer::singleShot(1500, dialog, [dialog] {
            dialog->grab();
            QTimer::singleShot(500, dialog, &QDialog::reject);
        });
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    TApplication app(argc, argv);
    tDriverMessenger messenger;
    app.SetMessenger(&messenger);
    tProgram program(argv[1], messenger);
    TMainForm frame(program);
    frame.show();
    std::string command, name;
    while (std::cin >> command) {
        if (command == "save" && std::cin >> name) {
            tChart c;
            c.AddBody(kVesta).PointType = kComputedPoint;  // stored beside the row
            c.Name = name;
            c.Year = 1990, c.Month = 5, c.Day = 17, c.Hour = 14, c.Minute = 30;
            c.Adjust = -2.00, c.Latitude = 48.52, c.Longitude = -2.21;
            c.BirthPlace = "Paris";
            CalcChart(c);
            auto* w = new TNatalWindow(program, false, c);
            frame.AddChild(w);
            frame.findChild<QAction*>("FileSaveItem")->trigger();
        } else if (command == "check") {
            messenger.next = tMessenger::kAnswerNo;
            frame.CheckChartFile();
        } else if (command == "select" || command == "export") {
            CancelFileDialogWhenListed();
            frame.findChild<QAction*>(command == "select" ? "FileSelectChartfile" : "FileExportFile")->trigger();
        }
        std::cout << "done" << std::endl;
    }
    return 0;
}
