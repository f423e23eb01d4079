// The tab widget's form (tab_widget_form.ui) read at run time with QUiLoader, which takes the widgets from
// the Designer plugin: the tab widget is a QTabWidget to it, whose pages it adds with their titles, and each
// tab shows its page.
#include <gtest/gtest.h>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtTest/QTest>
#include <QtUiTools/QUiLoader>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTabWidget>
#include <memory>

#include "../qt/qt_test_app.h"

namespace {

TEST(UiLoader, TheFormsTabWidgetShowsThePageOfEachTab) {
  QUiLoader loader;
  loader.clearPluginPaths();
  loader.addPluginPath(QFileInfo(QStringLiteral(VELLUMAR_DESIGNER_PLUGIN)).absolutePath());
  ASSERT_TRUE(loader.availableWidgets().contains("vellumar::VellumarTabWidget"));
  QFile file(QStringLiteral(VELLUMAR_TAB_WIDGET_FORM));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::unique_ptr<QWidget> form(loader.load(&file));
  ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

  auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
  ASSERT_NE(tabs, nullptr);
  EXPECT_STREQ(tabs->metaObject()->className(), "vellumar::VellumarTabWidget");
  EXPECT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(tabs->tabText(1), "&Rechnungen");
  EXPECT_EQ(tabs->tabPosition(), QTabWidget::South) << "the form's alignment";

  QWidget* const shown[] = {form->findChild<QLineEdit*>(QStringLiteral("name")),
                            form->findChild<QCheckBox*>(QStringLiteral("bezahlt")),
                            form->findChild<QPlainTextEdit*>(QStringLiteral("notiz"))};
  for (int index : {2, 0, 1}) {
    tabs->setCurrentIndex(index);
    for (int i = 0; i < 3; ++i) {
      ASSERT_NE(shown[i], nullptr);
      EXPECT_EQ(shown[i]->isVisible(), i == index) << "tab " << index << ", page " << i;
    }
  }
}

}  // namespace
