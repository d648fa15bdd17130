// The frame window: menus, tool bar, status bar with its clock, and the
// document area that holds the report windows. Menu captions come from
// the vocabulary and follow the language.
#pragma once

#include <map>
#include <string>
#include <memory>
#include <vector>

#include <QMainWindow>

#include "shell/platform/commands.h"
#include "shell/platform/window_opener.h"
#include "shell/reports/chart_print.h"

class QAction;
class QDialog;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QPrinter;
class QToolBar;

namespace quintara {

class tProgram;
class TAstroBaseWindow;
class TGraphicWindow;
class TChartDBDlg;

class TMainForm : public QMainWindow, public tWindowOpener {
public:
    explicit TMainForm(tProgram& program);
    ~TMainForm() override;

    static constexpr int kHelpContext = 100;

    tProgram& Program() { return program; }
    QMdiArea* Area() { return area; }
    // The action of a menu item or tool button by its component name
    // ("FileNewItem", "SaveBtn"); nullptr for an unknown name.
    QAction* Action(const char* name) const;
    QMenu* Menu(const char* name) const;
    QLabel* ClockPanel() { return clockPanel; }
    QTimer* ClockTimer() { return clock; }

    // The active report window, if the active child is one.
    TAstroBaseWindow* ActiveReport() const;
    // The active graphic window, if the active child is one.
    TGraphicWindow* ActiveGraphic() const;
    // Opens a report or graphic window as a child.
    void AddChild(QWidget* window);
    // The one opener of document windows: every window the user opens,
    // from the menus or from another window, is created here.
    void Open(const tDocumentRequest& request) override;
    // A command of the active document window.
    void RunCommand(tCommand command);
    // Graphics > Aspect wheel and Daisy wheel on the active report's charts.
    void OpenWheel(bool usStyle);
    // Graphics > Aspect side by side and Wheel side by side on a pair.
    void OpenSideBySide(bool usStyle);
    // Graphics > Clock (0), Line graph (1), Moon cycle (2): the active
    // report's chart, or now at the default locality; asked in a dialog.
    void OpenTimeGraph(int which);
    // Graphics > Sky events: the calendar's dialog, the search, its window.
    void OpenSkyEvents();
    // A chart of now at the default locality (a man's, the national country).
    void NowChart(class tChart& chart);

    // Enabling table and captions; runs whenever the active child changes.
    void UpdateMenus();
    void TranslateCaptions();
    void UpdateClock();

    // The commands that take a dialog answer, reachable without the dialog.
    void NewChart();
    void OpenChart();
    void SelectChartFile(const QString& path);
    // File > Select chart file: the file dialog, then SelectChartFile.
    void ChooseChartFile();
    // At start-up: a chart file that could not be opened is said in words,
    // with the choice of another file, a new empty one, or none for now; a
    // read-only one is said once.
    void CheckChartFile();
    void SaveActive();
    // File > Recent charts: the stored chart of that Index, opened as by Open.
    void OpenRecentChart(std::int32_t index);
    // Database > Edit chart file: the chart file editor, one at a time.
    TChartDBDlg* EditChartFile();
    // Database > Convert chart file: the old-format file chosen, then
    // ConvertOldChartFile into the name with ".db" (asked before adding
    // to an existing chart file).
    void ChooseOldChartFile();
    void ConvertOldChartFile(const QString& oldPath);
    // The chart file renamed (the editor closed first, then opened again).
    void RenameChartFile(const std::string& to);
    // Utilities > Preferences: the options dialog on set 1 (birth chart), 2
    // (first chart) or 3 (second chart).
    void ShowOptions(int set);
    void OpenOptionsFile();
    // Save options (the current file) or Save options as (a file chosen).
    void SaveOptionsFile(bool chooseName);
    void SaveDefaultOptions();
    void RestoreDefaultOptions();
    // After a question: the built-in options.
    void ResetAllOptions();
    // The printer of the run, as Printer setup left it.
    QPrinter& Printer();
    // The print dialog on it, offering a PDF file named after title; none
    // when cancelled.
    QPrinter* ChoosePrinter(const QString& title);
    // A file name for title in the program home, with extension.
    QString FileInHome(const QString& title, const char* extension) const;
    // Print > Chart and aspects, Analysis, Graphic and All of a report window.
    void PrintReport(TAstroBaseWindow& window, tPrintSections sections);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* Add(QMenu* menu, const char* name, int caption, const QKeySequence& key = {});
    // A menu item of a document command: run by the active window, enabled
    // where the window supports it.
    QAction* AddCommand(QMenu* menu, const char* name, int caption, tCommand command, const QKeySequence& key = {});
    void ExportActive();
    void PrintActive();
    // Open pictures drawn again with the options in use.
    void OptionsChanged();
    void BuildMenus();
    // A modeless database editor, closed with the frame.
    void ShowEditor(QDialog* editor);
    void CloseChartEditor();
    void BuildToolBar();
    void ShowWindowList();
    void ShowRecentCharts();
    void OpenCurrentStoredChart();   // the chart table's current row in a window of its own
    void RememberRecent(const tChart& chart);
    void Find(bool replace);
    void SetCaption();

    tProgram& program;
    QMdiArea* area;
    QToolBar* tools;
    QLabel* clockPanel;
    QTimer* clock;
    std::unique_ptr<QPrinter> printer;
    int languageApplied = 1;
    std::map<std::string, QAction*> actions;
    std::map<std::string, QMenu*> menus;
    std::vector<std::pair<QAction*, int>> captions;              // action, caption number
    std::vector<std::pair<QAction*, tCommand>> commandActions;   // enabled where the window supports the command
    std::vector<std::pair<QAction*, std::pair<int, int>>> hints;  // tool button, short and long hint
    // Tool buttons without an icon: the short English label, shown as such
    // in English; other languages show the short hint's caption.
    std::vector<std::pair<QAction*, QString>> labels;
};

}  // namespace quintara
