// Command lines of any words (the input split at line feeds): each is read
// against the table of commands and options, or refused with a message;
// never a crash, never a command with words it does not take.
#include <algorithm>
#include <vector>

#include "cli/command_args.h"
#include "cli/command_table.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words{"quintara-cli"};
    for (std::size_t at = 0; at <= input.size() && words.size() < 64;) {
        const std::size_t end = std::min(input.find('\n', at), input.size());
        words.push_back(input.substr(at, end - at));
        at = end + 1;
    }
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    cli::tCommandLine line;
    std::string error;
    if (!cli::ReadCommandLine(static_cast<int>(argv.size()), argv.data(), line, error)) {
        fuzz::Require(!error.empty(), "refused without a message");
        return 0;
    }
    if (!line.command || line.help || line.version) return 0;
    fuzz::Require(static_cast<int>(line.words.size()) <= line.command->maxWords, "more words than the command takes");
    for (const cli::tGivenOption& o : line.options)
        fuzz::Require(o.info && (o.info->groups & line.command->groups) != 0, "an option the command does not take");
    cli::tCommandArgs a;
    if (!cli::ApplyOptions(line, a, error)) fuzz::Require(!error.empty(), "a bad value without a message");
    return 0;
}
