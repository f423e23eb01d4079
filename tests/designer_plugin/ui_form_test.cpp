// A form made in Qt Designer with the tab strip (tab_strip_form.ui), compiled with uic: it builds the same
// control that Designer showed, which paints and answers clicks and screen readers like any other.
#include <gtest/gtest.h>

#include <QtGui/QAccessible>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

#include "../qt/qt_test_app.h"
#include "app/qt/vellumar_tab_strip.h"
#include "control/vellumar.h"
#include "ui_tab_strip_form.h"

namespace vellumar {
namespace {

constexpr ColorRef kMailBack = Rgb(236, 244, 252);

TEST(UiForm, BuildsTheTabsAndAppearanceTheFormSets) {
  QWidget form;
  Ui::TabStripForm ui;
  ui.setupUi(&form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  Vellumar& control = ui.tabStrip->control();

  ASSERT_EQ(control.NumberOfTabs(), 3);
  EXPECT_EQ(control.TabCaption(1), "&Eingang");
  EXPECT_EQ(control.TabCaption(2), "&Postausgang");
  EXPECT_EQ(control.TabWidth(2), 88);
  EXPECT_EQ(control.SelectedTab(), 2);
  EXPECT_EQ(control.Alignment(), reg_Bottom);
  EXPECT_EQ(control.TabHeight(), 24);
  EXPECT_EQ(control.BackColor(), kMailBack);
  EXPECT_EQ(control.ForeColorActive(), Rgb(160, 30, 30));
  EXPECT_EQ(control.FontName(), "Tahoma");
  EXPECT_EQ(control.FontBold(), kTrue);
  EXPECT_EQ(ui.tabStrip->accessKeys(), "ept");
  EXPECT_EQ(ui.tabStrip->image().Pixel(ui.tabStrip->width() / 2, ui.tabStrip->height() / 3), kMailBack)
      << "the page shows the form's back colour";
}

TEST(UiForm, TheFormsTabStripAnswersClicksAndScreenReaders) {
  QWidget form;
  Ui::TabStripForm ui;
  ui.setupUi(&form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  VellumarTabStrip* strip = ui.tabStrip;
  QSignalSpy pressed(strip, &VellumarWidget::tabPressed);

  const Rect first = strip->control().state().mTabRects[1];
  QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(first.left + 5, first.bottom + 5));
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 2);
  EXPECT_EQ(strip->selectedTab(), 1);

  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::PageTabList);
  ASSERT_EQ(list->childCount(), 3);
  EXPECT_EQ(list->child(2)->text(QAccessible::Name), "Termine");
  EXPECT_TRUE(list->child(0)->state().selected);
}

}  // namespace
}  // namespace vellumar
