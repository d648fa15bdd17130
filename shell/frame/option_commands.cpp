// Utilities > Preferences and the option-file commands: the options dialog
// on one chart's set, option files opened and saved, the user's defaults,
// the built-in ones. Open pictures are redrawn with what changed.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/i18n/caption_ids.h"
#include "shell/frame/main_form.h"
#include "shell/graphics/graphic_window.h"
#include "shell/options/options_dlg.h"
#include "shell/platform/file_dialogs.h"
#include "shell/platform/program.h"

namespace quintara {

namespace {

constexpr int kOpenOptionsCaption = 193, kSaveOptionsAsCaption = 195, kResetOptionsCaption = 198;
const char* const kOptionFilter = "Option files (*.cfg)";

}  // namespace

void TMainForm::ShowOptions(int set)
{
    TOptionsDlg dialog(program, set, this);
    if (dialog.exec() == QDialog::Accepted) OptionsChanged();
}

void TMainForm::OptionsChanged()
{
    for (QMdiSubWindow* sub : area->subWindowList())
        if (auto* g = dynamic_cast<TGraphicWindow*>(sub->widget())) g->Rebuild();
}

void TMainForm::OpenOptionsFile()
{
    const QString path = ChooseFileToOpen(this, program.Caption(kOpenOptionsCaption),
                                          QString::fromStdString(program.Home()), kOptionFilter);
    if (path.isEmpty()) return;
    if (!program.Options().OpenOptions(path.toStdString())) {
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(kOpenOptionsCaption),
                                 QString("\"%1\" is not an option file (an option file holds 1488 bytes). "
                                         "The options in use are kept.")
                                     .arg(path));
        return;
    }
    program.Options().SaveOptions();
    OptionsChanged();
}

void TMainForm::SaveOptionsFile(bool chooseName)
{
    TMainOptions& o = program.Options();
    std::string error;
    bool saved = false;
    if (!chooseName) {
        saved = o.SaveOptions(&error);
    } else {
        QString path = ChooseFileToSave(this, program.Caption(kSaveOptionsAsCaption),
                                        QString::fromStdString(o.HomePath("options.cfg")), kOptionFilter);
        if (path.isEmpty()) return;
        if (!path.endsWith(".cfg", Qt::CaseInsensitive)) path += ".cfg";
        saved = o.SaveOptionsAs(path.toStdString(), &error);
    }
    if (!saved)
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 "The options could not be saved: " + QString::fromStdString(error));
}

void TMainForm::SaveDefaultOptions()
{
    std::string error;
    if (!program.Options().SaveAsDefault(&error))
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 "The defaults could not be saved: " + QString::fromStdString(error));
}

void TMainForm::RestoreDefaultOptions()
{
    TMainOptions& o = program.Options();
    if (!o.LoadDefault())
        program.Messenger().Tell(
            this, tMessenger::kWarning, windowTitle(),
            QString("%1 is damaged: the built-in options are in use instead.").arg(kDefaultOptionFileName));
    o.SaveOptions();
    OptionsChanged();
}

void TMainForm::ResetAllOptions()
{
    const QString question =
        "Reset every option to the built-in ones?\n\nYes: the built-in colours, line widths, orbs and shown "
        "points replace the ones in use (Save options as keeps the current ones in a file first).\n"
        "No: nothing changes.";
    if (program.Messenger().Ask(this, tMessenger::kQuestion, program.Caption(kResetOptionsCaption), question,
                                tMessenger::kYesNo) != tMessenger::kAnswerYes)
        return;
    program.Options().ResetOptions();
    OptionsChanged();
}

}  // namespace quintara
