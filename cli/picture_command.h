// The "picture" command: a chart picture written to a file.
#pragma once

namespace quintara::cli {

int Picture(int argc, char** argv);

}  // namespace quintara::cli
