// PNG decoding through libpng: any colour type and bit depth to 8-bit RGBA.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/raster/bitmap.h"

namespace vellumar::pictures {

struct RgbaImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgba;  // 4 bytes a pixel, rows top-down
};

// True when bytes start with the 8-byte PNG signature.
bool HasPngSignature(std::span<const uint8_t> bytes);

// Decodes a PNG. Throws HostError 481 for damaged data, for images over kMaxPicturePixels, and for images
// whose pixel data could not come out of the few bytes the file has (decompression bombs): all of these
// before the pixel buffer is allocated.
RgbaImage DecodePng(std::span<const uint8_t> bytes);

// The colour of each pixel, its alpha dropped.
Bitmap RgbaToBitmap(const RgbaImage& image);
// The alpha of each pixel, in the bitmap's order.
std::vector<uint8_t> RgbaAlpha(const RgbaImage& image);

}  // namespace vellumar::pictures
