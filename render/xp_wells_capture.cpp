// Pointer hit test and the mouse capture that lets the control see the move that leaves its window.
#include "render/xp_wells.h"

namespace vellumar {

VbBool IsCursorOverWindow(WindowSystem& windows, WindowHandle window) {
  // Window 0 is no window: an empty spot under the pointer must not count as "over" it.
  if (window == 0) return kFalse;
  Point position;
  if (!windows.GetCursorPos(position)) return kFalse;
  return ToVbBool(windows.WindowFromPoint(position) == window);
}

VbBool TrackMouseCapture(WindowSystem& windows, WindowHandle window) {
  if (IsCursorOverWindow(windows, window) == kTrue) {
    if (windows.GetCapture() != window) windows.SetCapture(window);
    return kTrue;
  }
  if (window != 0 && windows.GetCapture() == window) windows.ReleaseCapture();
  return kFalse;
}

}  // namespace vellumar
