// The picture painter: mask exactness, cropping, icons, monochrome sources, hostile sizes, and a seeded
// sweep against the three-bitmap mask technique built from BitBlt.
#include "render/image_manipulation.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace vellumar {
namespace {

constexpr ColorRef kMagenta = Rgb(255, 0, 255);
constexpr ColorRef kBackground = Rgb(10, 20, 30);
constexpr ColorRef kBlack = 0;

Bitmap Filled(int32_t width, int32_t height, ColorRef color) {
  Bitmap bitmap(width, height);
  for (uint32_t& p : bitmap.pixels()) p = color;
  return bitmap;
}

// A picture whose pixel (x, y) is Rgb(x, y, 7), so every pixel tells where it came from.
Bitmap Pattern(int32_t width, int32_t height) {
  Bitmap bitmap(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) bitmap.SetPixel(x, y, Rgb(x, y, 7));
  }
  return bitmap;
}

TEST(PaintTransparentDCTest, OnlyTheExactMaskColourIsTransparent) {
  Bitmap image(5, 1);
  image.SetPixel(0, 0, kMagenta);
  image.SetPixel(1, 0, Rgb(254, 0, 255));
  image.SetPixel(2, 0, Rgb(255, 1, 255));
  image.SetPixel(3, 0, Rgb(255, 0, 254));
  image.SetPixel(4, 0, kMagenta);
  Bitmap target = Filled(5, 1, kBackground);
  DeviceContext src(&image);
  DeviceContext dest(&target);
  cImageManipulation painter;
  painter.PaintTransparentDC(dest, 0, 0, 5, 1, src, 0, 0, kMagenta);
  EXPECT_EQ(target.Pixel(0, 0), kBackground);
  EXPECT_EQ(target.Pixel(1, 0), Rgb(254, 0, 255));
  EXPECT_EQ(target.Pixel(2, 0), Rgb(255, 1, 255));
  EXPECT_EQ(target.Pixel(3, 0), Rgb(255, 0, 254));
  EXPECT_EQ(target.Pixel(4, 0), kBackground);
}

TEST(PaintTransparentDCTest, SystemColourMaskIsTranslated) {
  const ColorRef face = GetSysColor(kColorButtonFace);
  Bitmap image = Filled(2, 1, face);
  image.SetPixel(1, 0, kBlack);
  Bitmap target = Filled(2, 1, kBackground);
  DeviceContext src(&image);
  DeviceContext dest(&target);
  cImageManipulation().PaintTransparentDC(dest, 0, 0, 2, 1, src, 0, 0, 0x80000000u | kColorButtonFace);
  EXPECT_EQ(target.Pixel(0, 0), kBackground);
  EXPECT_EQ(target.Pixel(1, 0), kBlack);
}

TEST(PaintTransparentDCTest, MonochromeSourceGoesThroughItsTextAndBackgroundColours) {
  Bitmap mono(3, 1, PixelFormat::kMono1);
  mono.SetPixel(0, 0, 0);
  mono.SetPixel(1, 0, 1);
  mono.SetPixel(2, 0, 0);
  DeviceContext src(&mono);
  src.SetTextColor(Rgb(200, 0, 0));
  src.SetBkColor(Rgb(0, 0, 200));
  Bitmap target = Filled(3, 1, kBackground);
  DeviceContext dest(&target);
  cImageManipulation().PaintTransparentDC(dest, 0, 0, 3, 1, src, 0, 0, Rgb(0, 0, 200));
  EXPECT_EQ(target.Pixel(0, 0), Rgb(200, 0, 0));
  EXPECT_EQ(target.Pixel(1, 0), kBackground);
  EXPECT_EQ(target.Pixel(2, 0), Rgb(200, 0, 0));
}

TEST(PaintTransparentPictureTest, WidthAndHeightCropFromTheSourceOrigin) {
  const auto picture = StdPicture::FromBitmap(Pattern(6, 6));
  Bitmap target = Filled(10, 10, kBackground);
  DeviceContext dest(&target);
  cImageManipulation().PaintTransparentPicture(dest, picture.get(), 3, 4, 2, 3, 1, 2, kMagenta);
  for (int32_t y = 0; y < 10; ++y) {
    for (int32_t x = 0; x < 10; ++x) {
      const bool inside = x >= 3 && x < 5 && y >= 4 && y < 7;
      const ColorRef expected = inside ? Rgb(x - 3 + 1, y - 4 + 2, 7) : kBackground;
      EXPECT_EQ(target.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(PaintTransparentPictureTest, AreaBeyondTheSourceComesOutBlackUnlessBlackIsTheMask) {
  const auto picture = StdPicture::FromBitmap(Filled(2, 2, Rgb(1, 2, 3)));
  for (ColorRef mask : {kMagenta, kBlack}) {
    Bitmap target = Filled(4, 4, kBackground);
    DeviceContext dest(&target);
    cImageManipulation().PaintTransparentPicture(dest, picture.get(), 0, 0, 3, 3, 0, 0, mask);
    EXPECT_EQ(target.Pixel(1, 1), Rgb(1, 2, 3));
    EXPECT_EQ(target.Pixel(2, 2), mask == kBlack ? kBackground : kBlack);
    EXPECT_EQ(target.Pixel(3, 3), kBackground);
  }
}

// A 32 x 32 icon: the left half opaque green, pixel (1, 1) in the mask colour, the right half transparent
// through the AND mask.
IconImage TestIcon() {
  IconImage icon{Filled(kStandardIconSize, kStandardIconSize, Rgb(0, 160, 0)),
                 Bitmap(kStandardIconSize, kStandardIconSize, PixelFormat::kMono1),
                 {}};
  icon.color.SetPixel(1, 1, kMagenta);
  for (int32_t y = 0; y < kStandardIconSize; ++y) {
    for (int32_t x = kStandardIconSize / 2; x < kStandardIconSize; ++x) {
      icon.mask.SetPixel(x, y, 1);
      icon.color.SetPixel(x, y, kBlack);
    }
  }
  return icon;
}

TEST(PaintTransparentPictureTest, IconTransparencyAndMaskColouredPixels) {
  const auto picture = StdPicture::FromIcon(TestIcon());
  Bitmap target = Filled(48, 48, kBackground);
  DeviceContext dest(&target);
  cImageManipulation().PaintTransparentPicture(dest, picture.get(), 4, 4, 40, 40, 0, 0, kMagenta);
  EXPECT_EQ(target.Pixel(4, 4), Rgb(0, 160, 0));
  EXPECT_EQ(target.Pixel(5, 5), kBackground);            // mask-coloured icon pixel
  EXPECT_EQ(target.Pixel(4 + 20, 4), kBackground);       // transparent through the AND mask
  EXPECT_EQ(target.Pixel(4 + 35, 4 + 35), kBackground);  // buffer beyond the drawn icon
  EXPECT_EQ(target.Pixel(4 + 5, 4 + 36), kBackground);
  for (int32_t x = 0; x < 48; ++x) EXPECT_EQ(target.Pixel(x, 44), kBackground);
}

TEST(PaintTransparentPictureTest, IconAreaShiftedPastItsBufferReadsBlack) {
  const auto picture = StdPicture::FromIcon(TestIcon());
  Bitmap target = Filled(40, 1, kBackground);
  DeviceContext dest(&target);
  // Source columns 10..31 are icon, 32..39 the mask-filled rest of the 40-wide buffer, 40..49 beyond it.
  cImageManipulation().PaintTransparentPicture(dest, picture.get(), 0, 0, 40, 1, 10, 0, kMagenta);
  EXPECT_EQ(target.Pixel(0, 0), Rgb(0, 160, 0));
  EXPECT_EQ(target.Pixel(21, 0), kBackground);
  EXPECT_EQ(target.Pixel(29, 0), kBackground);
  EXPECT_EQ(target.Pixel(30, 0), kBlack);
  EXPECT_EQ(target.Pixel(39, 0), kBlack);
}

TEST(PaintTransparentPictureTest, NothingForNoPictureMetafilesOrEmptyAreas) {
  const auto metafile = StdPicture::OfType(PictureType::kMetafile, 8, 8);
  const auto enhanced = StdPicture::OfType(PictureType::kEnhMetafile, 8, 8);
  const auto bitmap = StdPicture::FromBitmap(Filled(8, 8, Rgb(1, 1, 1)));
  const auto icon = StdPicture::FromIcon(TestIcon());
  Bitmap target = Filled(8, 8, kBackground);
  const Bitmap before = target;
  DeviceContext dest(&target);
  cImageManipulation painter;
  painter.PaintTransparentPicture(dest, nullptr, 0, 0, 8, 8, 0, 0, kMagenta);
  painter.PaintTransparentPicture(dest, metafile.get(), 0, 0, 8, 8, 0, 0, kMagenta);
  painter.PaintTransparentPicture(dest, enhanced.get(), 0, 0, 8, 8, 0, 0, kMagenta);
  for (const auto* picture : {bitmap.get(), icon.get()}) {
    painter.PaintTransparentPicture(dest, picture, 0, 0, 0, 8, 0, 0, kMagenta);
    painter.PaintTransparentPicture(dest, picture, 0, 0, 8, -3, 0, 0, kMagenta);
    painter.PaintTransparentPicture(dest, picture, 8, 0, 8, 8, 0, 0, kMagenta);
  }
  EXPECT_EQ(target, before);

  DeviceContext no_bitmap;
  painter.PaintTransparentPicture(no_bitmap, bitmap.get(), 0, 0, 8, 8, 0, 0, kMagenta);
}

TEST(PaintTransparentPictureTest, HostileSizesAndPositionsClipWithoutOverflow) {
  const auto bitmap = StdPicture::FromBitmap(Filled(4, 4, Rgb(1, 2, 3)));
  const auto icon = StdPicture::FromIcon(TestIcon());
  cImageManipulation painter;
  {
    Bitmap target = Filled(8, 8, kBackground);
    DeviceContext dest(&target);
    painter.PaintTransparentPicture(dest, bitmap.get(), 0, 0, INT32_MAX, INT32_MAX, 0, 0, kMagenta);
    EXPECT_EQ(target.Pixel(3, 3), Rgb(1, 2, 3));
    EXPECT_EQ(target.Pixel(4, 4), kBlack);
    EXPECT_EQ(target.Pixel(7, 0), kBlack);
  }
  {
    Bitmap target = Filled(40, 40, kBackground);
    DeviceContext dest(&target);
    painter.PaintTransparentPicture(dest, icon.get(), 0, 0, INT32_MAX, INT32_MAX, 0, 0, kMagenta);
    EXPECT_EQ(target.Pixel(0, 0), Rgb(0, 160, 0));
    EXPECT_EQ(target.Pixel(35, 35), kBackground);
  }
  const int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
  Bitmap target = Filled(8, 8, kBackground);
  DeviceContext dest(&target);
  for (int32_t a : extremes) {
    for (int32_t b : extremes) {
      for (const auto* picture : {bitmap.get(), icon.get()}) {
        painter.PaintTransparentPicture(dest, picture, a, b, b, a, a, b, kMagenta);
        painter.PaintTransparentPicture(dest, picture, 0, 0, a, b, b, a, kMagenta);
        painter.PaintTransparentPicture(dest, picture, b, 0, INT32_MAX, a, 0, INT32_MIN, kMagenta);
      }
    }
  }
  // The source offset is taken in 64 bits: far from the picture, the whole area reads as black.
  target = Filled(8, 8, kBackground);
  painter.PaintTransparentPicture(dest, bitmap.get(), -5, 0, INT32_MAX, 8, INT32_MAX, 0, kMagenta);
  for (uint32_t pixel : target.pixels()) EXPECT_EQ(pixel, kBlack);
}

// The three-bitmap technique the painter replaces, step by step with BitBlt.
void ReferencePaint(DeviceContext& dest, int32_t x_dest, int32_t y_dest, int32_t width, int32_t height,
                    const DeviceContext& src, int32_t x_src, int32_t y_src, ColorRef mask) {
  if (width <= 0 || height <= 0) return;
  Bitmap buffer(width, height);
  DeviceContext buffer_dc(&buffer);
  BitBlt(buffer_dc, 0, 0, width, height, dest, x_dest, y_dest, kSrcCopy);
  Bitmap copy(width, height);
  DeviceContext copy_dc(&copy);
  copy_dc.SetBkColor(src.GetBkColor());
  copy_dc.SetTextColor(src.GetTextColor());
  BitBlt(copy_dc, 0, 0, width, height, src, x_src, y_src, kSrcCopy);
  Bitmap mono(width, height, PixelFormat::kMono1);
  DeviceContext mask_dc(&mono);
  copy_dc.SetBkColor(mask);
  copy_dc.SetTextColor(0xFFFFFF);
  BitBlt(mask_dc, 0, 0, width, height, copy_dc, 0, 0, kSrcCopy);
  copy_dc.SetTextColor(0);
  copy_dc.SetBkColor(0xFFFFFF);
  BitBlt(copy_dc, 0, 0, width, height, mask_dc, 0, 0, kDstAndNotSrc);
  BitBlt(buffer_dc, 0, 0, width, height, mask_dc, 0, 0, kSrcAnd);
  BitBlt(buffer_dc, 0, 0, width, height, copy_dc, 0, 0, kSrcPaint);
  BitBlt(dest, x_dest, y_dest, width, height, buffer_dc, 0, 0, kSrcCopy);
}

TEST(PaintTransparentDCTest, AgreesWithTheThreeBitmapTechniqueOnRandomBlits) {
  std::mt19937 rng(20240611);
  const std::vector<ColorRef> palette = {kBlack, 0xFFFFFF, kMagenta, Rgb(255, 0, 254), Rgb(0, 128, 0)};
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto color = [&] { return palette[static_cast<size_t>(pick(0, static_cast<int>(palette.size()) - 1))]; };
  auto fill = [&](Bitmap& bitmap) {
    for (uint32_t& p : bitmap.pixels()) p = bitmap.format() == PixelFormat::kMono1 ? pick(0, 1) : color();
  };
  cImageManipulation painter;
  for (int round = 0; round < 4000; ++round) {
    const auto dest_format = pick(0, 7) == 0 ? PixelFormat::kMono1 : PixelFormat::kColor32;
    const auto src_format = pick(0, 3) == 0 ? PixelFormat::kMono1 : PixelFormat::kColor32;
    Bitmap image(pick(0, 9), pick(0, 9), src_format);
    fill(image);
    DeviceContext src(&image);
    src.SetTextColor(color());
    src.SetBkColor(color());
    Bitmap expected(pick(1, 12), pick(1, 12), dest_format);
    fill(expected);
    Bitmap actual = expected;
    const int32_t x_dest = pick(-6, 14);
    const int32_t y_dest = pick(-6, 14);
    const int32_t width = pick(-2, 16);
    const int32_t height = pick(-2, 16);
    const int32_t x_src = pick(-6, 12);
    const int32_t y_src = pick(-6, 12);
    const ColorRef mask = color();

    DeviceContext reference_dc(&expected);
    ReferencePaint(reference_dc, x_dest, y_dest, width, height, src, x_src, y_src, mask);
    DeviceContext actual_dc(&actual);
    painter.PaintTransparentDC(actual_dc, x_dest, y_dest, width, height, src, x_src, y_src, mask);
    ASSERT_EQ(actual, expected) << "round " << round;
  }
}

}  // namespace
}  // namespace vellumar
