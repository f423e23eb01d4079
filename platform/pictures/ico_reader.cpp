#include "platform/pictures/ico_reader.h"

#include <algorithm>
#include <cstdlib>

#include "platform/pictures/byte_reader.h"
#include "platform/pictures/dib_reader.h"
#include "platform/pictures/png_reader.h"

namespace vellumar::pictures {
namespace {

constexpr uint16_t kIconType = 1;
constexpr int32_t kFullSizeEntry = 256;  // stored as 0 in the one-byte size fields

struct IcoEntry {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bits = 0;
  uint32_t size = 0;
  uint32_t offset = 0;
};

int32_t EntrySide(uint8_t stored) {
  return stored == 0 ? kFullSizeEntry : stored;
}

// Old files leave the bit count 0 and give the number of colours instead.
int32_t EntryBits(uint16_t bit_count, uint8_t colors) {
  if (bit_count != 0) return bit_count;
  if (colors == 2) return 1;
  if (colors == 16) return 4;
  return 8;
}

IcoEntry ReadEntry(ByteReader& reader) {
  IcoEntry entry;
  entry.width = EntrySide(reader.U8());
  entry.height = EntrySide(reader.U8());
  const uint8_t colors = reader.U8();
  reader.Skip(3);  // reserved, planes
  entry.bits = EntryBits(reader.U16(), colors);
  entry.size = reader.U32();
  entry.offset = reader.U32();
  return entry;
}

bool Better(const IcoEntry& a, const IcoEntry& b, int32_t side) {
  const auto distance = [side](const IcoEntry& e) {
    return std::abs(e.width - side) + std::abs(e.height - side);
  };
  if (distance(a) != distance(b)) return distance(a) < distance(b);
  if (a.bits != b.bits) return a.bits > b.bits;
  return a.width * a.height > b.width * b.height;
}

Bitmap DecodeMask(const DibHeader& xor_header, std::span<const uint8_t> bytes) {
  const uint64_t stride = DibStride(xor_header.width, 1);
  std::span<const uint8_t> rows = SubSpan(bytes, 0, stride * static_cast<uint64_t>(xor_header.height));
  Bitmap mask(xor_header.width, xor_header.height, PixelFormat::kMono1);
  for (int32_t r = 0; r < xor_header.height; ++r) {
    const uint8_t* row = rows.data() + static_cast<size_t>(r) * static_cast<size_t>(stride);
    const int32_t y = DibRowToY(xor_header, r);
    for (int32_t x = 0; x < xor_header.width; ++x) mask.SetPixel(x, y, (row[x / 8] >> (7 - x % 8)) & 1u);
  }
  return mask;
}

Bitmap MaskFromAlpha(int32_t width, int32_t height, const std::vector<uint8_t>& alpha) {
  Bitmap mask(width, height, PixelFormat::kMono1);
  std::vector<uint32_t>& bits = mask.pixels();
  for (size_t i = 0; i < alpha.size() && i < bits.size(); ++i) bits[i] = alpha[i] == 0 ? 1 : 0;
  return mask;
}

// The XOR image is stored at twice its height, the AND mask taking the other half.
DibHeader ReadIconDibHeader(ByteReader& reader) {
  DibHeader header = ReadDibHeader(reader);
  if (header.compression != kBiRgb || header.top_down) ThrowInvalidPicture();
  header.height /= 2;
  CheckPictureDimensions(header.width, header.height);
  return header;
}

IconImage IconFromDib(std::span<const uint8_t> data) {
  ByteReader reader(data);
  const DibHeader header = ReadIconDibHeader(reader);
  const std::vector<ColorRef> palette = ReadPalette(reader, header);
  std::span<const uint8_t> pixels = data.subspan(reader.position());
  IconImage icon;
  icon.color = DecodeDibPixels(header, palette, pixels);
  icon.alpha = DecodeDibAlpha(header, pixels);
  if (std::all_of(icon.alpha.begin(), icon.alpha.end(), [](uint8_t a) { return a == 0; })) icon.alpha.clear();
  const uint64_t xor_size = DibStride(header.width, header.bit_count) * static_cast<uint64_t>(header.height);
  std::span<const uint8_t> mask_bytes = pixels.subspan(static_cast<size_t>(xor_size));
  const bool mask_missing =
      mask_bytes.size() < DibStride(header.width, 1) * static_cast<uint64_t>(header.height);
  icon.mask = mask_missing && !icon.alpha.empty() ? MaskFromAlpha(header.width, header.height, icon.alpha)
                                                  : DecodeMask(header, mask_bytes);
  return icon;
}

IconImage IconFromPng(std::span<const uint8_t> data) {
  const RgbaImage image = DecodePng(data);
  IconImage icon;
  icon.color = RgbaToBitmap(image);
  icon.alpha = RgbaAlpha(image);
  icon.mask = MaskFromAlpha(image.width, image.height, icon.alpha);
  return icon;
}

}  // namespace

bool HasIcoSignature(std::span<const uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == kIconType && bytes[3] == 0;
}

IconImage DecodeIco(std::span<const uint8_t> file, int32_t side) {
  if (!HasIcoSignature(file)) ThrowInvalidPicture();
  ByteReader reader(file);
  reader.Skip(4);
  const uint16_t count = reader.U16();
  if (count == 0) ThrowInvalidPicture();
  IcoEntry best = ReadEntry(reader);
  for (uint16_t i = 1; i < count; ++i) {
    const IcoEntry entry = ReadEntry(reader);
    if (Better(entry, best, side)) best = entry;
  }
  std::span<const uint8_t> data = SubSpan(file, best.offset, best.size);
  if (data.empty()) ThrowInvalidPicture();
  return HasPngSignature(data) ? IconFromPng(data) : IconFromDib(data);
}

}  // namespace vellumar::pictures
