#include <QAction>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "core/graphics/font_substitution.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/version.h"
#include "shell/data/city_file_dlg.h"
#include "shell/data/country_dlg.h"
#include "shell/data/reference_editors.h"
#include "shell/chart/chart_setup_dlg.h"
#include "shell/frame/main_form.h"
#include "shell/graphics/graphic_window.h"
#include "shell/i18n/languages_dlg.h"
#include "shell/printing/page_setup_dlg.h"
#include "shell/platform/program.h"
#include "shell/reports/ana_file_dlg.h"
#include "shell/reports/astro_base_window.h"
#include "shell/widgets/help_window.h"

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
    connect(Add(file, "FileNewItem", caption::kNew, QKeySequence("Ctrl+N")), &QAction::triggered, this,
            &TMainForm::NewChart);
    connect(Add(file, "FileOpenItem", caption::kOpen, QKeySequence("Ctrl+O")), &QAction::triggered, this,
            &TMainForm::OpenChart);
    connect(Add(file, "FileSaveItem", caption::kSave, QKeySequence("Ctrl+S")), &QAction::triggered, this,
            &TMainForm::SaveActive);
    connect(Add(file, "FileModifyItem", caption::kModify), &QAction::triggered, this, [this] {
        if (TAstroBaseWindow* w = ActiveReport(); w && w->IsChartWindow()) w->ModifyChart();
    });
    connect(Add(file, "FileRecastItem", caption::kRecast), &QAction::triggered, this, [this] {
        TAstroBaseWindow* w = ActiveReport();
        if (!w || !w->IsChartWindow()) return;
        statusBar()->showMessage(w->RecastChart() ? QString("Cast again with the current house system and zodiac; "
                                                            "File > Save keeps it")
                                                  : QString("Already cast with the current settings"),
                                 8000);
    });
    connect(Add(file, "FileClose", caption::kClose, QKeySequence("Ctrl+F4")), &QAction::triggered, this,
            [this] { area->closeActiveSubWindow(); });
    QMenu* recent = file->addMenu(QString());
    recent->setObjectName("RecentCharts");
    menus["RecentCharts"] = recent;
    captions.push_back({recent->menuAction(), caption::kRecentCharts});
    connect(recent, &QMenu::aboutToShow, this, &TMainForm::ShowRecentCharts);
    ShowRecentCharts();  // filled now too: an empty menu would never open to fill itself
    file->addSeparator();
    connect(Add(file, "FileSelectChartfile", caption::kSelectChartFile), &QAction::triggered, this,
            &TMainForm::ChooseChartFile);
    connect(Add(file, "Analysisfiles1", caption::kAnalysisFiles), &QAction::triggered, this, [this] {
        TAnaFileDlg dialog(program, this);
        dialog.exec();
    });
    connect(Add(file, "FileExportFile", caption::kExportToFile), &QAction::triggered, this, &TMainForm::ExportActive);
    file->addSeparator();
    connect(Add(file, "Pagesetup", caption::kPageSetup), &QAction::triggered, this, [this] {
        TPageSetupDlg dialog(program, this);
        dialog.exec();
    });
    QMenu* print = file->addMenu(QString());
    print->setObjectName("Print1");
    menus["Print1"] = print;
    captions.push_back({print->menuAction(), caption::kPrint});
    connect(Add(print, "PrintWindow", caption::kWindow, QKeySequence("Ctrl+P")), &QAction::triggered, this,
            &TMainForm::PrintActive);
    print->addSeparator();
    const auto printSections = [this](tPrintSections sections) {
        return [this, sections] {
            if (TAstroBaseWindow* w = ActiveReport()) PrintReport(*w, sections);
        };
    };
    connect(Add(print, "PrintChartAspects", caption::kChartAndAspects, QKeySequence("Ctrl+Shift+P")), &QAction::triggered, this,
            printSections(tPrintSections::ChartAndAspects));
    connect(Add(print, "PrintAnalysis", caption::kAnalysis), &QAction::triggered, this,
            printSections(tPrintSections::Analysis));
    connect(Add(print, "PrintGraphic", caption::kGraphic), &QAction::triggered, this,
            printSections(tPrintSections::Graphic));
    connect(Add(print, "PrintAll", caption::kAll), &QAction::triggered, this, printSections(tPrintSections::All));
    connect(Add(file, "Printersetup1", caption::kPrinterSetup), &QAction::triggered, this, [this] {
        QPageSetupDialog dialog(&Printer(), this);
        dialog.exec();
    });
    file->addSeparator();
    connect(Add(file, "Quit1", caption::kQuit, QKeySequence::Quit), &QAction::triggered, this, &QWidget::close);

    // The report window's menus, merged into the frame's.
    QMenu* edit = menu("Edit1", 133);
    const auto onText = [this](auto f) {
        return [this, f] {
            if (TAstroBaseWindow* w = ActiveReport()) f(w->Text());
        };
    };
    connect(Add(edit, "UndoItem", caption::kUndo, QKeySequence("Alt+Backspace")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.undo(); }));
    connect(Add(edit, "Cut1", caption::kCut, QKeySequence("Ctrl+X")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.cut(); }));
    connect(Add(edit, "Copy1", caption::kCopy, QKeySequence("Ctrl+C")), &QAction::triggered, this, [this] {
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
    connect(Add(edit, "Paste1", caption::kPaste, QKeySequence("Ctrl+V")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.paste(); }));
    connect(Add(edit, "Find1", caption::kFind, QKeySequence("Ctrl+F")), &QAction::triggered, this, [this] { Find(false); });
    connect(Add(edit, "Replace1", caption::kReplace, QKeySequence("Ctrl+R")), &QAction::triggered, this,
            [this] { Find(true); });
    connect(Add(edit, "SelectallItem", caption::kSelectAll), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.selectAll(); }));
    QMenu* format = menu("Format", 211);
    connect(Add(format, "FormatBold", caption::kBold, QKeySequence("Ctrl+B")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.AddBold(); }));
    connect(Add(format, "FormatUnderline", caption::kUnderline, QKeySequence("Ctrl+U")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.AddUnderline(); }));
    connect(Add(format, "FormatItalic", caption::kItalic, QKeySequence("Ctrl+I")), &QAction::triggered, this,
            onText([](TAFRichEdit& t) { t.AddItalic(); }));
    connect(Add(format, "FormatBigger", -1), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.ChangeSize(1); }));
    connect(Add(format, "FormatSmaller", -1), &QAction::triggered, this, onText([](TAFRichEdit& t) { t.ChangeSize(-1); }));
    connect(Add(format, "FormatFont", caption::kFont), &QAction::triggered, this, onText([this](TAFRichEdit& t) {
                bool ok = false;
                const QFont f = QFontDialog::getFont(&ok, t.currentFont(), this);
                if (ok) t.SetSelectionFont(f);
            }));
    QMenu* chart = menu("Chart1", 216);
    Label(chart, QString())->setObjectName("Insert1");
    captions.push_back({chart->actions().back(), 215});
    AddCommand(chart, "NewList", caption::kList, tCommand::NewList);
    AddCommand(chart, "NewAspects", caption::kAspects, tCommand::NewAspects);
    AddCommand(chart, "NewAnalysis", caption::kAnalysis, tCommand::NewAnalysis);
    AddCommand(chart, "Chart2Item", caption::kChart, tCommand::NewNatal);
    chart->addSeparator();
    Label(chart, QString())->setObjectName("Add1");
    captions.push_back({chart->actions().back(), 218});
    AddCommand(chart, "InsertList", caption::kList, tCommand::InsertList);
    AddCommand(chart, "InsertAspects", caption::kAspects, tCommand::InsertAspects);
    AddCommand(chart, "InsertAnalysis", caption::kAnalysis, tCommand::InsertAnalysis, QKeySequence("F7"));
    QMenu* chart2 = menu("Chart21", 217);
    struct tItem {
        const char* name;
        int caption;
        tCommand command;
    };
    for (const tItem& item : {tItem{"Transits1", 75, tCommand::Transits}, tItem{"CompareDay", 76, tCommand::CompareDay},
                              tItem{"Previsions", 77, tCommand::Previsions}, tItem{"Compare2", 78, tCommand::Compare2},
                              tItem{"CompareFile", 79, tCommand::CompareFile},
                              tItem{"Moonreturn", 82, tCommand::MoonReturn}, tItem{"Sunreturn", 83, tCommand::SunReturn},
                              tItem{"Progression", 80, tCommand::Progression},
                              tItem{"Midpoints", 85, tCommand::Midpoints},
                              tItem{"Composite", caption::kComposite, tCommand::Composite},
                              tItem{"Davison", caption::kDavison, tCommand::Davison},
                              tItem{"Relocated", caption::kRelocated, tCommand::Relocated},
                              tItem{"SolarArc", caption::kSolarArc, tCommand::SolarArc},
                              tItem{"TimeLords", caption::kTimeLords, tCommand::TimeLords},
                              tItem{"PlanetaryHours", caption::kPlanetaryHours, tCommand::PlanetaryHours},
                              tItem{"Secondchart", 94, tCommand::SecondChart}})
        AddCommand(chart2, item.name, item.caption, item.command);

    // Display
    QMenu* display = menu("Display1", 121);
    QAction* toolbar = Add(display, "Toolbar1", caption::kToolBar);
    toolbar->setCheckable(true);
    connect(toolbar, &QAction::toggled, this, [this](bool on) {
        tools->setVisible(on);
        program.Options().Toolbar = on;
    });
    QAction* status = Add(display, "Statusbar1", caption::kStatusBar);
    status->setCheckable(true);
    connect(status, &QAction::toggled, this, [this](bool on) {
        statusBar()->setVisible(on);
        program.Options().Statusbar = on;
    });
    display->addSeparator();
    connect(Add(display, "ZoomIn", caption::kZoomIn), &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) g->ZoomIn();
    });
    connect(Add(display, "ZoomOut", caption::kZoomOut), &QAction::triggered, this, [this] {
        if (TGraphicWindow* g = ActiveGraphic()) g->ZoomOut();
    });

    // Graphics: the graphic windows come with their own work.
    QMenu* graphics = menu("Graphics1", 122);
    AddCommand(graphics, "Daisywheel", caption::kAspectWheel, tCommand::Wheel, QKeySequence("F6"));
    AddCommand(graphics, "Daisywheel21", caption::kDaisyWheel, tCommand::USWheel);
    AddCommand(graphics, "PrevisionsItem", caption::kPrevisions, tCommand::PrevisionsGraph);
    AddCommand(graphics, "AspectGridItem", caption::kAspectGrid, tCommand::AspectGrid);
    AddCommand(graphics, "Sidebyside", caption::kAspectSideBySide, tCommand::SideBySide);
    AddCommand(graphics, "Sidebyside2", caption::kWheelSideBySide, tCommand::USSideBySide);
    connect(Add(graphics, "Clock1", caption::kClock), &QAction::triggered, this, [this] { OpenTimeGraph(0); });
    connect(Add(graphics, "Linegraph1", caption::kLineGraph), &QAction::triggered, this, [this] { OpenTimeGraph(1); });
    AddCommand(graphics, "Transitslinegraph", caption::kTransitLineGraph, tCommand::TransitsLineGraph);
    connect(Add(graphics, "Mooncycle1", caption::kMoonCycle), &QAction::triggered, this, [this] { OpenTimeGraph(2); });
    // Like the time graphs it needs no chart (Chart 2 shows only beside one);
    // the active chart's transits may join it.
    connect(Add(graphics, "SkyEvents", caption::kSkyEvents, QKeySequence("Ctrl+Shift+E")), &QAction::triggered, this,
            &TMainForm::OpenSkyEvents);

    // Database
    QMenu* database = menu("Database1", 123);
    connect(Add(database, "DBSelectchartfile", caption::kSelectChartFile), &QAction::triggered, this,
            &TMainForm::ChooseChartFile);
    connect(Add(database, "DBEditchartfile", caption::kEditChartFile), &QAction::triggered, this, &TMainForm::EditChartFile);
    connect(Add(database, "DBConvertchartfile", caption::kConvertChartFile), &QAction::triggered, this,
            &TMainForm::ChooseOldChartFile);
    database->addSeparator();
    connect(Add(database, "DBCity", caption::kLocalities), &QAction::triggered, this,
            [this] { ShowEditor(new TCityFileDlg(program, QString(), 0, this)); });
    // The names in the language in use; the list offers the others.
    connect(Add(database, "DBCountries", caption::kCountries), &QAction::triggered, this,
            [this] { ShowEditor(new TCountryDlg(program, program.Languages().CurrentLanguage, this)); });
    connect(Add(database, "DBStates", caption::kStates), &QAction::triggered, this,
            [this] { ShowEditor(new TStateFileDlg(program, this)); });
    connect(Add(database, "DBTimefiles", caption::kTimeFiles), &QAction::triggered, this,
            [this] { ShowEditor(new TTimeFileDlg(program, this)); });
    connect(Add(database, "DBPlanets", caption::kPlanetsAndStars), &QAction::triggered, this,
            [this] { ShowEditor(new TStarFileDlg(program, this)); });

    // Utilities
    QMenu* utilities = menu("Options1", 124);
    QMenu* preferences = utilities->addMenu(QString());
    preferences->setObjectName("Options2");
    menus["Options2"] = preferences;
    captions.push_back({preferences->menuAction(), caption::kPreferences});
    connect(Add(preferences, "OptBirthchart", caption::kBirthChart), &QAction::triggered, this, [this] { ShowOptions(1); });
    connect(Add(preferences, "OptLowerchart", caption::kFirstChart), &QAction::triggered, this, [this] { ShowOptions(2); });
    connect(Add(preferences, "OptUpperchart", caption::kSecondChart), &QAction::triggered, this, [this] { ShowOptions(3); });
    connect(Add(utilities, "ChartSetupItem", caption::kChartSetup), &QAction::triggered, this, [this] {
        TChartSetup dialog(program, this);
        dialog.exec();
    });
    connect(Add(utilities, "Language1", caption::kNationalAndLanguage), &QAction::triggered, this, [this] {
        TLanguagesDlg dialog(program, this);
        dialog.exec();
        program.ApplyDateFormat();
        UpdateMenus();
    });
    connect(Add(utilities, "FontItem", caption::kFont), &QAction::triggered, this, [this] {
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
    connect(Add(utilities, "OptionsOpen", caption::kOpenOptions), &QAction::triggered, this, &TMainForm::OpenOptionsFile);
    connect(Add(utilities, "OptionsSave", caption::kSaveOptions), &QAction::triggered, this,
            [this] { SaveOptionsFile(false); });
    connect(Add(utilities, "OptionsSaveAs", caption::kSaveOptionsAs), &QAction::triggered, this,
            [this] { SaveOptionsFile(true); });
    utilities->addSeparator();
    connect(Add(utilities, "OptionsSaveasdefault", caption::kSaveAsDefault), &QAction::triggered, this,
            &TMainForm::SaveDefaultOptions);
    connect(Add(utilities, "OptionsLoaddefault", caption::kRestoreDefault), &QAction::triggered, this,
            &TMainForm::RestoreDefaultOptions);
    connect(Add(utilities, "ResetOptions", caption::kResetOptions), &QAction::triggered, this, &TMainForm::ResetAllOptions);

    // Window
    QMenu* window = menu("Window2", 125);
    connect(Add(window, "WindowTileItem", caption::kTile), &QAction::triggered, area, &QMdiArea::tileSubWindows);
    connect(Add(window, "WindowCascade", caption::kCascade), &QAction::triggered, area, &QMdiArea::cascadeSubWindows);
    connect(Add(window, "WindowArrangeAll", caption::kArrangeAll), &QAction::triggered, area, &QMdiArea::tileSubWindows);
    connect(Add(window, "WindowMinimize", caption::kMinimize), &QAction::triggered, this, [this] {
        const auto list = area->subWindowList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->showMinimized();
    });
    connect(Add(window, "WindowCloseAll", caption::kCloseAll), &QAction::triggered, this, [this] {
        const auto list = area->subWindowList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->close();
    });
    connect(window, &QMenu::aboutToShow, this, &TMainForm::ShowWindowList);

    // ?
    QMenu* help = bar->addMenu("?");
    help->setObjectName("N8");
    menus["N8"] = help;
    connect(Add(help, "QuintaraWindows", caption::kProgramName), &QAction::triggered, this, [this] {
        program.Messenger().Tell(this, tMessenger::kInformation, program.Title(),
                                 QString("Quintara\nVersion %1\n\nBirth charts, transits, forecasts and comparisons.")
                                     .arg(kVersion));
    });
    connect(Add(help, "Help1", caption::kHelp, QKeySequence(Qt::Key_F1)), &QAction::triggered, this, [this] {
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
        else
            labels.push_back({b, QString::fromUtf8(text)});
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
    button("OpenBtn", QStyle::SP_DialogOpenButton, "Open", caption::kOpen, caption::kOpen, Action("FileOpenItem"));
    button("SaveBtn", QStyle::SP_DialogSaveButton, "Save", caption::kSave, caption::kSave, Action("FileSaveItem"));
    button("NewBtn", QStyle::SP_FileIcon, "New", caption::kNew, caption::kNewChart, Action("FileNewItem"));
    button("PrintBtn", none, "Print", caption::kPrint, caption::kPrint, Action("PrintWindow"));
    tools->addSeparator();
    button("CutBtn", none, "Cut", caption::kCut, caption::kCutSelectedTextToClipboard, Action("Cut1"));
    button("CopyBtn", none, "Copy", caption::kCopy, 50, Action("CopyallItem"));
    button("PasteBtn", none, "Paste", caption::kPaste, caption::kInsertFromClipboard, Action("Paste1"));
    button("FontBtn", none, "Font", caption::kFont, caption::kFont, Action("FormatFont"));
    tools->addSeparator();
    button("ListBtn", QStyle::SP_FileDialogDetailedView, "List", caption::kList, caption::kList, Action("InsertList"));
    button("AspectsBtn", none, "Asp", caption::kAspects, caption::kAspects, Action("InsertAspects"));
    button("AnalysisBtn", QStyle::SP_FileDialogContentsView, "Ana", caption::kAnalysis, caption::kAnalysis, Action("InsertAnalysis"));
    button("GraphicBtn", none, "Wheel", caption::kAspectWheel, caption::kAspectWheel, Action("Daisywheel"));
    button("Graphic2Btn", none, "Daisy", caption::kDaisyWheel, caption::kDaisyWheel, Action("Daisywheel21"));
    button("LinegraphBtn", none, "Lines", caption::kLineGraph, caption::kLineGraph, Action("Linegraph1"));
    tools->addSeparator();
    connect(button("ProcedingBtn", QStyle::SP_ArrowBack, "Prev", caption::kPrevious, caption::kPrevious, nullptr), &QAction::triggered, area,
            &QMdiArea::activatePreviousSubWindow);
    connect(button("NextBtn", QStyle::SP_ArrowForward, "Next", caption::kNext, caption::kNext, nullptr), &QAction::triggered, area,
            &QMdiArea::activateNextSubWindow);
    button("HelpBtn", QStyle::SP_MessageBoxQuestion, "Help", caption::kHelp, caption::kHelp, Action("Help1"));
    button("ExitBtn", QStyle::SP_DialogCloseButton, "Quit", caption::kQuit, caption::kQuit, Action("Quit1"));
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
    Action("FormatBigger")->setText(program.Caption(caption::kFont) + " +");
    Action("FormatSmaller")->setText(program.Caption(caption::kFont) + " -");
    for (auto [action, h] : hints) {
        action->setToolTip(program.Caption(h.first));
        action->setStatusTip(program.Caption(h.second));
        for (const auto& [labelled, english] : labels)
            if (labelled == action)
                action->setText(program.Languages().CurrentLanguage == 1 ? english : program.Caption(h.first));
    }
    languageApplied = program.Languages().CurrentLanguage;
}

}  // namespace quintara
