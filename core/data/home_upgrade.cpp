#include "core/data/home_upgrade.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include <sqlite3.h>

#include "core/platform/atomic_file.h"

namespace fs = std::filesystem;

namespace quintara {
namespace {

struct tEntry {
    std::string home;  // hash of the home's copy as last put there; "-" for unknown
    std::string seed;  // hash of the installed file it came from
    std::string told;  // hash of the installed file the user was told of
};

std::string Fingerprint(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return "-";
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%016llx-%zx", static_cast<unsigned long long>(h), bytes.size());
    return buf;
}

std::map<std::string, tEntry> ReadList(const std::string& path)
{
    std::map<std::string, tEntry> list;
    std::string text;
    if (!ReadWholeFile(path, text)) return list;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        tEntry e;
        std::string name;
        if (fields >> e.home >> e.seed >> e.told && std::getline(fields >> std::ws, name) && !name.empty())
            list[name] = e;
    }
    return list;
}

bool WriteList(const std::string& path, const std::map<std::string, tEntry>& list)
{
    std::string text = "# Files of this home that follow the installed version: home copy, installed, told.\n";
    for (const auto& [name, e] : list) text += e.home + " " + e.seed + " " + e.told + " " + name + "\n";
    return WriteFileAtomically(path, text);
}

// The table's rows replaced by the installed table's, in one transaction of
// the storage, waiting a little for another process's transaction.
bool CopyTable(const std::string& from, const std::string& to, std::string& error)
{
    sqlite3 *src = nullptr, *dst = nullptr;
    bool ok = sqlite3_open_v2(from.c_str(), &src, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
              sqlite3_open_v2(to.c_str(), &dst, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_busy_timeout(dst, 500);
        sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main");
        ok = b && sqlite3_backup_step(b, -1) == SQLITE_DONE;
        if (sqlite3_backup_finish(b) != SQLITE_OK) ok = false;
    }
    if (!ok) error = sqlite3_errmsg(dst ? dst : src);
    sqlite3_close(dst);
    sqlite3_close(src);
    return ok;
}

// Whether the storage reads the table file whole (a file cut short by a
// full disk, or empty, does not).
bool SoundTable(const std::string& path)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    sqlite3_stmt* q = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &q, nullptr) == SQLITE_OK &&
         sqlite3_step(q) == SQLITE_ROW &&
         std::string(reinterpret_cast<const char*>(sqlite3_column_text(q, 0))) == "ok";
    sqlite3_finalize(q);
    ok = ok && sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_schema", -1, &q, nullptr) == SQLITE_OK &&
         sqlite3_step(q) == SQLITE_ROW && sqlite3_column_int(q, 0) > 0;
    sqlite3_finalize(q);
    sqlite3_close(db);
    return ok;
}

// A damaged reference table is set aside under a name of its own and the
// installed one takes its place whole.
bool ReplaceDamaged(const std::string& from, const std::string& target, std::string& error)
{
    return !SetAside(target, &error).empty() && CopyFileAtomically(from, target, &error);
}

}  // namespace

bool FollowsInstalledVersion(const std::string& relative)
{
    const fs::path p(relative);
    const std::string ext = p.extension().string();
    if (p.parent_path() == "dbfiles") return ext == ".db" && p.filename() != "planets.db";
    if (p.parent_path().empty()) return ext == ".agb" || ext == ".afr" || ext == ".anl";
    return relative.rfind("help/", 0) == 0;
}

tHomeUpgrade UpgradeHome(const std::string& home, const std::string& seedDir)
{
    tHomeUpgrade result;
    std::error_code ec;
    if (seedDir.empty() || !fs::is_directory(seedDir, ec) || fs::equivalent(home, seedDir, ec)) return result;
    const std::string listPath = JoinPath(home, kSeedListFile);
    std::map<std::string, tEntry> list = ReadList(listPath);
    bool changed = false;
    for (auto it = fs::recursive_directory_iterator(seedDir, ec); !ec && it != fs::end(it); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string relative = fs::relative(it->path(), seedDir, ec).generic_string();
        if (ec || !FollowsInstalledVersion(relative)) continue;
        const std::string target = JoinPath(home, relative);
        const std::string seed = Fingerprint(it->path().string());
        auto found = list.find(relative);
        // Up to date with the installed file: the home's copy, however it
        // stands, needs no reading (this runs at every start).
        if (found != list.end() && found->second.seed == seed) continue;
        const std::string now = Fingerprint(target);
        if (now == "-") continue;  // not in the home (seeding failed): nothing to compare
        if (found == list.end() && now == seed) {
            list[relative] = {now, seed, seed};  // seeded now, or already the installed one
            changed = true;
            continue;
        }
        tEntry& e = list[relative];
        if (found == list.end()) e = {"-", "-", "-"};  // from before the list: the user may have changed it
        if (e.home != now && it->path().extension() == ".db" && !SoundTable(target)) {
            std::string error;
            if (!ReplaceDamaged(it->path().string(), target, error)) {
                result.problems.push_back(relative + ": " + error);
                continue;
            }
            e = {Fingerprint(target), seed, seed};
            result.repaired.push_back(relative);
            changed = true;
            continue;
        }
        if (e.home != now) {
            if (e.told != seed) {
                result.keptEdited.push_back(relative);
                e.told = seed;
                changed = true;
            }
            continue;
        }
        std::string error;
        bool ok = false;
        if (it->path().extension() == ".db") {
            ok = CopyTable(it->path().string(), target, error);
        } else {
            std::string bytes;
            ok = ReadWholeFile(it->path().string(), bytes) && WriteFileAtomically(target, bytes, &error);
        }
        if (!ok) {
            result.problems.push_back(relative + ": " + (error.empty() ? "cannot be replaced" : error));
            continue;
        }
        e = {Fingerprint(target), seed, seed};
        result.refreshed.push_back(relative);
        changed = true;
    }
    if (changed && !WriteList(listPath, list))
        result.problems.push_back(std::string(kSeedListFile) + ": cannot be written");
    return result;
}

}  // namespace quintara
