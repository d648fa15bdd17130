#include "shell/frame/start_up.h"

#include <QString>

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

}  // namespace quintara
