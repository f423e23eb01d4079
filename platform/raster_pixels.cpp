#include "platform/raster_pixels.h"

#include <algorithm>
#include <cstddef>

namespace vellumar::raster {

namespace {

constexpr int kMonoWhiteChannelSum = 3 * 128;

// Below this many pixels the string store's start-up costs more than it saves.
constexpr size_t kStringStoreMinimum = 64;

// Long runs use the processor's string store, which writes whole cache lines without reading them first and
// so keeps pace with memset; gcc's -O2 loop for std::fill_n stores one pixel at a time, several times slower.
void FillPixels(uint32_t* pixels, size_t count, uint32_t value) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  if (count >= kStringStoreMinimum) {
    __asm__ __volatile__("rep stosl" : "+D"(pixels), "+c"(count) : "a"(value) : "memory");
    return;
  }
#endif
  std::fill_n(pixels, count, value);
}

}  // namespace

uint32_t PixelValue(PixelFormat format, ColorRef color) {
  if (format == PixelFormat::kColor32) return color & kColorBits;
  return RedOf(color) + GreenOf(color) + BlueOf(color) >= kMonoWhiteChannelSum ? kMonoWhite : kMonoBlack;
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
    FillPixels(bitmap.Row(static_cast<int32_t>(top)), span * static_cast<size_t>(bottom - top), value);
    return;
  }
  for (int64_t y = top; y < bottom; ++y) {
    FillPixels(bitmap.Row(static_cast<int32_t>(y)) + left, span, value);
  }
}

}  // namespace vellumar::raster
