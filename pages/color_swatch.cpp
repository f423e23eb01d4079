#include "pages/color_swatch.h"

#include <QPainter>
#include <QPixmap>

namespace vellumar {

QColor ToQColor(OleColor color) {
  ColorRef rgb = 0;
  if (!OleTranslateColor(color, rgb)) rgb = 0;
  return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QIcon SwatchIcon(OleColor color, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(64, 64, 64));
  painter.setBrush(ToQColor(color));
  painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
  return QIcon(pixmap);
}

}  // namespace vellumar
