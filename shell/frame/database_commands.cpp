// The Database menu: the chart file editor, conversion of old chart files
// and the modeless editors of the reference tables.
#include <filesystem>

#include <QTimer>

#include "core/data/chart_file.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/atomic_file.h"
#include "shell/data/chart_db_dlg.h"
#include "shell/frame/main_form.h"
#include "shell/platform/file_dialogs.h"
#include "shell/platform/long_work.h"
#include "shell/platform/program.h"

namespace quintara {

namespace {
constexpr int kConvertCaption = 183;
}

void TMainForm::ShowEditor(QDialog* editor)
{
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setModal(false);
    editor->show();
    editor->raise();
    editor->activateWindow();
}

TChartDBDlg* TMainForm::EditChartFile()
{
    if (auto* open = findChild<TChartDBDlg*>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    try {
        program.Data().ChartTable();
    } catch (const tStorageError& e) {
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kEditChartFile),
            QString::fromStdString(e.what()));
        return nullptr;
    }
    // Renaming closes the editor (its table is the old file's) and opens it
    // again on the new name; queued, the editor asking being deleted.
    auto* editor = new TChartDBDlg(
        program, [this](const std::string& to) { QTimer::singleShot(0, this, [this, to] { RenameChartFile(to); }); },
        this);
    ShowEditor(editor);
    return editor;
}

void TMainForm::RenameChartFile(const std::string& to)
{
    CloseChartEditor();
    try {
        quintara::RenameChartFile(program.Data(), to);
        program.Options().SetChartFile(to);
    } catch (const std::exception& e) {
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kRename),
            QString::fromStdString(e.what()));
    }
    SetCaption();
    EditChartFile();
}

void TMainForm::CloseChartEditor()
{
    // Its table is the chart file's: another file must not leave it dangling.
    for (TChartDBDlg* editor : findChildren<TChartDBDlg*>()) {
        editor->PostPending();
        delete editor;
    }
}

void TMainForm::ChooseOldChartFile()
{
    const QString path = ChooseFileToOpen(this, program.Caption(kConvertCaption),
                                          QString::fromStdString(program.Home()), "Chart files (*.4*);;All files (*)");
    if (!path.isEmpty()) ConvertOldChartFile(path);
}

void TMainForm::ConvertOldChartFile(const QString& oldPath)
{
    const QString title = program.Caption(kConvertCaption);
    const std::string target = std::filesystem::path(oldPath.toStdString()).replace_extension(".db").string();
    const QString targetText = QString::fromStdString(target);
    if (FileExists(target) &&
        program.Messenger().Ask(this, tMessenger::kQuestion, title,
                                QString("The chart file %1 exists already.\n\nOK: add the converted charts to it.\n"
                                        "Cancel: convert nothing.")
                                    .arg(targetText),
                                tMessenger::kOkCancelSafe) != tMessenger::kAnswerOk)
        return;
    tMoveReport report;
    try {
        tLongWork busy(title, program.Caption(caption::kCancel), this);
        report = quintara::ConvertOldChartFile(oldPath.toStdString(), target, &program.Options().BirthSet);
    } catch (const std::exception& e) {
        program.Messenger().Tell(this, tMessenger::kError, title, QString::fromStdString(e.what()));
        return;
    }
    const std::string& current = program.Data().ChartFilePath();
    const bool isCurrent = !current.empty() && FileExists(current) && std::filesystem::equivalent(current, target);
    if (isCurrent) program.Data().ChartTable().Refresh();
    QString text = QString("%1 chart(s) converted into %2.").arg(report.rows).arg(targetText);
    for (const std::string& p : report.problems) text += "\n" + QString::fromStdString(p);
    if (isCurrent) {
        program.Messenger().Tell(this, report.problems.empty() ? tMessenger::kInformation : tMessenger::kWarning, title,
                                 text);
        return;
    }
    text += "\n\nYes: make it the chart file now.\nNo: keep the chart file in use.";
    if (program.Messenger().Ask(this, tMessenger::kQuestion, title, text, tMessenger::kYesNo) == tMessenger::kAnswerYes)
        SelectChartFile(targetText);
}

}  // namespace quintara
