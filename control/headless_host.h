// HeadlessHost: a host for one control without a display, for the command-line tool, the property pages'
// sample pictures, the designer's demo form and tests. It keeps the persistent image in memory, plays the
// window system from what it is told (where the pointer is, who holds the capture), and reports every
// PropertyChanged call and every event the control raises to one listener.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "control/surface_host.h"
#include "platform/raster/bitmap.h"
#include "platform/vellumar_export.h"
#include "platform/window_system.h"

namespace vellumar {

class Vellumar;

// One PropertyChanged call or one raised event, as the host saw it.
struct HostNotice {
  enum class Kind { kPropertyChanged, kEvent };
  struct Argument {
    std::string_view name;
    float value = 0;  // every event argument is a 16-bit integer or a single
  };
  Kind kind = Kind::kEvent;
  std::string_view name;  // the property or event name; valid only during the call
  std::array<Argument, 4> arguments{};
  size_t argument_count = 0;
};

using HostListener = std::function<void(const HostNotice&)>;

class VELLUMAR_CORE_EXPORT HeadlessHost final : public SurfaceHost,
                                                public WindowSystem,
                                                public VellumarEvents {
 public:
  static constexpr WindowHandle kWindow = 1;

  HeadlessHost() = default;
  HeadlessHost(const HeadlessHost&) = delete;
  HeadlessHost& operator=(const HeadlessHost&) = delete;

  void SetListener(HostListener listener) { listener_ = std::move(listener); }
  // The control that Resize notifies; it must outlive the attachment (attach null before destroying it).
  void Attach(Vellumar* control) { control_ = control; }

  // Gives the window a client area of width x height pixels (0 x 0 is allowed) and then tells the attached
  // control (its Resize). A negative side or more than Bitmap::kMaxPixels pixels throws HostError 7 and
  // keeps the old surface.
  void Resize(int32_t width, int32_t height);
  // Paints the image at scale device pixels per logical pixel (see DrawingSurface::SetScale, whose errors
  // it throws): the attached control paints it whole again.
  void SetScale(int32_t scale);
  int32_t width() const { return surface().width(); }
  int32_t height() const { return surface().height(); }
  const Bitmap& image() const { return surface().image(); }
  // How often the control asked to show its image.
  int64_t refresh_count() const { return refresh_count_; }
  const std::string& access_keys() const { return access_keys_; }
  WindowHandle capture() const { return capture_; }

  // Where the window system says the pointer is: at a client position (the window sits at the screen's
  // origin, so client and screen coordinates agree), or somewhere outside the window.
  void SetCursor(Point client) { cursor_ = client; }
  void SetCursorOut() { cursor_.reset(); }
  const std::optional<Point>& cursor() const { return cursor_; }
  // Whether a window system would send the window a pointer move to client: only over the window, or
  // anywhere while the window holds the mouse capture.
  bool ReceivesMoveTo(Point client) { return WindowFromPoint(client) == kWindow || capture_ == kWindow; }

  // PaintSurface
  void Refresh() override { ++refresh_count_; }
  WindowHandle hWnd() override { return kWindow; }
  WindowSystem& Windows() override { return *this; }

  // UserControl
  void SetAccessKeys(const std::string& keys) override { access_keys_ = keys; }
  void PropertyChanged(const std::string& name) override;

  // WindowSystem
  bool GetCursorPos(Point& position) override;
  WindowHandle WindowFromPoint(Point position) override;
  Rect GetClientRect(WindowHandle window) override;
  WindowHandle GetCapture() override { return capture_; }
  void SetCapture(WindowHandle window) override { capture_ = window; }
  void ReleaseCapture() override { capture_ = 0; }

  // VellumarEvents: the container's side, reported to the listener.
  void TabPressed(int16_t& PreviousTab) override;
  void MouseIn(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
  void MouseOut(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
  void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
  void MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override;

 private:
  void Notify(const HostNotice& notice) const;
  void NotifyMouse(std::string_view event, int16_t button, int16_t shift, float x, float y) const;

  std::string access_keys_;      // the control's access-key characters
  std::optional<Point> cursor_;  // the pointer in client pixels, or none when outside the window
  WindowHandle capture_ = 0;     // the window holding the mouse capture
  int64_t refresh_count_ = 0;
  Vellumar* control_ = nullptr;
  HostListener listener_;
};

}  // namespace vellumar
