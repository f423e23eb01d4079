// PNG encoding, row by row; WritePng itself is declared in platform/picture.h.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/files/byte_sink.h"
#include "platform/raster/bitmap.h"

namespace vellumar::pictures {

// Puts an 8-bit RGB PNG of a colour bitmap (monochrome bitmaps as black and white) into sink as it is made,
// holding only a few kilobytes besides the bitmap, however long its rows. The bytes are those libpng writes
// with its default settings (adaptive filters by the least sum of absolute differences, zlib's default
// level, 8 KiB IDAT chunks). Throws HostError 481 for an empty bitmap, which PNG cannot hold, 7 when memory
// runs out, and what sink throws.
void WritePngTo(const Bitmap& bitmap, const ByteSink& sink);

// The bytes WritePngTo makes.
std::vector<uint8_t> EncodePng(const Bitmap& bitmap);

}  // namespace vellumar::pictures
