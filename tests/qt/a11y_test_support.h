// What the accessibility tests share: a window holding a line edit and a tab strip with three tabs, Qt's
// accessibility switched on with every event it would hand a screen reader captured here instead, and
// helpers that read the page tabs back.
#pragma once

#include <gtest/gtest.h>

#include <QtGui/QAccessible>
#include <QtGui/QCursor>
#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>
#include <memory>
#include <vector>

#include "app/qt/vellumar_accessible_tab.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "widget_test_support.h"

namespace vellumar::testing {

// One announced event, with what its interface said when it was announced.
struct SeenEvent {
  QAccessible::Event type = QAccessible::InvalidEvent;
  int32_t tab = 0;  // the page tab's number, 0 for an event about something else
  QString name;
  QAccessible::State changed;  // for StateChanged
};

inline std::vector<SeenEvent>& SeenEvents() {
  static std::vector<SeenEvent> events;
  return events;
}

inline void RecordEvent(QAccessibleEvent* event) {
  SeenEvent seen;
  seen.type = event->type();
  QAccessibleInterface* iface = event->accessibleInterface();
  if (const auto* tab = dynamic_cast<const VellumarAccessibleTab*>(iface)) {
    seen.tab = tab->tab();
    seen.name = iface->text(QAccessible::Name);
  }
  if (seen.type == QAccessible::StateChanged) {
    seen.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
  }
  SeenEvents().push_back(seen);
}

inline void IgnoreRootObject(QObject*) {}

// Switches Qt's accessibility on or off as an assistive technology would; false when the platform cannot.
bool SetAccessibilityActive(bool active);

// The events about page tabs, as (type, tab) pairs, in the order they came.
inline std::vector<std::pair<QAccessible::Event, int32_t>> TabEvents() {
  std::vector<std::pair<QAccessible::Event, int32_t>> events;
  for (const SeenEvent& seen : SeenEvents()) {
    if (seen.tab != 0) events.emplace_back(seen.type, seen.tab);
  }
  return events;
}

// The default layout of a new control of 300 x 200: heads 60 wide from x = 2, strip 22 high, the selected
// head enlarged.
inline const QPoint kOnTab2(90, 10);
inline const QPoint kOnTab3(150, 10);
inline const QPoint kInPage(150, 100);

class A11yTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_handler_ = QAccessible::installUpdateHandler(&RecordEvent);
    previous_root_handler_ = QAccessible::installRootObjectHandler(&IgnoreRootObject);
    ASSERT_TRUE(SetAccessibilityActive(true));
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    edit_ = new QLineEdit(window_.get());
    widget_ = new VellumarWidget(window_.get());
    widget_->setFixedSize(300, 200);
    layout->addWidget(edit_);
    layout->addWidget(widget_);
    SetCaptions(control(), {"&Allgemein", "Farben", "&Bilder"});
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    widget_->setFocus();
    ASSERT_TRUE(widget_->hasFocus());
    list_ = QAccessible::queryAccessibleInterface(widget_);
    ASSERT_NE(list_, nullptr);
    QCoreApplication::processEvents();
    SeenEvents().clear();
  }

  void TearDown() override {
    if (QWidget::mouseGrabber() != nullptr) QWidget::mouseGrabber()->releaseMouse();
    window_.reset();
    SetAccessibilityActive(false);
    QAccessible::installUpdateHandler(previous_handler_);
    QAccessible::installRootObjectHandler(previous_root_handler_);
    SeenEvents().clear();
  }

  Vellumar& control() { return widget_->control(); }

  // Page tab n (1-based) as the list hands it out.
  QAccessibleInterface* Tab(int n) const { return list_->child(n - 1); }

  // The pointer really goes to a client position and the widget hears of the move there.
  void MovePointer(QPoint client) {
    const QPoint global = widget_->mapToGlobal(client);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, client, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget_, &move);
  }

  std::unique_ptr<QWidget> window_;
  QLineEdit* edit_ = nullptr;             // owned by window_
  VellumarWidget* widget_ = nullptr;      // owned by window_
  QAccessibleInterface* list_ = nullptr;  // owned by Qt's registry
  QAccessible::UpdateHandler previous_handler_ = nullptr;
  QAccessible::RootObjectHandler previous_root_handler_ = nullptr;
};

}  // namespace vellumar::testing
