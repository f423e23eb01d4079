#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "platform/drawing/device_context.h"

namespace vellumar {
namespace {

constexpr uint32_t kRops[] = {kSrcCopy,      kSrcAnd,    kSrcPaint, kSrcInvert,
                              kDstAndNotSrc, kBlackness, kWhiteness};
// Few colours, so that pixels often equal the background colour the colour-to-mono conversion keys on.
constexpr uint32_t kPalette[] = {0x000000, 0xFFFFFF, 0xFF00FF, 0x123456, 0x00FF00, 0xA5A5A5};

Bitmap RandomBitmap(std::mt19937& rng) {
  const auto format = rng() % 2 ? PixelFormat::kColor32 : PixelFormat::kMono1;
  Bitmap b(static_cast<int32_t>(rng() % 12), static_cast<int32_t>(rng() % 12), format);
  for (uint32_t& p : b.pixels()) p = format == PixelFormat::kMono1 ? rng() % 2 : kPalette[rng() % 6];
  return b;
}

// Mostly small values around the bitmaps, now and then the extremes of the 32-bit range.
int32_t RandomOffset(std::mt19937& rng) {
  const uint32_t pick = rng() % 48;
  if (pick == 0) return INT32_MIN;
  if (pick == 1) return INT32_MAX;
  if (pick == 2) return static_cast<int32_t>(rng());
  return static_cast<int32_t>(rng() % 14) - 4;
}

int32_t RandomExtent(std::mt19937& rng) {
  const uint32_t pick = rng() % 48;
  if (pick == 0) return INT32_MAX;
  if (pick == 1) return INT32_MIN;
  if (pick == 2) return -static_cast<int32_t>(rng() % 5);
  return static_cast<int32_t>(rng() % 14);
}

// One destination pixel, straight from the documented rules: convert the source pixel into the
// destination's format, then combine.
uint32_t ReferencePixel(uint32_t rop, uint32_t d, uint32_t s, PixelFormat dest_format, PixelFormat src_format,
                        const DeviceContext& dest, const DeviceContext& src) {
  const bool mono = dest_format == PixelFormat::kMono1;
  if (src_format != dest_format) {
    s = mono ? (s == src.GetBkColor() ? 1 : 0) : (s == 0 ? dest.GetTextColor() : dest.GetBkColor());
  }
  switch (rop) {
    case kSrcCopy:
      return s;
    case kSrcAnd:
      return d & s;
    case kSrcPaint:
      return d | s;
    case kSrcInvert:
      return d ^ s;
    case kDstAndNotSrc:
      return d & (mono ? (1 - s) : (~s & 0xFFFFFF));
    case kBlackness:
      return 0;
    default:
      return mono ? 1 : 0xFFFFFF;
  }
}

Bitmap ReferenceBlit(const Bitmap& dest_before, const Bitmap& src_before, const DeviceContext& dest,
                     const DeviceContext& src, int32_t x, int32_t y, int32_t w, int32_t h, int32_t xs,
                     int32_t ys, uint32_t rop) {
  Bitmap out = dest_before;
  const bool uses_source = rop != kBlackness && rop != kWhiteness;
  for (int32_t py = 0; py < out.height(); ++py) {
    for (int32_t px = 0; px < out.width(); ++px) {
      const int64_t i = int64_t{px} - x;
      const int64_t j = int64_t{py} - y;
      if (i < 0 || j < 0 || i >= w || j >= h) continue;
      const int64_t sx = xs + i;
      const int64_t sy = ys + j;
      uint32_t s = 0;
      if (uses_source) {
        if (sx < 0 || sy < 0 || sx >= src_before.width() || sy >= src_before.height()) continue;
        s = src_before.Pixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
      }
      out.SetPixel(px, py,
                   ReferencePixel(rop, out.Pixel(px, py), s, out.format(), src_before.format(), dest, src));
    }
  }
  return out;
}

TEST(RasterBlitSweep, ThousandsOfRandomBlitsMatchThePerPixelReference) {
  std::mt19937 rng(0x5EED1234);
  int changed = 0;
  for (int n = 0; n < 10000; ++n) {
    Bitmap dest_bitmap = RandomBitmap(rng);
    Bitmap src_bitmap = RandomBitmap(rng);
    const bool same = rng() % 5 == 0;
    DeviceContext dest(&dest_bitmap);
    DeviceContext src(same ? &dest_bitmap : &src_bitmap);
    dest.SetTextColor(kPalette[rng() % 6]);
    dest.SetBkColor(kPalette[rng() % 6]);
    src.SetBkColor(kPalette[rng() % 6]);
    const int32_t x = RandomOffset(rng);
    const int32_t y = RandomOffset(rng);
    const int32_t w = RandomExtent(rng);
    const int32_t h = RandomExtent(rng);
    const int32_t xs = RandomOffset(rng);
    const int32_t ys = RandomOffset(rng);
    const uint32_t rop = kRops[rng() % 7];
    const Bitmap expected = ReferenceBlit(dest_bitmap, *src.bitmap(), dest, src, x, y, w, h, xs, ys, rop);
    const Bitmap before = dest_bitmap;
    ASSERT_TRUE(BitBlt(dest, x, y, w, h, src, xs, ys, rop));
    ASSERT_EQ(dest_bitmap, expected) << "blit " << n << ": " << w << "x" << h << " at " << x << "," << y
                                     << " from " << xs << "," << ys << " rop " << std::hex << rop;
    changed += dest_bitmap != before;
  }
  EXPECT_GT(changed, 800);  // most blits reach both bitmaps, so the sweep is not clipped away  // the sweep
                            // is not mostly clipped away
}

}  // namespace
}  // namespace vellumar
