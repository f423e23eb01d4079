// Booleans that cross the control's interface are 16-bit, True = -1.
#pragma once

#include <cstdint>

namespace vellumar {

using VbBool = int16_t;
inline constexpr VbBool kTrue = -1;
inline constexpr VbBool kFalse = 0;

constexpr VbBool ToVbBool(bool value) {
  return value ? kTrue : kFalse;
}

}  // namespace vellumar
