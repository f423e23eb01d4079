// PNG encoding through libpng; WritePng itself is declared in platform/picture.h.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace vellumar::pictures {

// The bytes of an 8-bit RGB PNG of a colour bitmap (monochrome bitmaps as black and white). Throws
// HostError 481 for an empty bitmap, which PNG cannot hold.
std::vector<uint8_t> EncodePng(const Bitmap& bitmap);

}  // namespace vellumar::pictures
