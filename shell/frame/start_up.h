// Start-up: the program home, the installation check and the frame.
#pragma once

#include <string>
#include <vector>

namespace quintara {

class tMessenger;

// The installation check on the table files of the storage: every missing
// file is reported ("File not found: ..." with OK and Cancel; Cancel ends
// the check); true when nothing is missing.
bool CheckInstallation(const std::vector<std::string>& missing, tMessenger& messenger);

}  // namespace quintara
