// Qt counts tabs from 0; the control counts them from 1 and keeps slot 0 of its list free. Every Qt-facing
// index of the widgets crosses over to the control's tab numbers here and nowhere else.
#pragma once

#include <cstdint>
#include <optional>

namespace vellumar {

// The control's tab number of a Qt index, or none when the index names none of count tabs.
constexpr std::optional<int32_t> TabOfIndex(int index, int32_t count) {
  if (index < 0 || index >= count) return std::nullopt;
  return static_cast<int32_t>(index) + 1;
}

// The Qt index of an existing tab (1 .. count).
constexpr int IndexOfTab(int32_t tab) {
  return static_cast<int>(tab) - 1;
}

}  // namespace vellumar
