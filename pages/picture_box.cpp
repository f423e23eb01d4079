#include "pages/picture_box.h"

#include <QPainter>
#include <algorithm>

#include "platform/drawing/device_context.h"
#include "platform/drawing/draw_icon.h"

namespace vellumar {

QImage BitmapToImage(const Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
  const bool mono = bitmap.format() == PixelFormat::kMono1;
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    const uint32_t* source = bitmap.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int32_t x = 0; x < bitmap.width(); ++x) {
      const uint32_t pixel = source[x];
      target[x] = mono ? (pixel != 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                       : qRgb(RedOf(pixel), GreenOf(pixel), BlueOf(pixel));
    }
  }
  return image;
}

QImage PictureImage(const StdPicture& picture, ColorRef background) {
  switch (picture.Type()) {
    case PictureType::kBitmap:
      return BitmapToImage(picture.bitmap());
    case PictureType::kIcon: {
      Bitmap canvas(kStandardIconSize, kStandardIconSize);
      std::fill(canvas.pixels().begin(), canvas.pixels().end(), background);
      DeviceContext dc(&canvas);
      DrawIcon(dc, 0, 0, picture);
      return BitmapToImage(canvas);
    }
    default:
      return {};
  }
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
}

void PictureBox::SetPicture(StdPictureRef picture) {
  const bool replaced = picture != picture_;
  picture_ = std::move(picture);
  const QColor back = palette().color(backgroundRole());
  image_ = picture_ ? PictureImage(*picture_, Rgb(back.red(), back.green(), back.blue())) : QImage();
  update();
  if (replaced) emit PictureChanged();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), image_);
}

}  // namespace vellumar
