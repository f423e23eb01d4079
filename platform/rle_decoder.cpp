#include "platform/rle_decoder.h"

namespace vellumar::pictures {
namespace {

constexpr uint8_t kEscape = 0;
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

// Writes decoded palette indices into the bitmap, walking rows from the bottom up as the runs do.
class RlePainter {
 public:
  RlePainter(Bitmap& bitmap, std::span<const ColorRef> palette) : bitmap_(bitmap), palette_(palette) {}

  bool Done() const { return row_ >= bitmap_.height(); }
  void Put(uint32_t index) {
    if (!Done() && x_ < bitmap_.width()) {
      bitmap_.SetPixel(x_, bitmap_.height() - 1 - row_, index < palette_.size() ? palette_[index] : 0);
    }
    if (x_ < bitmap_.width()) ++x_;
  }
  void EndLine() {
    x_ = 0;
    ++row_;
  }
  void Move(uint8_t dx, uint8_t dy) {
    x_ += dx;
    if (x_ > bitmap_.width()) x_ = bitmap_.width();
    row_ += dy;
  }
  void End() { row_ = bitmap_.height(); }

 private:
  Bitmap& bitmap_;
  std::span<const ColorRef> palette_;
  int32_t x_ = 0;
  int32_t row_ = 0;  // counted from the bottom
};

// The index of pixel i of a run whose byte is value: 8-bit runs repeat it, 4-bit runs alternate its nibbles.
uint32_t RunIndex(uint8_t value, int i, uint16_t depth) {
  if (depth == 8) return value;
  return (i % 2 == 0) ? (value >> 4) : (value & 0x0F);
}

// Absolute mode: count literal indices, padded to a 16-bit boundary.
void CopyLiterals(ByteReader& reader, RlePainter& painter, int count, uint16_t depth) {
  const uint64_t bytes = depth == 8 ? static_cast<uint64_t>(count) : (static_cast<uint64_t>(count) + 1) / 2;
  std::span<const uint8_t> literal = reader.Bytes(bytes);
  for (int i = 0; i < count; ++i) {
    painter.Put(depth == 8 ? literal[static_cast<size_t>(i)]
                           : RunIndex(literal[static_cast<size_t>(i / 2)], i, 4));
  }
  if (bytes % 2 != 0) reader.Skip(1);
}

// Handles one escape; returns false at the end of the bitmap.
bool Escape(ByteReader& reader, RlePainter& painter, uint8_t code, uint16_t depth) {
  switch (code) {
    case kEndOfLine:
      painter.EndLine();
      return true;
    case kEndOfBitmap:
      painter.End();
      return false;
    case kDelta: {
      const uint8_t dx = reader.U8();
      const uint8_t dy = reader.U8();
      painter.Move(dx, dy);
      return true;
    }
    default:
      CopyLiterals(reader, painter, code, depth);
      return true;
  }
}

}  // namespace

Bitmap DecodeRle(const DibHeader& header, std::span<const ColorRef> palette, std::span<const uint8_t> data) {
  CheckPictureDimensions(header.width, header.height);
  Bitmap bitmap(header.width, header.height);
  RlePainter painter(bitmap, palette);
  ByteReader reader(data);
  while (!painter.Done()) {
    const uint8_t count = reader.U8();
    const uint8_t value = reader.U8();
    if (count == kEscape) {
      if (!Escape(reader, painter, value, header.bit_count)) break;
      continue;
    }
    for (int i = 0; i < count; ++i) painter.Put(RunIndex(value, i, header.bit_count));
  }
  return bitmap;
}

}  // namespace vellumar::pictures
