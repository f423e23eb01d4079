#include "pages/button_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vellumar {
namespace {

QPixmap TransparentPixmap() {
  QPixmap pixmap(kButtonIconSize, kButtonIconSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap OpenFolderPixmap() {
  QPixmap pixmap = TransparentPixmap();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor outline(128, 96, 0);
  // The back of the folder with its tab.
  QPolygon back;
  back << QPoint(1, 3) << QPoint(5, 3) << QPoint(6, 4) << QPoint(12, 4) << QPoint(12, 13) << QPoint(1, 13);
  painter.setPen(outline);
  painter.setBrush(QColor(230, 190, 60));
  painter.drawPolygon(back);
  // The opened front, leaning forward.
  QPolygon front;
  front << QPoint(3, 7) << QPoint(15, 7) << QPoint(12, 13) << QPoint(1, 13);
  painter.setBrush(QColor(255, 224, 110));
  painter.drawPolygon(front);
  painter.setPen(QColor(255, 244, 190));
  painter.drawLine(4, 8, 13, 8);
  return pixmap;
}

QPixmap DeleteCrossPixmap() {
  QPixmap pixmap = TransparentPixmap();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(QColor(128, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
  painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  return pixmap;
}

}  // namespace vellumar
