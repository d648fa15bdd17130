#include "shell/frame/start_up.h"

#include <QString>

#include "core/data/home_upgrade.h"
#include "shell/platform/messenger.h"

namespace quintara {

bool CheckInstallation(const std::vector<std::string>& missing, tMessenger& messenger)
{
    for (const std::string& file : missing)
        if (messenger.Ask(nullptr, tMessenger::kWarning, "Quintara 5.1",
                          "File not found: " + QString::fromStdString(file),
                          tMessenger::kOkCancel) == tMessenger::kAnswerCancel)
            break;
    return missing.empty();
}

void TellUpgrade(const tHomeUpgrade& upgrade, const std::string& seedDir, tMessenger& messenger)
{
    QString text;
    if (!upgrade.keptEdited.empty()) {
        text =
            "A newer version of these files is installed, but they were changed in your program home and "
            "have been kept as they are:\n\n";
        for (const std::string& f : upgrade.keptEdited) text += "    " + QString::fromStdString(f) + "\n";
        text += "\nThe installed versions are in " + QString::fromStdString(seedDir) +
                "; copy one over yours to take it. You are told once per new version.";
    }
    if (!upgrade.problems.empty()) {
        text += (text.isEmpty() ? "" : "\n\n") + QString(
                                                     "These files could not be refreshed now and will be tried "
                                                     "at the next start:\n\n");
        for (const std::string& p : upgrade.problems) text += "    " + QString::fromStdString(p) + "\n";
    }
    if (!text.isEmpty()) messenger.Tell(nullptr, tMessenger::kInformation, "Quintara 5.1", text);
}

}  // namespace quintara
