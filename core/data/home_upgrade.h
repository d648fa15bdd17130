// Bringing a program home up to the installed version: the reference
// tables and interpretation files the user never changed are replaced by
// the installed ones; changed ones are kept and named, once per installed
// version, so the user can decide. A list in the home ("seed.lst") keeps,
// per file, what the home's copy looked like when it was put there and
// which installed version it came from.
#pragma once

#include <string>
#include <vector>

namespace quintara {

inline constexpr const char* kSeedListFile = "seed.lst";

struct tHomeUpgrade {
    std::vector<std::string> refreshed;   // paths relative to the home
    std::vector<std::string> keptEdited;  // edited by the user; a newer version is installed
    std::vector<std::string> problems;    // could not be refreshed this time (busy, unwritable)
    std::vector<std::string> repaired;    // damaged (a seeding cut short): set aside as NAME.damaged, replaced
};

// The files that follow the installed version: the reference tables (not
// the chart setup's planets table) and the interpretation files.
bool FollowsInstalledVersion(const std::string& relative);

// Run after the home is seeded, before any table opens. A table is replaced
// through the storage's own copy (another process that has it open sees
// the new rows, never a half-written file); a text file atomically. Never
// throws; what could not be done is in problems and is tried again next time.
tHomeUpgrade UpgradeHome(const std::string& home, const std::string& seedDir);

}  // namespace quintara
