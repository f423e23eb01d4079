#include "app/qt/vellumar_accessible_tab.h"

#include <QtGui/QWindow>
#include <exception>
#include <new>

#include "app/qt/accessible_tab_view.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

// The part of a client rectangle that lies on the widget, in screen coordinates; empty when none does.
// Cutting to the widget first keeps any recorded coordinate, however large, within Qt's int geometry.
QRect OnScreen(const VellumarWidget& widget, const Rect& client) {
  const Rect shown = Intersect(client, Rect{0, 0, widget.width(), widget.height()});
  if (shown.IsEmpty()) return {};
  const QPoint origin = widget.mapToGlobal(QPoint(shown.left, shown.top));
  return QRect(origin, QSize(static_cast<int>(shown.Width()), static_cast<int>(shown.Height())));
}

}  // namespace

VellumarWidget* LiveVellumarWidget(const QPointer<QObject>& pointer) {
  return qobject_cast<VellumarWidget*>(pointer.data());
}

VellumarAccessibleTab::VellumarAccessibleTab(VellumarWidget* widget, int32_t tab)
    : widget_(widget), tab_(tab) {}

VellumarWidget* VellumarAccessibleTab::Reachable() const {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr || retired_ || !IsExistingTab(widget->control().state(), tab_)) return nullptr;
  return widget;
}

bool VellumarAccessibleTab::isValid() const {
  return LiveVellumarWidget(widget_) != nullptr;
}

QWindow* VellumarAccessibleTab::window() const {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr) return nullptr;
  const QWidget* top = widget->window();
  return top != nullptr ? top->windowHandle() : nullptr;
}

QAccessibleInterface* VellumarAccessibleTab::parent() const {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString VellumarAccessibleTab::text(QAccessible::Text t) const {
  VellumarWidget* widget = Reachable();
  if (widget == nullptr) return {};
  const TabStripState& state = widget->control().state();
  switch (t) {
    case QAccessible::Name:
      return ShownCaption(StoredCaption(state, tab_));
    case QAccessible::Accelerator:
      return AccessKeyBinding(RoutedAccessKey(state, tab_));
    default:
      return {};
  }
}

QRect VellumarAccessibleTab::rect() const {
  VellumarWidget* widget = Reachable();
  if (widget == nullptr) return {};
  const std::optional<Rect> head = TabHeadRect(widget->control().state(), tab_);
  return head ? OnScreen(*widget, *head) : QRect();
}

QAccessible::State VellumarAccessibleTab::state() const {
  QAccessible::State result;
  VellumarWidget* widget = Reachable();
  if (widget == nullptr) {
    result.invisible = true;
    return result;
  }
  const TabStripState& strip = widget->control().state();
  result.selectable = true;
  result.focusable = true;
  result.selected = tab_ == ShownSelectedTab(strip);
  result.focused = result.selected && widget->hasFocus();
  result.hotTracked = tab_ == strip.mHotTab;
  result.disabled = !widget->isEnabled();
  if (rect().isEmpty()) {
    result.invisible = true;
    result.offscreen = true;
  }
  return result;
}

void* VellumarAccessibleTab::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList VellumarAccessibleTab::actionNames() const {
  return Reachable() != nullptr ? QStringList{pressAction()} : QStringList();
}

void VellumarAccessibleTab::doAction(const QString& actionName) {
  VellumarWidget* widget = Reachable();
  if (widget == nullptr || actionName != pressAction() || !widget->isEnabled()) return;
  // The same assignment a click on the head makes; a failing repaint is reported as the widget reports
  // the errors of its own notifications.
  try {
    widget->control().SetSelectedTab(tab_);
  } catch (const HostError& error) {
    emit widget->hostError(error.number(), QString::fromUtf8(error.what()));
  } catch (const std::bad_alloc&) {
    emit widget->hostError(kErrOutOfMemory, QString::fromUtf8(HostErrorDescription(kErrOutOfMemory)));
  } catch (const std::exception& error) {
    emit widget->hostError(0, QString::fromUtf8(error.what()));
  }
}

QStringList VellumarAccessibleTab::keyBindingsForAction(const QString& actionName) const {
  if (actionName != pressAction()) return {};
  const QString binding = text(QAccessible::Accelerator);
  return binding.isEmpty() ? QStringList() : QStringList{binding};
}

}  // namespace vellumar
