// SurfaceHost: the part of the host interface that a DrawingSurface answers, so that a host is its window,
// its Refresh and its container's side. It gives the control the persistent image's device context, Cls, the
// surface's colours and font, HIMETRIC scaling and the container's font (MS Sans Serif 8 unless a host
// knows better).
#pragma once

#include <utility>

#include "control/user_control.h"
#include "platform/drawing/drawing_surface.h"

namespace vellumar {

class SurfaceHost : public UserControl {
 public:
  DrawingSurface& surface() { return surface_; }
  const DrawingSurface& surface() const { return surface_; }

  // PaintSurface
  DeviceContext& hDC() override { return surface_.dc(); }
  void Cls() override { surface_.Cls(); }
  void Invalidate(const Rect& area) override { surface_.Invalidate(area); }
  uint64_t ImageSerial() override { return surface_.serial(); }
  float ScaleX(float himetric) override { return DrawingSurface::HimetricToPixels(himetric); }
  float ScaleY(float himetric) override { return DrawingSurface::HimetricToPixels(himetric); }

  // UserControl
  void SetBackColor(OleColor color) override { surface_.SetBackColor(color); }
  OleColor BackColor() override { return surface_.back_color(); }
  void SetForeColor(OleColor color) override { surface_.SetForeColor(color); }
  OleColor ForeColor() override { return surface_.fore_color(); }
  StdFontRef Font() override { return surface_.font(); }
  void SetFont(StdFontRef font) override { surface_.SetFont(std::move(font)); }
  StdFontRef AmbientFont() override { return DrawingSurface::FormFont(); }

 private:
  DrawingSurface surface_;
};

}  // namespace vellumar
