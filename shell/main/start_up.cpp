#include "main/start_up.h"

#include <filesystem>

#include <QString>

#include "platform/messenger.h"

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

std::string SeedFolder(const std::string& executable)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path installed = fs::path(executable).parent_path().parent_path() / "share" / "quintara" / "home";
    if (fs::is_directory(installed, ec)) return installed.string();
    return QUINTARA_SEED_DIR;
}

}  // namespace quintara
