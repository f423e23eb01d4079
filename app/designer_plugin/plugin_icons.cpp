#include "app/designer_plugin/plugin_icons.h"

#include <QtGui/QPainter>
#include <QtGui/QPixmap>

namespace vellumar {
namespace {

constexpr int kIconSide = 22;
constexpr int kIconHeadWidth = 7;
constexpr int kIconHeadHeight = 6;
constexpr int kIconStripTop = 4;
constexpr int kPageTop = kIconStripTop + kIconHeadHeight;

const QColor kFrame(0x98, 0xA0, 0xA0);
const QColor kPage(0xFC, 0xFC, 0xFE);
const QColor kHead(0xEC, 0xEB, 0xE6);
const QColor kFocus(0xE8, 0x90, 0x28);
const QColor kField(0x7F, 0x9D, 0xB9);

QPixmap StripPixmap() {
  QPixmap pixmap(kIconSide, kIconSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(kFrame);
  painter.setBrush(kPage);
  painter.drawRect(0, kPageTop, kIconSide - 1, kIconSide - 1 - kPageTop);
  for (int i = 0; i < 3; ++i) {
    const int left = i * kIconHeadWidth;
    const bool selected = i == 1;
    const int top = selected ? kIconStripTop - 2 : kIconStripTop;
    painter.setBrush(selected ? kPage : kHead);
    painter.drawRect(left, top, kIconHeadWidth - 1, kPageTop - top);
    if (selected) painter.fillRect(left + 1, top, kIconHeadWidth - 2, 2, kFocus);
  }
  return pixmap;
}

}  // namespace

QIcon StripPluginIcon() {
  return QIcon(StripPixmap());
}

QIcon TabWidgetPluginIcon() {
  QPixmap pixmap = StripPixmap();
  QPainter painter(&pixmap);
  painter.setPen(kField);
  painter.setBrush(Qt::white);
  painter.drawRect(3, kPageTop + 3, kIconSide - 8, 3);
  painter.drawRect(3, kPageTop + 8, 3, 3);
  painter.fillRect(8, kPageTop + 9, kIconSide - 13, 1, kFrame);
  return QIcon(pixmap);
}

}  // namespace vellumar
