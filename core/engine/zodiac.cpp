#include "core/engine/zodiac.h"

namespace quintara {

double AyanamsaAt(double T) { return 23.8530556 + 1.391 * T; }

}  // namespace quintara
