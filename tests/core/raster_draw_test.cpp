#include <gtest/gtest.h>

#include <cstdint>

#include "platform/drawing/device_context.h"
#include "tests/core/raster_test_util.h"

namespace vellumar {
namespace {

using testing::Picture;
using testing::Rows;

constexpr ColorRef kInk = Rgb(10, 20, 30);

struct Canvas {
  explicit Canvas(int32_t w = 6, int32_t h = 5, PixelFormat f = PixelFormat::kColor32) : bitmap(w, h, f) {}
  Bitmap bitmap;
  DeviceContext dc{&bitmap};
};

Rows Line(Point from, Point to, int32_t width = 1, int32_t w = 6, int32_t h = 5) {
  Canvas c(w, h);
  c.dc.SelectPen(Pen{kPsSolid, width, kInk});
  c.dc.MoveTo(from.x, from.y);
  c.dc.LineTo(to.x, to.y);
  return Picture(c.bitmap);
}

TEST(RasterDraw, FillRectLeavesRightAndBottomEdgesOut) {
  Canvas c;
  c.dc.FillRect(Rect{1, 1, 4, 3}, kInk);
  EXPECT_EQ(Picture(c.bitmap), (Rows{"......", ".###..", ".###..", "......", "......"}));
  EXPECT_EQ(c.dc.GetPixel(1, 1), kInk);
}

TEST(RasterDraw, EmptyAndInvertedRectsDrawNothing) {
  for (const Rect& r : {Rect{2, 2, 2, 4}, Rect{2, 2, 4, 2}, Rect{4, 1, 1, 3}, Rect{1, 3, 4, 1}, Rect{}}) {
    Canvas c;
    c.dc.FillRect(r, kInk);
    c.dc.FrameRect(r, kInk);
    EXPECT_EQ(c.bitmap, Bitmap(6, 5)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(RasterDraw, FrameRectOutlinesJustInside) {
  struct Case {
    Rect rect;
    Rows rows;
  };
  const Case cases[] = {
      {{1, 1, 5, 4}, {"......", ".####.", ".#..#.", ".####.", "......"}},
      {{1, 0, 2, 3}, {".#....", ".#....", ".#....", "......", "......"}},
      {{0, 4, 6, 5}, {"......", "......", "......", "......", "######"}},
      {{2, 1, 4, 3}, {"......", "..##..", "..##..", "......", "......"}},
  };
  for (const Case& k : cases) {
    Canvas c;
    c.dc.FrameRect(k.rect, kInk);
    EXPECT_EQ(Picture(c.bitmap), k.rows) << k.rect.left << "," << k.rect.top;
  }
}

TEST(RasterDraw, ThinLinesLeaveTheirEndPointOut) {
  struct Case {
    Point from;
    Point to;
    Rows rows;
  };
  const Case cases[] = {
      {{1, 1}, {5, 1}, {"......", ".####.", "......", "......", "......"}},
      {{5, 1}, {1, 1}, {"......", "..####", "......", "......", "......"}},
      {{2, 0}, {2, 4}, {"..#...", "..#...", "..#...", "..#...", "......"}},
      {{2, 4}, {2, 0}, {"......", "..#...", "..#...", "..#...", "..#..."}},
      {{0, 0}, {4, 4}, {"#.....", ".#....", "..#...", "...#..", "......"}},
      {{4, 4}, {0, 0}, {"......", ".#....", "..#...", "...#..", "....#."}},
      {{0, 4}, {4, 0}, {"......", "...#..", "..#...", ".#....", "#....."}},
      // A half-pixel tie goes to the smaller coordinate in both directions.
      {{0, 0}, {4, 1}, {"###...", "...#..", "......", "......", "......"}},
      {{4, 1}, {0, 0}, {".##...", "...##.", "......", "......", "......"}},
      {{0, 0}, {1, 4}, {"#.....", "#.....", "#.....", ".#....", "......"}},
      {{3, 3}, {3, 3}, {"......", "......", "......", "......", "......"}},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Line(k.from, k.to), k.rows) << k.from.x << "," << k.from.y << " -> " << k.to.x << "," << k.to.y;
  }
}

TEST(RasterDraw, WidePensCentreABandOnTheLine) {
  struct Case {
    Point from;
    Point to;
    int32_t width;
    Rows rows;
  };
  const Case cases[] = {
      // Width w covers y - w/2 .. y - w/2 + w - 1; the ends stay at x1 .. x2 - 1.
      {{1, 2}, {5, 2}, 3, {"......", ".####.", ".####.", ".####.", "......"}},
      {{1, 2}, {5, 2}, 4, {".####.", ".####.", ".####.", ".####.", "......"}},
      {{1, 2}, {5, 2}, 2, {"......", ".####.", ".####.", "......", "......"}},
      {{2, 0}, {2, 3}, 3, {".###..", ".###..", ".###..", "......", "......"}},
      {{1, 1}, {5, 1}, 0, {"......", ".####.", "......", "......", "......"}},
      {{1, 1}, {5, 1}, -7, {"......", ".####.", "......", "......", "......"}},
      {{0, 0}, {3, 3}, 2, {"##....", ".##...", "..#...", "......", "......"}},
  };
  for (const Case& k : cases) EXPECT_EQ(Line(k.from, k.to, k.width), k.rows) << "width " << k.width;
}

TEST(RasterDraw, LineToMovesThePositionEvenWhenNothingIsDrawn) {
  Canvas c;
  EXPECT_EQ(c.dc.MoveTo(1, 1), (Point{0, 0}));
  c.dc.SelectPen(Pen{5, 1, kInk});  // a null pen style
  c.dc.LineTo(4, 1);
  EXPECT_EQ(c.bitmap, Bitmap(6, 5));
  EXPECT_EQ(c.dc.CurrentPosition(), (Point{4, 1}));
  c.dc.SelectPen(Pen{kPsSolid, 1, kInk});
  c.dc.LineTo(4, 3);
  EXPECT_EQ(Picture(c.bitmap), (Rows{"......", "....#.", "....#.", "......", "......"}));
}

TEST(RasterDraw, PixelsKeepTheRgbBitsAndReadBackOutsideAsInvalid) {
  Canvas c;
  c.dc.SetPixelV(2, 3, 0x80000012);  // an untranslated system colour draws as its low bits
  EXPECT_EQ(c.dc.GetPixel(2, 3), 0x000012u);
  c.dc.SetPixelV(0, 0, 0xFFFFFFFF);
  EXPECT_EQ(c.dc.GetPixel(0, 0), 0xFFFFFFu);
  for (const Point p : {Point{-1, 0}, Point{0, -1}, Point{6, 0}, Point{0, 5}, Point{INT32_MIN, INT32_MAX}}) {
    c.dc.SetPixelV(p.x, p.y, kInk);
    EXPECT_EQ(c.dc.GetPixel(p.x, p.y), 0xFFFFFFFFu);
  }
}

TEST(RasterDraw, MonochromeTargetsTakeWhiteFromAverageIntensity) {
  struct Case {
    ColorRef color;
    uint32_t pixel;
  };
  const Case cases[] = {{Rgb(255, 255, 255), 1}, {Rgb(128, 128, 128), 1}, {Rgb(127, 128, 128), 0},
                        {Rgb(255, 255, 0), 1},   {Rgb(255, 0, 0), 0},     {0, 0},
                        {0x80FFFFFF, 1}};
  for (const Case& k : cases) {
    Canvas c(3, 3, PixelFormat::kMono1);
    c.dc.FillRect(Rect{0, 0, 1, 1}, k.color);
    c.dc.SetPixelV(1, 1, k.color);
    c.dc.SelectPen(Pen{kPsSolid, 1, k.color});
    c.dc.MoveTo(2, 0);
    c.dc.LineTo(2, 1);
    EXPECT_EQ(c.bitmap.Pixel(0, 0), k.pixel) << std::hex << k.color;
    EXPECT_EQ(c.bitmap.Pixel(1, 1), k.pixel) << std::hex << k.color;
    EXPECT_EQ(c.bitmap.Pixel(2, 0), k.pixel) << std::hex << k.color;
    EXPECT_EQ(c.dc.GetPixel(1, 1), k.pixel ? 0xFFFFFFu : 0u);
  }
}

TEST(RasterDraw, AContextWithoutABitmapDrawsNothing) {
  DeviceContext dc;
  dc.FillRect(Rect{0, 0, 10, 10}, kInk);
  dc.FrameRect(Rect{0, 0, 10, 10}, kInk);
  dc.SetPixelV(0, 0, kInk);
  dc.LineTo(10, 10);
  EXPECT_EQ(dc.GetPixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(dc.CurrentPosition(), (Point{10, 10}));
}

}  // namespace
}  // namespace vellumar
