// Limits every picture reader applies before it trusts a file's numbers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/errors/host_error.h"
#include "platform/pictures/picture.h"

namespace vellumar::pictures {

// Files larger than this are refused before they are read whole.
inline constexpr int64_t kMaxPictureFileBytes = int64_t{64} << 20;

// Error 481, with what is wrong when the caller can say it.
[[noreturn]] inline void ThrowInvalidPicture(const std::string& reason = {}) {
  throw HostError::WithDetail(kErrInvalidPicture, reason);
}

// Refuses sizes of zero or below and images of more than kMaxPicturePixels pixels, so that a reader can
// allocate width * height pixels afterwards.
inline void CheckPictureDimensions(int64_t width, int64_t height) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
  if (width <= 0 || height <= 0) ThrowInvalidPicture("an image of " + size);
  if (width > kMaxPicturePixels || height > kMaxPicturePixels || width * height > kMaxPicturePixels) {
    ThrowInvalidPicture("an image of " + size + " is larger than a picture may be (" +
                        std::to_string(kMaxPicturePixels) + " pixels)");
  }
}

}  // namespace vellumar::pictures
