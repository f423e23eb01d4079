#include "pages/link_label.h"

#include <QMouseEvent>
#include <QPalette>

#include "pages/dialog_fonts.h"

namespace vellumar {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QFont font = DialogFont();
  font.setUnderline(true);
  setFont(font);
  QPalette link = palette();
  link.setColor(QPalette::WindowText, QColor(0, 0, 192));
  setPalette(link);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace vellumar
