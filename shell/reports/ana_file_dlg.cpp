#include "shell/reports/ana_file_dlg.h"

#include <filesystem>

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/file_dialogs.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"

namespace quintara {

namespace {
constexpr int kKindCaptions[] = {90, 75, 76, 78, 83, 80, 84, 81};
}

TAnaFileDlg::TAnaFileDlg(tProgram& p, QWidget* parent) : QDialog(parent), program(p)
{
    setObjectName("TAnaFileDlg");
    setWindowTitle(p.Caption(caption::kAnalysisFiles));
    ModuleLB = new QListWidget(this);
    ModuleLB->setObjectName("ModuleLB");
    Refresh();
    connect(ModuleLB, &QListWidget::itemActivated, this, [this](QListWidgetItem*) {
        const int kind = ModuleLB->currentRow();
        const QString start = QString::fromStdString(JoinHome(kind));
        const QString path = ChooseFileToOpen(this, program.Caption(kKindCaptions[kind]), start, "Analysis files (*.a*)");
        if (!path.isEmpty()) Choose(kind, path);
    });
    QDialogButtonBox* buttons = DialogButtons(p, this, kHelpContext);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ModuleLB);
    layout->addWidget(buttons);
    resize(460, 300);
}

std::string TAnaFileDlg::JoinHome(int kind) const
{
    return (std::filesystem::path(program.Home()) / program.Options().GetAnalysisFile(kind)).string();
}

void TAnaFileDlg::Refresh()
{
    ModuleLB->clear();
    for (int k = 0; k < 8; ++k)
        ModuleLB->addItem(program.Caption(kKindCaptions[k]) + "\t" +
                          QString::fromStdString(program.Options().GetAnalysisFile(k)));
}

bool TAnaFileDlg::Choose(int kind, const QString& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path chosen = fs::weakly_canonical(path.toStdString(), ec);
    const fs::path home = fs::weakly_canonical(program.Home(), ec);
    if (chosen.parent_path() != home) {
        program.Messenger().Tell(this, tMessenger::kWarning, program.Caption(caption::kAnalysisFiles),
                                 "The analysis files are read from the program folder " +
                                     QString::fromStdString(home.string()) + "; copy the file there first.");
        return false;
    }
    program.Options().SetAnalysisFile(kind, chosen.filename().string());
    Refresh();
    return true;
}

}  // namespace quintara
