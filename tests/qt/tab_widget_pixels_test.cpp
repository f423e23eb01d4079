// VellumarTabWidget against the control's own repaint, over seeded random tab lists: the same captions,
// widths, pictures, selection, hot tab and focus, on top and at the bottom, give the same pixels in the strip
// (the tab bar: the strip's rows and the page frame's rows the selected head reaches into). Below the strip
// the two differ only where a caption too long for its head runs on into the page, which the control paints
// and the tab widget's page covers.
#include <gtest/gtest.h>

#include <QtGui/QCursor>
#include <QtGui/QImage>
#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTabBar>
#include <random>
#include <string>
#include <vector>

#include "app/qt/tab_look.h"
#include "app/qt/tab_picture_image.h"
#include "app/qt/vellumar_tab_widget.h"
#include "control/icon_conversion.h"
#include "qt_test_app.h"
#include "render/tab_fit.h"
#include "render/tab_painter.h"
#include "render/tab_piece_painter.h"
#include "render/tab_strip_state.h"
#include "tests/core/paint_surface_fake.h"

namespace vellumar {
namespace {

struct SweepTab {
  QString caption;
  int width = 0;  // 0: fitted
  QImage icon;    // null: none
};

struct SweepCase {
  std::vector<SweepTab> tabs;
  int current = 0;
  int hot = -1;
  bool bottom = false;
  int tab_height = 22;
  QSize size;
};

class Sweep {
 public:
  explicit Sweep(uint32_t seed) : rng_(seed) {}

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  QImage RandomIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) image.setPixel(x, y, Pick(0, 3) == 0 ? 0 : (0xFF000000u | rng_()));
    }
    return image;
  }

  SweepCase RandomCase() {
    static const std::vector<QString> kCaptions = {
        "",           "&Datei", "Ansicht",         "Ein sehr langer Reiter mit &Umbruch",
        "&&Kaufmann", "W",      "Hilfe und &Info", "&Ü&berall"};
    SweepCase c;
    const int count = Pick(1, 7);
    for (int i = 0; i < count; ++i) {
      SweepTab tab;
      tab.caption = kCaptions[static_cast<size_t>(Pick(0, static_cast<int>(kCaptions.size()) - 1))];
      tab.width = Pick(0, 2) == 0 ? 0 : Pick(1, 130);
      if (Pick(0, 2) == 0) tab.icon = RandomIcon();
      c.tabs.push_back(tab);
    }
    c.current = Pick(0, count - 1);
    c.hot = Pick(-1, count - 1);
    c.bottom = Pick(0, 1) == 1;
    c.tab_height = Pick(16, 36);
    c.size = QSize(Pick(120, 700), Pick(c.tab_height + 8, 260));
    return c;
  }

 private:
  std::mt19937 rng_;
};

QIcon IconOf(const QImage& image) {
  return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

// The control's repaint of the same strip at the widget's size, as an image.
QImage ControlImage(const SweepCase& c, const QTabWidget& widget, const TabLook& look) {
  testing::FakePaintSurface surface(widget.width(), widget.height());
  surface.SetClsColor(look.colors.back);
  surface.surface().SetBackColor(look.colors.back);
  surface.surface().SetFont(StdFontOf(widget.font()));
  TabStripState st;
  TakeTabStripColors(st, look.colors);
  st.mMaskColor = HiddenPictureBox::kBackColor;
  st.mTabHeight = c.tab_height;
  st.mAlignment = c.bottom ? reg_Bottom : reg_Top;
  const auto count = static_cast<int32_t>(c.tabs.size());
  st.mNumberOfTabs = count;
  st.mTabs.resize(static_cast<size_t>(count) + 1);
  for (int32_t i = 1; i <= count; ++i) {
    const SweepTab& tab = c.tabs[static_cast<size_t>(i - 1)];
    cTabs& record = st.Record(i);
    record.TabCaption = tab.caption.toStdString();
    if (!tab.icon.isNull()) record.TabPicture = PictureOfImage(tab.icon);
    record.TabWidth = tab.width;
    if (tab.width == 0) {
      DeviceContext dc;
      dc.SelectFont(StdFontOf(widget.font()));
      record.TabWidth = FittingTabWidth(dc, record.TabCaption, tab.icon.isNull() ? 0.0F : 16.0F);
    }
  }
  st.mSelectedTab = c.current + 1;
  st.mHotTab = c.hot == c.current ? 0 : c.hot + 1;
  st.mHasFocus = widget.tabBar()->hasFocus() ? kTrue : kFalse;
  DrawTab(st, surface);
  const Bitmap& bitmap = surface.bitmap();
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const uint32_t p = bitmap.Pixel(x, y);
      image.setPixel(x, y, qRgb(RedOf(p), GreenOf(p), BlueOf(p)));
    }
  }
  return image;
}

void Hover(QTabBar& bar, int index) {
  const QPointF at = index < 0 ? QPointF(-10, -10) : QPointF(bar.tabRect(index).center());
  QHoverEvent event(index < 0 ? QEvent::HoverLeave : QEvent::HoverMove, at, bar.mapToGlobal(at),
                    QPointF(-1, -1));
  QApplication::sendEvent(&bar, &event);
}

// The first pixel in area at which two images differ, as text, or "" when they agree.
std::string FirstDifference(const QImage& a, const QImage& b, const QRect& area) {
  if (a.size() != b.size()) return "sizes differ";
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) {
        return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  return "";
}

TEST(TabWidgetPixels, TheTabWidgetPaintsTheControlsPixels) {
  QWidget window;
  window.resize(800, 400);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    Sweep sweep(seed);
    const SweepCase c = sweep.RandomCase();
    VellumarTabWidget widget(&window);
    widget.setTabHeight(c.tab_height);
    widget.setTabPosition(c.bottom ? QTabWidget::South : QTabWidget::North);
    for (const SweepTab& tab : c.tabs) {
      const int index = widget.addTab(new QWidget, IconOf(tab.icon), tab.caption);
      widget.setTabWidth(index, tab.width);
    }
    widget.setCurrentIndex(c.current);
    widget.resize(c.size);
    widget.resize(std::max(c.size.width(), widget.tabBar()->sizeHint().width() + 8), c.size.height());
    widget.show();
    QApplication::processEvents();
    if (seed % 2 == 0) widget.tabBar()->setFocus();
    Hover(*widget.tabBar(), c.hot);
    QApplication::processEvents();
    const QImage painted = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = ControlImage(c, widget, DefaultTabLook());
    const std::string difference = FirstDifference(painted, expected, widget.tabBar()->geometry());
    if (!difference.empty()) {
      painted.save(QStringLiteral("/tmp/vellumar-sweep-%1-widget.png").arg(seed));
      expected.save(QStringLiteral("/tmp/vellumar-sweep-%1-control.png").arg(seed));
    }
    EXPECT_EQ(difference, "") << "seed " << seed;
  }
}

// Keeps the region of every paint of the widgets it watches.
class PaintWatch : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const auto* widget = static_cast<QWidget*>(watched);
      painted +=
          static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(widget->window(), QPoint()));
    }
    return false;
  }
};

TEST(TabWidgetPixels, AHoverRepaintsTheTwoHeadsAlone) {
  VellumarTabWidget widget;
  for (const char* caption : {"Eins", "Zwei", "Drei", "Vier", "Fuenf", "Sechs", "Sieben"}) {
    widget.addTab(new QWidget, QString::fromLatin1(caption));
  }
  widget.resize(800, 600);
  widget.move(0, 0);
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  QTabBar& bar = *widget.tabBar();
  const auto pointer_to = [&](int index) {
    QCursor::setPos(bar.mapToGlobal(bar.tabRect(index).center()));
    QTest::qWait(20);
  };
  pointer_to(1);
  PaintWatch watch;
  widget.installEventFilter(&watch);
  bar.installEventFilter(&watch);
  widget.currentWidget()->installEventFilter(&watch);
  pointer_to(2);

  const QRect heads = bar.tabRect(1).united(bar.tabRect(2)).translated(bar.pos());
  EXPECT_FALSE(watch.painted.isEmpty());
  EXPECT_TRUE(heads.adjusted(-4, -4, 4, 4).contains(watch.painted.boundingRect()));
}

}  // namespace
}  // namespace vellumar
