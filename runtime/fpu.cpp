// Puts the floating-point unit back to its default state: every exception masked, rounding to nearest.
#include <cfenv>

#include "runtime/runtime.h"

namespace rt {
void ResetFloatingPoint() { std::fesetenv(FE_DFL_ENV); }
}  // namespace rt
