#include "platform/pictures/icon_drawing.h"

#include <algorithm>

#include "platform/geometry.h"

namespace vellumar::pictures {
namespace {

constexpr uint32_t kOpaque = 255;
constexpr ColorRef kWhite = 0xFFFFFF;

uint32_t BlendChannel(int source, int dest, uint32_t alpha) {
  return (static_cast<uint32_t>(source) * alpha + static_cast<uint32_t>(dest) * (kOpaque - alpha) +
          kOpaque / 2) /
         kOpaque;
}

ColorRef Blend(ColorRef source, ColorRef dest, uint32_t alpha) {
  return Rgb(static_cast<int>(BlendChannel(RedOf(source), RedOf(dest), alpha)),
             static_cast<int>(BlendChannel(GreenOf(source), GreenOf(dest), alpha)),
             static_cast<int>(BlendChannel(BlueOf(source), BlueOf(dest), alpha)));
}

// The icon's layers, with a mask or alpha of the wrong size ignored rather than read out of bounds.
struct IconLayers {
  explicit IconLayers(const IconImage& icon)
      : color(icon.color),
        mask(icon.mask.width() == icon.color.width() && icon.mask.height() == icon.color.height() &&
                     !icon.mask.empty()
                 ? &icon.mask
                 : nullptr),
        alpha(icon.alpha.size() == icon.color.pixels().size() && !icon.alpha.empty() ? icon.alpha.data()
                                                                                     : nullptr) {}

  // Whether pixel (x, y) is drawn, and with which alpha.
  uint32_t AlphaAt(int32_t x, int32_t y) const {
    if (alpha != nullptr) return alpha[static_cast<size_t>(y) * static_cast<size_t>(color.width()) + x];
    if (mask != nullptr && mask->Pixel(x, y) != 0) return 0;
    return kOpaque;
  }

  const Bitmap& color;
  const Bitmap* mask;
  const uint8_t* alpha;
};

class TargetWriter {
 public:
  TargetWriter(Bitmap& target, ColorRef mono_background)
      : target_(target), mono_(target.format() == PixelFormat::kMono1), mono_background_(mono_background) {}

  void Put(int32_t x, int32_t y, ColorRef source, uint32_t alpha) {
    if (alpha == 0) return;
    const ColorRef out = alpha >= kOpaque ? source : Blend(source, Read(x, y), alpha);
    target_.SetPixel(x, y, mono_ ? (out == mono_background_ ? 1u : 0u) : out);
  }

 private:
  ColorRef Read(int32_t x, int32_t y) const {
    const uint32_t pixel = target_.Pixel(x, y);
    if (mono_) return pixel != 0 ? kWhite : 0;
    return pixel;
  }

  Bitmap& target_;
  bool mono_;
  ColorRef mono_background_;
};

}  // namespace

void DrawIconImage(Bitmap& target, const Rect& bounds, int32_t x, int32_t y, int32_t width, int32_t height,
                   const IconImage& icon, ColorRef mono_background) {
  if (icon.color.empty() || target.empty() || width <= 0 || height <= 0) return;
  const IconLayers layers(icon);
  const Rect area = Intersect(Rect{x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)},
                              Intersect(bounds, Rect{0, 0, target.width(), target.height()}));
  TargetWriter writer(target, mono_background);
  for (int32_t ty = area.top; ty < area.bottom; ++ty) {
    const auto sy = static_cast<int32_t>((int64_t{ty} - y) * icon.color.height() / height);
    for (int32_t tx = area.left; tx < area.right; ++tx) {
      const auto sx = static_cast<int32_t>((int64_t{tx} - x) * icon.color.width() / width);
      writer.Put(tx, ty, icon.color.Pixel(sx, sy), layers.AlphaAt(sx, sy));
    }
  }
}

Bitmap IconOnBackground(const IconImage& icon, int32_t width, int32_t height, ColorRef background) {
  Bitmap bitmap(width, height);
  std::vector<uint32_t>& pixels = bitmap.pixels();
  std::fill(pixels.begin(), pixels.end(), background);
  DrawIconImage(bitmap, Rect{0, 0, width, height}, 0, 0, width, height, icon, background);
  return bitmap;
}

}  // namespace vellumar::pictures
