// Picture files for the page tests, written into a scratch directory that is removed afterwards.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/pictures/picture.h"
#include "platform/raster/bitmap.h"

namespace vellumar::testing {

using Bytes = std::vector<uint8_t>;

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vellumar-pages-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string Write(const std::string& name, const Bytes& bytes) const {
    const std::string file = path_ + "/" + name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::string path_;
};

inline void PutU16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(Bytes& out, uint32_t v) {
  PutU16(out, v);
  PutU16(out, v >> 16);
}

inline constexpr int32_t kIconSide = 32;
inline constexpr ColorRef kIconRed = 0x0000FF;

// A 32 x 32 icon of 24 bits: red, with its left half transparent.
inline Bytes IconFileBytes() {
  constexpr uint32_t kRowBytes = kIconSide * 3;
  constexpr uint32_t kMaskRowBytes = 4;
  constexpr uint32_t kDibSize = 40 + kIconSide * (kRowBytes + kMaskRowBytes);
  Bytes out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, 1);
  out.push_back(kIconSide);
  out.push_back(kIconSide);
  out.push_back(0);
  out.push_back(0);
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, kDibSize);
  PutU32(out, 22);
  PutU32(out, 40);
  PutU32(out, kIconSide);
  PutU32(out, kIconSide * 2);
  PutU16(out, 1);
  PutU16(out, 24);
  for (int i = 0; i < 6; ++i) PutU32(out, 0);
  for (int32_t row = 0; row < kIconSide; ++row) {
    for (int32_t x = 0; x < kIconSide; ++x) {
      out.push_back(0);  // blue
      out.push_back(0);  // green
      out.push_back(0xFF);
    }
  }
  for (int32_t row = 0; row < kIconSide; ++row) {
    out.insert(out.end(), {0xFF, 0xFF, 0x00, 0x00});  // left 16 pixels transparent
  }
  return out;
}

// A 24-bit BMP file of width x height pixels of one colour.
inline Bytes BitmapFileBytes(int32_t width, int32_t height, ColorRef color) {
  Bitmap bitmap(width, height);
  for (uint32_t& pixel : bitmap.pixels()) pixel = color;
  return EncodeBmp(bitmap);
}

}  // namespace vellumar::testing
