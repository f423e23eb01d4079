// The painter for tabs on top against the worked example: every pixel of the strip, the rectangles it
// records, and where pictures and captions land.
#include <gtest/gtest.h>

#include <limits>

#include "render/tab_painter.h"
#include "render/tab_painter_common.h"
#include "tests/core/painter_test_support.h"

namespace vellumar::testing {
namespace {

// Band 0 lies on the strip's bottom row, next to the page, and the bands climb from Dark towards Light.
ColorRef TopBand(int32_t row) {
  return DarkToLightBand(kExampleTabHeight - 1 - row);
}

// Rows 0 .. 23 of columns 0 .. 63 (the selected tab 1 with focus) and 64 .. 127 (the hot tab 2).
ExpectedImage TopExample() {
  ExpectedImage image(kExampleWidth, kExampleHeight);
  image.Fill(0, 0, kExampleWidth, kExampleTabHeight, 'f');
  image.Frame(0, kExampleTabHeight, kExampleWidth, kExampleHeight, 'F');
  image.Overlay(0, 0,
                {
                    "ff0000000000000000000000000000000000000000000000000000000000000f",  // 0
                    "fF1111111111111111111111111111111111111111111111111111111111111F",  // 1
                    "F222222222222222222222222222222222222222222222222222222222222222",  // 2
                });
  for (int32_t row = 3; row <= 23; ++row) {
    image.Overlay(0, row, {"Fbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"});
  }
  image.Overlay(64, 0,
                {
                    "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff",  // 0
                    "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff",  // 1
                    "Ffhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhfffff",  // 2
                    "FFiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiFffff",  // 3
                    "FjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjFfff",  // 4
                });
  for (int32_t row = 5; row <= 21; ++row) {
    image.Overlay(64, row, {"FgggggggggggggggggggggggggggggggggggggggggggggggggggggggggggFfff"});
  }
  image.Overlay(64, 22, {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"});
  image.Overlay(64, 23, {"pppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppp"});
  return image;
}

TEST(PainterTop, WorkedExampleMatchesThePixelMap) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState();
  DrawTabTop(st, *surface);

  TopExample().Check(surface->bitmap(), TopBand);
  ASSERT_EQ(st.mTabRects.size(), 3U);
  EXPECT_EQ(st.mTabRects[1], (Rect{0, 0, 64, 24}));
  EXPECT_EQ(st.mTabRects[2], (Rect{64, 2, 124, 22}));
  EXPECT_EQ(st.mPageRect, (Rect{0, 22, 300, 200}));
  EXPECT_EQ(surface->cls_count(), 1);
  EXPECT_EQ(surface->refresh_count(), 1);
  EXPECT_FALSE(st.mImageManipulation);
  for (int32_t i : {1, 2}) {
    const cTabs& record = st.Record(i);
    EXPECT_EQ(record.TabLeft, i == 1 ? 2 : 64);
    EXPECT_EQ(record.TabTop, 2);
    EXPECT_EQ(record.TabHeight, 22);
  }
}

TEST(PainterTop, RepaintsRecordTheSameRectangles) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState();
  st.mTabRects.assign(7, Rect{9, 9, 9, 9});
  for (int pass = 0; pass < 3; ++pass) DrawTabTop(st, *surface);
  EXPECT_EQ(st.mTabRects, (std::vector<Rect>{Rect{9, 9, 9, 9}, Rect{0, 0, 64, 24}, Rect{64, 2, 124, 22}}));
}

TEST(PainterTop, SelectionZeroPaintsTheFirstTabAndBecomesOne) {
  auto selected_one = ExampleSurface();
  TabStripState reference = ExampleState();
  DrawTabTop(reference, *selected_one);

  auto selected_zero = ExampleSurface();
  TabStripState st = ExampleState();
  st.mSelectedTab = 0;
  DrawTabTop(st, *selected_zero);
  EXPECT_EQ(st.mSelectedTab, 1);
  EXPECT_EQ(st.mTabRects, reference.mTabRects);
  EXPECT_TRUE(selected_zero->bitmap() == selected_one->bitmap());
}

TEST(PainterTop, CaptionsStartWhereTheExampleSays) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"Eins", "Zwei"});
  DrawTabTop(st, *surface);

  ASSERT_EQ(LineHeight(surface->hDC()), 13);
  const Rect strip{0, 0, kExampleWidth, 30};
  EXPECT_EQ(PixelsOf(surface->bitmap(), kForeColorActive, strip), CaptionInkAt("Eins", 8, 4));
  EXPECT_EQ(PixelsOf(surface->bitmap(), kForeColorHot, strip), CaptionInkAt("Zwei", 72, 6));
  EXPECT_TRUE(PixelsOf(surface->bitmap(), kForeColor, strip).empty());
}

TEST(PainterTop, PictureSitsAtTheOffsetAndPushesTheCaptionRight) {
  constexpr ColorRef kPictureColor = Rgb(12, 200, 34);
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"Eins", "Zwei"});
  st.Record(2).TabPicture = SolidPicture(16, kPictureColor);
  DrawTabTop(st, *surface);

  EXPECT_EQ(BoundsOf(PixelsOf(surface->bitmap(), kPictureColor, Rect{0, 0, 300, 200})),
            (Rect{68, 4, 84, 20}));
  const Rect strip{0, 0, kExampleWidth, 30};
  EXPECT_EQ(PixelsOf(surface->bitmap(), kForeColorHot, strip), CaptionInkAt("Zwei", 88, 6));
}

TEST(PainterTop, MaskColouredPicturePixelsLetTheHeadShowThrough) {
  constexpr ColorRef kPictureColor = Rgb(12, 200, 34);
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"Eins", "Zwei"});
  Bitmap bitmap(16, 16);
  std::fill(bitmap.pixels().begin(), bitmap.pixels().end(), kPictureColor);
  bitmap.SetPixel(0, 0, kMaskColor);
  st.Record(2).TabPicture = StdPicture::FromBitmap(std::move(bitmap));
  DrawTabTop(st, *surface);

  EXPECT_EQ(surface->bitmap().Pixel(68, 4), kMouseMove2);
  EXPECT_EQ(surface->bitmap().Pixel(69, 4), kPictureColor);
}

TEST(PainterRounding, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    int32_t pixels;
  };
  for (const Case& c : {Case{4.5, 4}, Case{3.5, 4}, Case{2.5, 2}, Case{1.5, 2}, Case{-2.0, -2},
                        Case{-2.5, -2}, Case{23.99, 24}, Case{1e300, INT32_MAX}, Case{-1e300, INT32_MIN},
                        Case{std::numeric_limits<double>::quiet_NaN(), 0}}) {
    EXPECT_EQ(RoundToPixel(c.value), c.pixels) << c.value;
  }
}

}  // namespace
}  // namespace vellumar::testing
