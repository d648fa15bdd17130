#include "shell/frame/start_up.h"

#include <QString>

#include "core/data/home_upgrade.h"
#include "core/platform/version.h"
#include "shell/platform/messenger.h"

namespace quintara {

bool CheckInstallation(const std::vector<std::string>& missing, tMessenger& messenger)
{
    for (const std::string& file : missing)
        if (messenger.Ask(nullptr, tMessenger::kWarning, kProgramTitle,
                          "File not found: " + QString::fromStdString(file),
                          tMessenger::kOkCancel) == tMessenger::kAnswerCancel)
            break;
    return missing.empty();
}

void TellDamagedTables(const std::vector<std::string>& damaged, tMessenger& messenger)
{
    if (damaged.empty()) return;
    QString text = "These table files of your program home are damaged:\n\n";
    for (const std::string& d : damaged) text += "    " + QString::fromStdString(d) + "\n";
    text += "\nWhat needs them (places, time zones, stars) will fail until they are whole again. Delete a "
            "damaged file to have the installed one copied at the next start.";
    messenger.Tell(nullptr, tMessenger::kWarning, kProgramTitle, text);
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
    if (!upgrade.repaired.empty()) {
        text += (text.isEmpty() ? "" : "\n\n") +
                QString("These files of your program home were damaged and have been replaced by the installed "
                        "ones (the damaged copy is kept beside each, ending in .damaged):\n\n");
        for (const std::string& f : upgrade.repaired) text += "    " + QString::fromStdString(f) + "\n";
    }
    if (!upgrade.problems.empty()) {
        text += (text.isEmpty() ? "" : "\n\n") + QString(
                                                     "These files could not be refreshed now and will be tried "
                                                     "at the next start:\n\n");
        for (const std::string& p : upgrade.problems) text += "    " + QString::fromStdString(p) + "\n";
    }
    if (!text.isEmpty()) messenger.Tell(nullptr, tMessenger::kInformation, kProgramTitle, text);
}

}  // namespace quintara
