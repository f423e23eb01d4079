// A drawing surface for painter tests and benchmarks: the shared drawing surface at the client size with
// MS Sans Serif 8 selected, Cls clearing to a colour of the test's choice, and a window system that knows
// only the client rectangle.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/drawing/client_rect_windows.h"
#include "platform/drawing/drawing_surface.h"
#include "render/paint_surface.h"

namespace vellumar::testing {

using vellumar::ClientRectWindows;

class FakePaintSurface final : public PaintSurface {
 public:
  static constexpr WindowHandle kWindow = 0x51;

  FakePaintSurface(int32_t width, int32_t height) : windows_(Rect{0, 0, width, height}) {
    surface_.Resize(width, height);
    surface_.SetFont(DrawingSurface::FormFont());
  }
  FakePaintSurface(const FakePaintSurface&) = delete;
  FakePaintSurface& operator=(const FakePaintSurface&) = delete;

  const Bitmap& bitmap() const { return surface_.image(); }
  DrawingSurface& surface() { return surface_; }
  void SetClsColor(ColorRef color) { surface_.SetBackColor(color); }
  int cls_count() const { return cls_count_; }
  int refresh_count() const { return refresh_count_; }

  DeviceContext& hDC() override { return surface_.dc(); }
  void Cls() override {
    surface_.Cls();
    ++cls_count_;
  }
  void Refresh() override { ++refresh_count_; }
  void Invalidate(const Rect& area) override { surface_.Invalidate(area); }
  uint64_t ImageSerial() override { return surface_.serial(); }
  WindowHandle hWnd() override { return kWindow; }
  WindowSystem& Windows() override { return windows_; }
  float ScaleX(float himetric) override { return DrawingSurface::HimetricToPixels(himetric); }
  float ScaleY(float himetric) override { return DrawingSurface::HimetricToPixels(himetric); }

 private:
  DrawingSurface surface_;
  ClientRectWindows windows_;
  int cls_count_ = 0;
  int refresh_count_ = 0;
};

}  // namespace vellumar::testing
