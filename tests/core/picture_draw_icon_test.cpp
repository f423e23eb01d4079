// DrawIcon: standard size, AND-mask transparency, alpha blending, clipping at any coordinates.
#include <gtest/gtest.h>

#include <climits>

#include "platform/drawing/device_context.h"
#include "platform/drawing/draw_icon.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

constexpr ColorRef kBackground = Rgb(7, 7, 7);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);

Bitmap Filled(int32_t width, int32_t height, ColorRef color) {
  Bitmap bitmap(width, height);
  std::fill(bitmap.pixels().begin(), bitmap.pixels().end(), color);
  return bitmap;
}

// A 2 x 2 icon: red top-left, blue bottom-right, the other two masked out.
StdPictureRef CheckerIcon() {
  IconImage icon{.color = Filled(2, 2, kRed), .mask = Bitmap(2, 2, PixelFormat::kMono1), .alpha = {}};
  icon.color.SetPixel(1, 1, kBlue);
  icon.mask.SetPixel(1, 0, 1);
  icon.mask.SetPixel(0, 1, 1);
  return StdPicture::FromIcon(std::move(icon));
}

TEST(DrawIcon, ScalesToTheStandardSizeAndLeavesMaskedPixels) {
  Bitmap surface = Filled(40, 40, kBackground);
  DeviceContext dc(&surface);
  DrawIcon(dc, 4, 4, *CheckerIcon());
  EXPECT_EQ(surface.Pixel(4, 4), kRed);
  EXPECT_EQ(surface.Pixel(19, 19), kRed);
  EXPECT_EQ(surface.Pixel(20, 4), kBackground);
  EXPECT_EQ(surface.Pixel(4, 20), kBackground);
  EXPECT_EQ(surface.Pixel(20, 20), kBlue);
  EXPECT_EQ(surface.Pixel(35, 35), kBlue);
  EXPECT_EQ(surface.Pixel(36, 36), kBackground);
  EXPECT_EQ(surface.Pixel(3, 3), kBackground);
}

TEST(DrawIcon, BlendsAlphaOverTheSurface) {
  IconImage icon{.color = Filled(3, 1, Rgb(255, 255, 255)),
                 .mask = Bitmap(3, 1, PixelFormat::kMono1),
                 .alpha = {0, 128, 255}};
  Bitmap surface = Filled(32, 32, Rgb(0, 0, 0));
  DeviceContext dc(&surface);
  DrawIcon(dc, 0, 0, *StdPicture::FromIcon(std::move(icon)));
  EXPECT_EQ(surface.Pixel(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(surface.Pixel(16, 0), Rgb(128, 128, 128));
  EXPECT_EQ(surface.Pixel(31, 31), Rgb(255, 255, 255));
}

TEST(DrawIcon, ClipsAtTheEdgesAndAtExtremeCoordinates) {
  const StdPictureRef icon = CheckerIcon();
  struct Case {
    int32_t x, y;
  };
  const Case cases[] = {{-16, -16},
                        {-31, 0},
                        {8, 8},
                        {-32, -32},
                        {INT32_MIN, INT32_MIN},
                        {INT32_MAX, INT32_MAX},
                        {INT32_MAX - 1, 0},
                        {0, INT32_MIN + 5}};
  for (const Case& c : cases) {
    Bitmap surface = Filled(16, 16, kBackground);
    DeviceContext dc(&surface);
    DrawIcon(dc, c.x, c.y, *icon);
    for (int32_t y = 0; y < 16; ++y) {
      for (int32_t x = 0; x < 16; ++x) {
        const int64_t ix = int64_t{x} - c.x, iy = int64_t{y} - c.y;
        ColorRef expected = kBackground;
        if (ix >= 0 && ix < 32 && iy >= 0 && iy < 32) {
          if (ix < 16 && iy < 16) expected = kRed;
          if (ix >= 16 && iy >= 16) expected = kBlue;
        }
        ASSERT_EQ(surface.Pixel(x, y), expected) << c.x << "," << c.y << " at " << x << "," << y;
      }
    }
  }
}

TEST(DrawIcon, DrawsNothingWithoutASurfaceOrForOtherPictures) {
  DeviceContext no_bitmap;
  DrawIcon(no_bitmap, 0, 0, *CheckerIcon());
  Bitmap surface = Filled(32, 32, kBackground);
  DeviceContext dc(&surface);
  DrawIcon(dc, 0, 0, *StdPicture::FromBitmap(Filled(32, 32, kRed)));
  DrawIcon(dc, 0, 0, *StdPicture::OfType(PictureType::kMetafile, 32, 32));
  DrawIcon(dc, 0, 0, *StdPicture::FromIcon(IconImage{}));
  EXPECT_EQ(surface, Filled(32, 32, kBackground));
}

}  // namespace
}  // namespace vellumar
