// A rectangular region with a point test, standing in for GDI's rectangle regions.
#pragma once

#include "platform/geometry.h"

namespace vellumar {

class Region {
 public:
  Region() = default;
  explicit Region(const Rect& rect) : rect_(rect) {}

  const Rect& rect() const { return rect_; }
  // True when (x, y) lies inside; right and bottom edges are outside.
  bool Contains(int32_t x, int32_t y) const { return rect_.Contains(x, y); }

 private:
  Rect rect_;
};

inline Region CreateRectRgnIndirect(const Rect& rect) {
  return Region(rect);
}
inline bool PtInRegion(const Region& region, int32_t x, int32_t y) {
  return region.Contains(x, y);
}

}  // namespace vellumar
