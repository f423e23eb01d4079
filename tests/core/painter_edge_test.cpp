// The painters off the worked example's path: dispatch by alignment, no tabs, tiny strip heights, system
// colours, selections and hot tabs outside the tab list, and hostile sizes and counts.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "render/tab_painter.h"
#include "tests/core/painter_test_support.h"

namespace vellumar::testing {
namespace {

using Painter = void (*)(TabStripState&, PaintSurface&);

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr ColorRef kUntouched = Rgb(77, 66, 55);

bool HasColor(const Bitmap& bitmap, ColorRef color) {
  return !PixelsOf(bitmap, color, Rect{0, 0, bitmap.width(), bitmap.height()}).empty();
}

TEST(PainterDispatch, AlignmentChoosesTheLayout) {
  struct Case {
    int32_t alignment;
    Painter painter;  // nullptr: nothing is painted
  };
  for (const Case& c : {Case{0, DrawTabTop}, Case{1, DrawTabBottom}, Case{2, DrawTabTop}, Case{3, DrawTabTop},
                        Case{4, nullptr}, Case{-1, nullptr}, Case{kMin, nullptr}}) {
    auto expected = ExampleSurface();
    TabStripState reference = ExampleState();
    reference.mTabRects.assign(2, Rect{5, 5, 5, 5});
    if (c.painter != nullptr) c.painter(reference, *expected);

    auto surface = ExampleSurface();
    if (c.painter == nullptr) surface->SetClsColor(kUntouched);
    surface->Cls();
    TabStripState st = ExampleState();
    st.mAlignment = c.alignment;
    st.mTabRects.assign(2, Rect{5, 5, 5, 5});
    DrawTab(st, *surface);
    if (c.painter == nullptr) {
      EXPECT_EQ(surface->refresh_count(), 0) << c.alignment;
      EXPECT_EQ(PixelsOf(surface->bitmap(), kUntouched, Rect{0, 0, 300, 200}).size(), 300U * 200U);
      EXPECT_EQ(st.mTabRects, (std::vector<Rect>(2, Rect{5, 5, 5, 5})));
    } else {
      EXPECT_TRUE(surface->bitmap() == expected->bitmap()) << c.alignment;
      EXPECT_EQ(st.mTabRects, reference.mTabRects) << c.alignment;
    }
  }
}

TEST(PainterNoTabs, OnlyStripAndFrameAndTheRectanglesStay) {
  for (Painter painter : {DrawTabTop, DrawTabBottom}) {
    auto surface = ExampleSurface();
    TabStripState st = ExampleState({});
    st.mSelectedTab = 0;
    st.mTabRects.assign(4, Rect{1, 2, 3, 4});
    painter(st, *surface);

    const bool top = painter == DrawTabTop;
    ExpectedImage image(kExampleWidth, kExampleHeight);
    image.Fill(0, top ? 0 : 178, kExampleWidth, top ? 22 : 200, 'f');
    image.Frame(0, top ? 22 : 0, kExampleWidth, top ? 200 : 178, 'F');
    image.Check(surface->bitmap(), [](int32_t) { return ColorRef{0}; });
    EXPECT_EQ(st.mTabRects, (std::vector<Rect>(4, Rect{1, 2, 3, 4})));
    EXPECT_EQ(st.mPageRect, top ? (Rect{0, 22, 300, 200}) : (Rect{0, 0, 300, 178}));
    EXPECT_EQ(st.mSelectedTab, 0);
  }
}

TEST(PainterTabHeight, SmallStripsPaintOneBandOrNone) {
  struct Case {
    Painter painter;
    int32_t tab_height;
    int32_t band_row;     // the single band's row for Size 0, -1 when no band is painted
    ColorRef band_color;  // ColorFrom: Dark on top, Light at the bottom
  };
  for (const Case& c :
       {Case{DrawTabTop, 5, 4, kDark}, Case{DrawTabBottom, 5, 195, kLight}, Case{DrawTabTop, 4, -1, 0},
        Case{DrawTabBottom, 4, -1, 0}, Case{DrawTabTop, 0, -1, 0}, Case{DrawTabBottom, -3, -1, 0}}) {
    auto surface = ExampleSurface();
    TabStripState st = ExampleState();
    st.mHotTab = 0;
    st.mTabHeight = c.tab_height;
    c.painter(st, *surface);
    const Bitmap& bitmap = surface->bitmap();
    if (c.band_row >= 0) {
      EXPECT_EQ(PixelsOf(bitmap, c.band_color, Rect{0, 0, 300, 200}).size(), 59U) << c.tab_height;
      EXPECT_EQ(bitmap.Pixel(65, c.band_row), c.band_color);
      EXPECT_EQ(bitmap.Pixel(123, c.band_row), c.band_color);
    } else {
      EXPECT_FALSE(HasColor(bitmap, kDark) || HasColor(bitmap, kLight)) << c.tab_height;
    }
  }
}

TEST(PainterColors, SystemColoursAreTranslatedWhereverTheyAreDrawn) {
  constexpr OleColor kButtonFace = 0x8000000F;
  constexpr OleColor kButtonShadow = 0x80000010;
  constexpr OleColor kWindow = 0x80000005;
  constexpr OleColor kHighlight = 0x8000000D;
  constexpr OleColor kHotLight = 0x8000001A;
  for (Painter painter : {DrawTabTop, DrawTabBottom}) {
    auto surface = ExampleSurface();
    TabStripState st = ExampleState();
    st.mHotTab = 0;
    st.mBackColorForm = kButtonFace;
    st.mFrameColor = kButtonShadow;
    st.mBackColor = kWindow;
    st.mRegisterFocusColor0 = kHighlight;
    st.mRegisterFocusColor1 = kHotLight;
    painter(st, *surface);

    EXPECT_EQ(st.mBackColorForm, GetSysColor(kColorButtonFace));
    EXPECT_EQ(st.mFrameColor, GetSysColor(kColorButtonShadow));
    EXPECT_EQ(st.mBackColor, GetSysColor(kColorWindow));
    const bool top = painter == DrawTabTop;
    auto row = [top](int32_t y) { return top ? y : kExampleHeight - 1 - y; };
    // The unselected head's BackColor row is drawn before the selected head's fill translates the member.
    EXPECT_EQ(surface->bitmap().Pixel(70, row(3)), GetSysColor(kColorWindow));
    EXPECT_EQ(surface->bitmap().Pixel(30, row(0)), GetSysColor(kColorHighlight));
    EXPECT_EQ(surface->bitmap().Pixel(30, row(1)), GetSysColor(kColorHotLight));
    EXPECT_EQ(surface->bitmap().Pixel(64, row(10)), GetSysColor(kColorButtonShadow));
  }
}

TEST(PainterColors, BackColorIsTranslatedExactlyWhenASelectedHeadIsPainted) {
  struct Case {
    std::vector<std::string> tabs;
    int32_t first_width;
    int32_t selected;
    bool translated;
  };
  constexpr OleColor kWindow = 0x80000005;
  for (const Case& c : {Case{{}, 60, 0, false}, Case{{"a", "b"}, 60, 5, false},
                        Case{{"a", "b"}, 900, 2, true},  // the selected head lies beyond the right edge
                        Case{{"a", "b"}, 60, 2, true}}) {
    for (Painter painter : {DrawTabTop, DrawTabBottom}) {
      auto surface = ExampleSurface();
      TabStripState st = ExampleState(c.tabs);
      if (!c.tabs.empty()) st.Record(1).TabWidth = c.first_width;
      st.mSelectedTab = c.selected;
      st.mBackColor = kWindow;
      painter(st, *surface);
      EXPECT_EQ(st.mBackColor, c.translated ? GetSysColor(kColorWindow) : kWindow) << c.selected;
    }
  }
}

TEST(PainterSelection, OutOfRangeSelectionPaintsNoSelectedHead) {
  for (Painter painter : {DrawTabTop, DrawTabBottom}) {
    for (int32_t selected : {-1, 3, 7, kMin, kMax}) {
      auto surface = ExampleSurface();
      TabStripState st = ExampleState({"Eins", "Zwei", "Drei"});
      st.mNumberOfTabs = 2;  // tab 3 deleted; its record stays
      st.mSelectedTab = selected;
      st.mHotTab = 0;
      painter(st, *surface);

      EXPECT_EQ(st.mSelectedTab, selected);
      ASSERT_EQ(st.mTabRects.size(), 3U);
      const bool top = painter == DrawTabTop;
      EXPECT_EQ(st.mTabRects[1], top ? (Rect{2, 2, 62, 22}) : (Rect{2, 178, 62, 178}));
      const Bitmap& bitmap = surface->bitmap();
      const int32_t dark_row = top ? 21 : 178;
      EXPECT_EQ(bitmap.Pixel(10, dark_row), top ? kDark : LightToDarkBand(17)) << selected;
      EXPECT_EQ(bitmap.Pixel(70, dark_row), top ? kDark : LightToDarkBand(17)) << selected;
      EXPECT_FALSE(HasColor(bitmap, kFocus0) || HasColor(bitmap, kForeColorActive)) << selected;
      EXPECT_TRUE(HasColor(bitmap, kForeColor));
    }
  }
}

TEST(PainterSelection, OutOfRangeHotTabPaintsNoHotBand) {
  for (Painter painter : {DrawTabTop, DrawTabBottom}) {
    for (int32_t hot : {-1, 3, kMin, kMax}) {
      auto surface = ExampleSurface();
      TabStripState st = ExampleState({"Eins", "Zwei", "Drei"});
      st.mNumberOfTabs = 2;
      st.mHotTab = hot;
      painter(st, *surface);
      const Bitmap& bitmap = surface->bitmap();
      EXPECT_FALSE(HasColor(bitmap, kMouseMove0) || HasColor(bitmap, kMouseMove1) ||
                   HasColor(bitmap, kMouseMove2) || HasColor(bitmap, kForeColorHot))
          << hot;
      EXPECT_EQ(st.mHotTab, hot);
    }
  }
}

TEST(PainterSelection, HotTabIsBandedEvenWithoutASelectedHead) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"Eins", "Zwei"});
  st.mSelectedTab = -4;
  DrawTabTop(st, *surface);
  EXPECT_EQ(surface->bitmap().Pixel(70, 2), kMouseMove0);
  EXPECT_TRUE(HasColor(surface->bitmap(), kForeColorHot));
}

struct Hostile {
  int32_t width;  // surface
  int32_t height;
  int32_t tab_height;
  int32_t tab_width;
  int32_t tabs;
};

TEST(PainterHostile, ExtremeValuesPaintWithoutFault) {
  for (Painter painter : {DrawTabTop, DrawTabBottom}) {
    for (const Hostile& h :
         {Hostile{300, 200, kMax, 60, 3}, Hostile{300, 200, kMin, 60, 3}, Hostile{300, 200, -kMax, 60, 3},
          Hostile{300, 200, 22, kMax, 4}, Hostile{300, 200, 22, -kMax, 4}, Hostile{300, 200, 22, kMin, 4},
          Hostile{300, 200, kMax, kMax, 4}, Hostile{0, 0, 22, 60, 3}, Hostile{1, 1, 22, 60, 3},
          Hostile{300, 200, 600, 60, 3}}) {
      auto surface = std::make_unique<FakePaintSurface>(h.width, h.height);
      std::vector<std::string> captions(static_cast<size_t>(h.tabs), "Reg&ister mit Bild");
      TabStripState st = ExampleState(captions);
      st.mTabHeight = h.tab_height;
      for (int32_t i = 1; i <= h.tabs; ++i) {
        st.Record(i).TabWidth = h.tab_width;
        st.Record(i).TabPicture = SolidPicture(16, kPage);
      }
      st.mSelectedTab = 2;
      st.mHotTab = 3;
      painter(st, *surface);
      EXPECT_EQ(st.mTabRects.size(), static_cast<size_t>(h.tabs) + 1);
      EXPECT_EQ(st.Record(1).TabLeft, 2);
    }
  }
}

TEST(PainterHostile, LeftEdgesSaturateAtTheCoordinateLimits) {
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"a", "b", "c", "d"});
  st.Record(1).TabWidth = kMax;
  st.Record(2).TabWidth = kMax;
  st.Record(3).TabWidth = kMin;
  st.Record(4).TabWidth = kMin;
  DrawTabTop(st, *surface);
  EXPECT_EQ(st.Record(2).TabLeft, kMax);
  EXPECT_EQ(st.Record(3).TabLeft, kMax);
  EXPECT_EQ(st.mTabRects[2], (Rect{kMax, 2, kMax, 22}));
  // Tab 4 starts where the true sum of the widths puts it: 2 + 2 * (kMax + 2) + (kMin + 2).
  EXPECT_EQ(st.Record(4).TabLeft, kMax);
}

TEST(PainterHostile, CountBeyondTheRecordsPaintsTheRecordsThatExist) {
  for (int32_t count : {5, kMax, -1, kMin}) {
    auto surface = ExampleSurface();
    TabStripState st = ExampleState();
    st.mNumberOfTabs = count;
    DrawTabTop(st, *surface);
    EXPECT_EQ(st.mTabRects.size(), count > 0 ? 3U : 0U) << count;
  }
}

TEST(PainterHostile, ManyTabsAreLaidOutEvenWhereNoneCanBeSeen) {
  constexpr int32_t kTabs = 200000;
  auto surface = ExampleSurface();
  TabStripState st = ExampleState(std::vector<std::string>(kTabs, "Register"));
  st.mSelectedTab = kTabs;
  st.mHotTab = kTabs - 1;
  DrawTabBottom(st, *surface);
  ASSERT_EQ(st.mTabRects.size(), static_cast<size_t>(kTabs) + 1);
  EXPECT_EQ(st.Record(kTabs).TabLeft, 2 + (kTabs - 1) * 62);
  EXPECT_EQ(st.mTabRects[kTabs], (Rect{2 + (kTabs - 1) * 62 - 2, 176, 2 + (kTabs - 1) * 62 + 62, 200}));
}

TEST(PainterHostile, ACaptionReachingBackFromAHeadLeftOfTheSurfaceIsDrawn) {
  const std::string word(40, 'W');
  auto surface = ExampleSurface();
  TabStripState st = ExampleState({"", word});
  st.Record(1).TabWidth = -300;  // tab 2 then spans columns -296 .. -236
  st.mHotTab = 0;
  DrawTabTop(st, *surface);
  ASSERT_EQ(st.mTabRects[2], (Rect{-296, 2, -236, 22}));
  const PixelSet ink = PixelsOf(surface->bitmap(), kForeColor, Rect{0, 0, 300, 30});
  EXPECT_FALSE(ink.empty());
  EXPECT_EQ(ink, CaptionInkAt(word, -296 + 8, 6));
}

}  // namespace
}  // namespace vellumar::testing
