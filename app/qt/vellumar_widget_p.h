// The inside of a VellumarWidget: the control's surface and host, and the state the widget keeps between
// Qt's events. Kept out of the public header, which names no type of the control.
#pragma once

#include <QtCore/QHash>
#include <QtCore/QPointF>
#include <cstdint>
#include <memory>
#include <string>

#include "app/qt/qt_window_system.h"
#include "app/qt/vellumar_widget.h"
#include "control/surface_host.h"
#include "control/unused_entries.h"
#include "control/vellumar.h"

namespace vellumar {

class [[gnu::visibility("hidden")]] VellumarWidget::Private final : public SurfaceHost,
                                                                    public VellumarEvents {
 public:
  explicit Private(VellumarWidget & widget) : q(widget), windows_(widget) {}

  // Runs one notification of the control; its numbered errors are reported through hostError.
  template <typename Notification>
  void Notify(Notification && notification);
  // Gives the image the widget's size and its window's device pixel ratio (keeping the old image when the
  // new one would be more than a bitmap may hold) and tells the control (Resize).
  void SyncSurfaceSize();
  // The device pixels per logical pixel the image is painted at: the window's ratio, a fractional one
  // rounded up (Qt scales the image down to the screen), 1 to DeviceContext::kMaxScale.
  int32_t DeviceScale() const;
  void PressAccessKey(char32_t character);
  // Grabs Alt plus each access key from byte from of the keys on; from 0 releases every grab first.
  void GrabAccessKeys(size_t from);
  // When the pointer has left without the control seeing it go (no grab held: a grab that failed, was
  // refused or was ended by someone else), hands the control a move at the last position it saw, so it
  // notices that the pointer is gone, raises MouseOut and clears its hot tab.
  void SettlePointer();
  // Ends a grab that another window (a modal dialog, a popup) needs the pointer back from.
  void OnFocusWindowChanged();
  // The position and button state of a mouse event, kept for SettlePointer.
  void Track(const QPointF& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

  // [SECTION] Host surface: what the drawing surface does not answer
  void Refresh() override;
  WindowHandle hWnd() override {
    return HandleOf(&q);
  }
  WindowSystem& Windows() override {
    return windows_;
  }
  void SetAccessKeys(const std::string& keys) override;
  void PropertyChanged(const std::string& name) override;
  void ShowAboutBox() override;
  // VellumarEvents: forwarded to the sink, then emitted.
  void TabPressed(int16_t & PreviousTab) override;
  void MouseIn(int16_t & Button, int16_t & Shift, float& X, float& Y) override;
  void MouseOut(int16_t & Button, int16_t & Shift, float& X, float& Y) override;
  void MouseDown(int16_t & Button, int16_t & Shift, float& X, float& Y) override;
  void MouseUp(int16_t & Button, int16_t & Shift, float& X, float& Y) override;

  VellumarWidget& q;
  QtWindowSystem windows_;          // the real pointer and grab, for this widget
  std::string access_keys_;         // the control's access-key characters
  QHash<int, char32_t> shortcuts_;  // grabbed Alt+key shortcut id -> the access-key character
  VellumarEvents* sink_ = nullptr;  // the C++ container's event sink, not owned
  int64_t refresh_count_ = 0;       // Refresh calls
  QPointF last_position_;           // where the last mouse event put the pointer, client pixels
  int16_t last_buttons_ = 0;        // button and shift codes of the last mouse event
  int16_t last_shift_ = 0;
  bool awaiting_mouse_out_ = false;    // the control raised MouseIn and has not yet raised MouseOut
  UnusedEntries unused_;               // what the control could not use of the bag it was read from
  std::unique_ptr<Vellumar> control_;  // last: destroyed first, while the surface it uses still exists
};

}  // namespace vellumar
