// A form made in Qt Designer with the tab widget (tab_widget_form.ui: three pages of ordinary widgets),
// compiled with uic as a QTabWidget's form: the pages' titles become tab texts, the current index that uic
// sets after them holds, the tabs sit at the bottom as the form's alignment says, and each tab shows its
// own page on the page colour.
#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QTabBar>
#include <initializer_list>

#include "../qt/qt_test_app.h"
#include "app/qt/vellumar_tab_widget.h"
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
  EXPECT_EQ(tabs->alignment(), VellumarTabWidget::Bottom);
  EXPECT_EQ(tabs->tabPosition(), QTabWidget::South);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_TRUE(ui.bezahlt->isVisible());
  EXPECT_FALSE(ui.name->isVisible());
  EXPECT_LT(ui.rechnungen->geometry().bottom(), tabs->tabBar()->geometry().top()) << "above the tabs";
  EXPECT_EQ(ui.rechnungen->palette().color(QPalette::Window), QColor(236, 244, 252));

  QSignalSpy changed(tabs, &QTabWidget::currentChanged);
  const struct {
    int index;
    QWidget* shown;
  } clicks[] = {{2, ui.notiz}, {0, ui.name}, {1, ui.bezahlt}};
  for (const auto& click : clicks) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(click.index).center());
    EXPECT_EQ(tabs->currentIndex(), click.index);
    for (QWidget* page : std::initializer_list<QWidget*>{ui.name, ui.bezahlt, ui.notiz}) {
      EXPECT_EQ(page->isVisible(), page == click.shown) << click.index;
    }
  }
  EXPECT_EQ(changed.size(), 3);
}

}  // namespace
}  // namespace vellumar
