// What a painter needs of the control's drawing surface: the persistent image's device context (with the
// surface font selected), clearing and showing the image, the window for the client rectangle, and HIMETRIC
// to pixel scaling.
#pragma once

#include "platform/device_context.h"
#include "platform/window_system.h"

namespace vellumar {

class PaintSurface {
 public:
  virtual ~PaintSurface() = default;

  // The device context of the persistent image; its font is the surface font.
  virtual DeviceContext& hDC() = 0;
  // Clears the whole image to the surface's BackColor.
  virtual void Cls() = 0;
  // Shows the finished image.
  virtual void Refresh() = 0;
  virtual WindowHandle hWnd() = 0;
  virtual WindowSystem& Windows() = 0;
  // HIMETRIC (scale mode 8) to pixels (scale mode 3): value * dpi / 2540.
  virtual float ScaleX(float himetric) = 0;
  virtual float ScaleY(float himetric) = 0;
};

}  // namespace vellumar
