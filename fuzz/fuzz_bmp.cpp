// Feeds arbitrary bytes to the BMP reader. Small images it accepts must also survive our own writer:
// re-encoding the decoded bitmap and reading it back gives the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/errors/host_error.h"
#include "platform/pictures/bmp_reader.h"
#include "platform/pictures/picture.h"

namespace {

constexpr size_t kRoundTripLimit = size_t{1} << 16;  // pixels; run-length files can claim millions cheaply

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const vellumar::Bitmap bitmap = vellumar::pictures::DecodeBmp(std::span<const uint8_t>(data, size));
    if (bitmap.pixels().size() > kRoundTripLimit) return 0;
    if (vellumar::pictures::DecodeBmp(vellumar::EncodeBmp(bitmap)) != bitmap) std::abort();
  } catch (const vellumar::HostError&) {
  }
  return 0;
}
