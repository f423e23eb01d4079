#include "app/qt/vellumar_accessible.h"

#include <algorithm>

#include "app/qt/accessible_tab_view.h"
#include "app/qt/vellumar_accessible_events.h"
#include "app/qt/vellumar_accessible_tab.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

QAccessibleInterface* VellumarAccessibleFactory(const QString& key, QObject* object) {
  if (key != QLatin1StringView(VellumarWidget::staticMetaObject.className())) return nullptr;
  auto* widget = qobject_cast<VellumarWidget*>(object);
  if (widget == nullptr) return nullptr;
  // Qt's registry takes the interface over and deletes it with the widget.
  return std::make_unique<VellumarAccessible>(widget).release();
}

}  // namespace

void InstallVellumarAccessibility() {
  QAccessible::installFactory(&VellumarAccessibleFactory);
}

VellumarAccessible::VellumarAccessible(VellumarWidget* widget)
    : QAccessibleWidget(widget, QAccessible::PageTabList),
      widget_(widget),
      events_(std::make_unique<VellumarAccessibleEvents>(widget, *this)) {}

VellumarAccessible::~VellumarAccessible() {
  events_.reset();
  for (const QAccessible::Id id : std::as_const(tabs_)) QAccessible::deleteAccessibleInterface(id);
}

int32_t VellumarAccessible::TabCount() const {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  return widget != nullptr ? ExistingTabCount(widget->control().state()) : 0;
}

int VellumarAccessible::childCount() const {
  return TabCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* VellumarAccessible::child(int index) const {
  const int32_t tabs = TabCount();
  if (index < 0) return nullptr;
  if (index < tabs) return Tab(index + 1);
  return QAccessibleWidget::child(index - tabs);
}

int VellumarAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* tab = dynamic_cast<const VellumarAccessibleTab*>(child);
  if (tab != nullptr) {
    const auto found = tabs_.constFind(tab->tab());
    const bool ours = found != tabs_.constEnd() && QAccessible::accessibleInterface(found.value()) == child;
    return ours ? tab->tab() - 1 : -1;
  }
  const int index = QAccessibleWidget::indexOfChild(child);
  return index < 0 ? -1 : TabCount() + index;
}

QAccessibleInterface* VellumarAccessible::childAt(int x, int y) const {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr) return nullptr;
  const QPoint client = widget->mapFromGlobal(QPoint(x, y));
  const TabStripState& state = widget->control().state();
  for (int32_t tab = ExistingTabCount(state); tab >= 1; --tab) {
    const std::optional<Rect> head = TabHeadRect(state, tab);
    if (head && head->Contains(client.x(), client.y())) return Tab(tab);
  }
  return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* VellumarAccessible::focusChild() const {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr) return nullptr;
  if (!widget->hasFocus()) {
    // Qt names the widget itself when it was the last to have the focus in its window, focused or not.
    QAccessibleInterface* inside = QAccessibleWidget::focusChild();
    return inside == this ? nullptr : inside;
  }
  const int32_t selected = ShownSelectedTab(widget->control().state());
  return selected != 0 ? Tab(selected) : nullptr;
}

VellumarAccessibleTab* VellumarAccessible::Tab(int32_t tab) const {
  if (tab < 1 || tab > TabCount()) return nullptr;
  if (const QAccessible::Id id = tabs_.value(tab, 0)) {
    if (QAccessibleInterface* known = QAccessible::accessibleInterface(id)) {
      return static_cast<VellumarAccessibleTab*>(known);
    }
  }
  auto made = std::make_unique<VellumarAccessibleTab>(LiveVellumarWidget(widget_), tab);
  tabs_.insert(tab, QAccessible::registerAccessibleInterface(made.get()));
  highest_ = std::max(highest_, tab);
  return made.release();  // the registry owns it now
}

std::vector<QAccessible::Id> VellumarAccessible::DetachTabsAbove(int32_t count) {
  // Looked up tab by tab from the highest interface made, so that removing one tab of many costs one
  // lookup; the last tab goes first, as DeleteTab removes them.
  std::vector<QAccessible::Id> ids;
  for (int32_t tab = highest_; tab > count; --tab) {
    if (const auto found = tabs_.constFind(tab); found != tabs_.constEnd()) {
      ids.push_back(found.value());
      tabs_.erase(found);
    }
  }
  highest_ = std::clamp(count, 0, highest_);
  return ids;
}

}  // namespace vellumar
