// Rectangle helpers and hit-test regions; all arithmetic saturates at the 32-bit limits.
#include "render/xp_wells.h"

namespace vellumar {

Rect GetClientRectOf(WindowSystem& windows, WindowHandle window) {
  return windows.GetClientRect(window);
}

void CopyRectangle(Rect& dest, const Rect& source) {
  CopyRect(dest, source);
}

void OffsetRectangle(Rect& rect, int32_t dx, int32_t dy) {
  OffsetRect(rect, dx, dy);
}

Region CreateStripRegion(const Rect& rect, int32_t height) {
  return CreateRectRgnIndirect(Rect{rect.left, rect.bottom, rect.right, SaturatingAdd(rect.bottom, height)});
}

Rect InflateRectangle(Rect& rect, int32_t dx, int32_t dy) {
  InflateRect(rect, dx, dy);
  return rect;
}

Rect InflateExtendedRect(const Rect& rect, int32_t dx, int32_t dy, int32_t extra) {
  constexpr int64_t kBottomAdjust = 2;
  Rect copy{rect.left, rect.top, rect.right, SaturateToInt32(int64_t{rect.bottom} + extra - kBottomAdjust)};
  InflateRect(copy, dx, dy);
  return copy;
}

void ClearRect(Rect& rect) {
  SetRectEmpty(rect);
}

}  // namespace vellumar
