// The "picture" command: a chart picture written to a file.
#pragma once

namespace quintara::cli {

struct tCommandArgs;
int Picture(tCommandArgs& a);

}  // namespace quintara::cli
