#include "app/qt/vellumar_accessible_events.h"

#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <algorithm>

#include "app/qt/accessible_tab_view.h"
#include "app/qt/vellumar_accessible.h"
#include "app/qt/vellumar_accessible_tab.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

void MarkSelected(QAccessible::State& state) {
  state.selected = true;
}

void MarkSelectedAndFocused(QAccessible::State& state) {
  state.selected = true;
  state.focused = true;
}

void MarkFocused(QAccessible::State& state) {
  state.focused = true;
}

}  // namespace

VellumarAccessibleEvents::VellumarAccessibleEvents(VellumarWidget* widget, VellumarAccessible& list)
    : widget_(widget), list_(list) {
  TakeSnapshot(*widget, true);
  connect(widget, &VellumarWidget::propertyChanged, this, &VellumarAccessibleEvents::Sync);
  widget->installEventFilter(this);
}

bool VellumarAccessibleEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget_.data()) {
    if (event->type() == QEvent::FocusIn) {
      // Qt announces the widget itself right after this event; the tab follows once that is done.
      QTimer::singleShot(0, this, &VellumarAccessibleEvents::AnnounceFocusIn);
    } else if (event->type() == QEvent::FocusOut) {
      AnnounceFocusOut();
    }
  }
  return QObject::eventFilter(watched, event);
}

void VellumarAccessibleEvents::Sync(const QString& property) {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr) return;
  const int32_t count_before = count_;
  const int32_t selected_before = selected_;
  const bool captions_changed = property == QLatin1StringView("TabCaption");
  const std::vector<int32_t> renamed =
      captions_changed ? RenamedTabs(*widget, count_before) : std::vector<int32_t>();
  TakeSnapshot(*widget, captions_changed);
  const std::vector<QAccessible::Id> removed = list_.DetachTabsAbove(count_);
  // The snapshot is current before anything is announced: a listener that changes the control again
  // starts a nested comparison from here.
  if (QAccessible::isActive()) {
    AnnounceRemoved(removed);
    const int32_t count = count_;
    for (int32_t tab = count_before + 1; tab <= count; ++tab) Announce(tab, QAccessible::ObjectCreated);
    for (const int32_t tab : renamed) Announce(tab, QAccessible::NameChanged);
    if (selected_ != selected_before) AnnounceSelection(selected_before, selected_, widget->hasFocus());
  }
  for (const QAccessible::Id id : removed) QAccessible::deleteAccessibleInterface(id);
}

void VellumarAccessibleEvents::TakeSnapshot(VellumarWidget& widget, bool captions_changed) {
  const TabStripState& state = widget.control().state();
  const int32_t count = ExistingTabCount(state);
  // Captions change only through TabCaption; otherwise only the tabs new to the list need reading.
  const int32_t kept = captions_changed ? 0 : std::min(count_, count);
  captions_.resize(static_cast<size_t>(count));
  for (int32_t tab = kept + 1; tab <= count; ++tab) {
    captions_[static_cast<size_t>(tab - 1)] = std::string(StoredCaption(state, tab));
  }
  count_ = count;
  selected_ = ShownSelectedTab(state);
}

std::vector<int32_t> VellumarAccessibleEvents::RenamedTabs(VellumarWidget& widget, int32_t up_to) const {
  const TabStripState& state = widget.control().state();
  const int32_t last = std::min({up_to, ExistingTabCount(state), static_cast<int32_t>(captions_.size())});
  std::vector<int32_t> renamed;
  for (int32_t tab = 1; tab <= last; ++tab) {
    if (captions_[static_cast<size_t>(tab - 1)] != StoredCaption(state, tab)) renamed.push_back(tab);
  }
  return renamed;
}

void VellumarAccessibleEvents::AnnounceRemoved(const std::vector<QAccessible::Id>& removed) {
  for (const QAccessible::Id id : removed) {
    QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
    auto* tab = dynamic_cast<VellumarAccessibleTab*>(iface);
    if (tab == nullptr) continue;
    tab->Retire();
    QAccessibleEvent event(iface, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&event);
  }
}

void VellumarAccessibleEvents::AnnounceSelection(int32_t before, int32_t after, bool focused) {
  if (before != 0) AnnounceState(before, focused ? MarkSelectedAndFocused : MarkSelected);
  if (after == 0) return;
  AnnounceState(after, focused ? MarkSelectedAndFocused : MarkSelected);
  Announce(after, QAccessible::Selection);
  // A listener may have moved the selection on in the meantime, and announced that move itself.
  if (focused && selected_ == after) Announce(after, QAccessible::Focus);
}

void VellumarAccessibleEvents::AnnounceFocusIn() {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr || !widget->hasFocus() || !QAccessible::isActive()) return;
  const int32_t selected = ShownSelectedTab(widget->control().state());
  if (selected == 0) return;
  AnnounceState(selected, MarkFocused);
  Announce(selected, QAccessible::Focus);
}

void VellumarAccessibleEvents::AnnounceFocusOut() {
  VellumarWidget* widget = LiveVellumarWidget(widget_);
  if (widget == nullptr || !QAccessible::isActive()) return;
  const int32_t selected = ShownSelectedTab(widget->control().state());
  if (selected != 0) AnnounceState(selected, MarkFocused);
}

void VellumarAccessibleEvents::Announce(int32_t tab, QAccessible::Event type) {
  VellumarAccessibleTab* iface = list_.Tab(tab);
  if (iface == nullptr) return;
  QAccessibleEvent event(iface, type);
  QAccessible::updateAccessibility(&event);
}

void VellumarAccessibleEvents::AnnounceState(int32_t tab, void (*mark)(QAccessible::State&)) {
  VellumarAccessibleTab* iface = list_.Tab(tab);
  if (iface == nullptr) return;
  QAccessible::State changed;
  mark(changed);
  QAccessibleStateChangeEvent event(iface, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace vellumar
