// The clip box of a device context, checked against drawing without one: every drawing call with a clip box
// must leave exactly the pixels the same call gives without it inside the box, and nothing else changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/drawing/device_context.h"
#include "platform/drawing/text.h"
#include "platform/pictures/picture.h"
#include "render/image_manipulation.h"

namespace vellumar {
namespace {

constexpr uint32_t kPalette[] = {0x000000, 0xFFFFFF, 0xFF00FF, 0x123456, 0x00FF00, 0xA5A5A5};
constexpr uint32_t kRops[] = {kSrcCopy,      kSrcAnd,    kSrcPaint, kSrcInvert,
                              kDstAndNotSrc, kBlackness, kWhiteness};
constexpr const char* kTexts[] = {"Ab", "&Tab W", "iii mmm", "x\ny", ""};

uint32_t Any(std::mt19937& rng, uint32_t n) {
  return rng() % n;
}

// Mostly around a bitmap of up to 16 x 12 pixels, now and then the extremes of the 32-bit range.
int32_t Coordinate(std::mt19937& rng) {
  switch (Any(rng, 40)) {
    case 0:
      return INT32_MIN;
    case 1:
      return INT32_MAX;
    case 2:
      return static_cast<int32_t>(rng());
    default:
      return static_cast<int32_t>(Any(rng, 24)) - 4;
  }
}

Rect RandomRect(std::mt19937& rng) {
  return Rect{Coordinate(rng), Coordinate(rng), Coordinate(rng), Coordinate(rng)};
}

Bitmap RandomBitmap(std::mt19937& rng, PixelFormat format, int32_t width, int32_t height) {
  Bitmap b(width, height, format);
  for (uint32_t& p : b.pixels()) p = format == PixelFormat::kMono1 ? Any(rng, 2) : kPalette[Any(rng, 6)];
  return b;
}

StdPictureRef RandomIcon(std::mt19937& rng) {
  IconImage icon;
  const auto side = static_cast<int32_t>(Any(rng, 6) + 1);
  icon.color = RandomBitmap(rng, PixelFormat::kColor32, side, side);
  icon.mask = RandomBitmap(rng, PixelFormat::kMono1, side, side);
  return StdPicture::FromIcon(std::move(icon));
}

// One drawing call with random arguments, made the same way on any context it is given.
using Drawing = std::function<void(DeviceContext&)>;

Drawing RandomDrawing(std::mt19937& rng, const std::shared_ptr<Bitmap>& source) {
  const Rect r = RandomRect(rng);
  const ColorRef color = kPalette[Any(rng, 6)];
  switch (Any(rng, 7)) {
    case 0:
      return [=](DeviceContext& dc) { dc.FillRect(r, color); };
    case 1:
      return [=](DeviceContext& dc) { dc.FrameRect(r, color); };
    case 2: {
      const auto width = static_cast<int32_t>(Any(rng, 4));
      return [=](DeviceContext& dc) {
        dc.SelectPen(Pen{kPsSolid, width, color});
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.right, r.bottom);
      };
    }
    case 3:
      return [=](DeviceContext& dc) { dc.SetPixelV(r.left, r.top, color); };
    case 4: {
      const uint32_t rop = kRops[Any(rng, 7)];
      const auto x_src = static_cast<int32_t>(Any(rng, 5)) - 2;
      return [=](DeviceContext& dc) {
        DeviceContext src(source.get());
        BitBlt(dc, r.left, r.top, r.right, r.bottom, src, x_src, 1, rop);
      };
    }
    case 5: {
      const std::string text = kTexts[Any(rng, 5)];
      const Rect box{r.left % 20, r.top % 20, r.right % 30, r.bottom % 30};
      const uint32_t format = Any(rng, 2) ? kDtCenter | kDtVCenter | kDtWordBreak : kDtNoClip | kDtSingleLine;
      return [=](DeviceContext& dc) {
        Rect place = box;
        dc.SetTextColor(color);
        DrawTextA(dc, text, -1, place, format);
      };
    }
    default: {
      const StdPictureRef picture = Any(rng, 2) ? RandomIcon(rng) : StdPicture::FromBitmap(*source);
      const auto x = static_cast<int32_t>(Any(rng, 20)) - 4;
      const auto y = static_cast<int32_t>(Any(rng, 16)) - 4;
      const ColorRef mask = kPalette[Any(rng, 6)];
      return [=](DeviceContext& dc) {
        cImageManipulation().PaintTransparentPicture(dc, picture.get(), x, y, r.right % 40, r.bottom % 40, 0,
                                                     0, mask);
      };
    }
  }
}

TEST(RasterClipBox, EveryCallPaintsWhatItPaintsUnclippedInsideTheBoxOnly) {
  std::mt19937 rng(20240611);
  for (int run = 0; run < 4000; ++run) {
    const PixelFormat format = Any(rng, 5) == 0 ? PixelFormat::kMono1 : PixelFormat::kColor32;
    const Bitmap before =
        RandomBitmap(rng, format, static_cast<int32_t>(Any(rng, 17)), static_cast<int32_t>(Any(rng, 13)));
    const auto source = std::make_shared<Bitmap>(RandomBitmap(rng, PixelFormat::kColor32, 7, 5));
    const Drawing draw = RandomDrawing(rng, source);
    const Rect box =
        Any(rng, 6) == 0
            ? RandomRect(rng)
            : Rect{static_cast<int32_t>(Any(rng, 18)) - 2, static_cast<int32_t>(Any(rng, 14)) - 2,
                   static_cast<int32_t>(Any(rng, 20)), static_cast<int32_t>(Any(rng, 16))};

    Bitmap unclipped = before;
    DeviceContext plain(&unclipped);
    draw(plain);
    Bitmap clipped = before;
    DeviceContext limited(&clipped);
    limited.SetClipBox(box);
    draw(limited);

    for (int32_t y = 0; y < before.height(); ++y) {
      for (int32_t x = 0; x < before.width(); ++x) {
        const uint32_t expected = box.Contains(x, y) ? unclipped.Pixel(x, y) : before.Pixel(x, y);
        ASSERT_EQ(clipped.Pixel(x, y), expected) << "run " << run << " at " << x << "," << y;
      }
    }
  }
}

// The calls that stand for several fills, against those fills one by one: bands against one FillRect per
// band (rect left as the band loop leaves it), a pair of sides against two one-pixel-wide FillRects.
TEST(RasterClipBox, BandsAndSidesPaintWhatTheirSingleFillsPaint) {
  std::mt19937 rng(8821);
  for (int run = 0; run < 6000; ++run) {
    const PixelFormat format = Any(rng, 6) == 0 ? PixelFormat::kMono1 : PixelFormat::kColor32;
    const Bitmap start = RandomBitmap(rng, format, static_cast<int32_t>(Any(rng, 16) + 1),
                                      static_cast<int32_t>(Any(rng, 12) + 1));
    const auto scale = static_cast<int32_t>(Any(rng, 3) + 1);
    const bool clipped = Any(rng, 2) == 0;
    const Rect clip = RandomRect(rng);
    const Rect rect = RandomRect(rng);
    const int32_t thickness = Any(rng, 8) == 0 ? Coordinate(rng) : static_cast<int32_t>(Any(rng, 4));
    const bool horizontal = Any(rng, 2) == 0;
    std::vector<ColorRef> colors(Any(rng, 20));
    for (ColorRef& color : colors) color = kPalette[Any(rng, 6)];
    const auto context = [&](Bitmap& bitmap) {
      DeviceContext dc(&bitmap);
      dc.SetScale(scale);
      if (clipped) dc.SetClipBox(clip);
      return dc;
    };
    SCOPED_TRACE("run " + std::to_string(run));

    Bitmap banded = start;
    Rect banded_rect = rect;
    context(banded).FillBands(banded_rect, thickness, horizontal, colors);
    Bitmap single = start;
    Rect single_rect = rect;
    DeviceContext dc = context(single);
    for (const ColorRef color : colors) {
      int32_t& near_edge = horizontal ? single_rect.left : single_rect.top;
      near_edge = SaturatingSub(horizontal ? single_rect.right : single_rect.bottom, thickness);
      dc.FillRect(single_rect, color);
      (horizontal ? single_rect.right : single_rect.bottom) = near_edge;
    }
    ASSERT_EQ(banded_rect, single_rect);
    ASSERT_TRUE(banded == single);

    Bitmap sides = start;
    context(sides).FrameSides(rect, colors.empty() ? 0 : colors.front());
    Bitmap columns = start;
    if (!rect.IsEmpty()) {
      DeviceContext column_dc = context(columns);
      const ColorRef color = colors.empty() ? 0 : colors.front();
      column_dc.FillRect(Rect{rect.left, rect.top, SaturatingAdd(rect.left, 1), rect.bottom}, color);
      column_dc.FillRect(Rect{SaturatingSub(rect.right, 1), rect.top, rect.right, rect.bottom}, color);
    }
    ASSERT_TRUE(sides == columns);
  }
}

}  // namespace
}  // namespace vellumar
