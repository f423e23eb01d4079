// Feeds arbitrary bytes to the ICO reader and draws whatever it accepts, at a position taken from the input,
// onto a small surface: the layers must agree in size and drawing must stay inside the surface.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/drawing/device_context.h"
#include "platform/drawing/draw_icon.h"
#include "platform/errors/host_error.h"
#include "platform/pictures/ico_reader.h"
#include "platform/pictures/picture.h"

namespace {

int32_t Coordinate(const uint8_t* data, size_t size, size_t at) {
  if (size < at + 2) return 0;
  return static_cast<int8_t>(data[at]) * 4 + static_cast<int8_t>(data[at + 1]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    vellumar::IconImage icon = vellumar::pictures::DecodeIco(std::span<const uint8_t>(data, size));
    const size_t pixels = icon.color.pixels().size();
    if (icon.mask.width() != icon.color.width() || icon.mask.height() != icon.color.height()) std::abort();
    if (!icon.alpha.empty() && icon.alpha.size() != pixels) std::abort();
    const vellumar::StdPictureRef picture = vellumar::StdPicture::FromIcon(std::move(icon));
    vellumar::Bitmap surface(40, 40);
    vellumar::DeviceContext dc(&surface);
    vellumar::DrawIcon(dc, Coordinate(data, size, size - 2), Coordinate(data, size, size - 4), *picture);
  } catch (const vellumar::HostError&) {
  }
  return 0;
}
