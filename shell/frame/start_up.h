// Start-up: the program home, the installation check and the frame.
#pragma once

#include <string>
#include <vector>

namespace quintara {

class tMessenger;
struct tHomeUpgrade;

// The installation check on the table files of the storage: every missing
// file is reported ("File not found: ..." with OK and Cancel; Cancel ends
// the check); true when nothing is missing.
bool CheckInstallation(const std::vector<std::string>& missing, tMessenger& messenger);
// Names the reference tables that are there but damaged, once at start.
void TellDamagedTables(const std::vector<std::string>& damaged, tMessenger& messenger);

// What the upgrade of the home left for the user: the files kept because
// they were changed in this home while a newer version is installed, and
// those that could not be refreshed this time. Nothing said when all went.
void TellUpgrade(const tHomeUpgrade& upgrade, const std::string& seedDir, tMessenger& messenger);

}  // namespace quintara
