#include "main/main_form.h"

#include <cmath>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QStyle>
#include <QToolBar>

#include "chart/date_time.h"
#include "data/chart_file.h"
#include "data/city_file_dlg.h"
#include "data/country_dlg.h"
#include "engine/angles.h"
#include "graphics/font_substitution.h"
#include "i18n/languages_dlg.h"
#include "main/find_dlg.h"
#include "main/help_window.h"
#include "main/new_chart_dlg.h"
#include "main/open_chart_dlg.h"
#include "main/program.h"
#include "platform/atomic_file.h"
#include "platform/file_dialogs.h"
#include "graphics/clock_dlg.h"
#include "graphics/graphic_window.h"
#include "graphics/time_graph_windows.h"
#include "main/date_time_dlg.h"
#include "reports/ana_file_dlg.h"
#include "reports/page_setup_dlg.h"
#include "reports/natal_windows.h"
#include "reports/two_chart_windows.h"

namespace quintara {

namespace {

// A menu label or disabled caption line.
QAction* Label(QMenu* menu, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setEnabled(false);
    return a;
}

}  // namespace

TMainForm::TMainForm(tProgram& p) : program(p)
{
    setObjectName("MainForm");
    area = new QMdiArea(this);
    area->setObjectName("Area");
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area);
    BuildMenus();
    BuildToolBar();
    clockPanel = new QLabel(this);
    clockPanel->setObjectName("ClockPanel");
    clockPanel->setMinimumWidth(120);
    statusBar()->setMinimumHeight(clockPanel->sizeHint().height() + 6);
    statusBar()->addPermanentWidget(clockPanel);
    clock = new QTimer(this);
    clock->setInterval(10000);
    connect(clock, &QTimer::timeout, this, &TMainForm::UpdateClock);
    clock->start();
    UpdateClock();

    TMainOptions& o = p.Options();
    tools->setVisible(o.Toolbar);
    Action("Toolbar1")->setChecked(o.Toolbar);
    statusBar()->setVisible(o.Statusbar);
    Action("Statusbar1")->setChecked(o.Statusbar);
    SetCaption();
    connect(area, &QMdiArea::subWindowActivated, this, [this] { UpdateMenus(); });
    TranslateCaptions();
    UpdateMenus();
    resize(1100, 760);
}

TMainForm::~TMainForm()
{
    // Children going with the frame must not reach the menus being freed.
    disconnect(area, nullptr, this, nullptr);
}

QAction* TMainForm::Action(const char* name) const
{
    const auto it = actions.find(name);
    return it == actions.end() ? nullptr : it->second;
}

QMenu* TMainForm::Menu(const char* name) const
{
    const auto it = menus.find(name);
    return it == menus.end() ? nullptr : it->second;
}

QAction* TMainForm::Add(QMenu* menu, const char* name, int caption, const QKeySequence& key)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    actions[name] = a;
    if (caption >= 0) captions.push_back({a, caption});
    return a;
}

void TMainForm::SetCaption()
{
    const std::string file = std::filesystem::path(program.Options().GetChartFile()).filename().string();
    setWindowTitle(program.Caption(204) + " - " + QString::fromStdString(file));
}

void TMainForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    const auto menu = [&](const char* name, int caption) {
        QMenu* m = bar->addMenu(QString());
        m->setObjectName(name);
        menus[name] = m;
        captions.push_back({m->menuAction(), caption});
        return m;
    };
    // File
    QMenu* file = menu("File1", 120);
    connect(Add(file, "FileNewItem", 162, QKeySequence("Ctrl+N")), &QAction::triggered, this, &TMainForm::NewChart);
    connect(Add(file, "FileOpenItem", 163, QKeySequence("Ctrl+O")), &QAction::triggered, this, &TMainForm::OpenChart);
    connect(Add(file, "FileSaveItem", 164, QKeySequence("Ctrl+S")), &QAction::triggered, this, &TMainForm::SaveActive);
    connect(Add(file, "FileModifyItem", 165), &QAction::triggered, this, [this] {
        if (TAstroBaseWindow* w = ActiveReport(); w && w->IsChartWindow()) w->ModifyChart();
    });
    connect(Add(file, "FileClose", 166), &QAction::triggered, this, [this] { area->closeActiveSubWindow(); });
    file->addSeparator();
    connect(Add(file, "FileSelectChartfile", 167), &QAction::triggered, this, &TMainForm::ChooseChartFile);
    connect(Add(file, "Analysisfiles1", 168), &QAction::triggered, this, [this] {
        TAnaFileDlg dialog(program, this);
        dialog.exec();
    });
    connect(Add(file, "FileExportFile", 169), &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) {
            const QString path = ChooseFileToSave(this, program.Caption(169), FileInHome(g->windowTitle(), "svg"),
                                                  "SVG (*.svg);;PDF (*.pdf);;PNG (*.png)");
            QString error;
            if (!path.isEmpty() && !g->Export(path, error))
                program.Messenger().Tell(this, tMessenger::kError, program.Caption(169), error);
            return;
        }
        TAstroBaseWindow* w = ActiveReport();
        if (!w) return;
        QString type;
        QString path = ChooseFileToSave(this, program.Caption(169),
                                        FileInHome(QString::fromStdString(w->First().Name), "rtf"),
                                        "Rich text format files (*.rtf);;HTML files (*.html *.htm);;Text files (*.txt)",
                                        &type);
        if (path.isEmpty()) return;
        // A name without a type gets the chosen one.
        if (QFileInfo(path).suffix().isEmpty())
            path += type.startsWith("HTML") ? ".html" : type.startsWith("Text") ? ".txt" : ".rtf";
        QString error;
        if (!w->ExportText(path, error))
            program.Messenger().Tell(this, tMessenger::kError, program.Caption(169), error);
    });
    file->addSeparator();
    connect(Add(file, "Pagesetup", 170), &QAction::triggered, this, [this] {
        TPageSetupDlg dialog(program, this);
        dialog.exec();
    });
    QMenu* print = file->addMenu(QString());
    print->setObjectName("Print1");
    menus["Print1"] = print;
    captions.push_back({print->menuAction(), 171});
    connect(Add(print, "PrintWindow", 125, QKeySequence("Ctrl+P")), &QAction::triggered, this, [this] {
        TGraphicWindow* g = ActiveGraphic();
        TAstroBaseWindow* w = ActiveReport();
        if (!g && !w) return;
        QPrinter* printer = ChoosePrinter(g ? g->windowTitle() : w->windowTitle());
        if (printer && !(g ? g->Print(*printer) : w->PrintText(*printer)))
            program.Messenger().Tell(this, tMessenger::kError, program.Caption(171), "nothing could be printed");
    });
    print->addSeparator();
    const auto printSections = [this](tPrintSections sections) {
        return [this, sections] {
            if (TAstroBaseWindow* w = ActiveReport()) PrintReport(*w, sections);
        };
    };
    connect(Add(print, "PrintChartAspects", 174), &QAction::triggered, this,
            printSections(tPrintSections::ChartAndAspects));
    connect(Add(print, "PrintAnalysis", 73), &QAction::triggered, this, printSections(tPrintSections::Analysis));
    connect(Add(print, "PrintGraphic", 175), &QAction::triggered, this, printSections(tPrintSections::Graphic));
    connect(Add(print, "PrintAll", 92), &QAction::triggered, this, printSections(tPrintSections::All));
    connect(Add(file, "Printersetup1", 172), &QAction::triggered, this, [this] {
        QPageSetupDialog dialog(&Printer(), this);
        dialog.exec();
    });
    file->addSeparator();
    connect(Add(file, "Quit1", 173), &QAction::triggered, this, &QWidget::close);

    // The report window's menus, merged into the frame's.
    QMenu* edit = menu("Edit1", 133);
    const auto onText = [this](auto f) {
        return [this, f] {
            if (TAstroBaseWindow* w = ActiveReport()) f(w->Text());
        };
    };
    connect(Add(edit, "UndoItem", 306, QKeySequence("Alt+Backspace")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.undo(); }));
    connect(Add(edit, "Cut1", 46, QKeySequence("Ctrl+X")), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.cut(); }));
    connect(Add(edit, "Copy1", 47, QKeySequence("Ctrl+C")), &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) g->Copy();
        else if (TAstroBaseWindow* w = ActiveReport()) w->Text().copy();
    });
    QAction* copyAll = Add(edit, "CopyallItem", -1);
    copyAll->setText("Copy all");
    connect(copyAll, &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) return g->Copy();
        if (TAstroBaseWindow* w = ActiveReport()) {
            w->Text().selectAll();
            w->Text().copy();
        }
    });
    connect(Add(edit, "Paste1", 48, QKeySequence("Ctrl+V")), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.paste(); }));
    connect(Add(edit, "Find1", 208, QKeySequence("Ctrl+F")), &QAction::triggered, this, [this] { Find(false); });
    connect(Add(edit, "Replace1", 209, QKeySequence("Ctrl+R")), &QAction::triggered, this, [this] { Find(true); });
    connect(Add(edit, "SelectallItem", 210), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.selectAll(); }));
    QMenu* format = menu("Format", 211);
    connect(Add(format, "FormatBold", 212, QKeySequence("Ctrl+B")), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.AddBold(); }));
    connect(Add(format, "FormatUnderline", 213, QKeySequence("Ctrl+U")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.AddUnderline(); }));
    connect(Add(format, "FormatItalic", 214, QKeySequence("Ctrl+I")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.AddItalic(); }));
    connect(Add(format, "FormatBigger", -1), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.ChangeSize(1); }));
    connect(Add(format, "FormatSmaller", -1), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.ChangeSize(-1); }));
    connect(Add(format, "FormatFont", 192), &QAction::triggered, this, onText([this](TAFRichEdit& t) {
                bool ok = false;
                const QFont f = QFontDialog::getFont(&ok, t.currentFont(), this);
                if (ok) t.SetSelectionFont(f);
            }));
    QMenu* chart = menu("Chart1", 216);
    Label(chart, QString())->setObjectName("Insert1");
    captions.push_back({chart->actions().back(), 215});
    const auto onWindow = [this](auto f) {
        return [this, f] {
            if (TAstroBaseWindow* w = ActiveReport()) f(*w);
        };
    };
    connect(Add(chart, "NewList", 219), &QAction::triggered, this, onWindow([](TAstroBaseWindow& w) { w.NewList(); }));
    connect(Add(chart, "NewAspects", 74), &QAction::triggered, this, onWindow([](TAstroBaseWindow& w) { w.NewAspects(); }));
    connect(Add(chart, "NewAnalysis", 73), &QAction::triggered, this, onWindow([](TAstroBaseWindow& w) { w.NewAnalysis(); }));
    connect(Add(chart, "Chart2Item", 216), &QAction::triggered, this, onWindow([](TAstroBaseWindow& w) { w.NewNatal(); }));
    chart->addSeparator();
    Label(chart, QString())->setObjectName("Add1");
    captions.push_back({chart->actions().back(), 218});
    connect(Add(chart, "InsertList", 219), &QAction::triggered, this, onWindow([](TAstroBaseWindow& w) { w.InsList(); }));
    connect(Add(chart, "InsertAspects", 74), &QAction::triggered, this, onWindow([](TAstroBaseWindow& w) { w.InsAspects(); }));
    connect(Add(chart, "InsertAnalysis", 73, QKeySequence("F7")), &QAction::triggered, this,
            onWindow([](TAstroBaseWindow& w) { w.InsAnalyse(); }));
    QMenu* chart2 = menu("Chart21", 217);
    for (auto [name, caption] : std::initializer_list<std::pair<const char*, int>>{
             {"Transits1", 75}, {"CompareDay", 76}, {"Previsions", 77}, {"Compare2", 78}, {"CompareFile", 79},
             {"Moonreturn", 82}, {"Sunreturn", 83}, {"Progression", 80}, {"Midpoints", 85}, {"Secondchart", 94}}) {
        const std::string command = name;
        connect(Add(chart2, name, caption), &QAction::triggered, this, [this, command] {
            if (TAstroBaseWindow* w = ActiveReport(); w && w->Offers(command)) w->Chart2Command(command);
        });
    }

    // Display
    QMenu* display = menu("Display1", 121);
    QAction* toolbar = Add(display, "Toolbar1", 176);
    toolbar->setCheckable(true);
    connect(toolbar, &QAction::toggled, this, [this](bool on) {
        tools->setVisible(on);
        program.Options().Toolbar = on;
    });
    QAction* status = Add(display, "Statusbar1", 177);
    status->setCheckable(true);
    connect(status, &QAction::toggled, this, [this](bool on) {
        statusBar()->setVisible(on);
        program.Options().Statusbar = on;
    });
    display->addSeparator();
    connect(Add(display, "ZoomIn", 58), &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) g->ZoomIn();
    });
    connect(Add(display, "ZoomOut", 59), &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) g->ZoomOut();
    });

    // Graphics: the graphic windows come with their own work.
    QMenu* graphics = menu("Graphics1", 122);
    connect(Add(graphics, "Daisywheel", 178, QKeySequence("F6")), &QAction::triggered, this, [this] { OpenWheel(false); });
    connect(Add(graphics, "Daisywheel21", 179), &QAction::triggered, this, [this] { OpenWheel(true); });
    connect(Add(graphics, "PrevisionsItem", 77), &QAction::triggered, this, [this] {
        if (auto* w = dynamic_cast<TPrevisionsWindow*>(ActiveReport()))
            AddChild(new TPrevGraphWindow(program, w->First(), w->Steps()));
    });
    connect(Add(graphics, "Sidebyside", 180), &QAction::triggered, this, [this] { OpenSideBySide(false); });
    connect(Add(graphics, "Sidebyside2", 181), &QAction::triggered, this, [this] { OpenSideBySide(true); });
    connect(Add(graphics, "Clock1", 98), &QAction::triggered, this, [this] { OpenTimeGraph(0); });
    connect(Add(graphics, "Linegraph1", 99), &QAction::triggered, this, [this] { OpenTimeGraph(1); });
    connect(Add(graphics, "Transitslinegraph", 101), &QAction::triggered, this, [this] {
        if (auto* transits = dynamic_cast<TTransitsWindow*>(ActiveReport())) transits->TransitsLineGraph();
    });
    connect(Add(graphics, "Mooncycle1", 100), &QAction::triggered, this, [this] { OpenTimeGraph(2); });

    // Database
    QMenu* database = menu("Database1", 123);
    connect(Add(database, "DBSelectchartfile", 167), &QAction::triggered, this, &TMainForm::ChooseChartFile);
    Add(database, "DBEditchartfile", 182);
    Add(database, "DBConvertchartfile", 183);
    database->addSeparator();
    connect(Add(database, "DBCity", 184), &QAction::triggered, this, [this] {
        auto* d = new TCityFileDlg(program, QString(), 0, this);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
    });
    connect(Add(database, "DBCountries", 185), &QAction::triggered, this, [this] {
        auto* d = new TCountryDlg(program, 0, this);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
    });
    Add(database, "DBStates", 186);
    Add(database, "DBTimefiles", 187);
    Add(database, "DBPlanets", 188);

    // Utilities
    QMenu* utilities = menu("Options1", 124);
    QMenu* preferences = utilities->addMenu(QString());
    preferences->setObjectName("Options2");
    menus["Options2"] = preferences;
    captions.push_back({preferences->menuAction(), 189});
    Add(preferences, "OptBirthchart", 90);
    Add(preferences, "OptLowerchart", 93);
    Add(preferences, "OptUpperchart", 94);
    Add(utilities, "ChartSetupItem", 190);
    connect(Add(utilities, "Language1", 191), &QAction::triggered, this, [this] {
        TLanguagesDlg dialog(program, this);
        dialog.exec();
        program.ApplyDateFormat();
        UpdateMenus();
    });
    connect(Add(utilities, "FontItem", 192), &QAction::triggered, this, [this] {
        tExtFont f = program.Options().GetFont();
        QFont initial(QString::fromStdString(SubstituteFont(f.Name, "").Family), f.Size);
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, this);
        if (!ok) return;
        f.Name = chosen.family().toStdString();
        f.Size = chosen.pointSize();
        program.Options().SetFont(f);
    });
    utilities->addSeparator();
    for (auto [name, caption] : std::initializer_list<std::pair<const char*, int>>{
             {"OptionsOpen", 193}, {"OptionsSave", 194}, {"OptionsSaveAs", 195}})
        Add(utilities, name, caption);
    utilities->addSeparator();
    for (auto [name, caption] : std::initializer_list<std::pair<const char*, int>>{
             {"OptionsSaveasdefault", 196}, {"OptionsLoaddefault", 197}, {"ResetOptions", 198}})
        Add(utilities, name, caption);

    // Window
    QMenu* window = menu("Window2", 125);
    connect(Add(window, "WindowTileItem", 199), &QAction::triggered, area, &QMdiArea::tileSubWindows);
    connect(Add(window, "WindowCascade", 200), &QAction::triggered, area, &QMdiArea::cascadeSubWindows);
    connect(Add(window, "WindowArrangeAll", 201), &QAction::triggered, area, &QMdiArea::tileSubWindows);
    connect(Add(window, "WindowMinimize", 202), &QAction::triggered, this, [this] {
        const auto list = area->subWindowList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->showMinimized();
    });
    connect(Add(window, "WindowCloseAll", 203), &QAction::triggered, this, [this] {
        const auto list = area->subWindowList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->close();
    });
    connect(window, &QMenu::aboutToShow, this, &TMainForm::ShowWindowList);

    // ?
    QMenu* help = bar->addMenu("?");
    help->setObjectName("N8");
    menus["N8"] = help;
    connect(Add(help, "QuintaraWindows", 204), &QAction::triggered, this, [this] {
        program.Messenger().Tell(this, tMessenger::kInformation, program.Caption(204),
                                 "Quintara\nVersion 5.1\n\nBirth charts, transits, forecasts and comparisons.");
    });
    connect(Add(help, "Help1", 45, QKeySequence(Qt::Key_F1)), &QAction::triggered, this, [this] {
        const TAstroBaseWindow* w = ActiveReport();
        const TGraphicWindow* g = ActiveGraphic();
        ShowHelp(program, w && w->HelpContext() ? w->HelpContext() : g ? g->HelpContext() : kHelpContext, this);
    });
}

void TMainForm::BuildToolBar()
{
    tools = addToolBar("SpeedPanel");
    tools->setObjectName("SpeedPanel");
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // A button of its own beside the menu item it stands for, with its own
    // hints: the short one at the button, the long one in the status bar.
    const auto button = [&](const char* name, QStyle::StandardPixmap icon, const char* text, int shortHint, int longHint,
                            QAction* source) {
        QAction* b = tools->addAction(QString::fromUtf8(text));
        if (icon != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(icon));
        b->setObjectName(name);
        if (source) {
            connect(b, &QAction::triggered, source, &QAction::trigger);
            connect(source, &QAction::changed, b, [b, source] { b->setEnabled(source->isEnabled()); });
        }
        actions[name] = b;
        hints.push_back({b, {shortHint, longHint}});
        return b;
    };
    constexpr auto none = QStyle::SP_CustomBase;
    button("OpenBtn", QStyle::SP_DialogOpenButton, "Open", 163, 163, Action("FileOpenItem"));
    button("SaveBtn", QStyle::SP_DialogSaveButton, "Save", 164, 164, Action("FileSaveItem"));
    button("NewBtn", QStyle::SP_FileIcon, "New", 162, 260, Action("FileNewItem"));
    button("PrintBtn", none, "Print", 171, 171, Action("PrintWindow"));
    tools->addSeparator();
    button("CutBtn", none, "Cut", 46, 49, Action("Cut1"));
    button("CopyBtn", none, "Copy", 47, 50, Action("CopyallItem"));
    button("PasteBtn", none, "Paste", 48, 132, Action("Paste1"));
    button("FontBtn", none, "Font", 192, 192, Action("FormatFont"));
    tools->addSeparator();
    button("ListBtn", QStyle::SP_FileDialogDetailedView, "List", 219, 219, Action("InsertList"));
    button("AspectsBtn", none, "Asp", 74, 74, Action("InsertAspects"));
    button("AnalysisBtn", QStyle::SP_FileDialogContentsView, "Ana", 73, 73, Action("InsertAnalysis"));
    button("GraphicBtn", none, "Wheel", 178, 178, Action("Daisywheel"));
    button("Graphic2Btn", none, "Daisy", 179, 179, Action("Daisywheel21"));
    button("LinegraphBtn", none, "Lines", 99, 99, Action("Linegraph1"));
    tools->addSeparator();
    connect(button("ProcedingBtn", QStyle::SP_ArrowBack, "Prev", 236, 236, nullptr), &QAction::triggered, area,
            &QMdiArea::activatePreviousSubWindow);
    connect(button("NextBtn", QStyle::SP_ArrowForward, "Next", 237, 237, nullptr), &QAction::triggered, area,
            &QMdiArea::activateNextSubWindow);
    button("HelpBtn", QStyle::SP_DialogHelpButton, "Help", 45, 45, Action("Help1"));
    button("ExitBtn", QStyle::SP_DialogCloseButton, "Quit", 173, 173, Action("Quit1"));
}

void TMainForm::TranslateCaptions()
{
    // The vocabulary carries no accelerators; each menu-bar title gets one
    // on its first letter not taken by a title before it (Chart, cHart 2),
    // so that Alt+letter opens it.
    QString taken;
    for (auto [action, caption] : captions) {
        QString text = program.Caption(caption);
        if (action->menu() && menuBar()->actions().contains(action)) {
            for (int i = 0; i < text.size(); ++i)
                if (text[i].isLetterOrNumber() && !taken.contains(text[i].toLower())) {
                    taken += text[i].toLower();
                    text.insert(i, '&');
                    break;
                }
        }
        action->setText(text);
        if (!action->menu()) action->setStatusTip(program.Caption(caption));
    }
    Action("FormatBigger")->setText(program.Caption(192) + " +");
    Action("FormatSmaller")->setText(program.Caption(192) + " -");
    for (auto [action, h] : hints) {
        action->setToolTip(program.Caption(h.first));
        action->setStatusTip(program.Caption(h.second));
    }
    languageApplied = program.Languages().CurrentLanguage;
}

TAstroBaseWindow* TMainForm::ActiveReport() const
{
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? dynamic_cast<TAstroBaseWindow*>(sub->widget()) : nullptr;
}

TGraphicWindow* TMainForm::ActiveGraphic() const
{
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? dynamic_cast<TGraphicWindow*>(sub->widget()) : nullptr;
}

void TMainForm::AddChild(QWidget* window)
{
    ShowDocument(area, window);
    UpdateMenus();
}

void TMainForm::OpenWheel(bool usStyle)
{
    TAstroBaseWindow* w = ActiveReport();
    if (!w) return;
    if (auto wheel = NewWheelWindow(*w, usStyle)) AddChild(wheel.release());
}

void TMainForm::OpenSideBySide(bool usStyle)
{
    auto* pair = dynamic_cast<TTwoChartWindow*>(ActiveReport());
    if (!pair || !pair->ChooseSecond()) return;
    AddChild(new TChartGraphWindow(program, usStyle ? tGraphKind::USSideBySide : tGraphKind::SideBySide, pair->First(),
                                   &pair->Second()));
}

void TMainForm::UpdateMenus()
{
    if (program.Languages().CurrentLanguage != languageApplied) TranslateCaptions();
    const int n = static_cast<int>(area->subWindowList().size());
    TAstroBaseWindow* w = ActiveReport();
    const bool chartWindow = n > 0 && w && w->IsChartWindow();
    for (const char* name : {"FileSaveItem", "FileModifyItem", "PrintChartAspects", "PrintAll", "SaveBtn", "CutBtn",
                             "PasteBtn"})
        Action(name)->setEnabled(chartWindow);
    for (const char* name : {"FileClose", "FileExportFile", "PrintWindow", "CopyBtn"}) Action(name)->setEnabled(n > 0);
    Menu("Print1")->menuAction()->setEnabled(n > 0);
    Menu("Window2")->menuAction()->setEnabled(n > 0);
    // Printing, page setup and the pictures come with their own windows.
    const bool graphic = ActiveGraphic() != nullptr;
    Action("ZoomIn")->setEnabled(graphic);
    Action("ZoomOut")->setEnabled(graphic);
    // The wheels: a chart window but not previsions or mid-points; side by
    // side: a two-chart window but not previsions; the previsions graph.
    auto* pair = dynamic_cast<TTwoChartWindow*>(w);
    auto* previsions = dynamic_cast<TPrevisionsWindow*>(w);
    auto* derived = dynamic_cast<TDerivedWindow*>(w);
    const bool midpoints = dynamic_cast<TMidpointsWindow*>(w) != nullptr;
    Action("Daisywheel")->setEnabled(chartWindow && !previsions && !midpoints);
    Action("Daisywheel21")->setEnabled(chartWindow && !previsions && !midpoints);
    Action("Sidebyside")->setEnabled(pair && !previsions && !derived);
    Action("Sidebyside2")->setEnabled(Action("Sidebyside")->isEnabled());
    Action("PrevisionsItem")->setEnabled(previsions != nullptr);
    Menu("Graphics1")->menuAction()->setEnabled(!(w && w->IsSecondary()));
    Action("PrintWindow")->setEnabled(graphic || w);
    Action("PrintBtn")->setEnabled(graphic || w);
    // The analysis where the window interprets; the wheel where it has one.
    Action("PrintAnalysis")->setEnabled(chartWindow && w->OffersChartItem("InsertAnalysis"));
    Action("PrintGraphic")->setEnabled(Action("Daisywheel")->isEnabled());
    Action("Transitslinegraph")->setEnabled(dynamic_cast<TTransitsWindow*>(w) != nullptr);
    for (const char* name : {"DBEditchartfile", "DBConvertchartfile", "DBStates", "DBTimefiles", "DBPlanets", "OptBirthchart", "OptLowerchart", "OptUpperchart", "ChartSetupItem", "OptionsOpen",
                             "OptionsSave", "OptionsSaveAs", "OptionsSaveasdefault", "OptionsLoaddefault",
                             "ResetOptions"})
        Action(name)->setEnabled(false);
    // The report menus show while a report window is active; a picture has
    // an Edit menu with Copy.
    for (const char* name : {"Format", "Chart1", "Chart21"}) Menu(name)->menuAction()->setVisible(w != nullptr);
    Menu("Edit1")->menuAction()->setVisible(w != nullptr || graphic);
    for (QAction* a : Menu("Edit1")->actions()) a->setEnabled(w != nullptr || a->objectName() == "Copy1");
    const bool secondary = w && w->IsSecondary();
    bool anyChartItem = false;
    for (QAction* a : Menu("Chart1")->actions())
        if (!a->objectName().isEmpty() && a->objectName() != "Insert1" && a->objectName() != "Add1") {
            a->setEnabled(w && w->OffersChartItem(a->objectName().toStdString()));
            anyChartItem = anyChartItem || a->isEnabled();
        }
    Menu("Chart1")->menuAction()->setEnabled(anyChartItem);
    Menu("Chart21")->menuAction()->setEnabled(w && !secondary);
    for (QAction* a : Menu("Chart21")->actions()) a->setEnabled(w && w->Offers(a->objectName().toStdString()));
    // Transits, compare to day and previsions: nothing to save or modify.
    if (w && w->IsMomentWindow())
        for (const char* name : {"FileSaveItem", "FileModifyItem", "SaveBtn"}) Action(name)->setEnabled(false);
    for (const char* name : {"ListBtn", "AspectsBtn", "AnalysisBtn", "FontBtn"}) Action(name)->setEnabled(chartWindow);
}

void TMainForm::ShowWindowList()
{
    QMenu* window = Menu("Window2");
    for (QAction* a : window->actions())
        if (a->property("child").isValid()) {
            window->removeAction(a);
            a->deleteLater();
        }
    const auto list = area->subWindowList();
    if (!list.isEmpty()) window->addSeparator()->setProperty("child", true);
    int k = 1;
    for (QMdiSubWindow* sub : list) {
        // Number keys for the first nine: "&10" would clash with "&1".
        QAction* a = window->addAction(QString(k <= 9 ? "&%1 %2" : "%1 %2").arg(k).arg(sub->windowTitle()));
        ++k;
        a->setProperty("child", true);
        a->setCheckable(true);
        a->setChecked(sub == area->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { area->setActiveSubWindow(sub); });
    }
}

void TMainForm::UpdateClock()
{
    tChart now;
    const QDateTime t = QDateTime::currentDateTime();
    SetChartDateTime(now, {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()});
    clockPanel->setText(QString::fromStdString(program.ReportContext().LongDateTime(now)));
}

QPrinter& TMainForm::Printer()
{
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

QString TMainForm::FileInHome(const QString& title, const char* extension) const
{
    // Characters that file systems or shells take amiss are left out.
    QString name = title;
    name.replace(QRegularExpression(R"([/\\:*?"<>|])"), " ");
    name = name.simplified();
    if (name.isEmpty()) name = "quintara";
    return QString::fromStdString(program.Home()) + "/" + name + "." + extension;
}

QPrinter* TMainForm::ChoosePrinter(const QString& title)
{
    // The platform's print dialog; printing to a PDF file (in the home,
    // named after the window) is always offered, printer or not.
    QPrinter& p = Printer();
    p.setOutputFileName(FileInHome(title, "pdf"));
    QPrintDialog dialog(&p, this);
    return dialog.exec() == QDialog::Accepted ? &p : nullptr;
}

void TMainForm::PrintReport(TAstroBaseWindow& w, tPrintSections sections)
{
    auto formatter = MakeChartPrint(w);
    QPrinter* printer = ChoosePrinter(formatter->JobTitle());
    if (printer && !formatter->Print(*printer, sections))
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(171), "nothing could be printed");
}

void TMainForm::NowChart(tChart& chart)
{
    TMainOptions& o = program.Options();
    const QDateTime t = QDateTime::currentDateTime();
    SetChartDateTime(chart, {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()});
    chart.Sex = 1;
    chart.Latitude = DecimalToDegMin(o.Latitude);
    chart.Longitude = DecimalToDegMin(o.Longitude);
    chart.BirthPlace = o.Birthplace;
    chart.Country = program.Languages().Country;
    chart.HouseType = static_cast<std::uint8_t>(o.HouseType);
}

void TMainForm::OpenTimeGraph(int which)
{
    tChart chart(&program.Options().BirthSet);
    TAstroBaseWindow* w = ActiveReport();
    if (w && w->IsChartWindow()) chart.Assign(w->First());
    else NowChart(chart);
    CalcChart(chart);
    if (which == 2) {  // moon cycle
        TDateTimeDlg dialog(program, chart, this);
        if (dialog.exec() != QDialog::Accepted) return;
        CalcChart(chart);
        AddChild(new TMoonGraphWindow(program, chart));
        return;
    }
    double step = which == 0 ? 1.0 : 7.0;
    TClockDlg dialog(program, chart, step, which == 0 ? 252 : 253, this);
    if (dialog.exec() != QDialog::Accepted) return;
    CalcChart(chart);
    if (which == 0) AddChild(new TClockWindow(program, chart, ClockStepMinutes(step)));
    else AddChild(new TLineGraphWindow(program, chart, static_cast<std::int32_t>(std::lround(step * 1440))));
}

void TMainForm::NewChart()
{
    TMainOptions& o = program.Options();
    tChart chart(&o.BirthSet);
    NowChart(chart);
    TNewChartDlg dialog(program, chart, this);
    if (dialog.exec() != QDialog::Accepted) return;
    chart.Zodiac = o.Zodiac;
    if (chart.HouseType != 255) chart.HouseType = static_cast<std::uint8_t>(o.HouseType);
    CalcChart(chart);
    auto* window = new TNatalWindow(program, false, chart);
    window->ChartModified = true;
    AddChild(window);
}

void TMainForm::OpenChart()
{
    TOpenChartDlg dialog(program, this);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (chosen) {
        std::unique_ptr<tChart> chart = program.Data().OpenCurrentChart(&program.Options().BirthSet);
        // A stored chart has one window: two would overwrite each other's edits.
        QMdiSubWindow* open = nullptr;
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* w = dynamic_cast<TNatalWindow*>(sub->widget());
                w && w->First().Index == chart->Index && w->First().Name == chart->Name)
                open = sub;
        if (open) {
            area->setActiveSubWindow(open);
            statusBar()->showMessage(QString("\"%1\" is already open in this window").arg(open->windowTitle()), 5000);
        } else {
            CalcChart(*chart);
            AddChild(new TNatalWindow(program, true, *chart));
        }
    }
    tTable& t = program.Data().ChartTable();
    t.ClearFilter();
    t.SetIndex("Names");
}

void TMainForm::ChooseChartFile()
{
    const QString path = ChooseFileToOpen(this, program.Caption(167), QString::fromStdString(program.Home()),
                                          "Chart files (*.db)", "db");
    if (!path.isEmpty()) SelectChartFile(path);
}

void TMainForm::CheckChartFile()
{
    TData1& data = program.Data();
    if (data.ChartFileReadOnly()) {
        program.Messenger().Tell(this, tMessenger::kWarning, program.Caption(167),
                                 QString("The chart file %1 is read-only: charts can be computed, shown and printed, "
                                         "but not saved.")
                                     .arg(QString::fromStdString(data.ChartFilePath())));
        return;
    }
    if (data.ChartFileProblem().empty()) return;
    // A new file beside the damaged one, never over it.
    std::string fresh;
    for (int n = 1; fresh.empty() || FileExists(fresh); ++n)
        fresh = data.PathOf("chart" + std::to_string(n) + ".db");
    const QString text =
        QString("%1.\n\nYes: choose another chart file.\nNo: start a new, empty chart file %2.\nCancel: go on without "
                "a chart file (charts can be computed and shown, not saved, until one is chosen with File > Select "
                "chart file).")
            .arg(QString::fromStdString(data.ChartFileProblem()), QString::fromStdString(fresh));
    switch (program.Messenger().Ask(this, tMessenger::kWarning, program.Caption(167), text, tMessenger::kYesNoCancel)) {
    case tMessenger::kAnswerYes: ChooseChartFile(); break;
    case tMessenger::kAnswerNo: SelectChartFile(QString::fromStdString(fresh)); break;
    default: break;
    }
}

void TMainForm::SelectChartFile(const QString& path)
{
    const std::string full = std::filesystem::absolute(path.toStdString()).lexically_normal().string();
    try {
        quintara::SelectChartFile(program.Data(), full);
    } catch (const tStorageError& e) {
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(167), QString::fromStdString(e.what()));
        return;
    }
    program.Options().SetChartFile(full);
    SetCaption();
}

void TMainForm::SaveActive()
{
    TAstroBaseWindow* w = ActiveReport();
    if (!w || !w->IsChartWindow()) return;
    w->SaveChart();
    program.Messenger().Beep();
    program.Messenger().Beep();
    statusBar()->showMessage(QString("Saved \"%1\" in %2")
                                 .arg(QString::fromStdString(w->First().Name),
                                      QString::fromStdString(program.Data().ChartFilePath())),
                             5000);
}

void TMainForm::Find(bool replace)
{
    if (TAstroBaseWindow* w = ActiveReport()) ShowFindDialog(program, w->Text(), replace, this);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Every child is asked first; one that stays keeps the program running.
    area->closeAllSubWindows();
    if (!area->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    program.SaveSettings();
    event->accept();
}

}  // namespace quintara
