#include "app/qt/tab_buttons.h"

#include <QtGui/QPainterPath>
#include <QtGui/QPolygon>
#include <QtWidgets/QStyle>
#include <algorithm>

namespace vellumar {
namespace {

constexpr OleColor kGrayText = 0x80000011;

QColor Face(const QStyleOption& option, const TabLook& look) {
  const TabStripColors& c = look.colors;
  if (!(option.state & QStyle::State_Enabled)) return QColorOfOle(c.back);
  if (option.state & (QStyle::State_Sunken | QStyle::State_On)) return QColorOfOle(c.focus_band[1]);
  if (option.state & QStyle::State_MouseOver) return QColorOfOle(c.hot_band[1]);
  return QColorOfOle(c.back);
}

QColor Mark(const QStyleOption& option, const TabLook& look) {
  if (!(option.state & QStyle::State_Enabled)) return QColorOfOle(kGrayText);
  return QColorOfOle(option.state & QStyle::State_MouseOver ? look.colors.fore_hot : look.colors.fore);
}

// The button's body: a one-pixel frame with its corners left out, as the strip's heads have them.
void DrawBody(QPainter* painter, const QRect& r, const QColor& face, const TabLook& look) {
  if (r.width() < 3 || r.height() < 3) return;
  painter->fillRect(r.adjusted(1, 1, -1, -1), face);
  const QColor frame = QColorOfOle(look.colors.frame);
  painter->fillRect(QRect(r.left() + 1, r.top(), r.width() - 2, 1), frame);
  painter->fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 2, 1), frame);
  painter->fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), frame);
  painter->fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), frame);
}

}  // namespace

void DrawCloseButton(QPainter* painter, const QStyleOption& option, const TabLook& look) {
  const int side = std::min({option.rect.width(), option.rect.height(), 14});
  QRect r(0, 0, side, side);
  r.moveCenter(option.rect.center());
  painter->save();
  DrawBody(painter, r, Face(option, look), look);
  const QRect cross = r.adjusted(4, 4, -4, -4);
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(QPen(Mark(option, look), 2, Qt::SolidLine, Qt::FlatCap));
  painter->drawLine(cross.topLeft(), cross.bottomRight());
  painter->drawLine(cross.topRight(), cross.bottomLeft());
  painter->restore();
}

void DrawScrollButton(QPainter* painter, const QStyleOptionToolButton& option, const TabLook& look) {
  painter->save();
  painter->fillRect(option.rect, QColorOfOle(look.colors.back_form));
  DrawBody(painter, option.rect.adjusted(1, 1, -1, -1), Face(option, look), look);
  // A solid triangle pointing the way the tabs move.
  const QPoint c = option.rect.center();
  constexpr int kHalf = 3;
  QPolygon arrow;
  switch (option.arrowType) {
    case Qt::LeftArrow:
      arrow << QPoint(c.x() - kHalf + 1, c.y()) << QPoint(c.x() + 1, c.y() - kHalf)
            << QPoint(c.x() + 1, c.y() + kHalf);
      break;
    case Qt::RightArrow:
      arrow << QPoint(c.x() + kHalf - 1, c.y()) << QPoint(c.x() - 1, c.y() - kHalf)
            << QPoint(c.x() - 1, c.y() + kHalf);
      break;
    case Qt::UpArrow:
      arrow << QPoint(c.x(), c.y() - kHalf + 1) << QPoint(c.x() - kHalf, c.y() + 1)
            << QPoint(c.x() + kHalf, c.y() + 1);
      break;
    default:
      arrow << QPoint(c.x(), c.y() + kHalf - 1) << QPoint(c.x() - kHalf, c.y() - 1)
            << QPoint(c.x() + kHalf, c.y() - 1);
      break;
  }
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(Mark(option, look));
  painter->setBrush(Mark(option, look));
  painter->drawPolygon(arrow);
  painter->restore();
}

}  // namespace vellumar
