// A bitmap: a 32-bit colour pixel buffer or a 1-bit monochrome mask, with a hard size limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/ole_color.h"
#include "platform/vellumar_export.h"

namespace vellumar {

enum class PixelFormat { kColor32, kMono1 };

class VELLUMAR_CORE_EXPORT Bitmap {
 public:
  // Largest number of pixels one bitmap may hold (256 MiB of colour pixels).
  static constexpr int64_t kMaxPixels = int64_t{1} << 26;

  // An empty 0 x 0 colour bitmap.
  Bitmap() = default;
  // A bitmap of the given size, every pixel 0 (black). A width or height of 0 or below gives an empty bitmap;
  // a size above kMaxPixels throws HostError 7 (out of memory) and allocates nothing.
  Bitmap(int32_t width, int32_t height, PixelFormat format = PixelFormat::kColor32);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  PixelFormat format() const { return format_; }
  bool empty() const { return width_ == 0 || height_ == 0; }

  // Colour bitmaps hold ColorRef values (0x00BBGGRR); monochrome ones hold 0 (black) or 1 (white).
  // Callers check bounds; Contains() says whether a point lies inside.
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  uint32_t Pixel(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int32_t x, int32_t y, uint32_t value) { pixels_[Index(x, y)] = value; }
  uint32_t* Row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  const uint32_t* Row(int32_t y) const {
    return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
  }
  std::vector<uint32_t>& pixels() { return pixels_; }
  const std::vector<uint32_t>& pixels() const { return pixels_; }

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  size_t Index(int32_t x, int32_t y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }

  int32_t width_ = 0;
  int32_t height_ = 0;
  PixelFormat format_ = PixelFormat::kColor32;
  std::vector<uint32_t> pixels_;
};

}  // namespace vellumar
