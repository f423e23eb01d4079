// The tab strip as Qt's accessibility framework shows it: a page-tab list of page tabs with their names,
// states, rectangles, press action and key bindings, following the control through clicks, arrow keys,
// focus changes and changes of its tab list. Runs on the offscreen platform.
#include <QtTest/QSignalSpy>
#include <string>

#include "a11y_test_support.h"
#include "app/qt/accessible_tab_view.h"

namespace vellumar::testing {
namespace {

using TabList = A11yTest;

struct SelectionView {
  int selected = 0;  // the tab whose state says selected, 0 for none; -1 when more than one does
  int focused = 0;   // likewise for focused
};

SelectionView ViewOf(QAccessibleInterface* list) {
  SelectionView view;
  for (int i = 0; i < list->childCount(); ++i) {
    const QAccessible::State state = list->child(i)->state();
    if (state.selected) view.selected = view.selected == 0 ? i + 1 : -1;
    if (state.focused) view.focused = view.focused == 0 ? i + 1 : -1;
  }
  return view;
}

TEST_F(TabList, IsAPageTabListOfOnePageTabPerTab) {
  EXPECT_EQ(list_->role(), QAccessible::PageTabList);
  ASSERT_EQ(list_->childCount(), 3);
  const QStringList names{"Allgemein", "Farben", "Bilder"};
  for (int n = 1; n <= 3; ++n) {
    QAccessibleInterface* tab = Tab(n);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(tab->text(QAccessible::Name), names[n - 1]);
    EXPECT_EQ(tab->parent(), list_);
    EXPECT_EQ(list_->indexOfChild(tab), n - 1);
    EXPECT_EQ(Tab(n), tab) << "a tab keeps its interface";
  }
  EXPECT_EQ(list_->child(3), nullptr);
  EXPECT_EQ(list_->child(-1), nullptr);
}

TEST_F(TabList, NamesAreCaptionsAsShown) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {"&Datei", "Datei"},
      {"Sp&eichern", "Speichern"},
      {"Fish && Chips", "Fish & Chips"},
      {"&&&X", "&X"},
      {"Ende&", "Ende"},
      {"A&&", "A&"},
      {"&", ""},
      {"", ""},
      {"&Übersicht", "Übersicht"},
  };
  for (const auto& [caption, name] : cases) {
    control().SetTabCaption(2, caption);
    EXPECT_EQ(Tab(2)->text(QAccessible::Name), name) << caption;
  }
}

TEST_F(TabList, SelectedAndFocusedFollowClicksArrowsAndFocus) {
  EXPECT_EQ(ViewOf(list_).selected, 1);
  EXPECT_EQ(ViewOf(list_).focused, 1);

  QTest::mouseClick(widget_, Qt::LeftButton, Qt::NoModifier, kOnTab2);
  EXPECT_EQ(ViewOf(list_).selected, 2);
  EXPECT_EQ(ViewOf(list_).focused, 2);

  QTest::keyClick(widget_, Qt::Key_Right);
  EXPECT_EQ(ViewOf(list_).selected, 3);
  EXPECT_EQ(ViewOf(list_).focused, 3);

  edit_->setFocus();
  EXPECT_EQ(ViewOf(list_).selected, 3);
  EXPECT_EQ(ViewOf(list_).focused, 0);
  EXPECT_EQ(list_->focusChild(), nullptr);

  QTest::keyClick(widget_, Qt::Key_Left);
  widget_->setFocus();
  EXPECT_EQ(ViewOf(list_).selected, 2);
  EXPECT_EQ(ViewOf(list_).focused, 2);
  EXPECT_EQ(list_->focusChild(), Tab(2));
}

TEST_F(TabList, SelectionOutsideTheListSelectsNoTabAndZeroIsTheFirst) {
  control().SetSelectedTab(0);
  EXPECT_EQ(ViewOf(list_).selected, 1);
  control().SetSelectedTab(-4);
  EXPECT_EQ(ViewOf(list_).selected, 0);
  EXPECT_EQ(ViewOf(list_).focused, 0);
  EXPECT_EQ(list_->focusChild(), nullptr);
}

TEST_F(TabList, HotTrackedIsTheTabUnderThePointer) {
  MovePointer(kOnTab3);
  EXPECT_TRUE(Tab(3)->state().hotTracked);
  EXPECT_FALSE(Tab(2)->state().hotTracked);
  MovePointer(kInPage);
  EXPECT_FALSE(Tab(3)->state().hotTracked);
}

TEST_F(TabList, RectsAreTheHeadsAsPaintedOnScreen) {
  for (const int32_t alignment : {reg_Top, reg_Bottom}) {
    control().SetAlignment(alignment);
    const TabStripState& state = control().state();
    for (int n = 1; n <= 3; ++n) {
      Rect head = state.mTabRects[static_cast<size_t>(n)];
      // At the bottom only the selected head is recorded as painted; the others are drawn (and hit) in
      // the strip below their recorded line.
      if (alignment == reg_Bottom && n != 1)
        head = Rect{head.left, head.bottom, head.right, head.bottom + 22};
      const QRect expected(widget_->mapToGlobal(QPoint(head.left, head.top)),
                           QSize(head.right - head.left, head.bottom - head.top));
      ASSERT_FALSE(expected.isEmpty());
      EXPECT_EQ(Tab(n)->rect(), expected) << "alignment " << alignment << ", tab " << n;
      EXPECT_EQ(list_->childAt(expected.center().x(), expected.center().y()), Tab(n));
    }
  }
  const QPoint page = widget_->mapToGlobal(QPoint(150, 60));
  EXPECT_EQ(list_->childAt(page.x(), page.y()), nullptr);
}

TEST_F(TabList, HeadsBeyondTheWidgetAreCutOrOffscreen) {
  control().SetTabWidth(2, 280);
  control().SetTabWidth(3, 2'000'000'000);
  const QRect widget_area(widget_->mapToGlobal(QPoint(0, 0)), widget_->size());
  const QRect second = Tab(2)->rect();
  EXPECT_FALSE(second.isEmpty());
  EXPECT_TRUE(widget_area.contains(second)) << "the head is cut at the widget's edge";
  EXPECT_LT(second.width(), 280);
  EXPECT_TRUE(Tab(3)->rect().isEmpty());
  EXPECT_TRUE(Tab(3)->state().offscreen);
  EXPECT_TRUE(Tab(3)->state().invisible);
  EXPECT_FALSE(Tab(2)->state().offscreen);
}

TEST_F(TabList, PressActionSelectsAsAClickDoes) {
  QAccessibleActionInterface* press = Tab(3)->actionInterface();
  ASSERT_NE(press, nullptr);
  EXPECT_EQ(press->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  QSignalSpy pressed(widget_, &VellumarWidget::tabPressed);

  press->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 1);
  EXPECT_EQ(control().SelectedTab(), 3);

  press->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(pressed.size(), 2);
  EXPECT_EQ(pressed[1][0].toInt(), 3) << "pressing the selected tab selects it again";

  press->doAction(QAccessibleActionInterface::increaseAction());
  widget_->setEnabled(false);
  Tab(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(pressed.size(), 2) << "other actions and a disabled widget select nothing";
  EXPECT_TRUE(Tab(1)->state().disabled);
}

TEST_F(TabList, KeyBindingsAreTheAccessKeysThatSelectTheTab) {
  struct Case {
    std::vector<std::string> captions;
    QStringList bindings;
  };
  const std::vector<Case> cases = {
      {{"&Allgemein", "Farben", "&Bilder"}, {"Alt+A", "", "Alt+B"}},
      {{"&Eins", "&Ende"}, {"Alt+E", ""}},  // the first tab in order takes the key
      {{"&Übersicht", "Fish && &Chips", "&&"}, {"Alt+Ü", "Alt+C", ""}},
      {{"&\xe2\x82\xac", "&\xe4\xb8\xad"}, {"Alt+€", ""}},  // a key without a Windows-1252 code never arrives
  };
  for (const Case& c : cases) {
    while (control().NumberOfTabs() > 1) control().DeleteTab();
    control().SetTabCaption(1, c.captions[0]);
    for (size_t i = 1; i < c.captions.size(); ++i) AddCaptionedTab(control(), c.captions[i]);
    ASSERT_EQ(list_->childCount(), c.bindings.size());
    for (int n = 1; n <= list_->childCount(); ++n) {
      const QString& binding = c.bindings[n - 1];
      const QStringList expected = binding.isEmpty() ? QStringList() : QStringList{binding};
      EXPECT_EQ(Tab(n)->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                expected)
          << c.captions[0] << ", tab " << n;
      EXPECT_EQ(Tab(n)->text(QAccessible::Accelerator), binding);
    }
  }
}

TEST_F(TabList, FollowsTheTabListWithoutReadingBeyondIt) {
  const QAccessible::Id third = QAccessible::uniqueId(Tab(3));
  AddCaptionedTab(control(), "&Neu");
  ASSERT_EQ(list_->childCount(), 4);
  EXPECT_EQ(Tab(4)->text(QAccessible::Name), "Neu");

  control().DeleteTab();
  control().DeleteTab();
  EXPECT_EQ(list_->childCount(), 2);
  EXPECT_EQ(list_->child(2), nullptr);
  EXPECT_EQ(control().TabCaption(3), "&Bilder") << "the record stays, the list ends before it";
  EXPECT_EQ(QAccessible::accessibleInterface(third), nullptr) << "a removed tab's interface is gone";

  control().Terminate();
  EXPECT_EQ(list_->childCount(), 0);
  EXPECT_EQ(list_->child(0), nullptr);
  EXPECT_EQ(list_->focusChild(), nullptr);
}

TEST(AccessibleTabView, ReadsNothingOutsideTheList) {
  TabStripState state;
  EXPECT_EQ(ExistingTabCount(state), 0);
  state.mNumberOfTabs = 3;
  EXPECT_EQ(ExistingTabCount(state), 0) << "no records";
  EXPECT_EQ(ShownSelectedTab(state), 0);
  EXPECT_EQ(StoredCaption(state, 1), "");
  EXPECT_FALSE(TabHeadRect(state, 1).has_value());
  state.mTabs.resize(3);  // slots 0 .. 2, all empty
  EXPECT_EQ(ExistingTabCount(state), 2);
  EXPECT_EQ(StoredCaption(state, 2), "") << "an empty slot has no caption";
  EXPECT_EQ(RoutedAccessKey(state, 3), 0U);
}

}  // namespace
}  // namespace vellumar::testing
