// VellumarWidget: the Qt host of one Vellumar control.
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

/// The Qt host of one Vellumar control: the control as a widget, its events as signals.
///
/// The widget is the control's surface: it keeps the persistent image the control paints into and shows it,
/// asking Qt to repaint only the areas each paint changed; turns Qt's mouse, keyboard and focus events into
/// the control's notifications, gives it the real pointer and mouse grab as its window system, routes Alt
/// plus an access key to it from anywhere in its window, and passes the control's events on to the
/// container as Qt signals and, for C++ containers, to a VellumarEvents sink. The control's numbered errors
/// never escape as exceptions from Qt's event handling; they are reported through hostError().
class VELLUMAR_QT_EXPORT VellumarWidget : public QWidget {
  Q_OBJECT

 public:
  // [SECTION] Construction
  /// Constructs a control newly placed on a form, as a child of \p parent.
  ///
  /// The control runs InitProperties, then the widget is sized to sizeHint().
  explicit VellumarWidget(QWidget* parent = nullptr);
  /// Constructs a control loaded from a saved form, as a child of \p parent.
  ///
  /// The control runs ReadProperties from \p bag (a failing step is skipped), then the widget is sized to
  /// sizeHint(); the caller gives it its saved size with resize(). What the control could not use of the bag
  /// is kept for WriteProperties(). The bag is only read during construction and is not kept.
  explicit VellumarWidget(const PropertyBag& bag, QWidget* parent = nullptr);
  /// Destroys the widget and its control.
  ~VellumarWidget() override;

  // [SECTION] Container side
  /// The control the widget hosts, owned by the widget and valid as long as it.
  Vellumar& control();
  /// Stores the control in \p bag (its WriteProperties).
  ///
  /// The entries of the bag the control was read from that it could not use are stored too, as they were
  /// (UnusedEntries). Throws what WriteProperties throws.
  void WriteProperties(PropertyBag& bag);
  /// Passes the control's events also to \p sink, before the signals are emitted.
  ///
  /// The sink is not owned and must outlive the widget or be replaced first; null sets none. The sink may
  /// write the arguments, as the events pass them by reference; the signals carry what it leaves.
  void setEventSink(VellumarEvents* sink);
  /// The persistent image, as the control last painted it, the size of the widget in pixels.
  const Bitmap& image() const;
  /// What the control last handed over as its access-key characters (UTF-8, lower case).
  const std::string& accessKeys() const;
  /// How often the control asked to show its image since the widget was constructed.
  int64_t refreshCount() const;
  /// The window handle the control knows this widget by.
  std::uintptr_t handle() const;

  /// The size the control asks for, in pixels.
  QSize sizeHint() const override;

 signals:
  /// The control selected a tab; \p previousTab is the control's number (from 1) of the one selected before.
  ///
  /// Emitted on every assignment of the selection that the control accepts, the same tab too.
  void tabPressed(int previousTab);
  /// The pointer moved over the control while it holds the mouse.
  ///
  /// \p button holds the buttons down as bits (1 left, 2 right, 4 middle), \p shift the modifiers held
  /// (1 Shift, 2 Ctrl, 4 Alt); \p x and \p y are the pointer's position in the widget, in pixels. The
  /// other mouse signals take the same arguments.
  void mouseIn(int button, int shift, float x, float y);
  /// The pointer left the control: the control let go of the mouse.
  void mouseOut(int button, int shift, float x, float y);
  /// A mouse button was pressed on a control with tabs; \p button is the one pressed.
  void mouseDown(int button, int shift, float x, float y);
  /// A mouse button was released; \p button is the one released.
  void mouseUp(int button, int shift, float x, float y);
  /// The control told its host that a property changed (the form now differs from its saved state).
  void propertyChanged(const QString& name);
  /// A notification ended in one of the control's numbered errors; the widget goes on working.
  void hostError(int number, const QString& description);

 protected:
  /// Runs \p action on the control, reporting its numbered errors through hostError().
  ///
  /// An exception must not cross Qt's event and signal machinery, so a subclass calls the control through
  /// this wherever Qt calls the subclass.
  void RunReportingErrors(const std::function<void()>& action);

  // [SECTION] Qt events
  /// Handles the access-key shortcuts routed to the control, then as QWidget::event().
  bool event(QEvent* event) override;
  /// Shows the persistent image.
  void paintEvent(QPaintEvent* event) override;
  /// Resizes the persistent image and lets the control lay itself out anew.
  void resizeEvent(QResizeEvent* event) override;
  /// Passes the press to the control (MouseDown).
  void mousePressEvent(QMouseEvent* event) override;
  /// Passes the move to the control (MouseMove).
  void mouseMoveEvent(QMouseEvent* event) override;
  /// Passes the release to the control (MouseUp).
  void mouseReleaseEvent(QMouseEvent* event) override;
  /// Passes the arrow keys to the control (KeyDown) and leaves them to the container as well.
  void keyPressEvent(QKeyEvent* event) override;
  /// Tells the control it has the focus.
  void focusInEvent(QFocusEvent* event) override;
  /// Tells the control it lost the focus.
  void focusOutEvent(QFocusEvent* event) override;
  /// Lets the control see the pointer go.
  void leaveEvent(QEvent* event) override;
  /// Releases the mouse the control holds and lets it see the pointer go.
  void hideEvent(QHideEvent* event) override;
  /// On disabling, releases the mouse the control holds and lets it see the pointer go.
  void changeEvent(QEvent* event) override;

 private:
  class Private;

  VellumarWidget(const PropertyBag* bag, QWidget* parent);

  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
