// quintara-cli: the command-line face of the engine.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/command_table.h"
#include "cli/commands.h"

using namespace quintara;
using namespace quintara::cli;

namespace {

int Run(tCommandArgs& a)
{
    const std::string_view name = a.command->name;
    if (name == "positions" || name == "chart") return Positions(a);
    if (name == "aspects" || name == "synastry") return Aspects(a, name == "synastry");
    if (name == "place") return Place(a);
    if (name.substr(0, 7) == "charts ") return Charts(a);
    if (name == "return") return Return(a);
    if (name == "phases") return Phases(a);
    if (name == "progression" || name == "midpoints") return Derived(a, name == "midpoints");
    if (name == "composite" || name == "davison" || name == "relocated") return Relationship(a, name);
    if (name == "directions") return Directions(a);
    if (name == "profections") return Profections(a);
    if (name == "firdaria") return Firdaria(a);
    if (name == "hours") return Hours(a);
    if (name == "transits") return Transits(a);
    if (name == "previsions") return Previsions(a);
    if (name == "events") return Events(a);
    if (name == "report") return Report(a);
    if (name == "picture") return Picture(a);
    return Fail("unknown command " + std::string(name));
}

int Dispatch(int argc, char** argv)
{
    tCommandLine line;
    std::string error;
    if (!ReadCommandLine(argc, argv, line, error)) return Fail(error);
    if (line.help) {
        std::cout << (line.command ? CommandHelp(*line.command) : ProgramHelp());
        return 0;
    }
    if (line.version) {
        std::cout << "quintara-cli " QUINTARA_VERSION "\n";
        return 0;
    }
    if (!line.command) {
        std::cerr << ProgramHelp();
        return 2;
    }
    if (static_cast<int>(line.words.size()) < line.command->minWords)
        return Fail("usage: quintara-cli " + std::string(line.command->name) + " " +
                    std::string(line.command->synopsis));
    tCommandArgs a;
    if (!ApplyOptions(line, a, error)) return Fail(error);
    SetQuiet(a.quiet);
    return Run(a);
}

// The reason of a failed write in words, when errno holds one.
std::string WriteError(int e)
{
    if (e == ENOSPC || e == EDQUOT || e == EPIPE || e == EIO || e == EFBIG || e == EBADF || e == EROFS)
        return std::strerror(e);
    return "the output could not be written";
}

// Everything written reached its file: a full disk or a closed pipe is an
// error, never a silent success. True when standard output is whole.
bool FinishOutput(std::string& error)
{
    bool ok = !std::cout.fail();
    int why = ok ? 0 : errno;  // the failed write's, with the stream buffer of its own
    std::cout.flush();
    if (ok && std::cout.fail()) ok = false, why = errno;
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) ok = false, why = why ? why : errno;
    errno = 0;
    if (std::fclose(stdout) != 0) ok = false, why = why ? why : errno;
    if (!ok) error = WriteError(why);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    // A storage failure anywhere (a damaged table, a full disk) is a message
    // and an exit code, never an abort.
    int rc = 2;
    try {
        rc = Dispatch(argc, argv);
    } catch (const std::exception& e) {
        rc = Fail(e.what());
    }
    std::string error;
    if (!FinishOutput(error)) return Fail("cannot write the output: " + error);
    return rc;
}
