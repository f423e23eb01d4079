// EncodeBmp: colour bitmaps as 24-bit bottom-up BMP files.
#include <cstdint>
#include <vector>

#include "platform/picture.h"

namespace vellumar {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kPixelsPerMetreAt96Dpi = 3780;

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::vector<uint8_t>& out) : out_(out) {}
  void U8(uint8_t v) { out_.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }

 private:
  std::vector<uint8_t>& out_;
};

// Monochrome bitmaps hold 0 (black) and 1 (white) rather than colours.
ColorRef ColorOf(const Bitmap& bitmap, uint32_t pixel) {
  if (bitmap.format() == PixelFormat::kMono1) return pixel != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
  return pixel;
}

void WriteHeaders(LittleEndianWriter& w, uint32_t width, uint32_t height, uint32_t image_size) {
  w.U8('B');
  w.U8('M');
  w.U32(kFileHeaderSize + kInfoHeaderSize + image_size);
  w.U32(0);  // reserved
  w.U32(kFileHeaderSize + kInfoHeaderSize);
  w.U32(kInfoHeaderSize);
  w.U32(width);
  w.U32(height);
  w.U16(1);  // planes
  w.U16(kBitsPerPixel);
  w.U32(0);  // BI_RGB
  w.U32(image_size);
  w.U32(kPixelsPerMetreAt96Dpi);
  w.U32(kPixelsPerMetreAt96Dpi);
  w.U32(0);  // colours used
  w.U32(0);  // important colours
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap) {
  const size_t width = bitmap.empty() ? 0 : static_cast<size_t>(bitmap.width());
  const size_t height = bitmap.empty() ? 0 : static_cast<size_t>(bitmap.height());
  const size_t stride = (width * 3 + 3) / 4 * 4;
  const size_t image_size = stride * height;
  std::vector<uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + image_size);
  LittleEndianWriter writer(out);
  WriteHeaders(writer, static_cast<uint32_t>(width), static_cast<uint32_t>(height),
               static_cast<uint32_t>(image_size));
  out.resize(out.size() + image_size, 0);
  uint8_t* rows = out.data() + kFileHeaderSize + kInfoHeaderSize;
  for (size_t r = 0; r < height; ++r) {
    const uint32_t* row = bitmap.Row(static_cast<int32_t>(height - 1 - r));
    uint8_t* dest = rows + r * stride;
    for (size_t x = 0; x < width; ++x, dest += 3) {
      const ColorRef c = ColorOf(bitmap, row[x]);
      dest[0] = static_cast<uint8_t>(BlueOf(c));
      dest[1] = static_cast<uint8_t>(GreenOf(c));
      dest[2] = static_cast<uint8_t>(RedOf(c));
    }
  }
  return out;
}

}  // namespace vellumar
