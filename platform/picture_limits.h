// Limits every picture reader applies before it trusts a file's numbers.
#pragma once

#include <cstdint>

#include "platform/host_error.h"
#include "platform/picture.h"

namespace vellumar::pictures {

// Files larger than this are refused before they are read whole.
inline constexpr int64_t kMaxPictureFileBytes = int64_t{64} << 20;

[[noreturn]] inline void ThrowInvalidPicture() {
  throw HostError(kErrInvalidPicture);
}

// Refuses sizes of zero or below and images of more than kMaxPicturePixels pixels, so that a reader can
// allocate width * height pixels afterwards.
inline void CheckPictureDimensions(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0 || width > kMaxPicturePixels || height > kMaxPicturePixels ||
      width * height > kMaxPicturePixels) {
    ThrowInvalidPicture();
  }
}

}  // namespace vellumar::pictures
