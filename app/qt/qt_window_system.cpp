#include "app/qt/qt_window_system.h"

#include <QtGui/QCursor>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

namespace vellumar {

WindowHandle HandleOf(const QWidget* widget) {
  return reinterpret_cast<WindowHandle>(widget);
}

bool QtWindowSystem::GetCursorPos(Point& position) {
  const QPoint pos = QCursor::pos();
  position = Point{pos.x(), pos.y()};
  return true;
}

WindowHandle QtWindowSystem::WindowFromPoint(Point position) {
  QWidget* widget = QApplication::widgetAt(QPoint(position.x, position.y));
  while (widget != nullptr && !widget->isEnabled())
    widget = widget->isWindow() ? nullptr : widget->parentWidget();
  return HandleOf(widget);
}

Rect QtWindowSystem::GetClientRect(WindowHandle window) {
  if (window != HandleOf(&owner_)) return Rect{};
  return Rect{0, 0, width_, height_};
}

void QtWindowSystem::SetClientSize(int width, int height) {
  width_ = width;
  height_ = height;
}

WindowHandle QtWindowSystem::GetCapture() {
  return HandleOf(QWidget::mouseGrabber());
}

void QtWindowSystem::SetCapture(WindowHandle window) {
  if (window != HandleOf(&owner_) || !owner_.isVisible() || !owner_.isEnabled()) return;
  // An open popup or a modal dialog that blocks the owner's window needs the pointer itself; a grab would
  // route its clicks to a window that may not take them.
  if (QApplication::activePopupWidget() != nullptr) return;
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != owner_.window() && !modal->isAncestorOf(&owner_)) return;
  owner_.grabMouse();
}

void QtWindowSystem::ReleaseCapture() {
  if (QWidget::mouseGrabber() == &owner_) owner_.releaseMouse();
}

}  // namespace vellumar
