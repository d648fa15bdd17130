#include "shell/canvas/qt_runtime.h"

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace quintara {

void PrepareQtRuntime()
{
    if (std::getenv("XDG_RUNTIME_DIR")) return;
    const std::string dir = "/tmp/quintara-runtime-" + std::to_string(getuid());
    struct stat st {};
    const bool ours = (mkdir(dir.c_str(), 0700) == 0 || lstat(dir.c_str(), &st) == 0) &&
                      (lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid());
    if (ours) {
        chmod(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
}

}  // namespace quintara
