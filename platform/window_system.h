// What the window system tells the control about the pointer and the mouse capture. Each host implements
// it: the headless host from its script, the Qt host from the real pointer and grab.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace vellumar {

// An opaque window identity; 0 is no window.
using WindowHandle = std::uintptr_t;

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // The pointer position in screen coordinates; false when it cannot be read.
  virtual bool GetCursorPos(Point& position) = 0;
  // The topmost window at a screen position, 0 for none.
  virtual WindowHandle WindowFromPoint(Point position) = 0;
  // The client rectangle of a window: left = top = 0, right and bottom its client size.
  virtual Rect GetClientRect(WindowHandle window) = 0;
  // The window that holds the mouse capture, 0 for none.
  virtual WindowHandle GetCapture() = 0;
  virtual void SetCapture(WindowHandle window) = 0;
  virtual void ReleaseCapture() = 0;
};

}  // namespace vellumar
