// VellumarAccessible: a VellumarWidget as assistive technology sees it, through Qt's accessibility framework
// and so through AT-SPI on Linux. The widget is a page-tab list whose children are its tabs (one
// VellumarAccessibleTab each, in tab order), followed by any child widgets it holds; changes of the selection
// and of the tab list are announced with the framework's events (see VellumarAccessibleEvents).
//
// Every program that makes a VellumarWidget gets the factory installed when its QApplication starts;
// InstallVellumarAccessibility does the same by hand and may be called any number of times.
#pragma once

#include <QtCore/QHash>
#include <QtCore/QPointer>
#include <QtWidgets/QAccessibleWidget>
#include <cstdint>
#include <memory>
#include <vector>

namespace vellumar {

class VellumarWidget;
class VellumarAccessibleTab;
class VellumarAccessibleEvents;

// Registers the factory that gives every VellumarWidget (and subclass) its VellumarAccessible.
void InstallVellumarAccessibility();

class VellumarAccessible final : public QAccessibleWidget {
 public:
  explicit VellumarAccessible(VellumarWidget* widget);
  ~VellumarAccessible() override;
  VellumarAccessible(const VellumarAccessible&) = delete;
  VellumarAccessible& operator=(const VellumarAccessible&) = delete;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  // The tab whose head is at this screen point (the last of overlapping heads, as a press picks it), else
  // a child widget there.
  QAccessibleInterface* childAt(int x, int y) const override;
  // The selected tab while the widget has the focus; a focused child widget; else none.
  QAccessibleInterface* focusChild() const override;

  // The interface of tab (1-based), made on first use and owned by Qt's registry; null outside the list.
  VellumarAccessibleTab* Tab(int32_t tab) const;
  // Takes the interfaces of the tabs above count out of this list and returns their registry ids: the
  // caller announces their removal and deletes them.
  std::vector<QAccessible::Id> DetachTabsAbove(int32_t count);

 private:
  int32_t TabCount() const;

  QPointer<QObject> widget_;                          // the widget described (see LiveVellumarWidget)
  mutable QHash<int32_t, QAccessible::Id> tabs_;      // tab number -> registered tab interface
  mutable int32_t highest_ = 0;                       // no interface in tabs_ is for a tab above this
  std::unique_ptr<VellumarAccessibleEvents> events_;  // announces the widget's changes
};

}  // namespace vellumar
