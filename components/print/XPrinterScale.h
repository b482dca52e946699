// The integer arithmetic of the printing component's conversions. Private to the unit.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace xprinter {

// value * multiplier / divisor, truncated toward zero; a result beyond the integers stops at
// their edge instead of wrapping around.
inline int Scale(int64_t value, int64_t multiplier, int64_t divisor) {
  return static_cast<int>(std::clamp<int64_t>(value * multiplier / divisor, INT_MIN, INT_MAX));
}

inline int Clamped(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace xprinter
