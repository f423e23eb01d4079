// VellumarWidget: the Qt host of one Vellumar control. The widget is the control's surface: it keeps the
// persistent image the control paints into and shows it, asking Qt to repaint only the areas each paint
// changed; turns Qt's mouse, keyboard and focus events into the control's notifications, gives it the real
// pointer and mouse grab as its window system, routes Alt plus an access key to it from anywhere in its
// window, and passes the control's events on to the container as Qt signals and, for C++ containers, to a
// VellumarEvents sink.
//
// [SECTION] Index
//   Construction         a new control (InitProperties) or one read from a property bag (ReadProperties)
//   Container side       control(), the event sink, the signals
//   Qt events            paint, resize, mouse, keys, access-key shortcuts, focus, leave, hide, disable
//   Host surface         the UserControl facilities the control calls back
#pragma once

#include <QtCore/QHash>
#include <QtCore/QPointF>
#include <QtGui/QImage>
#include <QtWidgets/QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/qt/qt_window_system.h"
#include "control/surface_host.h"
#include "control/unused_entries.h"
#include "platform/bitmap.h"
#include "platform/property_bag.h"

namespace vellumar {

class Vellumar;

class VellumarWidget : public QWidget, private SurfaceHost, private VellumarEvents {
  Q_OBJECT

 public:
  // [SECTION] Construction
  // A control newly placed on a form: InitProperties, then the control is sized to sizeHint().
  explicit VellumarWidget(QWidget* parent = nullptr);
  // A control loaded from a saved form: ReadProperties from bag (a failing step is skipped), then the
  // control is sized to sizeHint(); the caller gives it its saved size with resize(). What the control could
  // not use of the bag is kept for WriteProperties.
  explicit VellumarWidget(const PropertyBag& bag, QWidget* parent = nullptr);
  ~VellumarWidget() override;

  // [SECTION] Container side
  Vellumar& control() { return *control_; }
  // Stores the control in bag (its WriteProperties), with the entries of the bag it was read from that it
  // could not use, as they were (UnusedEntries). Throws what WriteProperties throws.
  void WriteProperties(PropertyBag& bag);
  // The control's events also reach sink (not owned; null for none) before the signals are emitted. The
  // sink may write the arguments, as the events pass them by reference; the signals carry what it leaves.
  void setEventSink(VellumarEvents* sink) { sink_ = sink; }
  // The persistent image, as the control last painted it.
  const Bitmap& image() const { return surface().image(); }
  // What the control last handed over as its access-key characters (UTF-8, lower case).
  const std::string& accessKeys() const { return access_keys_; }
  // How often the control asked to show its image.
  int64_t refreshCount() const { return refresh_count_; }
  // The window handle the control knows this widget by.
  WindowHandle handle() const { return HandleOf(this); }

  QSize sizeHint() const override;

 signals:
  void tabPressed(int previousTab);
  void mouseIn(int button, int shift, float x, float y);
  void mouseOut(int button, int shift, float x, float y);
  void mouseDown(int button, int shift, float x, float y);
  void mouseUp(int button, int shift, float x, float y);
  // The control told its host that a property changed (the form now differs from its saved state).
  void propertyChanged(const QString& name);
  // A notification ended in one of the control's numbered errors; the widget goes on working.
  void hostError(int number, const QString& description);

 protected:
  // Runs an action on the control; its numbered errors are reported through hostError, since an exception
  // must not cross Qt's event and signal machinery.
  void RunReportingErrors(const std::function<void()>& action);

  // [SECTION] Qt events
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  VellumarWidget(const PropertyBag* bag, QWidget* parent);

  // Runs one notification of the control; its numbered errors are reported through hostError.
  template <typename Notification>
  void Notify(Notification&& notification);
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

  // [SECTION] Host surface: what the drawing surface does not answer
  void Refresh() override;
  WindowHandle hWnd() override { return handle(); }
  WindowSystem& Windows() override { return windows_; }
  void SetAccessKeys(const std::string& keys) override;
  void PropertyChanged(const std::string& name) override;
  void ShowAboutBox() override;
  // VellumarEvents: forwarded to the sink, then emitted.
  void TabPressed(int16_t& PreviousTab) override;
  void MouseIn(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
  void MouseOut(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
  void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
  void MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override;

  QImage shown_;                    // what the widget shows: the image as of the last Refresh, RGB32, at
                                    // the surface's scale (its device pixel ratio)
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
