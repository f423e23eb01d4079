// VellumarTabWidget as a Qt program meets it: the page that shows for each tab whichever way the tab was
// chosen, removing and inserting around the current page (tables in the style of QTabBar's removeTab_data),
// the keyboard's page switching, pages their owners delete, the focus chain through the current page, and
// where the pages sit in the strip's page area.
#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/accessible_tab_view.h"
#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "control/vellumar.h"
#include "qt_test_app.h"

namespace vellumar {
namespace {

// A window: a line edit, a tab widget whose pages each hold a line edit, and another line edit.
class TabWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    before_ = new QLineEdit(&window_);
    tabs_ = new VellumarTabWidget(&window_);
    after_ = new QLineEdit(&window_);
    layout->addWidget(before_);
    layout->addWidget(tabs_);
    layout->addWidget(after_);
    window_.resize(420, 320);
  }

  // Pages named p0, p1, ... with captions "&A0"-like access keys a, b, c, ...
  void AddPages(int n) {
    for (int i = 0; i < n; ++i) {
      auto* page = new QWidget;
      page->setObjectName(QStringLiteral("p%1").arg(i));
      auto* edit = new QLineEdit(page);
      edit->setObjectName(QStringLiteral("e%1").arg(i));
      tabs_->addTab(page, QStringLiteral("&%1 Seite").arg(QChar(u'A' + i)));
    }
  }

  void Show() {
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  // The name of the one visible page, "" for none, "several" for more.
  QString VisiblePage() const {
    QString shown;
    for (int i = 0; i < tabs_->count(); ++i) {
      if (!tabs_->widget(i)->isVisible()) continue;
      if (!shown.isEmpty()) return QStringLiteral("several");
      shown = tabs_->widget(i)->objectName();
    }
    return shown;
  }

  QPoint HeadCentre(int index) const {
    const std::optional<Rect> head = TabHeadRect(tabs_->tabBar()->control().state(), index + 1);
    return head ? QPoint((head->left + head->right) / 2, (head->top + head->bottom) / 2) : QPoint();
  }

  QWidget window_;
  QLineEdit* before_ = nullptr;
  VellumarTabWidget* tabs_ = nullptr;
  QLineEdit* after_ = nullptr;
};

TEST_F(TabWidgetTest, ThePageOfTheSelectedTabShowsWhicheverWayItWasChosen) {
  AddPages(4);
  Show();
  ASSERT_EQ(VisiblePage(), "p0");
  QSignalSpy changed(tabs_, &VellumarTabWidget::currentChanged);
  QSignalSpy clicked(tabs_, &VellumarTabWidget::tabBarClicked);
  VellumarTabStrip* strip = tabs_->tabBar();
  strip->setFocus();

  struct Step {
    const char* source;
    std::function<void()> choose;
    int index;
  };
  const std::vector<Step> steps = {
      {"mouse", [&] { QTest::mouseClick(strip, Qt::LeftButton, {}, HeadCentre(2)); }, 2},
      {"right arrow", [&] { QTest::keyClick(strip, Qt::Key_Right); }, 3},
      {"left arrow", [&] { QTest::keyClick(strip, Qt::Key_Left); }, 2},
      {"access key", [&] { QTest::keyClick(&window_, Qt::Key_B, Qt::AltModifier); }, 1},
      {"code", [&] { tabs_->setCurrentIndex(3); }, 3},
      {"current widget", [&] { tabs_->setCurrentWidget(tabs_->widget(0)); }, 0},
      {"the control", [&] { strip->control().SetSelectedTab(2); }, 1},
  };
  for (const Step& step : steps) {
    changed.clear();
    step.choose();
    EXPECT_EQ(tabs_->currentIndex(), step.index) << step.source;
    EXPECT_EQ(VisiblePage(), QStringLiteral("p%1").arg(step.index)) << step.source;
    EXPECT_EQ(tabs_->currentWidget(), tabs_->widget(step.index)) << step.source;
    ASSERT_EQ(changed.size(), 1) << step.source;
    EXPECT_EQ(changed[0][0].toInt(), step.index) << step.source;
  }
  ASSERT_EQ(clicked.size(), 1);
  EXPECT_EQ(clicked[0][0].toInt(), 2);

  changed.clear();
  tabs_->setCurrentIndex(0);
  tabs_->setCurrentIndex(0);
  QTest::keyClick(strip, Qt::Key_Left);
  EXPECT_EQ(changed.size(), 1) << "choosing the current page again reports nothing";
  QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->width() - 3, 5));
  ASSERT_EQ(clicked.size(), 2);
  EXPECT_EQ(clicked[1][0].toInt(), -1) << "beside the tabs";
}

struct RemoveCase {
  const char* name;
  int current;
  int remove;
  int emitted;    // currentChanged emissions
  int final;      // the current index after
  QString shown;  // the page shown after
};

TEST_F(TabWidgetTest, RemovingATabKeepsOrPassesOnTheCurrentPage) {
  const std::vector<RemoveCase> cases = {
      {"before the current", 2, 0, 1, 1, "p2"},
      {"after the current", 1, 3, 0, 1, "p1"},
      {"the current, to its right", 1, 1, 1, 1, "p2"},
      {"the current and last, to its left", 3, 3, 1, 2, "p2"},
      {"the first and current", 0, 0, 1, 0, "p1"},
      {"out of range", 1, 4, 0, 1, "p1"},
      {"negative", 1, -1, 0, 1, "p1"},
  };
  AddPages(4);
  Show();
  for (const RemoveCase& c : cases) {
    tabs_->clear();
    EXPECT_EQ(tabs_->currentIndex(), -1);
    AddPages(4);
    tabs_->setCurrentIndex(c.current);
    QSignalSpy changed(tabs_, &VellumarTabWidget::currentChanged);
    tabs_->removeTab(c.remove);
    EXPECT_EQ(changed.size(), c.emitted) << c.name;
    EXPECT_EQ(tabs_->currentIndex(), c.final) << c.name;
    EXPECT_EQ(VisiblePage(), c.shown) << c.name;
    EXPECT_EQ(tabs_->tabBar()->count(), tabs_->count()) << c.name;
    for (int i = 0; i < tabs_->count(); ++i) {
      const int page = tabs_->widget(i)->objectName().mid(1).toInt();
      EXPECT_EQ(tabs_->tabText(i), QStringLiteral("&%1 Seite").arg(QChar(u'A' + page)))
          << c.name << " tab " << i;
    }
  }
}

TEST_F(TabWidgetTest, InsertingBeforeTheCurrentPageKeepsItCurrent) {
  AddPages(3);
  Show();
  tabs_->setCurrentIndex(1);
  QSignalSpy changed(tabs_, &VellumarTabWidget::currentChanged);
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("new"));
  EXPECT_EQ(tabs_->insertTab(0, page, QStringLiteral("&Neu")), 0);
  EXPECT_EQ(tabs_->currentIndex(), 2);
  EXPECT_EQ(VisiblePage(), "p1");
  ASSERT_EQ(changed.size(), 1) << "the index moved";
  EXPECT_EQ(changed[0][0].toInt(), 2);
  EXPECT_EQ(tabs_->tabText(0), "&Neu");
  EXPECT_EQ(tabs_->tabText(2), "&B Seite");
  EXPECT_EQ(tabs_->tabBar()->accessKeys(), "nabc");

  changed.clear();
  EXPECT_EQ(tabs_->insertTab(99, new QWidget, QStringLiteral("Ende")), 4) << "appended";
  EXPECT_EQ(tabs_->insertTab(1, page, QStringLiteral("Wieder")), 1) << "a page that is here moves";
  EXPECT_EQ(tabs_->count(), 5);
  EXPECT_EQ(tabs_->indexOf(page), 1);
  EXPECT_EQ(tabs_->insertTab(0, nullptr, QStringLiteral("Nichts")), -1);
  EXPECT_EQ(tabs_->addTab(tabs_->tabBar(), QStringLiteral("Strip")), -1);
  EXPECT_EQ(VisiblePage(), "p1");
  EXPECT_EQ(changed.size(), 0);
}

TEST_F(TabWidgetTest, ControlKeysSwitchPagesAroundFromAnywhereInside) {
  AddPages(3);
  Show();
  QLineEdit* edit = tabs_->widget(0)->findChild<QLineEdit*>();
  edit->setFocus();
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int index;
  };
  for (const Key& k :
       {Key{Qt::Key_Tab, Qt::ControlModifier, 1}, Key{Qt::Key_PageDown, Qt::ControlModifier, 2},
        Key{Qt::Key_Tab, Qt::ControlModifier, 0},
        Key{Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 2},
        Key{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        Key{Qt::Key_PageUp, Qt::ControlModifier, 0}, Key{Qt::Key_PageUp, Qt::ControlModifier, 2}}) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : tabs_;
    QTest::keyClick(target, k.key, k.modifiers);
    EXPECT_EQ(tabs_->currentIndex(), k.index) << "key " << k.key;
    EXPECT_EQ(VisiblePage(), QStringLiteral("p%1").arg(k.index));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(QApplication::focusWidget()->isVisible()) << "the focus never stays in a hidden page";
  }
  QTest::keyClick(tabs_->tabBar(), Qt::Key_PageDown);
  EXPECT_EQ(tabs_->currentIndex(), 2) << "without Ctrl nothing switches";
}

TEST_F(TabWidgetTest, TheFocusChainRunsThroughTheCurrentPageOnly) {
  AddPages(3);
  Show();
  tabs_->setCurrentIndex(1);
  before_->setFocus();
  const auto chain = [&] {
    std::vector<QString> names;
    for (int i = 0; i < 3; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      names.push_back(focus == after_ ? "after" : focus == tabs_->tabBar() ? "strip" : focus->objectName());
    }
    return names;
  };
  EXPECT_EQ(chain(), (std::vector<QString>{"strip", "e1", "after"}));
  QTest::keyClick(after_, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "e1");
  tabs_->setCurrentIndex(2);
  EXPECT_EQ(QApplication::focusWidget(), tabs_->tabBar()) << "the focus leaves a page as it is hidden";
  before_->setFocus();
  EXPECT_EQ(chain(), (std::vector<QString>{"strip", "e2", "after"}));
}

TEST_F(TabWidgetTest, TheFocusChainFollowsPagesInsertedAnywhere) {
  // Pages inserted before and between others, one holding nothing that takes the focus: Tab runs from the
  // strip into whichever page is current and on out of the tab widget.
  AddPages(2);
  auto* empty = new QWidget;
  tabs_->insertTab(1, empty, QStringLiteral("Leer"));
  auto* first = new QWidget;
  (new QLineEdit(first))->setObjectName(QStringLiteral("ef"));
  tabs_->insertTab(0, first, QStringLiteral("Erste"));
  auto* last = new QWidget;
  (new QLineEdit(last))->setObjectName(QStringLiteral("el"));
  tabs_->insertTab(3, last, QStringLiteral("Vierte"));
  Show();
  const std::vector<std::vector<QString>> expected = {{"strip", "ef", "after"},
                                                      {"strip", "e0", "after"},
                                                      {"strip", "after"},
                                                      {"strip", "el", "after"},
                                                      {"strip", "e1", "after"}};
  ASSERT_EQ(tabs_->count(), static_cast<int>(expected.size()));
  for (int current = 0; current < tabs_->count(); ++current) {
    tabs_->setCurrentIndex(current);
    before_->setFocus();
    std::vector<QString> names;
    for (size_t i = 0; i < expected[static_cast<size_t>(current)].size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      names.push_back(focus == after_ ? "after" : focus == tabs_->tabBar() ? "strip" : focus->objectName());
    }
    EXPECT_EQ(names, expected[static_cast<size_t>(current)]) << "page " << current;
  }
  EXPECT_EQ(empty->focusPolicy(), Qt::NoFocus) << "a page keeps its own policy";
}

TEST_F(TabWidgetTest, PagesTheirOwnersDeleteOrTakeAwayLoseTheirTabs) {
  AddPages(4);
  Show();
  tabs_->setCurrentIndex(2);
  QSignalSpy changed(tabs_, &VellumarTabWidget::currentChanged);
  delete tabs_->widget(2);
  EXPECT_EQ(tabs_->count(), 3);
  EXPECT_EQ(tabs_->tabBar()->count(), 3);
  EXPECT_EQ(tabs_->currentIndex(), 2);
  EXPECT_EQ(VisiblePage(), "p3");
  EXPECT_EQ(changed.size(), 1);

  QWidget elsewhere;
  tabs_->widget(0)->setParent(&elsewhere);
  EXPECT_EQ(tabs_->count(), 2);
  EXPECT_EQ(tabs_->tabText(0), "&B Seite");
  EXPECT_EQ(tabs_->currentIndex(), 1);

  while (tabs_->count() > 0) delete tabs_->widget(0);
  EXPECT_EQ(tabs_->currentIndex(), -1);
  EXPECT_EQ(tabs_->currentWidget(), nullptr);
  EXPECT_EQ(tabs_->tabBar()->count(), 0);
  EXPECT_EQ(changed.back()[0].toInt(), -1);
  EXPECT_EQ(tabs_->widget(0), nullptr);
  EXPECT_EQ(tabs_->tabText(0), QString());
  tabs_->removeTab(0);
  tabs_->setTabText(-1, QStringLiteral("x"));
  tabs_->setTabWidth(INT_MAX, 5);
  EXPECT_EQ(tabs_->addTab(new QWidget, QStringLiteral("Wieder da")), 0);
  EXPECT_EQ(tabs_->currentIndex(), 0);
}

TEST_F(TabWidgetTest, PagesFillTheFramedPageAreaInTheBackColour) {
  AddPages(2);
  Show();
  VellumarTabStrip* strip = tabs_->tabBar();
  const int tab_height = strip->tabHeight();
  const QRect top = tabs_->widget(0)->geometry();
  EXPECT_EQ(top, QRect(1, tab_height + 1, tabs_->width() - 2, tabs_->height() - tab_height - 2));

  strip->setAlignment(VellumarTabStrip::Bottom);
  strip->setTabHeight(30);
  QTRY_COMPARE(tabs_->widget(0)->geometry(), QRect(1, 1, tabs_->width() - 2, tabs_->height() - 30 - 2));
  tabs_->resize(tabs_->width() + 40, tabs_->height() + 10);
  EXPECT_EQ(tabs_->widget(0)->geometry(), QRect(1, 1, tabs_->width() - 2, tabs_->height() - 30 - 2));

  strip->setBackColor(QColor(236, 244, 252));
  EXPECT_EQ(tabs_->widget(0)->palette().color(QPalette::Window), QColor(236, 244, 252));
  EXPECT_EQ(strip->image().Pixel(tabs_->width() / 2, 5), Rgb(236, 244, 252)) << "the strip's page area";

  const int fitted = tabs_->tabWidth(1);
  tabs_->setTabText(1, QStringLiteral("Eine viel längere Beschriftung"));
  EXPECT_GT(tabs_->tabWidth(1), fitted) << "a tab whose width was never set follows its caption";
  tabs_->setTabWidth(1, 50);
  tabs_->setTabText(1, QStringLiteral("Kurz"));
  EXPECT_EQ(tabs_->tabWidth(1), 50);
}

}  // namespace
}  // namespace vellumar
