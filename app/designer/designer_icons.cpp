#include "app/designer/designer_icons.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPixmap>

namespace vellumar {
namespace {

constexpr int kSide = 16;

QPixmap Blank() {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QIcon TabStripIcon() {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  const QColor frame(90, 110, 140);
  painter.setPen(frame);
  painter.setBrush(QColor(250, 250, 246));
  painter.drawRect(0, 5, 15, 10);
  painter.setBrush(QColor(250, 250, 246));
  painter.drawRect(1, 1, 6, 5);
  painter.setBrush(QColor(214, 220, 232));
  painter.drawRect(8, 2, 6, 3);
  painter.setPen(QColor(250, 250, 246));
  painter.drawLine(2, 5, 6, 5);
  painter.setPen(QColor(232, 144, 40));
  painter.drawLine(2, 1, 6, 1);
  return QIcon(pixmap);
}

QIcon RunModeIcon() {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath triangle;
  triangle.moveTo(4, 2);
  triangle.lineTo(13, 8);
  triangle.lineTo(4, 14);
  triangle.closeSubpath();
  painter.setPen(QColor(20, 110, 30));
  painter.setBrush(QColor(60, 180, 70));
  painter.drawPath(triangle);
  return QIcon(pixmap);
}

QIcon DesignModeIcon() {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  painter.setPen(QColor(150, 147, 130));
  for (int y = 1; y < kSide; y += 3) {
    for (int x = 1; x < kSide; x += 3) painter.drawPoint(x, y);
  }
  painter.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(3, 4, 9, 7);
  painter.setPen(Qt::white);
  painter.setBrush(QColor(0, 0, 128));
  for (const QPoint p : {QPoint(2, 3), QPoint(11, 3), QPoint(2, 10), QPoint(11, 10)}) {
    painter.drawRect(p.x(), p.y(), 2, 2);
  }
  return QIcon(pixmap);
}

}  // namespace vellumar
