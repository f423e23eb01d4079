// Pixel values of the two bitmap formats and the clipped rectangle fill that every drawing call ends in.
// Internal to the platform layer's raster code.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/raster/bitmap.h"

namespace vellumar::raster {

// The RGB part of a colour pixel; drawing calls store nothing above it.
inline constexpr uint32_t kColorBits = 0x00FFFFFF;
inline constexpr uint32_t kMonoBlack = 0;
inline constexpr uint32_t kMonoWhite = 1;

// The value a drawing colour takes in a bitmap of the given format. Colour bitmaps keep the low 24 bits, as
// GDI does on a true-colour surface, so an untranslated system-colour reference draws as its low bits. A
// monochrome bitmap takes white when the channels average at least 128 and black otherwise.
inline uint32_t PixelValue(PixelFormat format, ColorRef color) {
  constexpr int kMonoWhiteChannelSum = 3 * 128;
  if (format == PixelFormat::kColor32) return color & kColorBits;
  return RedOf(color) + GreenOf(color) + BlueOf(color) >= kMonoWhiteChannelSum ? kMonoWhite : kMonoBlack;
}

// The colour a stored pixel shows: monochrome pixels read as black or white.
ColorRef ColorOfPixel(PixelFormat format, uint32_t pixel);

// Fills the part of [left, right) x [top, bottom) that lies inside bounds, a rectangle within bitmap. The
// edges are 64-bit so that callers can pass sums of 32-bit coordinates unclamped.
void FillClipped(Bitmap& bitmap, const Rect& bounds, int64_t left, int64_t top, int64_t right, int64_t bottom,
                 uint32_t value);

// A bitmap drawn in logical pixels, each covering a scale x scale block of the bitmap's own pixels, so that
// every shape is the one-to-one shape enlarged.
struct ScaledTarget {
  Bitmap* bitmap = nullptr;
  Rect device_bounds;  // where drawing may write, in the bitmap's pixels and within it
  int64_t scale = 1;

  // Fills the blocks of the logical rectangle [left, right) x [top, bottom) that meet device_bounds. The
  // edges stay far below 2^60, so the products cannot overflow.
  void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t value) const {
    FillClipped(*bitmap, device_bounds, left * scale, top * scale, right * scale, bottom * scale, value);
  }

  // Fills the blocks of the columns left and right - 1 over the logical rows [top, bottom), as two Fill
  // calls would.
  void FillSides(int64_t left, int64_t right, int64_t top, int64_t bottom, uint32_t value) const;
};

}  // namespace vellumar::raster
