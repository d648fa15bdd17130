#include "fuzz_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>

#include <unistd.h>

#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"

namespace fs = std::filesystem;

namespace quintara::fuzz {

const std::string& Home()
{
    // Never freed: the clean-up at exit still needs it.
    static const std::string& home = *new std::string([] {
        // The home three folders down in a folder of its own: a name that
        // climbs out of the home ("../../x") still lands where Outside
        // looks, and nothing else (another test running beside) writes there.
        std::string pattern = (fs::temp_directory_path() / "quintara-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        const std::string h = pattern + "/a/b/home";
        fs::create_directories(h);
        return h;
    }());
    static const bool cleanUp = std::atexit([] {
        std::error_code ec;
        fs::remove_all(fs::path(home).parent_path().parent_path().parent_path(), ec);
    }) == 0;
    (void)cleanUp;
    return home;
}

void ResetHome()
{
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(Home(), ec)) fs::remove_all(e.path(), ec);
}

void PutFile(const std::string& name, std::string_view bytes)
{
    const fs::path path = fs::path(Home()) / name;
    fs::create_directories(path.parent_path());
    if (!WriteFileAtomically(path.string(), std::string(bytes))) std::abort();
}

void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

void RequireUtf8(std::string_view text, const char* what) { Require(IsValidUtf8(text), what); }

void RequireNoNonFinite(std::string_view text, const char* what)
{
    static const std::regex bad("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)", std::regex::icase);
    Require(!std::regex_search(text.begin(), text.end(), bad), what);
}

void RequireFinite(double v, const char* what) { Require(std::isfinite(v), what); }

std::map<std::string, std::uintmax_t> Outside()
{
    std::map<std::string, std::uintmax_t> seen;
    std::error_code ec;
    const fs::path home(Home());
    const fs::path root = home.parent_path().parent_path().parent_path();
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it); it.increment(ec)) {
        if (it->path() == home) {
            it.disable_recursion_pending();
            continue;
        }
        seen[it->path().string()] = it->is_regular_file(ec) ? it->file_size(ec) : 0;
    }
    return seen;
}

std::uint32_t tBytes::U32()
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return v;
}

std::uint64_t tBytes::U64() { return U32() | static_cast<std::uint64_t>(U32()) << 32; }

int tBytes::Int(int lo, int hi)
{
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    return static_cast<int>(lo + static_cast<std::int64_t>(U32() % span));
}

double tBytes::Real()
{
    const std::uint64_t bits = U64();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double tBytes::Near(double range)
{
    if (Byte() < 32) return Real();
    return (static_cast<double>(U32()) / 4294967295.0 * 2 - 1) * range;
}

std::string tBytes::Text(std::size_t max)
{
    const std::size_t n = std::min<std::size_t>(Byte() % (max + 1), static_cast<std::size_t>(end - p));
    std::string s(reinterpret_cast<const char*>(p), n);
    p += n;
    return s;
}

}  // namespace quintara::fuzz
