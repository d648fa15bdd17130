#include "core/platform/program_home.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/platform/atomic_file.h"

namespace quintara {
namespace fs = std::filesystem;

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool Fail(std::string* error, const std::string& text)
{
    if (error) *error = text;
    return false;
}

}  // namespace

tHomeSources ProcessHomeSources(const std::string& overrideHome, const std::string& seedDir)
{
    tHomeSources s;
    s.explicitHome = overrideHome.empty() ? Env("QUINTARA_HOME") : overrideHome;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) s.startDir = exe.parent_path().string();
    // An installed program seeds from the files installed beside it.
    const fs::path installed = exe.parent_path().parent_path() / "share" / "quintara" / "home";
    s.seedDir = !ec && fs::is_directory(installed, ec) ? installed.string() : seedDir;
    const std::string xdg = Env("XDG_DATA_HOME");
    if (!xdg.empty()) s.userDataDir = (fs::path(xdg) / "quintara").string();
    else if (!Env("HOME").empty()) s.userDataDir = (fs::path(Env("HOME")) / ".local/share/quintara").string();
    return s;
}

bool SeedProgramHome(const std::string& home, const std::string& seedDir, std::string* error)
{
    std::error_code ec;
    if (seedDir.empty() || !fs::is_directory(seedDir, ec)) return true;  // nothing installed
    for (auto it = fs::recursive_directory_iterator(seedDir, ec); !ec && it != fs::end(it); it.increment(ec)) {
        const fs::path target = fs::path(home) / fs::relative(it->path(), seedDir, ec);
        if (ec) break;
        if (it->is_directory(ec)) {
            fs::create_directories(target, ec);
        } else if (!fs::exists(target, ec)) {
            // Whole or not at all: a file cut short by a full disk or a kill
            // would be taken for the user's own next time. What is missing
            // is copied at the next start.
            std::string why;
            if (!CopyFileAtomically(it->path().string(), target.string(), &why))
                return Fail(error, "cannot make the program home " + home + ": " + why);
        }
        if (ec) return Fail(error, "cannot copy " + it->path().string() + " to " + target.string() + ": " + ec.message());
    }
    if (ec) return Fail(error, "cannot read " + seedDir + ": " + ec.message());
    return true;
}

std::string ResolveProgramHome(const tHomeSources& s, std::string* error)
{
    std::error_code ec;
    if (s.explicitHome.empty() && !s.startDir.empty() && fs::is_regular_file(fs::path(s.startDir) / "Astro.ini", ec))
        return s.startDir;
    const std::string home = !s.explicitHome.empty() ? s.explicitHome : s.userDataDir;
    if (home.empty()) {
        Fail(error, "no program home: set QUINTARA_HOME or HOME");
        return {};
    }
    fs::create_directories(home, ec);
    if (ec || !fs::is_directory(home, ec)) {
        Fail(error, "cannot create the program home " + home + (ec ? ": " + ec.message() : ""));
        return {};
    }
    if (!SeedProgramHome(home, s.seedDir, error)) return {};
    return fs::absolute(home, ec).string();
}

}  // namespace quintara
