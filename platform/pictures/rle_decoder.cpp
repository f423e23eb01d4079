#include "platform/pictures/rle_decoder.h"

#include <algorithm>

namespace vellumar::pictures {
namespace {

constexpr uint8_t kEscape = 0;
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

// Writes decoded palette indices into the bitmap, walking rows from the bottom up as the runs do. A run
// costs only the pixels it leaves inside the row: what lies past the right edge is never walked, so a file
// of many long runs over a small bitmap decodes in time bounded by the file and the bitmap, not by the
// lengths the runs claim.
class RlePainter {
 public:
  RlePainter(Bitmap& bitmap, std::span<const ColorRef> palette) : bitmap_(bitmap), palette_(palette) {}

  bool Done() const { return row_ >= bitmap_.height(); }

  // Paints pixels 0 .. count - 1 of a run, index_of(i) giving pixel i's palette index, as far as the row
  // reaches; the position stops at the right edge.
  template <typename IndexOf>
  void Paint(int count, IndexOf index_of) {
    if (Done()) return;
    const int visible = static_cast<int>(std::min<int64_t>(count, bitmap_.width() - x_));
    uint32_t* row = bitmap_.Row(bitmap_.height() - 1 - row_) + x_;
    for (int i = 0; i < visible; ++i) row[i] = ColorOf(index_of(i));
    x_ += visible;
  }
  void EndLine() {
    x_ = 0;
    ++row_;
  }
  void Move(uint8_t dx, uint8_t dy) {
    x_ = std::min(x_ + dx, bitmap_.width());
    row_ += dy;
  }
  void End() { row_ = bitmap_.height(); }

 private:
  ColorRef ColorOf(uint32_t index) const { return index < palette_.size() ? palette_[index] : 0; }

  Bitmap& bitmap_;
  std::span<const ColorRef> palette_;
  int32_t x_ = 0;    // 0 .. width
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
  painter.Paint(count, [&](int i) {
    return depth == 8 ? literal[static_cast<size_t>(i)] : RunIndex(literal[static_cast<size_t>(i / 2)], i, 4);
  });
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
    painter.Paint(count, [&](int i) { return RunIndex(value, i, header.bit_count); });
  }
  return bitmap;
}

}  // namespace vellumar::pictures
