#include "render/transparent_compose.h"

#include <algorithm>

namespace vellumar {
namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;
// Colours compare on their RGB part only, as the colour-to-monochrome conversion of BitBlt does.
constexpr ColorRef kRgbBits = 0xFFFFFF;

// One source row: which bitmap row (if any) covers it and whether the backdrop does.
struct SourceRow {
  const uint32_t* pixels = nullptr;
  bool in_backdrop_rows = false;
};

class SourceSampler {
 public:
  explicit SourceSampler(const TransparentSource& source) : source_(source) {
    const Bitmap* bitmap = source.bitmap;
    if (bitmap != nullptr && !bitmap->empty()) bitmap_ = bitmap;
    mono_ = bitmap_ != nullptr && bitmap_->format() == PixelFormat::kMono1;
  }

  SourceRow Row(int64_t y) const {
    SourceRow row;
    if (bitmap_ != nullptr && y >= 0 && y < bitmap_->height())
      row.pixels = bitmap_->Row(static_cast<int32_t>(y));
    row.in_backdrop_rows = y >= source_.backdrop.top && y < source_.backdrop.bottom;
    return row;
  }

  ColorRef At(const SourceRow& row, int64_t x) const {
    if (row.pixels != nullptr && x >= 0 && x < bitmap_->width()) {
      const uint32_t value = row.pixels[x];
      if (!mono_) return value;
      return (value == 0 ? source_.zero_color : source_.one_color) & kRgbBits;
    }
    if (row.in_backdrop_rows && x >= source_.backdrop.left && x < source_.backdrop.right) {
      return source_.backdrop_color;
    }
    return kBlack;
  }

 private:
  const TransparentSource& source_;
  const Bitmap* bitmap_ = nullptr;
  bool mono_ = false;
};

// One axis from destination pixels to source pixels.
struct AxisMapping {
  int64_t dest_origin;    // the destination pixel of the area's first logical pixel
  int64_t source_origin;  // the source pixel of the same
  ComposeScale scale;

  int64_t SourceOf(int64_t d) const {
    if (scale.dest == scale.source) return source_origin + (d - dest_origin);
    return source_origin + (d - dest_origin) * scale.source / scale.dest;
  }
};

// The area's pixels in dest, within dest_bounds and dest; the products stay far inside 64 bits.
Rect DestArea(const Bitmap& dest, const Rect& dest_bounds, int32_t x, int32_t y, int32_t width,
              int32_t height, int64_t scale) {
  const Rect within = Intersect(dest_bounds, Rect{0, 0, dest.width(), dest.height()});
  const auto cut = [](int64_t value, int32_t low, int32_t high) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, low, high));
  };
  return Rect{cut(int64_t{x} * scale, within.left, within.right),
              cut(int64_t{y} * scale, within.top, within.bottom),
              cut((int64_t{x} + width) * scale, within.left, within.right),
              cut((int64_t{y} + height) * scale, within.top, within.bottom)};
}

}  // namespace

void ComposeTransparent(Bitmap* dest, const Rect& dest_bounds, int32_t x_dest, int32_t y_dest, int32_t width,
                        int32_t height, const TransparentSource& source, int32_t x_src, int32_t y_src,
                        ColorRef mask, ComposeScale scale) {
  mask &= kRgbBits;
  if (dest == nullptr || dest->empty() || width <= 0 || height <= 0) return;
  const Rect clip = DestArea(*dest, dest_bounds, x_dest, y_dest, width, height, scale.dest);
  if (clip.IsEmpty()) return;

  const SourceSampler sampler(source);
  const bool mono_dest = dest->format() == PixelFormat::kMono1;
  const AxisMapping columns{int64_t{x_dest} * scale.dest, int64_t{x_src} * scale.source, scale};
  const AxisMapping rows{int64_t{y_dest} * scale.dest, int64_t{y_src} * scale.source, scale};
  for (int32_t y = clip.top; y < clip.bottom; ++y) {
    const SourceRow row = sampler.Row(rows.SourceOf(y));
    uint32_t* out = dest->Row(y);
    for (int32_t x = clip.left; x < clip.right; ++x) {
      const ColorRef color = sampler.At(row, columns.SourceOf(x));
      if ((color & kRgbBits) == mask) continue;
      out[x] = mono_dest ? ((color & kRgbBits) == kWhite ? 1u : 0u) : color;
    }
  }
}

}  // namespace vellumar
