// The commands of quintara-cli, each given its parsed arguments; each
// returns the exit code (0 done, 1 done with refusals, 2 an error).
#pragma once

#include <string>
#include <string_view>

#include "cli/command_args.h"

namespace quintara::cli {

int Positions(tCommandArgs& a);
int Aspects(tCommandArgs& a, bool synastry);
int Place(tCommandArgs& a);
int Charts(tCommandArgs& a);
int Return(tCommandArgs& a);
int Phases(tCommandArgs& a);
int Derived(tCommandArgs& a, bool midpoints);
// kind: "composite", "davison" or "relocated".
int Relationship(tCommandArgs& a, std::string_view kind);
int Directions(tCommandArgs& a);
int Profections(tCommandArgs& a);
int Firdaria(tCommandArgs& a);
int Hours(tCommandArgs& a);
int Transits(tCommandArgs& a);
int Previsions(tCommandArgs& a);
int Events(tCommandArgs& a);
int Report(tCommandArgs& a);
int Picture(tCommandArgs& a);

// The lower-case extension of a path with its dot (".csv"), "" for none.
std::string Extension(const std::string& path);
// bytes into path ("-": standard output), atomically; an existing file
// only when replace. False with error naming the file.
bool WriteOutput(const std::string& path, const std::string& bytes, bool replace, std::string& error);

}  // namespace quintara::cli
