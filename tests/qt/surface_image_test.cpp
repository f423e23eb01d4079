// DrawBitmap against a pixel-by-pixel reference: random bitmaps drawn at random places, scales and sources,
// into an opaque image and into a transparent one, where a pixel that kept the bitmap's zero fourth byte
// would show as transparency.
#include "app/qt/surface_image.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <algorithm>
#include <random>

#include "platform/raster/bitmap.h"

namespace vellumar {
namespace {

constexpr int kCanvasWidth = 24;  // logical pixels
constexpr int kCanvasHeight = 16;
constexpr QRgb kOpaqueBackground = 0xFF123456;

struct Drawing {
  Bitmap bitmap;
  QRect target;
  QPoint source;
  int scale = 1;
};

// The colour the canvas pixel at device (x, y) should have after the drawing, or background where the
// drawing does not reach: whole logical pixels of target, as far as the bitmap has pixels for them.
QRgb Expected(const Drawing& d, int x, int y, QRgb background) {
  if (d.source.x() < 0 || d.source.y() < 0) return background;
  const int width = std::min(d.target.width(), (d.bitmap.width() - d.source.x()) / d.scale);
  const int height = std::min(d.target.height(), (d.bitmap.height() - d.source.y()) / d.scale);
  const QRect drawn(d.target.topLeft() * d.scale, QSize(std::max(0, width), std::max(0, height)) * d.scale);
  if (!drawn.contains(x, y)) return background;
  const uint32_t pixel = d.bitmap.Pixel(d.source.x() + x - drawn.x(), d.source.y() + y - drawn.y());
  return qRgb(RedOf(pixel), GreenOf(pixel), BlueOf(pixel));
}

int DifferingPixels(const Drawing& d, QImage::Format format, QRgb background) {
  QImage canvas(kCanvasWidth * d.scale, kCanvasHeight * d.scale, format);
  canvas.setDevicePixelRatio(d.scale);
  canvas.fill(background);
  {
    QPainter painter(&canvas);
    DrawBitmap(painter, d.target, d.bitmap, d.source, d.scale);
  }
  int differing = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) differing += canvas.pixel(x, y) != Expected(d, x, y, background);
  }
  return differing;
}

TEST(SurfaceImage, DrawsTheBitmapOpaqueWholePixelByPixelAndOnlyWhereItReaches) {
  std::mt19937 rng(11);
  const auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    Drawing d;
    d.scale = 1 + below(3);
    d.bitmap = Bitmap(1 + below(20 * d.scale), 1 + below(12 * d.scale));
    for (uint32_t& pixel : d.bitmap.pixels()) pixel = rng() & 0x00FFFFFF;
    d.target =
        QRect(below(kCanvasWidth), below(kCanvasHeight), 1 + below(kCanvasWidth), 1 + below(kCanvasHeight));
    d.source = QPoint(below(d.bitmap.width() + 4) - 2, below(d.bitmap.height() + 4) - 2);
    ASSERT_EQ(DifferingPixels(d, QImage::Format_RGB32, kOpaqueBackground), 0);
    ASSERT_EQ(DifferingPixels(d, QImage::Format_ARGB32_Premultiplied, qRgba(0, 0, 0, 0)), 0);
  }
}

}  // namespace
}  // namespace vellumar
