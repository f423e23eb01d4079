#include "platform/raster/damage_region.h"

#include <algorithm>

namespace vellumar {
namespace {

bool OverlapOrTouch(const Rect& a, const Rect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

Rect Around(const Rect& a, const Rect& b) {
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace

void DamageRegion::Add(const Rect& area) {
  if (area.IsEmpty()) return;
  Rect merged = area;
  // A merge can reach rectangles the new one did not, so look again until nothing more joins.
  for (bool joined = true; joined;) {
    joined = false;
    for (auto it = rects_.begin(); it != rects_.end(); ++it) {
      if (!OverlapOrTouch(*it, merged)) continue;
      merged = Around(*it, merged);
      rects_.erase(it);
      joined = true;
      break;
    }
  }
  rects_.push_back(merged);
  if (rects_.size() > kMaxRects) {
    const Rect all = Bounds();
    rects_.assign(1, all);
  }
}

void DamageRegion::Add(const DamageRegion& other) {
  for (const Rect& area : other.rects_) Add(area);
}

Rect DamageRegion::Bounds() const {
  if (rects_.empty()) return Rect{};
  Rect all = rects_.front();
  for (const Rect& area : rects_) all = Around(all, area);
  return all;
}

}  // namespace vellumar
