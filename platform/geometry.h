// Points and rectangles in device pixels, with arithmetic that saturates instead of overflowing:
// coordinates that come from users may be any 32-bit value.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vellumar {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// left, top, right, bottom; right and bottom are exclusive.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int64_t Width() const { return int64_t{right} - left; }
  int64_t Height() const { return int64_t{bottom} - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Clamps a 64-bit intermediate into the 32-bit coordinate range.
constexpr int32_t SaturateToInt32(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

constexpr int32_t SaturatingAdd(int32_t a, int32_t b) {
  return SaturateToInt32(int64_t{a} + b);
}
constexpr int32_t SaturatingSub(int32_t a, int32_t b) {
  return SaturateToInt32(int64_t{a} - b);
}

// The intersection of two rectangles; empty (all zero) when they do not overlap.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.right <= r.left || r.bottom <= r.top) return Rect{};
  return r;
}

// The GDI rectangle helpers, saturating at the 32-bit limits.
constexpr void CopyRect(Rect& dest, const Rect& source) {
  dest = source;
}
constexpr void SetRectEmpty(Rect& rect) {
  rect = Rect{};
}
constexpr void OffsetRect(Rect& rect, int32_t dx, int32_t dy) {
  rect = Rect{SaturatingAdd(rect.left, dx), SaturatingAdd(rect.top, dy), SaturatingAdd(rect.right, dx),
              SaturatingAdd(rect.bottom, dy)};
}
constexpr void InflateRect(Rect& rect, int32_t dx, int32_t dy) {
  rect = Rect{SaturatingSub(rect.left, dx), SaturatingSub(rect.top, dy), SaturatingAdd(rect.right, dx),
              SaturatingAdd(rect.bottom, dy)};
}

}  // namespace vellumar
