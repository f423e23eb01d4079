// The window system as the control sees it from inside a Qt widget: the real pointer, the widget under it
// and a real mouse grab. Window handles are widget addresses, only ever compared, never followed.
#pragma once

#include "platform/window_system.h"

class QWidget;

namespace vellumar {

// The handle of a widget; 0 for none.
WindowHandle HandleOf(const QWidget* widget);

class QtWindowSystem final : public WindowSystem {
 public:
  // owner is the control's widget: the one window this system can grab for and measure. It must outlive
  // this object.
  explicit QtWindowSystem(QWidget& owner) : owner_(owner) {}

  // QCursor::pos().
  bool GetCursorPos(Point& position) override;
  // The widget at that screen position (QApplication::widgetAt), so a child widget lying over the owner
  // is what the pointer is over, not the owner. As with the old platform, a disabled widget is not found:
  // the point belongs to the nearest enabled parent, or to no window of ours.
  WindowHandle WindowFromPoint(Point position) override;
  // The owner's client rectangle as last told to the control (SetClientSize); an empty one for any other
  // handle. Qt resizes a hidden widget without a resize event until it is shown; reporting the new size
  // before the image has it would make every paint until then a whole one.
  Rect GetClientRect(WindowHandle window) override;
  void SetClientSize(int width, int height);
  // QWidget::mouseGrabber().
  WindowHandle GetCapture() override;
  // Grabs the mouse for the owner; a request for any other window is refused, as no other widget is ours
  // to grab for. A hidden or disabled owner does not grab, nor one whose window an open popup or modal
  // dialog blocks.
  void SetCapture(WindowHandle window) override;
  // Ends the owner's grab. A grab held by another widget is not the control's to end.
  void ReleaseCapture() override;

 private:
  QWidget& owner_;
  int width_ = 0;  // the owner's size the control was last sized to, in logical pixels
  int height_ = 0;
};

}  // namespace vellumar
