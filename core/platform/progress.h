// Progress of a long computation, reported to whoever shows it.
#pragma once

#include <functional>

namespace quintara {

// Called now and then with the work done so far out of total (same unit,
// done <= total); returning false asks the computation to stop. An empty
// function is never called.
using tProgress = std::function<bool(int done, int total)>;

// For a loop over many items: asks progress every 64th item whether to go
// on; true when it asked to stop.
inline bool StopAsked(const tProgress& progress, int done, int total)
{
    return progress && done % 64 == 0 && !progress(done, total);
}

}  // namespace quintara
