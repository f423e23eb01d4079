// What VellumarWidget shows: after each of a long run of hovers, presses, caption changes and resizes, the
// widget's own rendering equals the control's persistent image pixel for pixel, and a hover asks Qt to
// repaint the strip around the two heads alone. Runs on the offscreen platform.
#include <gtest/gtest.h>

#include <QtGui/QPaintEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <random>

#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "widget_test_support.h"

namespace vellumar {
namespace {

using testing::SetCaptions;

// Keeps the region of every paint event.
class WatchedWidget : public VellumarWidget {
 public:
  QRegion painted;

 protected:
  void paintEvent(QPaintEvent* event) override {
    painted += event->region();
    VellumarWidget::paintEvent(event);
  }
};

// The number of pixels where the widget's rendering differs from the persistent image.
int DifferingPixels(VellumarWidget& widget) {
  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const Bitmap& image = widget.image();
  if (shown.width() != image.width() || shown.height() != image.height()) return -1;
  int differing = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const ColorRef pixel = image.Pixel(x, y);
      const QRgb expected = qRgb(RedOf(pixel), GreenOf(pixel), BlueOf(pixel));
      if ((shown.pixel(x, y) | 0xFF000000u) != expected) ++differing;
    }
  }
  return differing;
}

void Move(QWidget& widget, QPoint at) {
  QTest::mouseMove(&widget, at);
  QApplication::processEvents();
}

TEST(WidgetShownImage, ShowsThePersistentImageAfterEveryChange) {
  WatchedWidget widget;
  SetCaptions(widget.control(), {"&Allgemein", "Farben", "&Bilder", "Vier", "Fuenf"});
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  std::mt19937 rng(7);
  for (int step = 0; step < 120; ++step) {
    SCOPED_TRACE(step);
    const QPoint at(static_cast<int>(rng() % 320), static_cast<int>(rng() % 40));
    switch (rng() % 6) {
      case 0:
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
        break;
      case 1:
        widget.control().SetTabCaption(static_cast<int32_t>(rng() % 5 + 1),
                                       step % 2 ? "Lang und breit" : "X");
        break;
      case 2:
        widget.resize(200 + static_cast<int>(rng() % 300), 60 + static_cast<int>(rng() % 200));
        break;
      default:
        Move(widget, at);
        break;
    }
    QApplication::processEvents();
    ASSERT_EQ(DifferingPixels(widget), 0);
  }
}

// Qt resizes a hidden widget without telling it until it is shown, as a form sizes its strip before it
// fills it. The control keeps painting at the size it was told, and is repainted at the new one on show.
TEST(WidgetShownImage, AStripSizedWhileHiddenPaintsAtItsNewSizeWhenShown) {
  WatchedWidget widget;
  widget.resize(333, 77);
  SetCaptions(widget.control(), {"&Allgemein", "Farben", "&Bilder"});
  widget.control().SetTabCaption(2, "Lang und breit");
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  QApplication::processEvents();
  EXPECT_EQ(widget.image().width(), 333);
  EXPECT_EQ(widget.image().height(), 77);
  EXPECT_EQ(widget.control().state().mPageRect.right, 333);
  EXPECT_EQ(DifferingPixels(widget), 0);
}

TEST(WidgetShownImage, AHoverRepaintsTheTwoHeadsAlone) {
  WatchedWidget widget;
  widget.resize(800, 600);
  SetCaptions(widget.control(), {"Eins", "Zwei", "Drei", "Vier", "Fuenf", "Sechs", "Sieben"});
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  Move(widget, QPoint(90, 10));  // tab 2
  widget.painted = QRegion();
  Move(widget, QPoint(150, 10));  // tab 3

  const QRect around = widget.painted.boundingRect();
  EXPECT_FALSE(around.isEmpty());
  // Tab 2's head starts at x = 64 and tab 3's ends at x = 186; the strip is 22 rows high.
  EXPECT_GE(around.left(), 64 - 4);
  EXPECT_LE(around.right(), 186 + 4);
  EXPECT_LE(around.bottom(), 22 + 4);
  EXPECT_EQ(DifferingPixels(widget), 0);
}

}  // namespace
}  // namespace vellumar
