// The system colours a colour property can refer to, with their German names, in the order of their
// indices. A colour property holds such a reference as 0x80000000 + index.
#pragma once

#include <QString>
#include <span>

#include "platform/ole_color.h"

namespace vellumar {

struct SystemColorName {
  int index;
  const char* name;
};

std::span<const SystemColorName> SystemColorNames();

inline constexpr OleColor kSystemColorFlag = 0x80000000u;
constexpr OleColor SystemColorReference(int index) {
  return kSystemColorFlag + static_cast<OleColor>(index);
}
constexpr bool IsSystemColorReference(OleColor color) {
  return (color & 0xFF000000u) == kSystemColorFlag;
}

// How the old property browser wrote a colour value: "&H" eight hexadecimal digits "&".
QString ColorValueText(OleColor color);

}  // namespace vellumar
