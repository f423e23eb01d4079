// VellumarTabWidget beside a QTabWidget in Fusion, both driven through the same seeded random sequence of
// what programs and users do to tab widgets; after every step both must agree in the signals they sent,
// their tabs and pages, the focus and the tab bar's accessibility tree. Then what VellumarTabWidget adds:
// fixed tab widths, hover signals, readable pages on a dark palette, and absurd input.
#include <gtest/gtest.h>

#include <QtGui/QAccessible>
#include <QtGui/QWheelEvent>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QStyleOption>
#include <QtWidgets/QVBoxLayout>
#include <climits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/qt/tab_look.h"
#include "app/qt/vellumar_tab_bar.h"
#include "app/qt/vellumar_tab_widget.h"
#include "qt_test_app.h"

namespace vellumar {
namespace {

// A window holding a line edit, the tab widget and another line edit, with the tab widget's signals logged.
struct Side {
  explicit Side(QTabWidget* widget) : tabs(widget) {
    auto* layout = new QVBoxLayout(&window);
    before = new QLineEdit(&window);
    before->setObjectName("before");
    tabs->setParent(&window);
    auto* after = new QLineEdit(&window);
    after->setObjectName("after");
    layout->addWidget(before);
    layout->addWidget(tabs);
    layout->addWidget(after);
    window.resize(1400, 300);
    const auto log = [this](const char* name) {
      return [this, name](int index) { signals_seen.push_back(name + std::to_string(index)); };
    };
    QObject::connect(tabs, &QTabWidget::currentChanged, log("currentChanged "));
    QObject::connect(tabs, &QTabWidget::tabBarClicked, log("tabBarClicked "));
    QObject::connect(tabs, &QTabWidget::tabBarDoubleClicked, log("tabBarDoubleClicked "));
    QObject::connect(tabs, &QTabWidget::tabCloseRequested, log("tabCloseRequested "));
  }

  void Activate() {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // Everything both sides must agree in, as text.
  std::vector<std::string> State() const {
    std::vector<std::string> state = signals_seen;
    state.push_back("count " + std::to_string(tabs->count()) + " current " +
                    std::to_string(tabs->currentIndex()));
    for (int i = 0; i < tabs->count(); ++i) {
      const QWidget* page = tabs->widget(i);
      state.push_back((tabs->tabText(i) + ' ' + (page ? page->objectName() : "null") + ' ' +
                       (tabs->isTabEnabled(i) ? "enabled " : "disabled ") +
                       (tabs->isTabVisible(i) ? "visible" : "hidden"))
                          .toStdString());
    }
    const QWidget* focus = window.focusWidget();
    state.push_back("focus " + (focus ? focus->objectName() : QString("none")).toStdString());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
    for (int i = 0; bar != nullptr && i < bar->childCount(); ++i) {
      const QAccessibleInterface* child = bar->child(i);
      if (child == nullptr) continue;
      state.push_back("accessible " + std::to_string(static_cast<int>(child->role())) + ' ' +
                      child->text(QAccessible::Name).toStdString());
    }
    return state;
  }

  std::vector<std::string> signals_seen;  // before the window, which may still signal while it goes
  QWidget window;
  QTabWidget* tabs;
  QLineEdit* before;
};

// One step of the sweep, applied alike to either side; the random choices are made once for both.
struct Step {
  int kind = 0;
  int a = 0;
  int b = 0;
  int page = 0;  // the number of a new page
  QChar key;     // the access key of a new tab, or the one pressed
};

constexpr int kKinds = 17;
constexpr int kMostTabs = 9;

QWidget* NewPage(int number) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("page%1").arg(number));
  auto* edit = new QLineEdit(page);
  edit->setObjectName(QStringLiteral("edit%1").arg(number));
  return page;
}

QString Caption(const Step& step) {
  return QStringLiteral("&%1 Seite %2").arg(step.key).arg(step.page);
}

void Apply(const Step& step, Side& side) {
  QTabWidget& tabs = *side.tabs;
  QTabBar& bar = *tabs.tabBar();
  QWidget* focus = side.window.focusWidget() != nullptr ? side.window.focusWidget() : &tabs;
  switch (step.kind) {
    case 0:
      tabs.addTab(NewPage(step.page), Caption(step));
      break;
    case 1:
      tabs.insertTab(step.a, NewPage(step.page), Caption(step));
      break;
    case 2:
      tabs.removeTab(step.a);
      break;
    case 3:
      bar.moveTab(step.a, step.b);
      break;
    case 4:
      tabs.setCurrentIndex(step.a);
      break;
    case 5:
      tabs.insertTab(step.a, nullptr, Caption(step));
      break;
    case 6:
      delete tabs.widget(step.a);
      break;
    case 7:
      tabs.setTabEnabled(step.a, step.b % 2 == 0);
      break;
    case 8:
      tabs.setTabVisible(step.a, step.b % 2 == 0);
      break;
    case 9: {
      // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown, Ctrl+PageUp.
      const Qt::Key key = step.b % 4 < 2 ? Qt::Key_Tab : step.b % 4 == 2 ? Qt::Key_PageDown : Qt::Key_PageUp;
      const Qt::KeyboardModifiers shift = step.b % 4 == 1 ? Qt::ShiftModifier : Qt::NoModifier;
      QTest::keyClick(focus, key, Qt::ControlModifier | shift);
      break;
    }
    case 10:
      QTest::keyClick(&side.window, step.key.toLower().toLatin1(), Qt::AltModifier);
      break;
    case 11:
    case 12:
      if (bar.tabRect(step.a).isValid())
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(step.a).center());
      break;
    case 13: {
      const QPointF at = bar.rect().center();
      QWheelEvent wheel(at, bar.mapToGlobal(at), QPoint(), QPoint(0, step.b % 2 == 0 ? 120 : -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(&bar, &wheel);
      break;
    }
    case 14:
      side.window.setLayoutDirection(step.b % 2 == 0 ? Qt::RightToLeft : Qt::LeftToRight);
      break;
    case 15:
      if (QWidget* page = tabs.currentWidget()) {
        page->findChild<QLineEdit*>()->setFocus();
      } else {
        side.before->setFocus();
      }
      break;
    default:
      bar.setFocus();
      break;
  }
}

// Access keys are unique among the tabs: Qt cycles through ambiguous ones with a count that the two windows
// would share.
QChar FreeKey(const QTabWidget& tabs, std::mt19937& random) {
  QString used;
  for (int i = 0; i < tabs.count(); ++i) used += tabs.tabText(i).mid(1, 1);
  for (;;) {
    const QChar key(u'a' + static_cast<char16_t>(random() % 26));
    if (!used.contains(key.toUpper())) return key.toUpper();
  }
}

Step RandomStep(const QTabWidget& tabs, std::mt19937& random, int& pages) {
  Step step;
  step.kind = static_cast<int>(random() % kKinds);
  if (tabs.count() >= kMostTabs && (step.kind <= 1 || step.kind == 5)) step.kind = 2;
  const int span = tabs.count() + 4;
  step.a = static_cast<int>(random() % static_cast<unsigned>(span)) - 2;
  step.b = static_cast<int>(random() % static_cast<unsigned>(span)) - 2;
  if (step.kind == 6 || step.kind == 11 || step.kind == 12) step.a = std::max(step.a, 0);
  step.page = pages++;
  step.key = step.kind == 10 && tabs.count() > 0 && random() % 4 != 0
                 ? tabs.tabText(static_cast<int>(random() % static_cast<unsigned>(tabs.count()))).at(1)
                 : FreeKey(tabs, random);
  return step;
}

TEST(TabWidgetSideBySide, DoesWhatQTabWidgetDoesStepForStep) {
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  for (const unsigned seed : {1u, 2u, 3u}) {
    Side qt(new QTabWidget);
    qt.tabs->setStyle(fusion.get());
    Side ours(new VellumarTabWidget);
    qt.window.show();
    ours.window.show();
    std::mt19937 random(seed);
    int pages = 0;
    for (int i = 0; i < 250; ++i) {
      const Step step = RandomStep(*qt.tabs, random, pages);
      qt.Activate();
      Apply(step, qt);
      ours.Activate();
      Apply(step, ours);
      ASSERT_EQ(ours.State(), qt.State()) << "seed " << seed << ", step " << i << ": kind " << step.kind
                                          << " (" << step.a << ", " << step.b << ")";
    }
  }
}

TEST(VellumarTabWidgetExtras, FixedWidthsStayWithTheirTabs) {
  VellumarTabWidget tabs;
  tabs.resize(800, 200);
  for (int i = 0; i < 5; ++i) tabs.addTab(NewPage(i), QStringLiteral("Seite %1").arg(i));
  const int widths[] = {50, -5, INT_MAX, 0, 80};
  for (int i = 0; i < 5; ++i) tabs.setTabWidth(i, widths[i]);
  tabs.setTabWidth(5, 70);
  tabs.setTabWidth(-1, 70);
  tabs.show();
  QTabBar* bar = tabs.tabBar();
  const auto expect = [&](std::vector<int> want, const char* when) {
    ASSERT_EQ(tabs.count(), static_cast<int>(want.size())) << when;
    int right = 0;
    for (int i = 0; i < tabs.count(); ++i) {
      EXPECT_EQ(tabs.tabWidth(i), want[i]) << when << ", tab " << i;
      const QRect rect = bar->tabRect(i);
      if (i > 0) {
        EXPECT_GE(rect.left(), right) << when << ", tab " << i << " overlaps or overflowed";
      }
      right = rect.right();
      if (want[i] > 0 && want[i] < 1000) {
        EXPECT_EQ(rect.width(), TabExtentOfHead(want[i], i == 0)) << when << i;
      } else if (want[i] == INT_MAX) {
        EXPECT_GT(rect.width(), 100000) << when;
      }
    }
  };
  expect({50, 0, INT_MAX, 0, 80}, "set");
  EXPECT_EQ(tabs.tabWidth(5), 0);
  EXPECT_EQ(tabs.tabWidth(-1), 0);
  bar->moveTab(0, 3);
  expect({0, INT_MAX, 0, 50, 80}, "moved");
  tabs.insertTab(1, NewPage(5), "neu");
  expect({0, 0, INT_MAX, 0, 50, 80}, "inserted");
  delete tabs.widget(2);
  expect({0, 0, 0, 50, 80}, "page deleted");
  tabs.removeTab(0);
  expect({0, 0, 50, 80}, "removed");
  tabs.setTabWidth(2, 0);
  tabs.setTabText(2, tabs.tabText(1));
  EXPECT_EQ(bar->tabRect(2).width(), bar->tabRect(1).width()) << "fits its caption again";
}

TEST(VellumarTabWidgetExtras, ReportsThePointerEnteringAndLeavingTabs) {
  std::vector<std::string> seen;
  VellumarTabWidget tabs;
  for (int i = 0; i < 3; ++i) tabs.addTab(NewPage(i), QStringLiteral("Seite %1").arg(i));
  tabs.resize(400, 200);
  tabs.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
  QTabBar* bar = tabs.tabBar();
  QTest::mouseMove(bar, bar->tabRect(1).center());
  QObject::connect(&tabs, &VellumarTabWidget::tabEntered,
                   [&](int i) { seen.push_back("entered " + std::to_string(i)); });
  QObject::connect(&tabs, &VellumarTabWidget::tabLeft,
                   [&](int i) { seen.push_back("left " + std::to_string(i)); });
  QTest::mouseMove(bar, bar->tabRect(2).center());
  QTest::mouseMove(bar, bar->tabRect(2).center() + QPoint(1, 0));
  QTest::mouseMove(&tabs, QPoint(200, 150));
  QTest::mouseMove(bar, bar->tabRect(0).center());
  EXPECT_EQ(seen, (std::vector<std::string>{"left 1", "entered 2", "left 2", "entered 0"}));
}

TEST(VellumarTabWidgetExtras, PageTextReadsOnThePageColourUnderADarkPalette) {
  const QPalette original = QApplication::palette();
  QPalette dark(QColor(45, 45, 48), QColor(30, 30, 30));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  QApplication::setPalette(dark);
  {
    VellumarTabWidget tabs;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel("Name:", page);
    auto* box = new QCheckBox("Bezahlt", page);
    auto* button = new QPushButton("Anwenden", page);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addWidget(button);
    tabs.addTab(page, "Seite");
    const auto readable = [&](const char* when) {
      for (const QWidget* text : {static_cast<QWidget*>(label), static_cast<QWidget*>(box)}) {
        EXPECT_GE(ContrastRatio(text->palette().color(text->foregroundRole()), tabs.backColor()), 4.5)
            << when;
      }
      EXPECT_GE(ContrastRatio(button->palette().color(QPalette::ButtonText),
                              button->palette().color(QPalette::Button)),
                4.5)
          << when;
    };
    readable("the default, light page colour");
    tabs.setBackColor(QColor(25, 25, 60));
    readable("a dark page colour");
    QApplication::setPalette(original);
    tabs.setBackColor(QColor(250, 250, 250));
    readable("a light palette again");
  }
  QApplication::setPalette(original);
}

TEST(VellumarTabWidgetExtras, SurvivesAHugeCaptionAndThousandsOfTabs) {
  VellumarTabWidget huge;
  huge.setElideMode(Qt::ElideRight);
  huge.addTab(NewPage(0), "kurz");
  huge.addTab(NewPage(1), QString(1 << 20, u'x'));
  huge.setTabWidth(1, 300);
  huge.resize(600, 300);
  huge.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&huge));
  huge.setCurrentIndex(1);
  huge.setCaptionFont(QFont("Tahoma", 12));
  QApplication::processEvents();
  EXPECT_EQ(huge.tabBar()->tabRect(1).width(), TabExtentOfHead(300, false));

  // QTabBar lays all its tabs out for every tab it gets, so that filling it takes quadratic time; 2,000
  // tabs are many and still quick.
  constexpr int kTabs = 2000;
  VellumarTabWidget tabs;
  for (int i = 0; i < kTabs; ++i) {
    tabs.insertTab(i % 7 == 0 ? 0 : i, NewPage(i), QStringLiteral("&Seite %1").arg(i));
    tabs.setTabWidth(0, i % 3 == 0 ? INT_MAX : i);
  }
  tabs.resize(600, 300);
  tabs.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
  tabs.tabBar()->moveTab(0, kTabs - 1);
  tabs.setCurrentIndex(kTabs - 500);
  tabs.setTabHeight(INT_MAX);
  tabs.setTabHeight(-5);
  QApplication::processEvents();
  EXPECT_EQ(tabs.count(), kTabs);
  EXPECT_EQ(tabs.currentIndex(), kTabs - 500);
  EXPECT_EQ(tabs.tabWidth(kTabs - 1), kTabs - 1) << "the width set last, on tab 0, went with it";
}

// QTabBar elides a caption to the room the style gives it: the whole caption at the tab's own size, and
// never under the picture or the close button when the tabs are squeezed.
TEST(VellumarTabWidgetExtras, ElidesCaptionsToTheRoomBesideThePictureAndTheButton) {
  struct Bar : QTabBar {
    using QTabBar::initStyleOption;
  };
  VellumarTabWidget tabs;
  const QIcon icon = tabs.style()->standardIcon(QStyle::SP_DriveNetIcon);
  for (int i = 0; i < 4; ++i)
    tabs.addTab(NewPage(i), icon, QStringLiteral("&Netzwerk und Freigaben %1").arg(i));
  tabs.setElideMode(Qt::ElideRight);
  tabs.setTabsClosable(true);
  for (const int width : {2000, 300}) {
    tabs.resize(width, 200);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    const QTabBar* bar = tabs.tabBar();
    for (int i = 0; i < tabs.count(); ++i) {
      QStyleOptionTab option;
      (bar->*(&Bar::initStyleOption))(&option, i);
      const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
      const QRect button = bar->tabButton(i, QTabBar::RightSide)->geometry();
      EXPECT_GE(room.left(), option.rect.left() + option.iconSize.width()) << width;
      EXPECT_LT(room.right(), button.left()) << width;
      const QString expected = width == 2000 ? tabs.tabText(i) : option.text;
      EXPECT_EQ(option.text, expected);
      EXPECT_FALSE(option.text.isEmpty()) << width;
    }
  }
}

}  // namespace
}  // namespace vellumar
