// What the tab strip announces to assistive technology: selection changes from clicks, keys and the
// container, the focus entering and leaving, tabs added, removed and renamed. Runs on the offscreen platform
// with Qt's accessibility events captured.
#include "a11y_test_support.h"

namespace vellumar::testing {
namespace {

using Announced = A11yTest;
using Event = std::pair<QAccessible::Event, int32_t>;
using Events = std::vector<Event>;

constexpr auto kState = QAccessible::StateChanged;
constexpr auto kSelection = QAccessible::Selection;
constexpr auto kFocus = QAccessible::Focus;

TEST_F(Announced, SelectionByClickKeyOrContainerMovesSelectedAndFocus) {
  const Events focused_move = {{kState, 1}, {kState, 2}, {kSelection, 2}, {kFocus, 2}};
  QTest::mouseClick(widget_, Qt::LeftButton, Qt::NoModifier, kOnTab2);
  EXPECT_EQ(TabEvents(), focused_move);
  ASSERT_FALSE(SeenEvents().empty());
  EXPECT_TRUE(SeenEvents()[0].changed.selected);
  EXPECT_TRUE(SeenEvents()[0].changed.focused);

  SeenEvents().clear();
  QTest::keyClick(widget_, Qt::Key_Right);
  EXPECT_EQ(TabEvents(), (Events{{kState, 2}, {kState, 3}, {kSelection, 3}, {kFocus, 3}}));

  edit_->setFocus();
  SeenEvents().clear();
  control().SetSelectedTab(1);
  EXPECT_EQ(TabEvents(), (Events{{kState, 3}, {kState, 1}, {kSelection, 1}})) << "no focus without the focus";
  EXPECT_FALSE(SeenEvents()[0].changed.focused);
}

TEST_F(Announced, SelectingTheSelectedTabAgainIsNoChange) {
  QTest::keyClick(widget_, Qt::Key_Left);
  control().SetSelectedTab(1);
  control().SetSelectedTab(0);  // painted as tab 1
  EXPECT_EQ(TabEvents(), Events{});
}

TEST_F(Announced, PressActionAnnouncesLikeAClick) {
  Tab(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(TabEvents(), (Events{{kState, 1}, {kState, 3}, {kSelection, 3}, {kFocus, 3}}));
}

TEST_F(Announced, FocusEnteringAndLeavingTheWidget) {
  edit_->setFocus();
  EXPECT_EQ(TabEvents(), (Events{{kState, 1}}));
  for (const SeenEvent& seen : SeenEvents()) {
    if (seen.tab == 1) {
      EXPECT_TRUE(seen.changed.focused);
    }
  }

  SeenEvents().clear();
  widget_->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(TabEvents(), (Events{{kState, 1}, {kFocus, 1}})) << "after Qt's own event for the widget";
  ASSERT_FALSE(SeenEvents().empty());
  EXPECT_EQ(SeenEvents().front().type, QAccessible::Focus) << "the widget's focus comes first";
  EXPECT_EQ(SeenEvents().front().tab, 0);
}

TEST_F(Announced, TabsAddedRemovedAndRenamed) {
  AddCaptionedTab(control(), "&Neu");
  ASSERT_EQ(TabEvents(), (Events{{QAccessible::ObjectCreated, 4}}));
  EXPECT_EQ(SeenEvents().back().name, "Neu");

  SeenEvents().clear();
  control().SetTabCaption(2, "F&arben");
  control().SetTabCaption(3, "&Bilder");  // unchanged
  EXPECT_EQ(TabEvents(), (Events{{QAccessible::NameChanged, 2}}));

  SeenEvents().clear();
  control().DeleteTab();
  ASSERT_EQ(TabEvents(), (Events{{QAccessible::ObjectDestroyed, 4}}));
  EXPECT_EQ(SeenEvents().back().name, "") << "a removed tab reads nothing";
  EXPECT_EQ(list_->childCount(), 3);
}

TEST_F(Announced, DeletingTheSelectedLastTabAnnouncesTheNewSelection) {
  control().SetSelectedTab(3);
  SeenEvents().clear();
  control().DeleteTab();
  EXPECT_EQ(TabEvents(),
            (Events{{QAccessible::ObjectDestroyed, 3}, {kState, 2}, {kSelection, 2}, {kFocus, 2}}));
}

TEST_F(Announced, NothingWhileAccessibilityIsOff) {
  SetAccessibilityActive(false);
  AddCaptionedTab(control(), "Neu");
  control().SetSelectedTab(4);
  control().DeleteTab();
  EXPECT_EQ(SeenEvents().size(), 0U);
  SetAccessibilityActive(true);
  EXPECT_EQ(list_->childCount(), 3);
  EXPECT_EQ(Tab(3)->state().selected, true);
}

TEST_F(Announced, AListenerThatChangesTheControlAgainSeesItCurrent) {
  // A screen reader that answers a selection by pressing another tab: the nested change is announced
  // inside the first, and the first announces nothing stale after it.
  static VellumarWidget* widget = nullptr;
  widget = widget_;
  QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
    RecordEvent(event);
    if (event->type() == QAccessible::Selection && widget->control().SelectedTab() == 2) {
      widget->control().SetSelectedTab(3);
    }
  });
  control().SetSelectedTab(2);
  QAccessible::installUpdateHandler(&RecordEvent);
  EXPECT_EQ(control().SelectedTab(), 3);
  EXPECT_EQ(TabEvents(), (Events{{kState, 1},
                                 {kState, 2},
                                 {kSelection, 2},
                                 {kState, 2},
                                 {kState, 3},
                                 {kSelection, 3},
                                 {kFocus, 3}}));
}

TEST_F(Announced, DestroyingTheFocusedWidgetTakesItsTabsAlong) {
  const QAccessible::Id id = QAccessible::uniqueId(Tab(2));
  window_.reset();
  EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
  for (const auto& [type, tab] : TabEvents()) {
    EXPECT_EQ(type, kState) << "only the focus leaving the selected tab";
    EXPECT_EQ(tab, 1);
  }
}

}  // namespace
}  // namespace vellumar::testing
