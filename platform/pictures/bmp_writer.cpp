// EncodeBmp and WriteBmpTo: colour bitmaps as 24-bit bottom-up BMP files.
#include "platform/pictures/bmp_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kPixelsPerMetreAt96Dpi = 3780;
constexpr size_t kRgbBytes = 3;
constexpr size_t kPiecePixels = 4096;  // pixels converted at a time

class LittleEndianWriter {
 public:
  void U8(uint8_t v) { bytes_[size_++] = v; }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  std::span<const uint8_t> bytes() const { return {bytes_.data(), size_}; }

 private:
  std::array<uint8_t, kFileHeaderSize + kInfoHeaderSize> bytes_{};
  size_t size_ = 0;
};

// Monochrome bitmaps hold 0 (black) and 1 (white) rather than colours.
ColorRef ColorOf(const Bitmap& bitmap, uint32_t pixel) {
  if (bitmap.format() == PixelFormat::kMono1) return pixel != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
  return pixel;
}

void WriteHeaders(const ByteSink& sink, uint32_t width, uint32_t height, uint32_t image_size) {
  LittleEndianWriter w;
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
  sink(w.bytes());
}

// One row as blue, green, red bytes, a piece at a time, then the zeros that pad it to four bytes.
void WriteRow(const ByteSink& sink, const Bitmap& bitmap, const uint32_t* row, size_t width, size_t stride) {
  std::array<uint8_t, kPiecePixels * kRgbBytes> piece{};
  for (size_t from = 0; from < width; from += kPiecePixels) {
    const size_t to = std::min(width, from + kPiecePixels);
    uint8_t* dest = piece.data();
    for (size_t x = from; x < to; ++x, dest += kRgbBytes) {
      const ColorRef c = ColorOf(bitmap, row[x]);
      dest[0] = static_cast<uint8_t>(BlueOf(c));
      dest[1] = static_cast<uint8_t>(GreenOf(c));
      dest[2] = static_cast<uint8_t>(RedOf(c));
    }
    sink(std::span<const uint8_t>(piece.data(), (to - from) * kRgbBytes));
  }
  static constexpr std::array<uint8_t, 3> kPadding{};
  sink(std::span<const uint8_t>(kPadding.data(), stride - width * kRgbBytes));
}

}  // namespace

namespace pictures {

void WriteBmpTo(const Bitmap& bitmap, const ByteSink& sink) {
  const size_t width = bitmap.empty() ? 0 : static_cast<size_t>(bitmap.width());
  const size_t height = bitmap.empty() ? 0 : static_cast<size_t>(bitmap.height());
  const size_t stride = (width * kRgbBytes + 3) / 4 * 4;
  const size_t image_size = stride * height;
  WriteHeaders(sink, static_cast<uint32_t>(width), static_cast<uint32_t>(height),
               static_cast<uint32_t>(image_size));
  for (size_t r = 0; r < height; ++r) {
    WriteRow(sink, bitmap, bitmap.Row(static_cast<int32_t>(height - 1 - r)), width, stride);
  }
}

}  // namespace pictures

std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap) {
  std::vector<uint8_t> out;
  const size_t stride = bitmap.empty() ? 0 : (static_cast<size_t>(bitmap.width()) * kRgbBytes + 3) / 4 * 4;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + stride * static_cast<size_t>(std::max(bitmap.height(), 0)));
  pictures::WriteBmpTo(bitmap, AppendingTo(out));
  return out;
}

}  // namespace vellumar
