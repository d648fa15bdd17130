// Progress of a long computation, reported to whoever shows it.
#pragma once

#include <functional>

namespace quintara {

// Called now and then with the work done so far out of total (same unit,
// done <= total); returning false asks the computation to stop. An empty
// function is never called.
using tProgress = std::function<bool(int done, int total)>;

}  // namespace quintara
