#include "app/designer/designer_overlay.h"

#include <QtGui/QContextMenuEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QMenu>
#include <algorithm>

#include "app/designer/designer_canvas.h"
#include "app/qt/vellumar_widget.h"

namespace vellumar {
namespace {

// The frame lies this far outside the control, and its handles are squares of this side centred on it,
// so that neither covers the control itself.
constexpr int kFrameGap = 4;
constexpr int kHandleSize = 7;
const QColor kHandleFill(0, 0, 128);
const QColor kHandleBorder(255, 255, 255);
const QColor kFrameColor(0, 0, 128);

// The grid position nearest to value.
int Snap(int value, int grid) {
  const int below = value >= 0 ? (value / grid) * grid : -(((-value) + grid - 1) / grid) * grid;
  return value - below < grid / 2 ? below : below + grid;
}

Qt::CursorShape CursorFor(FrameHandle handle) {
  switch (handle) {
    case FrameHandle::kTopLeft:
    case FrameHandle::kBottomRight:
      return Qt::SizeFDiagCursor;
    case FrameHandle::kTopRight:
    case FrameHandle::kBottomLeft:
      return Qt::SizeBDiagCursor;
    case FrameHandle::kTop:
    case FrameHandle::kBottom:
      return Qt::SizeVerCursor;
    case FrameHandle::kLeft:
    case FrameHandle::kRight:
      return Qt::SizeHorCursor;
    case FrameHandle::kNone:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

std::array<QRect, 8> HandleRects(const QRect& control) {
  const QRect frame = control.adjusted(-kFrameGap, -kFrameGap, kFrameGap, kFrameGap);
  const int left = frame.left();
  const int right = frame.right();
  const int top = frame.top();
  const int bottom = frame.bottom();
  const int mid_x = frame.center().x();
  const int mid_y = frame.center().y();
  const auto square = [](int x, int y) {
    return QRect(x - kHandleSize / 2, y - kHandleSize / 2, kHandleSize, kHandleSize);
  };
  return {square(left, top),     square(mid_x, top),    square(right, top),   square(right, mid_y),
          square(right, bottom), square(mid_x, bottom), square(left, bottom), square(left, mid_y)};
}

FrameHandle HandleAt(const QRect& control, QPoint point) {
  const std::array<QRect, 8> handles = HandleRects(control);
  for (size_t i = 0; i < handles.size(); ++i) {
    if (handles[i].contains(point)) return static_cast<FrameHandle>(i + 1);
  }
  return FrameHandle::kNone;
}

QRect DraggedGeometry(const QRect& start, FrameHandle handle, QPoint delta, int grid) {
  if (handle == FrameHandle::kNone) {
    return QRect(QPoint(std::max(0, Snap(start.left() + delta.x(), grid)),
                        std::max(0, Snap(start.top() + delta.y(), grid))),
                 start.size());
  }
  // Edges as exclusive coordinates, so that snapping gives whole grid squares.
  int left = start.left();
  int top = start.top();
  int right = start.left() + start.width();
  int bottom = start.top() + start.height();
  const bool moves_left =
      handle == FrameHandle::kTopLeft || handle == FrameHandle::kLeft || handle == FrameHandle::kBottomLeft;
  const bool moves_right = handle == FrameHandle::kTopRight || handle == FrameHandle::kRight ||
                           handle == FrameHandle::kBottomRight;
  const bool moves_top =
      handle == FrameHandle::kTopLeft || handle == FrameHandle::kTop || handle == FrameHandle::kTopRight;
  const bool moves_bottom = handle == FrameHandle::kBottomLeft || handle == FrameHandle::kBottom ||
                            handle == FrameHandle::kBottomRight;
  if (moves_left) left = std::clamp(Snap(left + delta.x(), grid), 0, right - grid);
  if (moves_right) right = std::max(left + grid, Snap(right + delta.x(), grid));
  if (moves_top) top = std::clamp(Snap(top + delta.y(), grid), 0, bottom - grid);
  if (moves_bottom) bottom = std::max(top + grid, Snap(bottom + delta.y(), grid));
  return QRect(left, top, right - left, bottom - top);
}

DesignOverlay::DesignOverlay(FormCanvas& canvas) : QWidget(&canvas), canvas_(canvas) {
  setMouseTracking(true);
}

void DesignOverlay::paintEvent(QPaintEvent*) {
  const VellumarWidget* selected = canvas_.selected();
  if (selected == nullptr) return;
  QPainter painter(this);
  const QRect control = selected->geometry();
  QPen dotted(kFrameColor, 1, Qt::DotLine);
  painter.setPen(dotted);
  painter.drawRect(control.adjusted(-kFrameGap, -kFrameGap, kFrameGap - 1, kFrameGap - 1));
  painter.setPen(kHandleBorder);
  painter.setBrush(kHandleFill);
  for (const QRect& handle : HandleRects(control)) painter.drawRect(handle.adjusted(0, 0, -1, -1));
}

void DesignOverlay::mousePressEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  VellumarWidget* selected = canvas_.selected();
  FrameHandle handle = selected != nullptr ? HandleAt(selected->geometry(), position) : FrameHandle::kNone;
  if (handle == FrameHandle::kNone) {
    selected = canvas_.ControlAt(position);
    canvas_.Select(selected);
  }
  if (event->button() != Qt::LeftButton || selected == nullptr) return;
  dragging_ = true;
  drag_handle_ = handle;
  drag_start_ = position;
  start_geometry_ = selected->geometry();
}

void DesignOverlay::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  VellumarWidget* selected = canvas_.selected();
  if (!dragging_ || selected == nullptr) {
    const FrameHandle over =
        selected != nullptr ? HandleAt(selected->geometry(), position) : FrameHandle::kNone;
    setCursor(CursorFor(over));
    return;
  }
  canvas_.SetControlGeometry(
      selected, DraggedGeometry(start_geometry_, drag_handle_, position - drag_start_, FormCanvas::kGrid));
}

void DesignOverlay::mouseReleaseEvent(QMouseEvent*) {
  if (!dragging_) return;
  dragging_ = false;
  const VellumarWidget* selected = canvas_.selected();
  if (selected != nullptr && selected->geometry() != start_geometry_) emit canvas_.modified();
}

void DesignOverlay::mouseDoubleClickEvent(QMouseEvent* event) {
  VellumarWidget* control = canvas_.ControlAt(event->position().toPoint());
  canvas_.Select(control);
  if (control != nullptr) emit canvas_.propertiesRequested();
}

void DesignOverlay::contextMenuEvent(QContextMenuEvent* event) {
  if (dragging_) return;
  VellumarWidget* control = canvas_.ControlAt(event->pos());
  canvas_.Select(control);
  const QList<QAction*>& actions = control != nullptr ? canvas_.controlActions() : canvas_.formActions();
  if (actions.isEmpty()) return;
  QMenu menu(this);
  menu.addActions(actions);
  menu.exec(event->globalPos());
}

}  // namespace vellumar
