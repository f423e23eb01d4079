// VellumarTabStrip's tabs by index, as a Qt program uses them: a seeded sweep of edits and reads against a
// plain list, with indices far outside the tabs mixed in, and tab pictures from Qt images shown with their
// transparent parts left out.
#include <gtest/gtest.h>

#include <QtGui/QPainter>
#include <QtTest/QSignalSpy>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "app/qt/vellumar_tab_strip.h"
#include "control/icon_conversion.h"
#include "control/vellumar.h"
#include "qt_test_app.h"

namespace vellumar {
namespace {

struct ReferenceTab {
  QString caption;
  int width = 0;
};

// Indices a careless caller passes: every valid one is as likely as one of these.
int AnyIndex(std::mt19937& random, int count) {
  static constexpr int kWild[] = {-1, INT_MIN, INT_MAX, INT_MAX - 1};
  std::uniform_int_distribution<int> pick(0, count + 3);
  const int n = pick(random);
  return n < count ? n : (n == count ? count : kWild[n - count - 1]);
}

TEST(TabStripIndex, ASeededSweepAgreesWithAPlainList) {
  VellumarTabStrip strip;
  std::vector<ReferenceTab> reference{{QStringLiteral("Register"), 60}};
  int current = 0;
  QSignalSpy pressed(&strip, &VellumarWidget::tabPressed);
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> op(0, 4);
  std::uniform_int_distribution<int> width(-20, 200);
  for (int step = 0; step < 600; ++step) {
    const int count = static_cast<int>(reference.size());
    const int index = AnyIndex(random, count);
    const bool valid = index >= 0 && index < count;
    const QString caption = QStringLiteral("&T%1 ä").arg(step);
    switch (op(random)) {
      case 0:
        if (count < 40) {
          const int w = width(random);
          const QString text = step % 7 == 0 ? QString() : caption;
          ASSERT_EQ(strip.addTab(text, w), count);
          reference.push_back({text, w});
        }
        break;
      case 1:
        strip.setTabText(index, caption);
        if (valid) reference[static_cast<size_t>(index)].caption = caption;
        break;
      case 2: {
        const int w = width(random);
        strip.setTabWidth(index, w);
        if (valid) reference[static_cast<size_t>(index)].width = w;
        break;
      }
      case 3: {
        const qsizetype before = pressed.size();
        strip.setCurrentIndex(index);
        if (valid) current = index;
        ASSERT_EQ(pressed.size(), before + (valid ? 1 : 0)) << "step " << step;
        break;
      }
      default:
        EXPECT_EQ(strip.tabText(index), valid ? reference[static_cast<size_t>(index)].caption : QString());
        EXPECT_EQ(strip.tabWidth(index), valid ? reference[static_cast<size_t>(index)].width : 0);
        EXPECT_TRUE(strip.tabIcon(index).isNull());
    }
    ASSERT_EQ(strip.count(), static_cast<int>(reference.size())) << "step " << step;
    ASSERT_EQ(strip.currentIndex(), current) << "step " << step;
  }
  Vellumar& control = strip.control();
  ASSERT_EQ(control.NumberOfTabs(), static_cast<int32_t>(reference.size()));
  for (size_t i = 0; i < reference.size(); ++i) {
    const auto tab = static_cast<int32_t>(i + 1);
    EXPECT_EQ(QString::fromStdString(control.TabCaption(tab)), reference[i].caption) << "tab " << tab;
    EXPECT_EQ(control.TabWidth(tab), reference[i].width) << "tab " << tab;
  }
  EXPECT_EQ(control.SelectedTab(), current + 1);
}

TEST(TabStripIndex, ASelectionOutsideTheTabsHasNoCurrentIndex) {
  VellumarTabStrip strip;
  strip.addTab(QStringLiteral("Zwei"), 60);
  strip.control().SetSelectedTab(0);
  EXPECT_EQ(strip.currentIndex(), 0) << "0 is shown as the first tab";
  strip.control().SetSelectedTab(-3);
  EXPECT_EQ(strip.currentIndex(), -1);
}

// A 16 x 16 image: a red left half, a transparent right half.
QImage HalfRed() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter(&image).fillRect(0, 0, 8, 16, Qt::red);
  return image;
}

TEST(TabStripIndex, QtPicturesShowWithTheirTransparentPartsLeftOut) {
  VellumarTabStrip strip;
  strip.resize(300, 200);
  Vellumar& control = strip.control();
  const int second = strip.addTab(QStringLiteral("Bild"), 80, QIcon(QPixmap::fromImage(HalfRed())));
  strip.setTabIcon(0, QPixmap::fromImage(HalfRed()));

  for (int index : {0, second}) {
    const StdPictureRef picture = control.TabPicture(index + 1);
    ASSERT_TRUE(picture) << index;
    EXPECT_EQ(picture->Type(), PictureType::kBitmap);
    EXPECT_EQ(picture->bitmap().Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(picture->bitmap().Pixel(15, 15), HiddenPictureBox::kBackColor);
    const QImage shown = strip.tabIcon(index).pixmap(16, 16).toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(shown.pixel(15, 15)), 0);
  }

  // The second head (unselected) shows the picture 4 pixels in, beside its body where the half is clear.
  const Rect head = control.state().mTabRects[2];
  const Bitmap& image = strip.image();
  const int32_t picture_top = head.top + 3;
  EXPECT_EQ(image.Pixel(head.left + 4, picture_top + 8), Rgb(255, 0, 0));
  EXPECT_NE(image.Pixel(head.left + 4 + 12, picture_top + 8), HiddenPictureBox::kBackColor);

  strip.setTabIcon(second, QIcon());
  EXPECT_FALSE(control.TabPicture(second + 1)) << "a null icon removes the picture";
  strip.setTabIcon(7, QIcon(QPixmap::fromImage(HalfRed())));
  EXPECT_EQ(strip.count(), 2);
}

TEST(TabStripIndex, AFittingWidthShowsTheCaptionOnOneLineBesideItsPicture) {
  VellumarTabStrip strip;
  strip.resize(400, 100);
  const QString caption = QStringLiteral("&Rechnungen und Mahnungen");
  const int plain = strip.fittingTabWidth(caption);
  const int pictured = strip.fittingTabWidth(caption, QIcon(QPixmap::fromImage(HalfRed())));
  EXPECT_EQ(pictured, plain + 16);
  EXPECT_GT(plain, 16 + 100);

  // Text rows of the second head: one line at the fitting width, more when the head is narrower.
  const auto text_rows = [&](int width) {
    strip.setTabWidth(1, width);
    const Rect head = strip.control().state().mTabRects[2];
    int rows = 0;
    for (int32_t y = 0; y < strip.height(); ++y) {
      for (int32_t x = head.left; x < head.right; ++x) {
        if (strip.image().Pixel(x, y) == Rgb(0, 0, 0)) {
          ++rows;
          break;
        }
      }
    }
    return rows;
  };
  strip.addTab(caption, plain);
  const int fitted = text_rows(plain);
  EXPECT_GT(fitted, 0);
  EXPECT_GT(text_rows(plain - 20), fitted) << "the caption breaks when the head is narrower";
}

}  // namespace
}  // namespace vellumar
