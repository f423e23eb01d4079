// The glass over the designer's canvas in design mode: it draws the selected control's frame with its
// eight handles, and turns clicks and drags into selecting, moving and resizing controls.
#pragma once

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtWidgets/QWidget>
#include <array>

namespace vellumar {

class FormCanvas;
class VellumarWidget;

// Where on a selection frame a point lies. The order is that of the handles around the frame.
enum class FrameHandle {
  kNone,
  kTopLeft,
  kTop,
  kTopRight,
  kRight,
  kBottomRight,
  kBottom,
  kBottomLeft,
  kLeft
};

// The handle of the selection frame of a control with that geometry at point, or kNone.
FrameHandle HandleAt(const QRect& control, QPoint point);
// The handle rectangles of the selection frame around control, in FrameHandle order from kTopLeft.
std::array<QRect, 8> HandleRects(const QRect& control);
// A control's geometry after dragging handle (kNone: the whole control) by delta; positions snap to the
// grid, and a control keeps at least one grid square of size.
QRect DraggedGeometry(const QRect& start, FrameHandle handle, QPoint delta, int grid);

class DesignOverlay final : public QWidget {
  Q_OBJECT

 public:
  explicit DesignOverlay(FormCanvas& canvas);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  FormCanvas& canvas_;
  bool dragging_ = false;
  FrameHandle drag_handle_ = FrameHandle::kNone;  // kNone: moving the whole control
  QPoint drag_start_;                             // where the drag began, canvas pixels
  QRect start_geometry_;                          // the dragged control's geometry when it began
};

}  // namespace vellumar
