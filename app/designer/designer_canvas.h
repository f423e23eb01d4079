// The designer's form: a canvas on which each of the form's controls is a VellumarWidget at its place and
// size. In design mode an overlay on top takes every click (the controls do not see the mouse, the keyboard
// or their access keys), shows the selected control's frame and lets the user move and resize controls; in
// run mode the controls act as they do for an end user.
#pragma once

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtWidgets/QWidget>
#include <memory>
#include <vector>

#include "app/qt/vellumar_widget.h"
#include "platform/form_file/form_file.h"

class QAction;

namespace vellumar {

class DesignOverlay;

class FormCanvas final : public QWidget {
  Q_OBJECT

 public:
  // Grid of the design mode; moved and resized controls snap to it.
  static constexpr int kGrid = 8;

  explicit FormCanvas(QWidget* parent = nullptr);
  ~FormCanvas() override;

  // The controls in form order (the order they were added).
  const std::vector<VellumarWidget*>& controls() const { return controls_; }
  // Takes control as a child named name, places it at geometry and follows its signals. In design mode it
  // is inert like every other control. Returns the placed control.
  VellumarWidget* AddControl(std::unique_ptr<VellumarWidget> control, const QString& name,
                             const QRect& geometry);
  // Removes and destroys a control of this canvas; anything else is ignored.
  void RemoveControl(VellumarWidget* control);
  // Removes every control, the unplaced ones too.
  void Clear();
  // The control of that name (ASCII case ignored, as form files match names), or null.
  VellumarWidget* Find(const QString& name) const;

  // A control of the form file that the canvas does not show (of another class, or a later one of a name
  // already used), kept so that a save writes it back as it was found, at its place in the form's order.
  struct Unplaced {
    size_t position;  // among the form's controls
    FormControl control;
  };
  // What the form the canvas shows held beside its controls: the unplaced controls, in form order, and the
  // form's own unknown members.
  void SetUnplaced(std::vector<Unplaced> controls, UnknownMembers form_members);
  const std::vector<Unplaced>& unplaced() const { return unplaced_; }
  const UnknownMembers& formMembers() const { return form_members_; }
  // Whether a control, placed or not, goes by that name (ASCII case ignored).
  bool NameTaken(const QString& name) const;
  // The topmost control at a canvas position, or null.
  VellumarWidget* ControlAt(QPoint position) const;
  // Where a new control goes: at the left, two grid squares below the lowest control.
  QPoint FreeSpot() const;

  VellumarWidget* selected() const { return selected_; }
  // Selects a control of this canvas, or none for null or a stranger.
  void Select(VellumarWidget* control);

  bool designMode() const { return design_mode_; }
  void SetDesignMode(bool design);

  // The actions of the overlay's context menu: on a control, and on the empty form.
  void SetContextActions(QList<QAction*> on_control, QList<QAction*> on_form);
  const QList<QAction*>& controlActions() const { return control_actions_; }
  const QList<QAction*>& formActions() const { return form_actions_; }

  // Moves or resizes a control (design-mode dragging), keeping the canvas large enough for it.
  void SetControlGeometry(VellumarWidget* control, const QRect& geometry);

 signals:
  // Something the saved form holds changed: a property, a control's place or size, the set of controls.
  void modified();
  void selectionChanged(VellumarWidget* control);
  // The user asked for the properties of the selected control (design mode, double click).
  void propertiesRequested();
  // A control reported one of its numbered errors.
  void controlError(const QString& name, int number, const QString& description);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateMinimumSize();

  std::vector<VellumarWidget*> controls_;  // children, in form order
  std::vector<Unplaced> unplaced_;         // in form order
  UnknownMembers form_members_;
  QPointer<VellumarWidget> selected_;  // the selected control, or null
  DesignOverlay* overlay_;             // child on top of the controls, shown in design mode
  bool design_mode_ = true;
  QList<QAction*> control_actions_;
  QList<QAction*> form_actions_;
};

}  // namespace vellumar
