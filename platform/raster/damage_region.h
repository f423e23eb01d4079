// DamageRegion: the area of an image whose pixels changed, as a short list of rectangles. Rectangles that
// overlap or touch are merged into the rectangle around both, and past kMaxRects everything becomes that one
// rectangle, so the list stays short however many small changes arrive.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/geometry.h"
#include "platform/vellumar_export.h"

namespace vellumar {

class VELLUMAR_CORE_EXPORT DamageRegion {
 public:
  static constexpr size_t kMaxRects = 8;

  // Adds area; an empty one adds nothing.
  void Add(const Rect& area);
  void Add(const DamageRegion& other);
  bool empty() const { return rects_.empty(); }
  // Disjoint only in that no two of them overlap or touch.
  const std::vector<Rect>& rects() const { return rects_; }
  // The rectangle around all of them; empty when the region is.
  Rect Bounds() const;
  void Clear() { rects_.clear(); }

 private:
  std::vector<Rect> rects_;
};

}  // namespace vellumar
