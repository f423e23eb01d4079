// Run-length encoded DIB pixels (BI_RLE8 and BI_RLE4), always stored bottom-up.
#pragma once

#include <cstdint>
#include <span>

#include "platform/pictures/dib_reader.h"
#include "platform/raster/bitmap.h"

namespace vellumar::pictures {

// Decodes the runs of data into a colour bitmap of the header's size. Pixels that no run writes (skipped by
// a delta, an early end of line or the end of the bitmap) stay black (0). Runs that reach past the right edge
// are cut there; deltas that leave the image end the picture. Absolute runs that need more bytes than data
// holds, or data that ends before the end-of-bitmap mark while rows remain, are refused with HostError 481.
Bitmap DecodeRle(const DibHeader& header, std::span<const ColorRef> palette, std::span<const uint8_t> data);

}  // namespace vellumar::pictures
