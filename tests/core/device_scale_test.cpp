// Drawing at a device scale against drawing one-to-one. Geometry at scale s must be the one-to-one picture
// with every pixel enlarged to an s x s block, whatever the coordinates and clip; text must be rendered at
// the device resolution instead, where it stands, at s times the height; icons come from their larger image.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "fake_host.h"
#include "picture_test_files.h"
#include "platform/drawing/device_context.h"
#include "platform/pictures/picture.h"
#include "platform/raster/bitmap.h"
#include "render/image_manipulation.h"

namespace vellumar::testing {
namespace {

using picture_testing::BuildIco;
using picture_testing::Bytes;
using picture_testing::IcoEntrySpec;
using picture_testing::IconDib24;

void AddTab(Vellumar& control, int32_t width, std::string caption, StdPictureRef picture) {
  control.AddTab(width, caption, picture);
}

Bitmap Enlarged(const Bitmap& one, int32_t s) {
  Bitmap big(one.width() * s, one.height() * s, one.format());
  for (int32_t y = 0; y < big.height(); ++y) {
    for (int32_t x = 0; x < big.width(); ++x) big.SetPixel(x, y, one.Pixel(x / s, y / s));
  }
  return big;
}

// The first pixel where big differs from one enlarged, as "x,y", or "" when none does.
std::string FirstDifference(const Bitmap& one, const Bitmap& big, int32_t s) {
  for (int32_t y = 0; y < big.height(); ++y) {
    for (int32_t x = 0; x < big.width(); ++x) {
      if (big.Pixel(x, y) != one.Pixel(x / s, y / s)) return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

class ShapeSweep {
 public:
  ShapeSweep(uint32_t seed, int32_t scale) : rng_(seed), scale_(scale) {}

  // Draws the same random calls into a one-to-one context and a scaled one and checks after each.
  void Run(int steps) {
    const int32_t width = Pick(1, 40);
    const int32_t height = Pick(1, 30);
    one_ = Bitmap(width, height);
    Scribble(one_);
    big_ = Enlarged(one_, scale_);
    source_ = Bitmap(Pick(1, 20), Pick(1, 20), Pick(0, 3) == 0 ? PixelFormat::kMono1 : PixelFormat::kColor32);
    Scribble(source_);
    DeviceContext a(&one_);
    DeviceContext b(&big_);
    b.SetScale(scale_);
    for (int step = 0; step < steps; ++step) {
      Step(a, b);
      ASSERT_EQ(FirstDifference(one_, big_, scale_), "") << "step " << step << " call " << call_;
      const int32_t x = Coordinate();
      const int32_t y = Coordinate();
      ASSERT_EQ(a.GetPixel(x, y), b.GetPixel(x, y));
    }
  }

 private:
  int32_t Pick(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(rng_); }

  // Mostly near the bitmap, sometimes at the ends of the 32-bit range.
  int32_t Coordinate() {
    switch (Pick(0, 12)) {
      case 0:
        return std::numeric_limits<int32_t>::min() + Pick(0, 3);
      case 1:
        return std::numeric_limits<int32_t>::max() - Pick(0, 3);
      default:
        return Pick(-12, 52);
    }
  }

  void Scribble(Bitmap& bitmap) {
    const uint32_t mask = bitmap.format() == PixelFormat::kMono1 ? 1 : 0xFFFFFF;
    for (uint32_t& p : bitmap.pixels()) p = static_cast<uint32_t>(rng_()) & mask;
  }

  ColorRef Color() { return Pick(0, 3) == 0 ? 0xFFFFFF : static_cast<ColorRef>(rng_() & 0xFFFFFF); }

  void Both(DeviceContext& a, DeviceContext& b, const std::function<void(DeviceContext&)>& call) {
    call(a);
    call(b);
  }

  void Step(DeviceContext& a, DeviceContext& b) {
    const Rect r{Coordinate(), Coordinate(), Coordinate(), Coordinate()};
    const ColorRef color = Color();
    DeviceContext src(&source_);
    src.SetBkColor(Color());
    const int32_t w = Pick(-2, 24);
    const int32_t h = Pick(-2, 24);
    const int32_t sx = Pick(-6, 24);
    const int32_t sy = Pick(-6, 24);
    constexpr uint32_t kRops[] = {kSrcCopy, kSrcAnd, kSrcPaint, kSrcInvert, kDstAndNotSrc, kBlackness};
    const uint32_t rop = kRops[Pick(0, 5)];
    call_ = Pick(0, 7);
    switch (call_) {
      case 0:
        return Both(a, b, [&](DeviceContext& dc) { dc.FillRect(r, color); });
      case 1:
        return Both(a, b, [&](DeviceContext& dc) { dc.FrameRect(r, color); });
      case 2: {
        const Pen pen{kPsSolid, Pick(0, 4), color};
        return Both(a, b, [&](DeviceContext& dc) {
          dc.SelectPen(pen);
          dc.MoveTo(r.left, r.top);
          dc.LineTo(r.right, r.bottom);
        });
      }
      case 3:
        return Both(a, b, [&](DeviceContext& dc) { dc.SetPixelV(r.left, r.top, color); });
      case 4: {
        const Rect box{Pick(-4, 30), Pick(-4, 30), Pick(-4, 44), Pick(-4, 34)};
        return Both(a, b, [&](DeviceContext& dc) { dc.SetClipBox(box); });
      }
      case 5:
        return Both(a, b, [&](DeviceContext& dc) { dc.ClearClipBox(); });
      case 6:
        // An unscaled memory context into a scaled one enlarges the source's pixels.
        return Both(a, b, [&](DeviceContext& dc) {
          dc.SetTextColor(0x123456);
          dc.SetBkColor(0xABCDEF);
          BitBlt(dc, r.left % 50, r.top % 50, w, h, src, sx, sy, rop);
        });
      default:
        // Within one context, overlapping blocks included.
        return Both(a, b,
                    [&](DeviceContext& dc) { BitBlt(dc, sx + w / 3, sy - h / 4, w, h, dc, sx, sy, rop); });
    }
  }

  std::mt19937 rng_;
  int32_t scale_;
  int call_ = 0;  // the kind of the last call, for failure messages
  Bitmap one_;
  Bitmap big_;
  Bitmap source_;
};

TEST(DeviceScale, ShapesAreTheOneToOnePictureEnlarged) {
  for (int32_t scale = 2; scale <= DeviceContext::kMaxScale; ++scale) {
    for (uint32_t seed = 1; seed <= 150; ++seed) {
      SCOPED_TRACE("scale " + std::to_string(scale) + " seed " + std::to_string(seed));
      ShapeSweep(seed, scale).Run(40);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// A control with captions in several fonts and styles, a bitmap picture and an icon that has one image only
// (both enlarged pixel by pixel), painted by the control at scale.
struct PaintedControl {
  explicit PaintedControl(int32_t scale, OleColor text) : host(360, 90), control(host, nullptr) {
    control.InitProperties();
    Bitmap bitmap(16, 12);
    for (int32_t y = 0; y < 12; ++y) {
      for (int32_t x = 0; x < 16; ++x)
        bitmap.SetPixel(x, y, (x + y) % 3 == 0 ? 0xFF00FF : Rgb(x * 15, y * 20, 9));
    }
    const std::vector<std::vector<uint32_t>> colors(32, std::vector<uint32_t>(32, 0x2080C0));
    std::vector<std::vector<uint32_t>> mask(32, std::vector<uint32_t>(32, 0));
    for (int i = 0; i < 32; ++i) mask[static_cast<size_t>(i)][static_cast<size_t>(i)] = 1;
    const Bytes ico = BuildIco({IcoEntrySpec{32, 32, 24, IconDib24(colors, mask)}});
    AddTab(control, 70, "&Welt", StdPicture::FromBitmap(bitmap));
    AddTab(control, 110, "Dokumente", LoadPictureFromMemory(ico));
    AddTab(control, 60, "Hilfe", nullptr);
    control.SetFontUnderline(kTrue);
    control.SetForeColor(text);
    control.SetForeColorActive(text);
    control.SetForeColorHot(text);
    host.surface().SetScale(scale);
    control.Resize();
  }
  FakeHost host;
  Vellumar control;
};

// The pixels where painting with two text colours differs: what the captions cover.
std::vector<bool> Ink(int32_t scale) {
  const PaintedControl red(scale, 0x0000FF);
  const PaintedControl blue(scale, 0xFF0000);
  const Bitmap& a = red.host.surface().image();
  const Bitmap& b = blue.host.surface().image();
  std::vector<bool> ink(a.pixels().size());
  for (size_t i = 0; i < ink.size(); ++i) ink[i] = a.pixels()[i] != b.pixels()[i];
  return ink;
}

// The rows [top, bottom) of ink within the columns [left, right).
std::pair<int32_t, int32_t> InkRows(const std::vector<bool>& ink, int32_t width, int32_t left,
                                    int32_t right) {
  int32_t top = std::numeric_limits<int32_t>::max();
  int32_t bottom = -1;
  for (size_t i = 0; i < ink.size(); ++i) {
    const auto x = static_cast<int32_t>(i % static_cast<size_t>(width));
    const auto y = static_cast<int32_t>(i / static_cast<size_t>(width));
    if (ink[i] && x >= left && x < right) {
      top = std::min(top, y);
      bottom = std::max(bottom, y + 1);
    }
  }
  return {top, bottom};
}

TEST(DeviceScale, ControlIsEnlargedExceptItsTextWhichIsRenderedAtScaledHeight) {
  const PaintedControl one(1, 0);
  const Bitmap& small = one.host.surface().image();
  const std::vector<bool> ink_one = Ink(1);
  for (int32_t s = 2; s <= 3; ++s) {
    SCOPED_TRACE("scale " + std::to_string(s));
    const PaintedControl scaled(s, 0);
    const Bitmap& big = scaled.host.surface().image();
    ASSERT_EQ(big.width(), small.width() * s);
    const std::vector<bool> ink = Ink(s);
    int64_t outside_differences = 0;
    int64_t ink_pixels = 0;
    int64_t ink_differences = 0;
    for (int32_t y = 0; y < big.height(); ++y) {
      for (int32_t x = 0; x < big.width(); ++x) {
        const size_t i = static_cast<size_t>(y) * static_cast<size_t>(big.width()) + static_cast<size_t>(x);
        const size_t j =
            static_cast<size_t>(y / s) * static_cast<size_t>(small.width()) + static_cast<size_t>(x / s);
        const bool same = big.pixels()[i] == small.pixels()[j];
        if (ink[i] || ink_one[j]) {
          ink_pixels += ink[i] ? 1 : 0;
          ink_differences += same ? 0 : 1;
        } else {
          outside_differences += same ? 0 : 1;
        }
      }
    }
    EXPECT_EQ(outside_differences, 0);
    // Rendered text has its own shapes: a good part of it differs from enlarged blocks.
    EXPECT_GT(ink_differences, ink_pixels / 10);
    // Each caption's height, underlines included, grows by the scale within a logical pixel (the outline
    // stand-in of a bitmap face has its own glyph heights).
    const std::vector<Rect>& tabs = one.control.state().mTabRects;
    for (size_t t = 1; t < tabs.size(); ++t) {
      const auto [top1, bottom1] = InkRows(ink_one, small.width(), tabs[t].left, tabs[t].right);
      const auto [top, bottom] = InkRows(ink, big.width(), tabs[t].left * s, tabs[t].right * s);
      ASSERT_GT(bottom1, top1) << "tab " << t;
      EXPECT_NEAR(bottom - top, (bottom1 - top1) * s, s) << "tab " << t;
    }
  }
}

TEST(DeviceScale, IconsAreDrawnFromTheirLargerImage) {
  const std::vector<std::vector<uint32_t>> small(32, std::vector<uint32_t>(32, 0x0000FF));
  std::vector<std::vector<uint32_t>> large(64, std::vector<uint32_t>(64, 0x00FF00));
  large[1][1] = 0xFFFF00;  // one pixel of its own, which no enlargement of the small image has
  const std::vector<std::vector<uint32_t>> mask32(32, std::vector<uint32_t>(32, 0));
  const std::vector<std::vector<uint32_t>> mask64(64, std::vector<uint32_t>(64, 0));
  const Bytes ico = BuildIco({IcoEntrySpec{32, 32, 24, IconDib24(small, mask32)},
                              IcoEntrySpec{64, 64, 24, IconDib24(large, mask64)}});
  const StdPictureRef icon = LoadPictureFromMemory(ico);
  for (int32_t s = 1; s <= 3; ++s) {
    Bitmap target(50 * s, 50 * s);
    DeviceContext dc(&target);
    dc.SetScale(s);
    cImageManipulation().PaintTransparentPicture(dc, icon.get(), 5, 5, 40, 40, 0, 0, 0xFFFFFF, 0);
    const int32_t side = 32 * s;
    const int32_t origin = 5 * s;
    // Scale 1 draws the 32-pixel image; 2 draws the 64-pixel image as it is; 3 scales the 64-pixel one.
    EXPECT_EQ(target.Pixel(origin, origin), s == 1 ? 0x0000FFu : 0x00FF00u) << s;
    EXPECT_EQ(target.Pixel(origin + side - 1, origin + side - 1), s == 1 ? 0x0000FFu : 0x00FF00u) << s;
    if (s == 2) {
      EXPECT_EQ(target.Pixel(origin + 1, origin + 1), 0xFFFF00u);
    }
    EXPECT_EQ(target.Pixel(origin + side, origin + side), 0u) << "beyond the icon " << s;
  }
}

}  // namespace
}  // namespace vellumar::testing
