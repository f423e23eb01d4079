#include "platform/pictures/dib_reader.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace vellumar::pictures {
namespace {

bool IsInfoHeaderSize(uint32_t size) {
  return size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

bool UsesMasks(uint32_t compression) {
  return compression == kBiBitfields || compression == kBiAlphaBitfields;
}

// Masks of BI_RGB images, so that 16- and 32-bit pixels take one path whatever their compression.
void SetDefaultMasks(DibHeader& header) {
  if (header.bit_count == 16) header.masks = {0x7C00, 0x03E0, 0x001F};
  if (header.bit_count == 32) header.masks = {0xFF0000, 0x00FF00, 0x0000FF};
}

DibHeader ReadCoreHeader(ByteReader& reader, DibHeader header) {
  header.width = reader.U16();
  header.height = reader.U16();
  reader.Skip(2);  // planes
  header.bit_count = reader.U16();
  const uint16_t depth = header.bit_count;
  if (header.width == 0 || header.height == 0) ThrowInvalidPicture();
  if (depth != 1 && depth != 4 && depth != 8 && depth != 24) ThrowInvalidPicture();
  return header;
}

// The masks of a bit-field image: inside a header longer than 40 bytes, else right after it.
void ReadMasks(ByteReader& reader, size_t header_start, DibHeader& header) {
  if (header.header_size > kInfoHeaderSize) {
    reader.Seek(header_start + kInfoHeaderSize);
  }
  for (uint32_t& mask : header.masks) mask = reader.U32();
  if (header.header_size == kInfoHeaderSize && header.compression == kBiAlphaBitfields) reader.Skip(4);
}

void ValidateInfoHeader(DibHeader& header, int32_t stored_height) {
  const uint16_t depth = header.bit_count;
  if (header.width <= 0) ThrowInvalidPicture();
  if (stored_height == 0 || stored_height == std::numeric_limits<int32_t>::min()) ThrowInvalidPicture();
  header.top_down = stored_height < 0;
  header.height = header.top_down ? -stored_height : stored_height;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
    ThrowInvalidPicture();
  }
  switch (header.compression) {
    case kBiRgb:
      return;
    case kBiRle8:
      if (depth != 8 || header.top_down) ThrowInvalidPicture();
      return;
    case kBiRle4:
      if (depth != 4 || header.top_down) ThrowInvalidPicture();
      return;
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (depth != 16 && depth != 32) ThrowInvalidPicture();
      return;
    default:
      ThrowInvalidPicture();
  }
}

DibHeader ReadInfoHeader(ByteReader& reader, DibHeader header) {
  const size_t header_start = reader.position() - 4;
  header.width = reader.I32();
  const int32_t stored_height = reader.I32();
  reader.Skip(2);  // planes
  header.bit_count = reader.U16();
  header.compression = reader.U32();
  reader.Skip(12);  // image size and resolution
  header.colors_used = reader.U32();
  reader.Skip(4);  // important colours
  ValidateInfoHeader(header, stored_height);
  SetDefaultMasks(header);
  if (UsesMasks(header.compression)) ReadMasks(reader, header_start, header);
  if (header.header_size > kInfoHeaderSize) reader.Seek(header_start + header.header_size);
  return header;
}

// One colour channel of a 16- or 32-bit pixel, scaled from the width of its mask to 8 bits.
class Channel {
 public:
  explicit Channel(uint32_t mask)
      : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask == 0 ? 0 : mask >> shift_) {}

  uint32_t Extract(uint32_t pixel) const {
    if (max_ == 0) return 0;
    const uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<uint32_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_;
  uint32_t max_;
};

struct MaskedFormat {
  Channel red, green, blue;
  ColorRef Color(uint32_t pixel) const {
    return Rgb(static_cast<int>(red.Extract(pixel)), static_cast<int>(green.Extract(pixel)),
               static_cast<int>(blue.Extract(pixel)));
  }
};

void DecodeIndexedRow(std::span<const uint8_t> row, uint16_t depth, std::span<const ColorRef> palette,
                      uint32_t* out, int32_t width) {
  const uint32_t index_mask = (1u << depth) - 1;
  for (int32_t x = 0; x < width; ++x) {
    const uint64_t bit = static_cast<uint64_t>(x) * depth;
    const unsigned shift = 8 - depth - static_cast<unsigned>(bit & 7);
    const uint32_t index = (row[static_cast<size_t>(bit >> 3)] >> shift) & index_mask;
    out[x] = index < palette.size() ? palette[index] : 0;
  }
}

void DecodeMaskedRow(std::span<const uint8_t> row, uint16_t depth, const MaskedFormat& format, uint32_t* out,
                     int32_t width) {
  const size_t bytes = depth / 8;
  for (int32_t x = 0; x < width; ++x) {
    const uint8_t* p = row.data() + static_cast<size_t>(x) * bytes;
    uint32_t pixel = uint32_t{p[0]} | (uint32_t{p[1]} << 8);
    if (depth == 32) pixel |= (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
    out[x] = format.Color(pixel);
  }
}

void DecodeRgbRow(std::span<const uint8_t> row, uint32_t* out, int32_t width) {
  for (int32_t x = 0; x < width; ++x) {
    const uint8_t* p = row.data() + static_cast<size_t>(x) * 3;
    out[x] = Rgb(p[2], p[1], p[0]);
  }
}

std::span<const uint8_t> CheckedRows(const DibHeader& header, std::span<const uint8_t> pixels) {
  CheckPictureDimensions(header.width, header.height);
  return SubSpan(pixels, 0, DibStride(header.width, header.bit_count) * static_cast<uint64_t>(header.height));
}

}  // namespace

DibHeader ReadDibHeader(ByteReader& reader) {
  DibHeader header;
  header.header_size = reader.U32();
  if (header.header_size == kCoreHeaderSize) return ReadCoreHeader(reader, header);
  if (!IsInfoHeaderSize(header.header_size)) ThrowInvalidPicture();
  return ReadInfoHeader(reader, header);
}

std::vector<ColorRef> ReadPalette(ByteReader& reader, const DibHeader& header) {
  const uint64_t entry_size = header.header_size == kCoreHeaderSize ? 3 : 4;
  if (header.bit_count > 8) {
    reader.Skip(header.colors_used * entry_size);
    return {};
  }
  const uint32_t full = 1u << header.bit_count;
  const uint32_t stored = header.colors_used == 0 ? full : header.colors_used;
  const uint32_t used = std::min(stored, full);
  std::span<const uint8_t> table = reader.Bytes(used * entry_size);
  reader.Skip(uint64_t{stored - used} * entry_size);
  std::vector<ColorRef> palette(used);
  for (uint32_t i = 0; i < used; ++i) {
    const uint8_t* entry = table.data() + i * entry_size;
    palette[i] = Rgb(entry[2], entry[1], entry[0]);
  }
  return palette;
}

uint64_t DibStride(int32_t width, uint16_t bit_count) {
  return (static_cast<uint64_t>(width) * bit_count + 31) / 32 * 4;
}

Bitmap DecodeDibPixels(const DibHeader& header, std::span<const ColorRef> palette,
                       std::span<const uint8_t> pixels) {
  std::span<const uint8_t> rows = CheckedRows(header, pixels);
  const size_t stride = static_cast<size_t>(DibStride(header.width, header.bit_count));
  const MaskedFormat format{Channel(header.masks[0]), Channel(header.masks[1]), Channel(header.masks[2])};
  Bitmap bitmap(header.width, header.height);
  for (int32_t r = 0; r < header.height; ++r) {
    std::span<const uint8_t> row = rows.subspan(static_cast<size_t>(r) * stride, stride);
    uint32_t* out = bitmap.Row(DibRowToY(header, r));
    if (header.bit_count <= 8) {
      DecodeIndexedRow(row, header.bit_count, palette, out, header.width);
    } else if (header.bit_count == 24) {
      DecodeRgbRow(row, out, header.width);
    } else {
      DecodeMaskedRow(row, header.bit_count, format, out, header.width);
    }
  }
  return bitmap;
}

std::vector<uint8_t> DecodeDibAlpha(const DibHeader& header, std::span<const uint8_t> pixels) {
  if (header.bit_count != 32) return {};
  std::span<const uint8_t> rows = CheckedRows(header, pixels);
  const size_t width = static_cast<size_t>(header.width);
  std::vector<uint8_t> alpha(width * static_cast<size_t>(header.height));
  for (int32_t r = 0; r < header.height; ++r) {
    const uint8_t* row = rows.data() + static_cast<size_t>(r) * width * 4;
    uint8_t* out = alpha.data() + static_cast<size_t>(DibRowToY(header, r)) * width;
    for (size_t x = 0; x < width; ++x) out[x] = row[x * 4 + 3];
  }
  return alpha;
}

}  // namespace vellumar::pictures
