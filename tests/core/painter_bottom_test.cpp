// The painter for tabs at the bottom against the worked example: the mirrored strip pixel by pixel, the body
// gradient that is not mirrored, the rectangles it records, and where pictures and captions land.
#include <gtest/gtest.h>

#include "render/tab_painter.h"
#include "tests/core/painter_test_support.h"

namespace vellumar::testing {
namespace {

constexpr int32_t kStripTop = kExampleHeight - kExampleTabHeight;  // 178

// Band 0 lies on row 195, next to the outer edge, and the bands climb from Light towards Dark.
ColorRef BottomBand(int32_t row) {
  return LightToDarkBand(kExampleHeight - 5 - row);
}

// Rows 176 .. 199 of columns 0 .. 63 (the selected tab 1 with focus) and 64 .. 127 (the hot tab 2).
ExpectedImage BottomExample() {
  ExpectedImage image(kExampleWidth, kExampleHeight);
  image.Fill(0, kStripTop, kExampleWidth, kExampleHeight, 'f');
  image.Frame(0, 0, kExampleWidth, kStripTop, 'F');
  for (int32_t row = 176; row <= 196; ++row) {
    image.Overlay(0, row, {"Fbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"});
  }
  image.Overlay(0, 197,
                {
                    "F222222222222222222222222222222222222222222222222222222222222222",  // 197
                    "fF1111111111111111111111111111111111111111111111111111111111111F",  // 198
                    "ff0000000000000000000000000000000000000000000000000000000000000f",  // 199
                });
  image.Overlay(64, 176, {"pppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppp"});
  image.Overlay(64, 177, {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"});
  for (int32_t row = 178; row <= 194; ++row) {
    image.Overlay(64, row, {"FgggggggggggggggggggggggggggggggggggggggggggggggggggggggggggFfff"});
  }
  image.Overlay(64, 195,
                {
                    "FjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjjFfff",  // 195
                    "FFiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiFffff",  // 196
                    "Ffhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhfffff",  // 197
                    "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff",  // 198
                    "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff",  // 199
                });
  return image;
}

TEST(PainterBottom, WorkedExampleMatchesThePixelMap) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState();
  DrawTabBottom(st, *surface);

  BottomExample().Check(surface->bitmap(), BottomBand);
  ASSERT_EQ(st.mTabRects.size(), 3U);
  EXPECT_EQ(st.mTabRects[1], (Rect{0, 176, 64, 200}));
  EXPECT_EQ(st.mTabRects[2], (Rect{64, 178, 124, 178}));
  EXPECT_EQ(st.mPageRect, (Rect{0, 0, 300, 178}));
  EXPECT_FALSE(st.mImageManipulation);
  for (int32_t i : {1, 2}) {
    EXPECT_EQ(st.Record(i).TabLeft, i == 1 ? 2 : 64);
    EXPECT_EQ(st.Record(i).TabTop, kExampleHeight - 2 * kExampleTabHeight);
    EXPECT_EQ(st.Record(i).TabHeight, kExampleTabHeight);
  }
}

TEST(PainterBottom, RepaintsRecordTheSameRectangles) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState();
  for (int pass = 0; pass < 3; ++pass) DrawTabBottom(st, *surface);
  EXPECT_EQ(st.mTabRects, (std::vector<Rect>{Rect{}, Rect{0, 176, 64, 200}, Rect{64, 178, 124, 178}}));
}

TEST(PainterBottom, CaptionsStartWhereTheExampleSays) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"Eins", "Zwei"});
  DrawTabBottom(st, *surface);

  const Rect strip{0, 170, kExampleWidth, kExampleHeight};
  EXPECT_EQ(PixelsOf(surface->bitmap(), kForeColorActive, strip), CaptionInkAt("Eins", 8, 178));
  EXPECT_EQ(PixelsOf(surface->bitmap(), kForeColorHot, strip), CaptionInkAt("Zwei", 72, 180));
}

TEST(PainterBottom, PictureIsLevelWithItsCaption) {
  constexpr ColorRef kPictureColor = Rgb(12, 200, 34);
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"Eins", "Zwei"});
  st.Record(2).TabPicture = SolidPicture(16, kPictureColor);
  DrawTabBottom(st, *surface);

  EXPECT_EQ(BoundsOf(PixelsOf(surface->bitmap(), kPictureColor, Rect{0, 0, 300, 200})),
            (Rect{68, 180, 84, 196}));
  const Rect strip{0, 170, kExampleWidth, kExampleHeight};
  EXPECT_EQ(PixelsOf(surface->bitmap(), kForeColorHot, strip), CaptionInkAt("Zwei", 88, 180));
}

}  // namespace
}  // namespace vellumar::testing
