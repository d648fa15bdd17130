// A fresh directory for one test, removed with its files afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quintara::test {

class tTempDir {
public:
    tTempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quintara-test-XXXXXX").string();
        if (mkdtemp(pattern.data())) path = pattern;
    }
    ~tTempDir()
    {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
    tTempDir(const tTempDir&) = delete;
    tTempDir& operator=(const tTempDir&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

}  // namespace quintara::test
