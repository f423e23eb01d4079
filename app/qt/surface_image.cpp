#include "app/qt/surface_image.h"

namespace vellumar {
namespace {

constexpr uint32_t kOpaque = 0xFF000000;

QRgb ToQRgb(ColorRef pixel) {
  return kOpaque | (static_cast<uint32_t>(RedOf(pixel)) << 16) |
         (static_cast<uint32_t>(GreenOf(pixel)) << 8) | static_cast<uint32_t>(BlueOf(pixel));
}

}  // namespace

QImage ToQImage(const Bitmap& bitmap, const QRect& area) {
  const QRect clipped = area.intersected(QRect(0, 0, bitmap.width(), bitmap.height()));
  if (clipped.isEmpty() || bitmap.format() != PixelFormat::kColor32) return QImage();
  QImage image(clipped.size(), QImage::Format_RGB32);
  if (image.isNull()) return QImage();
  for (int y = 0; y < clipped.height(); ++y) {
    const uint32_t* source = bitmap.Row(clipped.top() + y) + clipped.left();
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < clipped.width(); ++x) target[x] = ToQRgb(source[x]);
  }
  return image;
}

}  // namespace vellumar
