// A window system that knows one thing: the client rectangle of the window painted. For a surface that paints
// away from any window (a tab bar's strip image, tests, benchmarks); it has no pointer and no capture.
#pragma once

#include "platform/window_system.h"

namespace vellumar {

class ClientRectWindows final : public WindowSystem {
 public:
  explicit ClientRectWindows(Rect client = {}) : client_(client) {}
  void SetClient(const Rect& client) { client_ = client; }
  bool GetCursorPos(Point&) override { return false; }
  WindowHandle WindowFromPoint(Point) override { return 0; }
  Rect GetClientRect(WindowHandle) override { return client_; }
  WindowHandle GetCapture() override { return 0; }
  void SetCapture(WindowHandle) override {}
  void ReleaseCapture() override {}

 private:
  Rect client_;
};

}  // namespace vellumar
