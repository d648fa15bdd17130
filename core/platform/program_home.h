// The program home: one directory for the settings file, option files,
// language and analysis files and the table folder.
#pragma once

#include <string>

namespace quintara {

struct tHomeSources {
    std::string explicitHome;  // --home or $QUINTARA_HOME; wins when set
    std::string startDir;      // the program's own directory
    std::string userDataDir;   // fallback, normally ~/.local/share/quintara
    std::string seedDir;       // installed files to copy into a new home
};

// The sources of this process: $QUINTARA_HOME, the executable's directory,
// $XDG_DATA_HOME/quintara or ~/.local/share/quintara, and the seed: the
// installed share/quintara/home beside the executable's folder when there
// is one, else seedDir (the build's).
tHomeSources ProcessHomeSources(const std::string& overrideHome, const std::string& seedDir);

// explicitHome when set; else startDir when it holds "Astro.ini"; else
// userDataDir, created and seeded on first use. An explicit home is
// created and seeded too. Empty, with error set, when no directory can be
// created.
std::string ResolveProgramHome(const tHomeSources& sources, std::string* error = nullptr);

// Copies every file and folder of seedDir that home lacks; never overwrites.
bool SeedProgramHome(const std::string& home, const std::string& seedDir, std::string* error = nullptr);

}  // namespace quintara
