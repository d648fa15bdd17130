#include "core/platform/file_names.h"

#include <algorithm>

namespace quintara {

bool IsBareFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find_first_of("/\\") != std::string_view::npos) return false;
    return !(name.size() >= 2 && name[1] == ':');
}

bool HasParentStep(std::string_view path)
{
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("/\\", start), path.size());
        if (path.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

std::string RefusedFileName(const std::string& what, const std::string& name, const std::string& fallback)
{
    return what + " \"" + name + "\" is not a file name in the program home; " + fallback + " is used";
}

}  // namespace quintara
