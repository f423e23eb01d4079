// VellumarAccessibleEvents: tells assistive technology what changed in a VellumarWidget. It listens to the
// control's property notifications and to the widget's focus, compares with what it last saw, and
// announces: tabs added (ObjectCreated) and removed (ObjectDestroyed), captions changed (NameChanged), the
// selection moved (StateChanged of both tabs, Selection, and Focus while the widget has the focus), and
// the focus entering or leaving the widget (Focus on the selected tab, StateChanged).
#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtGui/QAccessible>
#include <cstdint>
#include <string>
#include <vector>

namespace vellumar {

class VellumarAccessible;
class VellumarWidget;

class VellumarAccessibleEvents final : public QObject {
 public:
  // list owns this object and outlives it.
  VellumarAccessibleEvents(VellumarWidget* widget, VellumarAccessible& list);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Compares the control with the last snapshot after the control notified property, and announces the
  // difference.
  void Sync(const QString& property);
  // Brings the snapshot up to date; the captions of tabs already in it are read again only when they may
  // have changed.
  void TakeSnapshot(VellumarWidget& widget, bool captions_changed);
  // The tabs 1 .. up_to whose stored captions differ from the snapshot.
  std::vector<int32_t> RenamedTabs(VellumarWidget& widget, int32_t up_to) const;
  void AnnounceRemoved(const std::vector<QAccessible::Id>& removed);
  void AnnounceSelection(int32_t before, int32_t after, bool focused);
  // The focus has settled on the widget: the selected tab is what has it.
  void AnnounceFocusIn();
  void AnnounceFocusOut();
  void Announce(int32_t tab, QAccessible::Event type);
  void AnnounceState(int32_t tab, void (*mark)(QAccessible::State&));

  QPointer<QObject> widget_;           // the widget watched (see LiveVellumarWidget)
  VellumarAccessible& list_;           // its accessible interface, which owns this object
  int32_t count_ = 0;                  // tabs in the list at the last look
  int32_t selected_ = 0;               // the tab shown as selected at the last look, 0 for none
  std::vector<std::string> captions_;  // stored captions of tabs 1 .. count_ at the last look
};

}  // namespace vellumar
