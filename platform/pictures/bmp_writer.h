// BMP encoding, row by row; EncodeBmp itself is declared in platform/picture.h.
#pragma once

#include "platform/files/byte_sink.h"
#include "platform/raster/bitmap.h"

namespace vellumar::pictures {

// Puts the bytes EncodeBmp gives into sink as they are made, holding only a few kilobytes besides the
// bitmap, however long its rows. Throws what sink throws.
void WriteBmpTo(const Bitmap& bitmap, const ByteSink& sink);

}  // namespace vellumar::pictures
