// VellumarAccessibleTab: one tab of a VellumarWidget as assistive technology sees it, a page tab named by its
// caption as shown, with its state (selected, focused, hot-tracked), the rectangle in which a press selects
// it, and a press action that selects it as a click does.
#pragma once

#include <QtCore/QPointer>
#include <QtGui/QAccessible>
#include <cstdint>

namespace vellumar {

class VellumarWidget;

class VellumarAccessibleTab final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  // tab is 1-based. The interface reads the control on every call and so follows it; it reports nothing
  // while tab is outside the tab list.
  VellumarAccessibleTab(VellumarWidget* widget, int32_t tab);

  int32_t tab() const { return tab_; }
  // The tab has left the list: the interface stays valid until it is deleted, so that its removal can be
  // announced, but it no longer reads the control.
  void Retire() { retired_ = true; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleActionInterface: press selects the tab through SelectedTab, raising TabPressed.
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  // The widget while it lives and this tab is in its list; null otherwise.
  VellumarWidget* Reachable() const;

  QPointer<QObject> widget_;  // the control's host (see LiveVellumarWidget); cleared when it goes
  int32_t tab_;               // 1-based tab number
  bool retired_ = false;      // the tab has left the list
};

// The live VellumarWidget behind pointer: null once it is gone or while it is being destroyed (its dynamic
// type is then no longer a VellumarWidget, and its control is going or gone). The accessibility classes
// keep the widget as a QPointer<QObject>: Qt sends the widget focus events from ~QWidget, and reading a
// QPointer<VellumarWidget> then downcasts an object that is no longer one.
VellumarWidget* LiveVellumarWidget(const QPointer<QObject>& pointer);

}  // namespace vellumar
