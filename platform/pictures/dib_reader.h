// Device-independent bitmaps, the image inside BMP files and ICO entries: the info header, the palette and
// the uncompressed pixel rows (1, 4, 8, 16, 24 and 32 bits, with or without bit-field masks).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/pictures/byte_reader.h"
#include "platform/raster/bitmap.h"

namespace vellumar::pictures {

enum DibCompression : uint32_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitfields = 3,
  kBiAlphaBitfields = 6,
};

inline constexpr uint32_t kCoreHeaderSize = 12;
inline constexpr uint32_t kInfoHeaderSize = 40;

struct DibHeader {
  uint32_t header_size = 0;  // 12 (core), 40, 52, 56, 108 (V4) or 124 (V5)
  int32_t width = 0;         // above 0
  int32_t height = 0;        // rows, above 0, whatever the stored sign
  bool top_down = false;     // a negative stored height: the first row in the file is the top one
  uint16_t bit_count = 0;    // 1, 4, 8, 16, 24 or 32
  uint32_t compression = kBiRgb;
  uint32_t colors_used = 0;         // palette entries stored; 0 means 2^bit_count for up to 8 bits
  std::array<uint32_t, 3> masks{};  // red, green and blue masks of 16- and 32-bit pixels
};

// Reads the header at the reader's position, and the masks that follow a 40-byte header of a bit-field
// image, leaving the reader at the palette. Refuses (HostError 481) unknown header sizes, bit depths and
// compressions, combinations that do not go together, zero or negative widths and a zero height or one of
// INT32_MIN. It does not check the pixel count; CheckPictureDimensions does that before pixels are made.
DibHeader ReadDibHeader(ByteReader& reader);

// Reads the palette of an image of up to 8 bits (none for deeper images) at the reader's position: 3-byte
// entries after a core header, 4-byte entries otherwise, colors_used of them (at most 2^bit_count).
std::vector<ColorRef> ReadPalette(ByteReader& reader, const DibHeader& header);

// Bytes per stored row: whole 32-bit words.
uint64_t DibStride(int32_t width, uint16_t bit_count);

// Turns uncompressed or bit-field rows into a colour bitmap. pixels must hold every row; a shorter span is
// refused. Indices past the end of the palette give black.
Bitmap DecodeDibPixels(const DibHeader& header, std::span<const ColorRef> palette,
                       std::span<const uint8_t> pixels);

// The 4th byte of each 32-bit pixel, in the bitmap's top-down row order.
std::vector<uint8_t> DecodeDibAlpha(const DibHeader& header, std::span<const uint8_t> pixels);

// The bitmap row that stored row r (0 = first in the file) belongs to.
inline int32_t DibRowToY(const DibHeader& header, int32_t r) {
  return header.top_down ? r : header.height - 1 - r;
}

}  // namespace vellumar::pictures
