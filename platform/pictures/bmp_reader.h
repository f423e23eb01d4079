// BMP files: file header, DIB header, palette and pixels, to a colour bitmap.
#pragma once

#include <cstdint>
#include <span>

#include "platform/raster/bitmap.h"

namespace vellumar::pictures {

// True when bytes start with the BMP signature "BM".
bool HasBmpSignature(std::span<const uint8_t> bytes);

// Decodes a whole BMP file (core, info, V4 and V5 headers; 1 to 32 bits; bit fields; RLE4 and RLE8;
// bottom-up and top-down) into a kColor32 bitmap. Throws HostError 481 for anything damaged, truncated or
// larger than kMaxPicturePixels.
Bitmap DecodeBmp(std::span<const uint8_t> file);

}  // namespace vellumar::pictures
