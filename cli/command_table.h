// The commands and options of quintara-cli in one table: what each command
// accepts, its help, and the reading of a command line against it (GNU
// conventions: --opt value, --opt=value, options before or after the
// command, "--" ends the options, "-" is a word).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintara::cli {

// Groups of options; a command accepts the options of its groups.
enum tOptionGroup : unsigned {
    kGlobalOptions = 1u << 0,  // --home, --chart-file, --ephemeris, --language, --quiet, --help
    kChartOptions = 1u << 1,   // the birth: --date, --time, --place, ...
    kSecondChart = 1u << 2,    // the same ending in 2
    kJsonOption = 1u << 3,
    kAspectKinds = 1u << 4,  // --all
    kOrbOption = 1u << 5,    // --orb-percent
    kJobsOption = 1u << 6,
    kBatchOption = 1u << 7,
    kOutputFile = 1u << 8,  // -o, --replace
    kReportFormat = 1u << 9,  // --format text|rtf|html, --analysis
    kFilterOption = 1u << 10,
    kLimitOption = 1u << 11,
    kTransitOptions = 1u << 12,  // --bodies, --utc
    kEventOptions = 1u << 13,    // --tz, --moon-aspects
    kPictureOptions = 1u << 14,  // --size, --zoom, --proportional
    kImportOptions = 1u << 15,   // --keep-good, --format (with -)
    kIntoOption = 1u << 16,
    kListFormat = 1u << 17,     // --format text|csv|jsonl
    kExportOptions = 1u << 18,  // --replace, --positions, --format (with -)
};

struct tOptionInfo {
    std::string_view name;   // "--date", "-o"
    std::string_view value;  // what it takes, "" for a switch
    unsigned groups;
    std::string_view help;
};

struct tCommandInfo {
    std::string_view name;      // "positions", "charts list"
    std::string_view synopsis;  // after "quintara-cli NAME "
    std::string_view summary;
    unsigned groups;
    int minWords, maxWords;  // words after the name
};

std::span<const tOptionInfo> Options();
std::span<const tCommandInfo> Commands();

// One option as given: its table row, the name as written (a second
// chart's ends in 2) and the value.
struct tGivenOption {
    const tOptionInfo* info = nullptr;
    std::string name, value;
};

struct tCommandLine {
    const tCommandInfo* command = nullptr;  // none: --help, --version or nothing
    std::vector<tGivenOption> options;
    std::vector<std::string> words;  // after the command's name
    bool help = false, version = false;
};

// Reads argv[1..]. False with error ("unknown option --x", "unexpected
// argument y", ...) when the line does not fit the table; --help wins over
// everything but an unknown option.
bool ReadCommandLine(int argc, char** argv, tCommandLine& line, std::string& error);

// The help of the program (every command) and of one command.
std::string ProgramHelp();
std::string CommandHelp(const tCommandInfo& command);

}  // namespace quintara::cli
