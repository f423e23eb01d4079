// Pixel values of the two bitmap formats and the clipped rectangle fill that every drawing call ends in.
// Internal to the platform layer's raster code.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "platform/ole_color.h"

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

}  // namespace vellumar::raster
