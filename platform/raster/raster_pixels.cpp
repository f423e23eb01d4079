#include "platform/raster/raster_pixels.h"

#include <algorithm>
#include <cstddef>

#include "platform/raster/raster_fill.h"

namespace vellumar::raster {

ColorRef ColorOfPixel(PixelFormat format, uint32_t pixel) {
  if (format == PixelFormat::kColor32) return pixel & kColorBits;
  return pixel == kMonoBlack ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
}

void FillClipped(Bitmap& bitmap, const Rect& bounds, int64_t left, int64_t top, int64_t right, int64_t bottom,
                 uint32_t value) {
  const int64_t width = bitmap.width();
  left = std::max<int64_t>(left, bounds.left);
  top = std::max<int64_t>(top, bounds.top);
  right = std::min<int64_t>(right, bounds.right);
  bottom = std::min<int64_t>(bottom, bounds.bottom);
  if (left >= right || top >= bottom) return;
  const auto span = static_cast<size_t>(right - left);
  if (span == static_cast<size_t>(width)) {
    // Whole rows are contiguous: one run covers the block.
    FillRun(bitmap.Row(static_cast<int32_t>(top)), span * static_cast<size_t>(bottom - top), value);
    return;
  }
  if (span == 1) {
    // A column: one store a row.
    for (int64_t y = top; y < bottom; ++y) bitmap.Row(static_cast<int32_t>(y))[left] = value;
    return;
  }
  for (int64_t y = top; y < bottom; ++y) {
    FillRun(bitmap.Row(static_cast<int32_t>(y)) + left, span, value);
  }
}

// The end of one row and the start of the next share a cache line and a page, so both sides are stored in
// one pass down the rows: a pass for each side would miss the cache and the TLB on every row twice.
void ScaledTarget::FillSides(int64_t left, int64_t right, int64_t top, int64_t bottom, uint32_t value) const {
  const Rect& b = device_bounds;
  const int64_t near_from = std::max<int64_t>(left * scale, b.left);
  const int64_t near_to = std::min<int64_t>((left + 1) * scale, b.right);
  const int64_t far_from = std::max<int64_t>((right - 1) * scale, b.left);
  const int64_t far_to = std::min<int64_t>(right * scale, b.right);
  const int64_t first = std::max<int64_t>(top * scale, b.top);
  const int64_t last = std::min<int64_t>(bottom * scale, b.bottom);
  if (near_from >= near_to || far_from >= far_to) {
    Fill(left, top, left + 1, bottom, value);
    Fill(right - 1, top, right, bottom, value);
    return;
  }
  if (near_to - near_from == 1 && far_to - far_from == 1) {
    // One pixel a side, as at scale 1: two stores a row, without a fill loop for each.
    for (int64_t y = first; y < last; ++y) {
      uint32_t* row = bitmap->Row(static_cast<int32_t>(y));
      row[near_from] = value;
      row[far_from] = value;
    }
    return;
  }
  for (int64_t y = first; y < last; ++y) {
    uint32_t* row = bitmap->Row(static_cast<int32_t>(y));
    std::fill(row + near_from, row + near_to, value);
    std::fill(row + far_from, row + far_to, value);
  }
}

}  // namespace vellumar::raster
