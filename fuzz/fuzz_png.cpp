// Feeds arbitrary bytes to the PNG reader. Small images it accepts must survive our own writer: encoding
// their colours and reading them back gives the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/errors/host_error.h"
#include "platform/pictures/png_reader.h"
#include "platform/pictures/png_writer.h"

namespace {

constexpr size_t kRoundTripLimit = size_t{1} << 16;  // pixels; keeps the fuzzer fast on big images

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vellumar::pictures;
  try {
    const RgbaImage image = DecodePng(std::span<const uint8_t>(data, size));
    const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    if (image.rgba.size() != pixels * 4) std::abort();
    if (pixels > kRoundTripLimit) return 0;
    const vellumar::Bitmap bitmap = RgbaToBitmap(image);
    if (RgbaToBitmap(DecodePng(EncodePng(bitmap))) != bitmap) std::abort();
  } catch (const vellumar::HostError&) {
  }
  return 0;
}
