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
#pragma once

#include <QtWidgets/QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vellumar_global.h"

namespace vellumar {

class Bitmap;
class PropertyBag;
class Vellumar;
class VellumarEvents;

class VELLUMAR_QT_EXPORT VellumarWidget : public QWidget {
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
  Vellumar& control();
  // Stores the control in bag (its WriteProperties), with the entries of the bag it was read from that it
  // could not use, as they were (UnusedEntries). Throws what WriteProperties throws.
  void WriteProperties(PropertyBag& bag);
  // The control's events also reach sink (not owned; null for none) before the signals are emitted. The
  // sink may write the arguments, as the events pass them by reference; the signals carry what it leaves.
  void setEventSink(VellumarEvents* sink);
  // The persistent image, as the control last painted it.
  const Bitmap& image() const;
  // What the control last handed over as its access-key characters (UTF-8, lower case).
  const std::string& accessKeys() const;
  // How often the control asked to show its image.
  int64_t refreshCount() const;
  // The window handle the control knows this widget by.
  std::uintptr_t handle() const;

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
  class Private;

  VellumarWidget(const PropertyBag* bag, QWidget* parent);

  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
