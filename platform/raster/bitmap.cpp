#include "platform/raster/bitmap.h"

#include <new>

#include "platform/errors/host_error.h"

namespace vellumar {

Bitmap::Bitmap(int32_t width, int32_t height, PixelFormat format) : format_(format) {
  if (width <= 0 || height <= 0) return;
  // The product is taken in 64 bits: 65536 x 65536 wraps to 0 in 32.
  if (int64_t{width} * int64_t{height} > kMaxPixels) throw HostError(kErrOutOfMemory);
  try {
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  } catch (const std::bad_alloc&) {
    throw HostError(kErrOutOfMemory);
  }
  width_ = width;
  height_ = height;
}

}  // namespace vellumar
