#include "platform/raster/raster_line.h"

#include <algorithm>
#include <cstdlib>

#include "platform/raster/raster_pixels.h"

namespace vellumar::raster {

namespace {

// One axis of the line: where it starts, which way it goes and how far.
struct AxisRun {
  int64_t start = 0;
  int64_t sign = 0;     // -1, 0 or +1
  uint64_t length = 0;  // |end - start|, below 2^32
  int64_t low = 0;      // the drawable coordinates along this axis: low .. high - 1
  int64_t high = 0;
};

AxisRun MakeRun(int32_t from, int32_t to, int32_t low, int32_t high) {
  const int64_t delta = int64_t{to} - from;
  return AxisRun{from, (delta > 0) - (delta < 0), static_cast<uint64_t>(std::llabs(delta)), low, high};
}

// Walks the major axis step by step and places the minor coordinate by exact integer rounding.
class LineWalk {
 public:
  LineWalk(const AxisRun& major, const AxisRun& minor) : major_(major), minor_(minor) {}

  int64_t MajorAt(int64_t t) const { return major_.start + major_.sign * t; }

  // The minor coordinate of step t (0 <= t < major length). t * minor length stays below 2^64 because both
  // factors are below 2^32, and the remainder test needs no more than 33 bits.
  int64_t MinorAt(int64_t t) const {
    const uint64_t product = static_cast<uint64_t>(t) * minor_.length;
    uint64_t offset = product / major_.length;
    const uint64_t twice_remainder = 2 * (product % major_.length);
    if (twice_remainder > major_.length || (twice_remainder == major_.length && minor_.sign < 0)) ++offset;
    return minor_.start + minor_.sign * static_cast<int64_t>(offset);
  }

  // The steps [first, last] whose pixel lies within the drawable range of the major axis.
  void MajorWindow(int64_t& first, int64_t& last) const {
    const int64_t n = static_cast<int64_t>(major_.length);
    if (major_.sign > 0) {
      first = major_.low - major_.start;
      last = major_.high - 1 - major_.start;
    } else {
      first = major_.start - (major_.high - 1);
      last = major_.start - major_.low;
    }
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, n - 1);
  }

  // Narrows [first, last] to the steps whose minor coordinate lies in [low, high]. MinorAt is monotonic, so
  // two binary searches suffice.
  void NarrowMinor(int64_t& first, int64_t& last, int64_t low, int64_t high) const {
    if (first > last) return;
    const int64_t a = first;
    const int64_t b = last;
    if (minor_.sign >= 0) {
      first = FirstWhere(a, b, [&](int64_t t) { return MinorAt(t) >= low; });
      last = FirstWhere(a, b, [&](int64_t t) { return MinorAt(t) > high; }) - 1;
    } else {
      first = FirstWhere(a, b, [&](int64_t t) { return MinorAt(t) <= high; });
      last = FirstWhere(a, b, [&](int64_t t) { return MinorAt(t) < low; }) - 1;
    }
  }

 private:
  // The smallest t in [lo, hi] with pred(t), for a predicate that turns from false to true once; hi + 1 if
  // it never holds.
  template <typename Pred>
  static int64_t FirstWhere(int64_t lo, int64_t hi, Pred pred) {
    while (lo <= hi) {
      const int64_t mid = lo + (hi - lo) / 2;
      if (pred(mid)) {
        hi = mid - 1;
      } else {
        lo = mid + 1;
      }
    }
    return lo;
  }

  AxisRun major_;
  AxisRun minor_;
};

}  // namespace

void DrawClippedLine(const ScaledTarget& target, const Rect& bounds, Point from, Point to, int32_t pen_width,
                     uint32_t value) {
  if (bounds.IsEmpty()) return;
  const int64_t width = std::max(pen_width, 1);
  const int64_t before = width / 2;  // pixels of the band before the thin line's pixel
  const AxisRun x = MakeRun(from.x, to.x, bounds.left, bounds.right);
  const AxisRun y = MakeRun(from.y, to.y, bounds.top, bounds.bottom);
  const bool x_major = x.length >= y.length;
  const AxisRun& major = x_major ? x : y;
  const AxisRun& minor = x_major ? y : x;
  if (major.length == 0) return;

  const LineWalk walk(major, minor);
  int64_t first = 0;
  int64_t last = 0;
  walk.MajorWindow(first, last);
  auto fill_band = [&](int64_t major_lo, int64_t major_hi, int64_t minor_centre) {
    const int64_t minor_lo = minor_centre - before;
    if (x_major) {
      target.Fill(major_lo, minor_lo, major_hi + 1, minor_lo + width, value);
    } else {
      target.Fill(minor_lo, major_lo, minor_lo + width, major_hi + 1, value);
    }
  };

  if (minor.length == 0) {
    // An axis-parallel line is one rectangle, which the fill clips across the minor axis.
    if (first > last) return;
    const int64_t a = walk.MajorAt(first);
    const int64_t b = walk.MajorAt(last);
    fill_band(std::min(a, b), std::max(a, b), minor.start);
    return;
  }
  walk.NarrowMinor(first, last, minor.low + before - width + 1, minor.high - 1 + before);
  if (first > last) return;
  for (int64_t t = first; t <= last; ++t) {
    const int64_t m = walk.MajorAt(t);
    fill_band(m, m, walk.MinorAt(t));
  }
}

}  // namespace vellumar::raster
