// Runs quintara-cli as a user runs it, through the shell: exit status,
// standard output and standard error.
#pragma once

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "core/platform/atomic_file.h"

namespace quintara::test {

struct tCliRun {
    int rc = -1;
    std::string out, err;
};

// args are shell words; input is standard input; scratch is a folder for
// the run's files; stdoutTo, when given, replaces the captured output
// ("/dev/full", or "| other command").
inline tCliRun RunCli(const std::string& args, const std::string& input, const std::string& scratch,
                      const std::string& stdoutTo = "")
{
    const std::string out = scratch + "/out.txt", err = scratch + "/err.txt", in = scratch + "/in.txt";
    WriteFileAtomically(in, input);
    std::string cmd = std::string(QUINTARA_CLI) + " " + args + " <'" + in + "' 2>'" + err + "'";
    cmd += stdoutTo.empty() ? " >'" + out + "'" : stdoutTo[0] == '|' ? " " + stdoutTo + " >'" + out + "'" : " >" + stdoutTo;
    WriteFileAtomically(out, "");
    tCliRun r;
    const int status = std::system(cmd.c_str());
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ReadWholeFile(out, r.out);
    ReadWholeFile(err, r.err);
    return r;
}

}  // namespace quintara::test
