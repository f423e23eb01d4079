// A form made in Qt Designer with the tab widget (tab_widget_form.ui: three pages of ordinary widgets),
// compiled with uic: the pages get their captions from their titles, which uic sets after adding them,
// and the current index that uic sets before them; each tab shows its own page.
#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <initializer_list>
#include <optional>

#include "../qt/qt_test_app.h"
#include "app/qt/accessible_tab_view.h"
#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "control/vellumar.h"
#include "ui_tab_widget_form.h"

namespace vellumar {
namespace {

TEST(UiTabWidget, EachTabOfTheFormShowsItsOwnPage) {
  QWidget form;
  Ui::TabWidgetForm ui;
  ui.setupUi(&form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  VellumarTabWidget* tabs = ui.tabWidget;

  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "&Kunden");
  EXPECT_EQ(tabs->tabText(2), "&Notizen");
  EXPECT_EQ(tabs->tabBar()->accessKeys(), "krn");
  EXPECT_EQ(tabs->alignment(), VellumarTabStrip::Bottom);
  EXPECT_EQ(tabs->currentIndex(), 1) << "set before the pages existed";
  EXPECT_TRUE(ui.bezahlt->isVisible());
  EXPECT_FALSE(ui.name->isVisible());
  EXPECT_LT(ui.rechnungen->geometry().bottom(), tabs->height() - tabs->tabHeight()) << "above the strip";
  EXPECT_EQ(ui.rechnungen->palette().color(QPalette::Window), QColor(236, 244, 252));

  QSignalSpy changed(tabs, &VellumarTabWidget::currentChanged);
  const struct {
    int index;
    QWidget* shown;
  } clicks[] = {{2, ui.notiz}, {0, ui.name}, {1, ui.bezahlt}};
  for (const auto& click : clicks) {
    const std::optional<Rect> head = TabHeadRect(tabs->tabBar()->control().state(), click.index + 1);
    ASSERT_TRUE(head);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                      QPoint((head->left + head->right) / 2, (head->top + head->bottom) / 2));
    EXPECT_EQ(tabs->currentIndex(), click.index);
    EXPECT_TRUE(click.shown->isVisible()) << click.index;
    for (QWidget* other : std::initializer_list<QWidget*>{ui.name, ui.bezahlt, ui.notiz}) {
      EXPECT_EQ(other->isVisible(), other == click.shown) << click.index;
    }
  }
  EXPECT_EQ(changed.size(), 3);
}

}  // namespace
}  // namespace vellumar
