// Which menu items and tool buttons are enabled: a table of the document
// commands (enabled where the active window supports them) and the few
// rules that depend on the frame alone.
#include <iterator>

#include <QAction>
#include <QMdiArea>
#include <QPrinter>
#include <QMenu>

#include "shell/frame/main_form.h"
#include "shell/graphics/graphic_window.h"
#include "shell/platform/program.h"
#include "shell/reports/astro_base_window.h"

namespace quintara {

namespace {

struct tEnabling {
    const char* action;
    tCommand command;
};

// The document items not added as commands (those carry their own), in
// this order: a tool button follows the item it stands for when that
// changes, so the buttons with rules of their own come after it.
constexpr tEnabling kDocumentCommands[] = {
    {"FileSaveItem", tCommand::Save},
    {"FileModifyItem", tCommand::Modify},
    {"FileRecastItem", tCommand::Modify},
    {"FileExportFile", tCommand::Export},
    {"PrintWindow", tCommand::PrintWindow},
    {"PrintChartAspects", tCommand::PrintChartAspects},
    {"PrintAnalysis", tCommand::PrintAnalysis},
    {"PrintGraphic", tCommand::PrintGraphic},
    {"PrintAll", tCommand::PrintAll},
    {"UndoItem", tCommand::EditText},
    {"Cut1", tCommand::EditText},
    {"Copy1", tCommand::Copy},
    {"CopyallItem", tCommand::Copy},
    {"Paste1", tCommand::EditText},
    {"Find1", tCommand::EditText},
    {"Replace1", tCommand::EditText},
    {"SelectallItem", tCommand::EditText},
    {"ZoomIn", tCommand::Zoom},
    {"ZoomOut", tCommand::Zoom},
    {"SaveBtn", tCommand::Save},
    {"PrintBtn", tCommand::PrintWindow},
    {"CopyBtn", tCommand::Copy},
    {"CutBtn", tCommand::ChartTextTools},
    {"PasteBtn", tCommand::ChartTextTools},
    {"FontBtn", tCommand::ChartTextTools},
    {"ListBtn", tCommand::ChartTextTools},
    {"AspectsBtn", tCommand::ChartTextTools},
    {"AnalysisBtn", tCommand::ChartTextTools},
};

}  // namespace

void TMainForm::UpdateMenus()
{
    if (program.Languages().CurrentLanguage != languageApplied) TranslateCaptions();
    const bool any = !area->subWindowList().isEmpty();
    TAstroBaseWindow* report = ActiveReport();
    TGraphicWindow* graphic = ActiveGraphic();
    const auto supports = [&](tCommand c) {
        return (report && report->Supports(c)) || (graphic && graphic->Supports(c));
    };
    for (auto [action, command] : commandActions) action->setEnabled(any && supports(command));
    for (const tEnabling& e : kDocumentCommands) Action(e.action)->setEnabled(any && supports(e.command));

    Action("FileClose")->setEnabled(any);
    Menu("Print1")->menuAction()->setEnabled(any);
    Menu("Window2")->menuAction()->setEnabled(any);
    // The clock, line graph and moon cycle need no window.
    Menu("Graphics1")->menuAction()->setEnabled(!any || supports(tCommand::GraphicsMenu));
    // The report menus show while a report window is active; a picture has
    // an Edit menu with Copy.
    for (const char* name : {"Format", "Chart1", "Chart21"}) Menu(name)->menuAction()->setVisible(report != nullptr);
    Menu("Edit1")->menuAction()->setVisible(report || graphic);
    bool anyChartItem = false;
    for (QAction* a : Menu("Chart1")->actions())
        if (!a->objectName().isEmpty() && a->objectName() != "Insert1" && a->objectName() != "Add1")
            anyChartItem = anyChartItem || a->isEnabled();
    Menu("Chart1")->menuAction()->setEnabled(anyChartItem);
    Menu("Chart21")->menuAction()->setEnabled(supports(tCommand::Chart2Menu));
}

}  // namespace quintara
