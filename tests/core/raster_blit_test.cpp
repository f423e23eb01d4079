#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/drawing/device_context.h"
#include "tests/core/raster_test_util.h"

namespace vellumar {
namespace {

using testing::Picture;
using testing::Rows;

constexpr int32_t kMin = INT32_MIN;
constexpr int32_t kMax = INT32_MAX;

Bitmap Strip(PixelFormat format, const std::vector<uint32_t>& pixels) {
  Bitmap b(static_cast<int32_t>(pixels.size()), 1, format);
  b.pixels() = pixels;
  return b;
}

TEST(RasterBlit, RasterOperationsBetweenColourBitmaps) {
  const std::vector<uint32_t> src{0x0000FF, 0xFF00FF, 0x123456};
  const std::vector<uint32_t> dst{0xFFFF00, 0x0000FF, 0x654321};
  struct Case {
    uint32_t rop;
    std::vector<uint32_t> result;
  };
  const Case cases[] = {
      {kSrcCopy, {0x0000FF, 0xFF00FF, 0x123456}},
      {kSrcAnd, {0x000000, 0x0000FF, 0x000000}},
      {kSrcPaint, {0xFFFFFF, 0xFF00FF, 0x777777}},
      {kSrcInvert, {0xFFFFFF, 0xFF0000, 0x777777}},
      {kDstAndNotSrc, {0xFFFF00, 0x000000, 0x654321 & ~0x123456u}},
      {kBlackness, {0, 0, 0}},
      {kWhiteness, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
  };
  for (const Case& k : cases) {
    Bitmap s = Strip(PixelFormat::kColor32, src);
    Bitmap d = Strip(PixelFormat::kColor32, dst);
    DeviceContext sdc(&s);
    DeviceContext ddc(&d);
    EXPECT_TRUE(BitBlt(ddc, 0, 0, 3, 1, sdc, 0, 0, k.rop));
    EXPECT_EQ(d.pixels(), k.result) << std::hex << k.rop;
  }
}

TEST(RasterBlit, ColourToMonochromeKeysOnTheSourceBackground) {
  Bitmap s = Strip(PixelFormat::kColor32, {0xFF00FF, 0xFE00FF, 0x000000, 0xFF00FF});
  Bitmap d(4, 1, PixelFormat::kMono1);
  DeviceContext sdc(&s);
  DeviceContext ddc(&d);
  sdc.SetBkColor(0xFF00FF);
  ddc.SetBkColor(0x000000);  // the destination's colours play no part
  BitBlt(ddc, 0, 0, 4, 1, sdc, 0, 0, kSrcCopy);
  EXPECT_EQ(d.pixels(), (std::vector<uint32_t>{1, 0, 0, 1}));
}

TEST(RasterBlit, MonochromeToColourUsesTheDestinationTextAndBackground) {
  Bitmap s = Strip(PixelFormat::kMono1, {0, 1, 1, 0});
  Bitmap d(4, 1);
  DeviceContext sdc(&s);
  DeviceContext ddc(&d);
  sdc.SetTextColor(0x111111);  // the source's colours play no part
  sdc.SetBkColor(0x222222);
  ddc.SetTextColor(0x0000FF);
  ddc.SetBkColor(0x00FF00);
  BitBlt(ddc, 0, 0, 4, 1, sdc, 0, 0, kSrcCopy);
  EXPECT_EQ(d.pixels(), (std::vector<uint32_t>{0x0000FF, 0x00FF00, 0x00FF00, 0x0000FF}));
}

// The classic two-bitmap mask sequence: the image shows except where it holds the mask colour.
TEST(RasterBlit, MaskSequenceComposesTransparently) {
  constexpr ColorRef kMask = 0xFF00FF;
  Bitmap image = Strip(PixelFormat::kColor32, {kMask, 0x123456, 0xFE00FF, kMask, 0x000000});
  Bitmap back = Strip(PixelFormat::kColor32, {0xAAAAAA, 0xBBBBBB, 0xCCCCCC, 0xDDDDDD, 0xEEEEEE});
  Bitmap mask(5, 1, PixelFormat::kMono1);
  DeviceContext idc(&image);
  DeviceContext bdc(&back);
  DeviceContext mdc(&mask);
  idc.SetBkColor(kMask);
  BitBlt(mdc, 0, 0, 5, 1, idc, 0, 0, kSrcCopy);
  idc.SetTextColor(0x000000);
  idc.SetBkColor(0xFFFFFF);
  BitBlt(idc, 0, 0, 5, 1, mdc, 0, 0, kDstAndNotSrc);
  BitBlt(bdc, 0, 0, 5, 1, mdc, 0, 0, kSrcAnd);
  BitBlt(bdc, 0, 0, 5, 1, idc, 0, 0, kSrcPaint);
  EXPECT_EQ(back.pixels(), (std::vector<uint32_t>{0xAAAAAA, 0x123456, 0xFE00FF, 0xDDDDDD, 0x000000}));
}

TEST(RasterBlit, ClipsAgainstBothBitmapsWithOffsetsMovingTogether) {
  struct Case {
    int32_t x, y, w, h, xs, ys;
    Rows rows;
  };
  const Case cases[] = {
      {0, 0, 4, 4, 0, 0, {"###.", "###.", "###.", "...."}},
      {0, 0, 4, 4, -2, -1, {"....", "..##", "..##", "..##"}},
      {-1, -2, 4, 4, 0, 0, {"##..", "....", "....", "...."}},
      {2, 2, kMax, kMax, 0, 0, {"....", "....", "..##", "..##"}},
      {kMin, kMin, kMax, kMax, kMin, kMin, {"....", "....", "....", "...."}},
      {0, 0, kMax, kMax, kMax, 0, {"....", "....", "....", "...."}},
      {kMax, 0, kMax, 4, 0, 0, {"....", "....", "....", "...."}},
      {1, 1, kMax, kMax, kMin, kMin, {"....", "....", "....", "...."}},
      {0, 0, -4, 4, 0, 0, {"....", "....", "....", "...."}},
      {0, 0, 4, 0, 0, 0, {"....", "....", "....", "...."}},
      {0, 0, 4, kMin, 0, 0, {"....", "....", "....", "...."}},
  };
  for (const Case& k : cases) {
    Bitmap src(3, 3);
    DeviceContext sdc(&src);
    sdc.FillRect(Rect{0, 0, 3, 3}, 0x445566);
    Bitmap dst(4, 4);
    DeviceContext ddc(&dst);
    EXPECT_TRUE(BitBlt(ddc, k.x, k.y, k.w, k.h, sdc, k.xs, k.ys, kSrcCopy));
    EXPECT_EQ(Picture(dst), k.rows) << k.x << "," << k.y << " " << k.w << "x" << k.h << " from " << k.xs
                                    << "," << k.ys;
  }
}

TEST(RasterBlit, OverlappingCopiesWithinOneBitmapReadBeforeWriting) {
  struct Case {
    int32_t dx, dy;
  };
  for (const Case k : {Case{1, 1}, Case{-1, -1}, Case{2, 0}, Case{0, -1}, Case{-2, 1}, Case{1, -2}}) {
    Bitmap b(5, 4);
    for (size_t i = 0; i < b.pixels().size(); ++i) b.pixels()[i] = static_cast<uint32_t>(i + 1);
    const Bitmap before = b;
    DeviceContext dc(&b);
    BitBlt(dc, 1 + k.dx, 1 + k.dy, 3, 2, dc, 1, 1, kSrcCopy);
    Bitmap expected = before;
    for (int32_t y = 0; y < 2; ++y) {
      for (int32_t x = 0; x < 3; ++x) {
        if (expected.Contains(1 + k.dx + x, 1 + k.dy + y)) {
          expected.SetPixel(1 + k.dx + x, 1 + k.dy + y, before.Pixel(1 + x, 1 + y));
        }
      }
    }
    EXPECT_EQ(b, expected) << k.dx << "," << k.dy;
  }
}

TEST(RasterBlit, UnknownOperationsAndMissingBitmaps) {
  Bitmap src(2, 2);
  Bitmap dst(2, 2);
  DeviceContext sdc(&src);
  DeviceContext ddc(&dst);
  sdc.FillRect(Rect{0, 0, 2, 2}, 0xFFFFFF);
  for (const uint32_t rop : {0x00CC0021u, 0x005A0049u, 0u, 0xFFFFFFFFu, 0x00CC0000u}) {
    EXPECT_FALSE(BitBlt(ddc, 0, 0, 2, 2, sdc, 0, 0, rop)) << std::hex << rop;
  }
  DeviceContext none;
  EXPECT_TRUE(BitBlt(ddc, 0, 0, 2, 2, none, 0, 0, kSrcCopy));
  EXPECT_EQ(dst, Bitmap(2, 2));
  EXPECT_TRUE(BitBlt(ddc, 1, 0, 1, 2, none, 0, 0, kWhiteness));
  EXPECT_EQ(Picture(dst), (Rows{".#", ".#"}));
  EXPECT_TRUE(BitBlt(none, 0, 0, 2, 2, sdc, 0, 0, kSrcCopy));
}

}  // namespace
}  // namespace vellumar
