// What a painter needs of the control's drawing surface: the persistent image's device context (with the
// surface font selected), clearing and showing the image, the window for the client rectangle, HIMETRIC
// to pixel scaling, and a count that tells a painter whether the image still holds what it last drew.
#pragma once

#include <cstdint>

#include "platform/drawing/device_context.h"
#include "platform/window_system.h"

namespace vellumar {

class PaintSurface {
 public:
  virtual ~PaintSurface() = default;

  // The device context of the persistent image; its font is the surface font.
  virtual DeviceContext& hDC() = 0;
  // Clears the whole image to the surface's BackColor (within the device context's clip box, when one is
  // set). A host shows what each Cls cleared and each Invalidate named, and nothing else.
  virtual void Cls() = 0;
  // Names an area of the image drawn anew without a Cls.
  virtual void Invalidate(const Rect& area) = 0;
  // Shows the finished image.
  virtual void Refresh() = 0;
  // Changes whenever the image changes other than by drawing into it (a new buffer, a Cls, a new
  // background colour) and whenever the host wants it painted whole again.
  virtual uint64_t ImageSerial() = 0;
  virtual WindowHandle hWnd() = 0;
  virtual WindowSystem& Windows() = 0;
  // HIMETRIC (scale mode 8) to pixels (scale mode 3): value * dpi / 2540.
  virtual float ScaleX(float himetric) = 0;
  virtual float ScaleY(float himetric) = 0;
};

}  // namespace vellumar
