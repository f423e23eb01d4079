#include "app/qt/tab_picture_image.h"

#include <cstddef>
#include <utility>

#include "control/icon_conversion.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

constexpr int kOpaqueFrom = 128;
constexpr QRgb kTransparent = 0;

ColorRef ToColorRef(QRgb pixel) {
  return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

QRgb ToArgb(ColorRef color) {
  return qRgb(RedOf(color), GreenOf(color), BlueOf(color));
}

QImage BitmapImage(const Bitmap& bitmap, ColorRef mask) {
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    const uint32_t* source = bitmap.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) target[x] = source[x] == mask ? kTransparent : ToArgb(source[x]);
  }
  return image;
}

QImage IconImageOf(const IconImage& icon) {
  const Bitmap& color = icon.color;
  const bool masked = icon.mask.width() == color.width() && icon.mask.height() == color.height();
  const bool alpha =
      icon.alpha.size() == static_cast<size_t>(color.width()) * static_cast<size_t>(color.height());
  QImage image(color.width(), color.height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const size_t at = static_cast<size_t>(y) * static_cast<size_t>(color.width()) + static_cast<size_t>(x);
      const bool clear = alpha ? icon.alpha[at] < kOpaqueFrom : masked && icon.mask.Pixel(x, y) != 0;
      target[x] = clear ? kTransparent : ToArgb(color.Pixel(x, y));
    }
  }
  return image;
}

}  // namespace

StdPictureRef PictureOfImage(const QImage& image) {
  if (image.isNull()) return nullptr;
  if (int64_t{image.width()} * image.height() > kMaxPicturePixels) throw HostError(kErrInvalidPicture);
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Bitmap bitmap(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    uint32_t* target = bitmap.Row(y);
    for (int x = 0; x < argb.width(); ++x) {
      target[x] = qAlpha(source[x]) >= kOpaqueFrom ? ToColorRef(source[x]) : HiddenPictureBox::kBackColor;
    }
  }
  std::vector<uint8_t> file = EncodeBmp(bitmap);
  return StdPicture::FromBitmap(std::move(bitmap), std::move(file));
}

StdPictureRef PictureOfIcon(const QIcon& icon) {
  if (icon.isNull()) return nullptr;
  return PictureOfImage(icon.pixmap(QSize(kTabIconSide, kTabIconSide), 1.0).toImage());
}

QIcon IconOfPicture(const StdPictureRef& picture, ColorRef mask) {
  if (!picture) return QIcon();
  QImage image;
  if (picture->Type() == PictureType::kBitmap && picture->bitmap().format() == PixelFormat::kColor32) {
    image = BitmapImage(picture->bitmap(), mask);
  } else if (picture->Type() == PictureType::kIcon) {
    image = IconImageOf(picture->icon());
  }
  if (image.isNull()) return QIcon();
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace vellumar
