// A drawing surface for painter tests and benchmarks: a bitmap of the client size with MS Sans Serif 8
// selected, Cls clearing to a colour of the test's choice, 96 dpi scaling, and a window system that knows
// only the client rectangle.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/std_font.h"
#include "render/paint_surface.h"

namespace vellumar::testing {

class ClientRectWindows final : public WindowSystem {
 public:
  explicit ClientRectWindows(Rect client) : client_(client) {}
  bool GetCursorPos(Point&) override { return false; }
  WindowHandle WindowFromPoint(Point) override { return 0; }
  Rect GetClientRect(WindowHandle) override { return client_; }
  WindowHandle GetCapture() override { return 0; }
  void SetCapture(WindowHandle) override {}
  void ReleaseCapture() override {}

 private:
  Rect client_;
};

class FakePaintSurface final : public PaintSurface {
 public:
  static constexpr WindowHandle kWindow = 0x51;
  static constexpr float kDotsPerInch = 96.0F;
  static constexpr float kHimetricPerInch = 2540.0F;

  FakePaintSurface(int32_t width, int32_t height)
      : bitmap_(width, height), dc_(&bitmap_), windows_(Rect{0, 0, width, height}) {
    auto font = std::make_shared<StdFont>();
    font->SetName("MS Sans Serif");
    font->SetSize(8);
    dc_.SelectFont(font);
  }
  FakePaintSurface(const FakePaintSurface&) = delete;
  FakePaintSurface& operator=(const FakePaintSurface&) = delete;

  Bitmap& bitmap() { return bitmap_; }
  void SetClsColor(ColorRef color) { cls_color_ = color; }
  int cls_count() const { return cls_count_; }
  int refresh_count() const { return refresh_count_; }

  DeviceContext& hDC() override { return dc_; }
  void Cls() override {
    dc_.FillRect(Rect{0, 0, bitmap_.width(), bitmap_.height()}, cls_color_);
    ++cls_count_;
  }
  void Refresh() override { ++refresh_count_; }
  WindowHandle hWnd() override { return kWindow; }
  WindowSystem& Windows() override { return windows_; }
  float ScaleX(float himetric) override { return himetric * kDotsPerInch / kHimetricPerInch; }
  float ScaleY(float himetric) override { return himetric * kDotsPerInch / kHimetricPerInch; }

 private:
  Bitmap bitmap_;
  DeviceContext dc_;
  ClientRectWindows windows_;
  ColorRef cls_color_ = 0;
  int cls_count_ = 0;
  int refresh_count_ = 0;
};

}  // namespace vellumar::testing
