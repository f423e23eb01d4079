// A host for control tests: the shared drawing surface, counters for Cls and Refresh, a window system whose
// pointer and capture the test sets, and one log of what the host and the container see, in order:
//   "changed NAME"            PropertyChanged
//   "keys KEYS"               the surface's AccessKeys assigned
//   "paint"                   Refresh (the end of every paint)
//   "TabPressed P"            the event, with PreviousTab
//   "MouseDown B S X Y", "MouseUp ...", "MouseIn ...", "MouseOut ..."
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "control/surface_host.h"
#include "control/vellumar.h"
#include "platform/text/std_font.h"
#include "platform/window_system.h"

namespace vellumar::testing {

inline constexpr WindowHandle kControlWindow = 0x1000;
inline constexpr WindowHandle kOtherWindow = 0x2000;

class FakeWindows : public WindowSystem {
 public:
  bool pointer_over_control = true;  // what WindowFromPoint finds under the pointer
  WindowHandle capture = 0;
  int set_capture_calls = 0;
  int release_capture_calls = 0;
  Rect client;

  bool GetCursorPos(Point& position) override {
    position = Point{};
    return true;
  }
  WindowHandle WindowFromPoint(Point) override {
    return pointer_over_control ? kControlWindow : kOtherWindow;
  }
  Rect GetClientRect(WindowHandle) override { return client; }
  WindowHandle GetCapture() override { return capture; }
  void SetCapture(WindowHandle window) override {
    ++set_capture_calls;
    capture = window;
  }
  void ReleaseCapture() override {
    ++release_capture_calls;
    capture = 0;
  }
};

class FakeHost : public SurfaceHost {
 public:
  explicit FakeHost(int32_t width = 300, int32_t height = 200) {
    windows.client = Rect{0, 0, width, height};
    surface().Resize(width, height);
  }

  FakeWindows windows;
  StdFontRef ambient = std::make_shared<StdFont>();
  std::vector<std::string> log;
  std::string access_keys;
  int cls_count = 0;
  int refresh_count = 0;

  // The names of the PropertyChanged calls, in order.
  std::vector<std::string> Changed() const { return Filtered("changed "); }
  // Every log entry except the access keys, which most tests do not care about.
  std::vector<std::string> Trace() const {
    std::vector<std::string> out;
    std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                 [](const std::string& line) { return line.rfind("keys ", 0) != 0; });
    return out;
  }
  void ClearLog() {
    log.clear();
    cls_count = 0;
    refresh_count = 0;
  }

  void Cls() override {
    ++cls_count;
    SurfaceHost::Cls();
  }
  void Refresh() override {
    ++refresh_count;
    log.push_back("paint");
  }
  WindowHandle hWnd() override { return kControlWindow; }
  WindowSystem& Windows() override { return windows; }

  void SetAccessKeys(const std::string& keys) override {
    access_keys = keys;
    log.push_back("keys " + keys);
  }
  void PropertyChanged(const std::string& name) override { log.push_back("changed " + name); }
  StdFontRef AmbientFont() override { return ambient; }

 private:
  std::vector<std::string> Filtered(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : log) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
    }
    return out;
  }
};

// The container: logs every event into the host's log and runs the test's handlers, if any.
class RecordingEvents : public VellumarEvents {
 public:
  explicit RecordingEvents(std::vector<std::string>& log) : log_(log) {}

  std::function<void(int16_t& previous_tab)> on_tab_pressed;
  std::function<void()> on_mouse_down;
  std::function<void()> on_mouse_in;

  void TabPressed(int16_t& PreviousTab) override {
    log_.push_back("TabPressed " + std::to_string(PreviousTab));
    if (on_tab_pressed) on_tab_pressed(PreviousTab);
  }
  void MouseIn(int16_t& Button, int16_t& Shift, float& X, float& Y) override {
    Log("MouseIn", Button, Shift, X, Y);
    if (on_mouse_in) on_mouse_in();
  }
  void MouseOut(int16_t& Button, int16_t& Shift, float& X, float& Y) override {
    Log("MouseOut", Button, Shift, X, Y);
  }
  void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override {
    Log("MouseDown", Button, Shift, X, Y);
    if (on_mouse_down) on_mouse_down();
  }
  void MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override {
    Log("MouseUp", Button, Shift, X, Y);
  }

 private:
  void Log(const char* name, int16_t button, int16_t shift, float x, float y) {
    std::ostringstream line;
    line << name << ' ' << button << ' ' << shift << ' ' << x << ' ' << y;
    log_.push_back(line.str());
  }

  std::vector<std::string>& log_;
};

// A control on the fake host with a listening container. By default it is a new control as a form gets it:
// InitProperties, then sized by the host, with the log cleared afterwards.
struct TestControl {
  explicit TestControl(bool initialise = true, int32_t width = 300, int32_t height = 200)
      : host(width, height) {
    if (!initialise) return;
    control.InitProperties();
    control.Resize();
    host.ClearLog();
  }

  FakeHost host;
  RecordingEvents events{host.log};
  Vellumar control{host, &events};
};

}  // namespace vellumar::testing
