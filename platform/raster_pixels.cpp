#include "platform/raster_pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace vellumar::raster {

namespace {

// Below this many pixels the string store's start-up costs more than it saves.
constexpr size_t kStringStoreMinimum = 128;

// Short runs (the rows of a tab body, a bar of text) store two pixels at a time, eight per step: gcc's -O2
// loop for std::fill_n stores one pixel at a time, at half the speed.
void FillShortRun(uint32_t* pixels, size_t count, uint32_t value) {
  const uint64_t two = (uint64_t{value} << 32) | value;
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::memcpy(pixels + i, &two, sizeof two);
    std::memcpy(pixels + i + 2, &two, sizeof two);
    std::memcpy(pixels + i + 4, &two, sizeof two);
    std::memcpy(pixels + i + 6, &two, sizeof two);
  }
  for (; i + 2 <= count; i += 2) std::memcpy(pixels + i, &two, sizeof two);
  if (i < count) pixels[i] = value;
}

}  // namespace

// Long runs use the processor's string store, which writes whole cache lines without reading them first and
// so keeps pace with memset.
void FillRun(uint32_t* pixels, size_t count, uint32_t value) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  if (count >= kStringStoreMinimum) {
    __asm__ __volatile__("rep stosl" : "+D"(pixels), "+c"(count) : "a"(value) : "memory");
    return;
  }
#endif
  FillShortRun(pixels, count, value);
}

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
