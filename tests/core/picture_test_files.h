// Builders for the picture files the picture tests read: BMP, ICO and PNG bytes made in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/raster/bitmap.h"

namespace vellumar::picture_testing {

using Bytes = std::vector<uint8_t>;

class ByteWriter {
 public:
  ByteWriter& U8(uint32_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  ByteWriter& U16(uint32_t v) { return U8(v).U8(v >> 8); }
  ByteWriter& U32(uint32_t v) { return U16(v).U16(v >> 16); }
  ByteWriter& Append(const Bytes& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

// What a DIB header and its tables say. Every field is written as given, so tests can lie in any of them.
struct DibSpec {
  uint32_t header_size = 40;
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bit_count = 24;
  uint32_t compression = 0;
  uint32_t colors_used = 0;
  std::vector<uint32_t> palette{};  // ColorRef values
  std::vector<uint32_t> masks{};    // inside a header longer than 40 bytes, else after it
};

// The header, masks and palette of spec (no pixels).
Bytes DibHeaderBytes(const DibSpec& spec);
// A BMP file: file header, DIB header and tables, then pixels at pixel_offset (by default right after the
// tables).
Bytes BuildBmp(const DibSpec& spec, const Bytes& pixels, int64_t pixel_offset = -1);

// Packs rows of palette indices (top row first) at depth bits per pixel, padded to 4 bytes, stored bottom-up
// unless top_down.
Bytes PackIndexRows(const std::vector<std::vector<uint32_t>>& rows, int depth, bool top_down = false);
// Packs rows of raw pixel values of 16, 24 or 32 bits, little-endian, padded to 4 bytes, stored bottom-up
// unless top_down.
Bytes PackValueRows(const std::vector<std::vector<uint32_t>>& rows, int depth, bool top_down = false);

struct IcoEntrySpec {
  uint8_t width = 32;  // 0 stands for 256
  uint8_t height = 32;
  uint16_t bit_count = 24;
  Bytes data{};
  int64_t offset = -1;  // by default placed after the directory and the entries before it
  int64_t size = -1;    // by default data.size()
};
Bytes BuildIco(const std::vector<IcoEntrySpec>& entries);

// An icon DIB entry of 24 bits: colours (top row first) and an AND mask (1 = transparent).
Bytes IconDib24(const std::vector<std::vector<uint32_t>>& colors,
                const std::vector<std::vector<uint32_t>>& mask);
// An icon DIB entry of 32 bits: BGRA values with the alpha in the top byte (0xAARRGGBB as stored), and mask.
Bytes IconDib32(const std::vector<std::vector<uint32_t>>& argb,
                const std::vector<std::vector<uint32_t>>& mask);

struct PngSpec {
  uint32_t width = 1;
  uint32_t height = 1;
  int color_type = 2;  // PNG_COLOR_TYPE_RGB
  int bit_depth = 8;
  bool interlaced = false;
  std::vector<uint8_t> samples{};        // packed rows as libpng takes them (top row first, no filter byte)
  std::vector<uint32_t> palette{};       // ColorRef values, for palette images
  std::vector<uint8_t> palette_alpha{};  // tRNS for palette images
};
Bytes BuildPng(const PngSpec& spec);
// Rewrites the width and height in a PNG's header chunk, with a valid checksum.
Bytes PatchPngSize(Bytes png, uint32_t width, uint32_t height);
// Inserts a chunk of type and data right after the header chunk, with a valid checksum. Its length field
// says declared_length when given, else data.size().
Bytes InsertPngChunk(Bytes png, const std::string& type, const Bytes& data, int64_t declared_length = -1);

// A file of the given bytes under a fresh temporary directory that the object removes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  std::string Write(const std::string& name, const Bytes& bytes) const;
  // Everything below the directory, links not followed, as sorted paths relative to it.
  std::vector<std::string> Entries() const;

 private:
  std::string path_;
};

Bytes ReadFileBytes(const std::string& path);

}  // namespace vellumar::picture_testing
