#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "platform/drawing/device_context.h"
#include "tests/core/raster_test_util.h"

namespace vellumar {
namespace {

using testing::Picture;
using testing::Rows;

__extension__ using Int128 = __int128;

constexpr int32_t kMin = INT32_MIN;
constexpr int32_t kMax = INT32_MAX;
constexpr ColorRef kInk = Rgb(200, 100, 50);

TEST(RasterClip, FillAndFrameWithHostileRects) {
  struct Case {
    Rect rect;
    Rows fill;
    Rows frame;
  };
  const Rows all{"####", "####", "####"};
  const Rows none{"....", "....", "...."};
  const Case cases[] = {
      {{kMin, kMin, kMax, kMax}, all, none},
      {{-1, -1, 5, 4}, all, none},
      {{0, 0, kMax, kMax}, all, {"####", "#...", "#..."}},
      {{kMin, kMin, 4, 3}, all, {"...#", "...#", "####"}},
      {{2, 1, kMax, 2}, {"....", "..##", "...."}, {"....", "..##", "...."}},
      {{kMax - 1, 0, kMax, 3}, none, none},
      {{kMin, 0, kMin + 1, 3}, none, none},
      {{kMax, kMax, kMin, kMin}, none, none},
      {{4, 0, 9, 3}, none, none},
  };
  for (const Case& k : cases) {
    Bitmap fill(4, 3);
    Bitmap frame(4, 3);
    DeviceContext(&fill).FillRect(k.rect, kInk);
    DeviceContext(&frame).FrameRect(k.rect, kInk);
    EXPECT_EQ(Picture(fill), k.fill) << k.rect.left << "," << k.rect.top << "," << k.rect.right;
    EXPECT_EQ(Picture(frame), k.frame) << k.rect.left << "," << k.rect.top << "," << k.rect.right;
  }
}

TEST(RasterClip, LinesSpanningTheWholeIntegerRangeAreClippedFirst) {
  struct Case {
    Point from;
    Point to;
    int32_t width;
    Rows rows;
  };
  const Case cases[] = {
      {{kMin, 1}, {kMax, 1}, 1, {"....", "####", "....", "...."}},
      {{kMax, 1}, {kMin, 1}, 1, {"....", "####", "....", "...."}},
      {{2, kMin}, {2, kMax}, 1, {"..#.", "..#.", "..#.", "..#."}},
      {{kMin, kMin}, {kMax, kMax}, 1, {"#...", ".#..", "..#.", "...#"}},
      {{kMax, 3 - kMax}, {3 - kMax, kMax}, 1, {"...#", "..#.", ".#..", "#..."}},
      {{kMin, 1}, {kMax, 1}, kMax, {"####", "####", "####", "####"}},
      {{kMin, kMin}, {kMax, kMax}, kMax, {"####", "####", "####", "####"}},
      {{kMin, 9}, {kMax, 9}, 3, {"....", "....", "....", "...."}},
      {{kMin, -1}, {kMax, -1}, 3, {"####", "....", "....", "...."}},
  };
  for (const Case& k : cases) {
    Bitmap b(4, 4);
    DeviceContext dc(&b);
    dc.SelectPen(Pen{kPsSolid, k.width, kInk});
    dc.MoveTo(k.from.x, k.from.y);
    dc.LineTo(k.to.x, k.to.y);
    EXPECT_EQ(Picture(b), k.rows) << k.from.x << "," << k.from.y << " -> " << k.to.x << "," << k.to.y;
  }
}

TEST(RasterClip, ZeroSizeBitmapsAcceptEveryCall) {
  Bitmap empty(0, 0);
  Bitmap other(3, 3);
  DeviceContext dc(&empty);
  DeviceContext full(&other);
  dc.FillRect(Rect{kMin, kMin, kMax, kMax}, kInk);
  dc.FrameRect(Rect{kMin, kMin, kMax, kMax}, kInk);
  dc.SetPixelV(0, 0, kInk);
  dc.MoveTo(kMin, kMin);
  dc.LineTo(kMax, kMax);
  EXPECT_EQ(dc.GetPixel(0, 0), 0xFFFFFFFFu);
  EXPECT_TRUE(BitBlt(dc, 0, 0, 3, 3, full, 0, 0, kSrcCopy));
  EXPECT_TRUE(BitBlt(full, 0, 0, 3, 3, dc, 0, 0, kSrcCopy));
  EXPECT_TRUE(BitBlt(dc, 0, 0, kMax, kMax, full, 0, 0, kWhiteness));
  EXPECT_EQ(other, Bitmap(3, 3));
}

// The pixels a line should light, decided pixel by pixel: at its step along the major axis, a pixel is on
// the thin line when it is the nearest to the ideal line (ties to the smaller coordinate), and on a wide
// line when the thin line's pixel at that step lies within the band around it.
bool ReferenceLit(Point a, Point b, int32_t pen_width, int64_t px, int64_t py) {
  const int64_t dx = int64_t{b.x} - a.x;
  const int64_t dy = int64_t{b.y} - a.y;
  const bool x_major = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const int64_t d_major = x_major ? dx : dy;
  const int64_t d_minor = x_major ? dy : dx;
  const int64_t n = d_major < 0 ? -d_major : d_major;
  if (n == 0) return false;
  const int64_t t = ((x_major ? px : py) - (x_major ? a.x : a.y)) * (d_major < 0 ? -1 : 1);
  if (t < 0 || t >= n) return false;
  // The pixel p with -n <= 2n (p - start) - 2 t d_minor < n: the offset is ceil((2 t d_minor - n) / 2n).
  const Int128 twice = 2 * Int128{t} * d_minor - n;
  Int128 q = twice / (2 * Int128{n});
  if (twice % (2 * Int128{n}) != 0 && twice > 0) ++q;
  const Int128 centre = (x_major ? a.y : a.x) + q;
  const int64_t w = pen_width < 1 ? 1 : pen_width;
  const Int128 p = x_major ? py : px;
  return p >= centre - w / 2 && p <= centre - w / 2 + w - 1;
}

int32_t RandomCoordinate(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0:
      return static_cast<int32_t>(rng());
    case 1:
      return rng() % 2 ? kMin + static_cast<int32_t>(rng() % 3) : kMax - static_cast<int32_t>(rng() % 3);
    default:
      return static_cast<int32_t>(rng() % 40) - 15;
  }
}

TEST(RasterClip, RandomLinesMatchAPixelByPixelReference) {
  std::mt19937 rng(20240601);
  const int32_t widths[] = {-3, 0, 1, 1, 1, 2, 3, 4, 7, kMax};
  for (int i = 0; i < 4000; ++i) {
    const int32_t w = static_cast<int32_t>(rng() % 10);
    const int32_t h = static_cast<int32_t>(rng() % 10);
    const Point a{RandomCoordinate(rng), RandomCoordinate(rng)};
    const Point b{RandomCoordinate(rng), RandomCoordinate(rng)};
    const int32_t pen = widths[rng() % 10];
    Bitmap actual(w, h);
    DeviceContext dc(&actual);
    dc.SelectPen(Pen{kPsSolid, pen, kInk});
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    Bitmap expected(w, h);
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        if (ReferenceLit(a, b, pen, x, y)) expected.SetPixel(x, y, kInk);
      }
    }
    ASSERT_EQ(Picture(actual), Picture(expected))
        << "case " << i << ": (" << a.x << "," << a.y << ") -> (" << b.x << "," << b.y << ") pen " << pen;
  }
}

}  // namespace
}  // namespace vellumar
