// Qt wants a private runtime folder; a session without one (CI, a terminal
// as root) would get a warning on every run. Call before the application
// object is made.
#pragma once

namespace quintara {

// Sets XDG_RUNTIME_DIR to a folder of this user's own when it is unset.
void PrepareQtRuntime();

}  // namespace quintara
