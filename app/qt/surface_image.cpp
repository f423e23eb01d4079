#include "app/qt/surface_image.h"

namespace vellumar {
namespace {

constexpr uint32_t kOpaque = 0xFF000000;

QRgb ToQRgb(ColorRef pixel) {
  return kOpaque | (static_cast<uint32_t>(RedOf(pixel)) << 16) |
         (static_cast<uint32_t>(GreenOf(pixel)) << 8) | static_cast<uint32_t>(BlueOf(pixel));
}

}  // namespace

void CopyIntoImage(const Bitmap& bitmap, const Rect& area, QImage& image) {
  if (bitmap.format() != PixelFormat::kColor32 || image.format() != QImage::Format_RGB32) return;
  const Rect clipped = Intersect(area, Intersect(Rect{0, 0, bitmap.width(), bitmap.height()},
                                                 Rect{0, 0, image.width(), image.height()}));
  for (int32_t y = clipped.top; y < clipped.bottom; ++y) {
    const uint32_t* source = bitmap.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int32_t x = clipped.left; x < clipped.right; ++x) target[x] = ToQRgb(source[x]);
  }
}

}  // namespace vellumar
