#include "app/qt/surface_image.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <algorithm>

namespace vellumar {

void DrawBitmap(QPainter& painter, const QRect& target, const Bitmap& bitmap, QPoint source, int scale) {
  if (bitmap.format() != PixelFormat::kColor32 || scale < 1 || source.x() < 0 || source.y() < 0) return;
  const int width = std::min(target.width(), (bitmap.width() - source.x()) / scale);
  const int height = std::min(target.height(), (bitmap.height() - source.y()) / scale);
  if (width <= 0 || height <= 0) return;
  const QImage view(reinterpret_cast<const uchar*>(bitmap.Row(source.y()) + source.x()), width * scale,
                    height * scale, static_cast<qsizetype>(bitmap.width()) * 4, QImage::Format_RGBX8888);
  painter.drawImage(QRect(target.topLeft(), QSize(width, height)),
                    view.convertToFormat(QImage::Format_RGB32));
}

}  // namespace vellumar
