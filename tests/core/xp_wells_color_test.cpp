// Colour shifting, fills and frames, and the banded gradient.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "render/xp_wells.h"

namespace vellumar {
namespace {

struct ShiftCase {
  OleColor color;
  int32_t offset;
  int32_t red, green, blue;
};

TEST(ShiftColorTest, AddsOffsetAndClampsEachChannel) {
  const ColorRef face = GetSysColor(kColorButtonFace);
  const std::vector<ShiftCase> cases = {
      {Rgb(250, 10, 128), 5, 255, 15, 133},
      {Rgb(250, 10, 128), -15, 235, 0, 113},
      {Rgb(1, 2, 3), 0, 1, 2, 3},
      {Rgb(1, 2, 3), INT32_MAX, 255, 255, 255},
      {Rgb(254, 253, 252), INT32_MIN, 0, 0, 0},
      {0x80000000u | kColorButtonFace, 5, RedOf(face) + 5, GreenOf(face) + 5, BlueOf(face) + 5},
      {0x800000FFu, 0, 0, 0, 0},  // no such system colour: black
      {0x800000FFu, 5, 5, 5, 5},
      {0x7F123456u, 0, 0, 0, 0},  // unknown high byte: black
  };
  for (const ShiftCase& c : cases) {
    int32_t red = -1;
    int32_t green = -1;
    int32_t blue = -1;
    const ColorRef result = ShiftColor(c.color, red, green, blue, c.offset);
    EXPECT_EQ(red, c.red) << std::hex << c.color << " offset " << std::dec << c.offset;
    EXPECT_EQ(green, c.green) << std::hex << c.color;
    EXPECT_EQ(blue, c.blue) << std::hex << c.color;
    EXPECT_EQ(result, Rgb(c.red, c.green, c.blue));
  }
}

TEST(FillOrFrameRectTest, WritesTranslatedColourBackAndFillsOrFrames) {
  Bitmap bitmap(6, 6);
  DeviceContext dc(&bitmap);
  OleColor color = 0x80000000u | kColorButtonText;
  FillOrFrameRect(dc, Rect{0, 0, 6, 6}, color, kFalse);
  EXPECT_EQ(color, GetSysColor(kColorButtonText));

  OleColor face = 0x80000000u | kColorButtonFace;
  bitmap = Bitmap(6, 6);
  FillOrFrameRect(dc, Rect{1, 1, 5, 5}, face, kTrue);
  EXPECT_EQ(face, GetSysColor(kColorButtonFace));
  EXPECT_EQ(bitmap.Pixel(1, 1), face);
  EXPECT_EQ(bitmap.Pixel(4, 4), face);
  EXPECT_EQ(bitmap.Pixel(5, 5), 0u);

  // Only -1 fills; any other value frames.
  OleColor red = Rgb(255, 0, 0);
  bitmap = Bitmap(6, 6);
  FillOrFrameRect(dc, Rect{0, 0, 6, 6}, red, 1);
  EXPECT_EQ(bitmap.Pixel(0, 0), red);
  EXPECT_EQ(bitmap.Pixel(5, 3), red);
  EXPECT_EQ(bitmap.Pixel(2, 2), 0u);
}

// A gradient in a one-pixel-wide column (or row for the horizontal variant) whose far end is at 'edge'.
struct GradientRun {
  Bitmap bitmap;
  Rect rect;
};

GradientRun RunVertical(int32_t size, ColorRef from, ColorRef to, int32_t height, int32_t bottom) {
  GradientRun run{Bitmap(1, height), Rect{0, 0, 1, bottom}};
  DeviceContext dc(&run.bitmap);
  DrawGradient(dc, to, from, run.rect, size, 0);
  return run;
}

// Red channel read from the given edge inwards, count pixels.
std::vector<int> RedFromBottom(const Bitmap& bitmap, int32_t bottom, int count) {
  std::vector<int> reds;
  for (int k = 1; k <= count; ++k) reds.push_back(RedOf(bitmap.Pixel(0, bottom - k)));
  return reds;
}

TEST(DrawGradientTest, Size17PaintsEighteenBandsThatStopShortOfColorTo) {
  const GradientRun run = RunVertical(17, Rgb(209, 208, 212), Rgb(229, 228, 232), 30, 25);
  const std::vector<int> expected = {209, 209, 210, 211, 213, 214, 215, 216, 217,
                                     218, 220, 221, 222, 223, 224, 225, 227, 228};
  EXPECT_EQ(RedFromBottom(run.bitmap, 25, 18), expected);
  for (int y = 7; y < 25; ++y) {
    const ColorRef c = run.bitmap.Pixel(0, y);
    EXPECT_EQ(GreenOf(c), RedOf(c) - 1);
    EXPECT_EQ(BlueOf(c), RedOf(c) + 3);
  }
  EXPECT_EQ(run.bitmap.Pixel(0, 6), 0u);
  EXPECT_EQ(run.bitmap.Pixel(0, 25), 0u);
  EXPECT_EQ(run.rect, (Rect{0, 7, 1, 7}));
}

TEST(DrawGradientTest, Size20RoundsHalvesToEven) {
  const GradientRun run = RunVertical(20, Rgb(0, 0, 0), Rgb(15, 0, 0), 30, 21);
  const std::vector<int> expected = {0, 0, 1, 2, 2, 3, 4, 4, 5, 6, 7, 8, 8, 9, 10, 10, 11, 12, 13, 14, 14};
  EXPECT_EQ(RedFromBottom(run.bitmap, 21, 21), expected);
  EXPECT_EQ(run.rect.top, 0);
  EXPECT_EQ(run.rect.bottom, 0);
}

TEST(DrawGradientTest, HorizontalGrowsLeftwardsFromTheRightEdge) {
  Bitmap bitmap(30, 1);
  DeviceContext dc(&bitmap);
  Rect rect{-100, 0, 25, 1};
  DrawGradient(dc, Rgb(229, 228, 232), Rgb(209, 208, 212), rect, 17, 1);
  const std::vector<int> expected = {209, 209, 210, 211, 213, 214, 215, 216, 217,
                                     218, 220, 221, 222, 223, 224, 225, 227, 228};
  std::vector<int> reds;
  for (int k = 1; k <= 18; ++k) reds.push_back(RedOf(bitmap.Pixel(25 - k, 0)));
  EXPECT_EQ(reds, expected);
  EXPECT_EQ(bitmap.Pixel(6, 0), 0u);
  EXPECT_EQ(rect, (Rect{7, 0, 7, 1}));
}

struct BandCase {
  int32_t size;
  int32_t band;   // pixels per band
  int32_t bands;  // number of bands
};

TEST(DrawGradientTest, BandThicknessAndCount) {
  const std::vector<BandCase> cases = {{0, 1, 1},     {1, 1, 2},     {254, 1, 255}, {509, 1, 510},
                                       {510, 2, 256}, {600, 2, 301}, {764, 2, 383}, {765, 3, 256}};
  for (const BandCase& c : cases) {
    const int32_t bottom = 1000;
    const GradientRun run = RunVertical(c.size, Rgb(1, 1, 1), Rgb(255, 255, 255), 1000, bottom);
    const int32_t painted = c.band * c.bands;
    EXPECT_EQ(run.rect.top, bottom - painted) << "size " << c.size;
    EXPECT_EQ(run.rect.bottom, run.rect.top) << "size " << c.size;
    EXPECT_NE(run.bitmap.Pixel(0, bottom - painted), 0u) << "size " << c.size;
    EXPECT_EQ(run.bitmap.Pixel(0, bottom - painted - 1), 0u) << "size " << c.size;
    // Each band is one colour throughout its thickness.
    for (int32_t b = 0; b < c.bands; ++b) {
      const int32_t band_bottom = bottom - b * c.band;
      for (int32_t k = 1; k < c.band; ++k) {
        EXPECT_EQ(run.bitmap.Pixel(0, band_bottom - 1 - k), run.bitmap.Pixel(0, band_bottom - 1));
      }
    }
  }
}

TEST(DrawGradientTest, Size600Paints602Pixels) {
  const GradientRun run = RunVertical(600, Rgb(10, 10, 10), Rgb(200, 200, 200), 700, 650);
  EXPECT_NE(run.bitmap.Pixel(0, 48), 0u);
  EXPECT_EQ(run.bitmap.Pixel(0, 47), 0u);
  EXPECT_EQ(run.bitmap.Pixel(0, 649), Rgb(10, 10, 10));
  EXPECT_EQ(run.rect.top, 650 - 602);
}

TEST(DrawGradientTest, SizeZeroPaintsOneBandOfColorFrom) {
  const GradientRun run = RunVertical(0, Rgb(1, 2, 3), Rgb(9, 9, 9), 10, 5);
  EXPECT_EQ(run.bitmap.Pixel(0, 4), Rgb(1, 2, 3));
  EXPECT_EQ(run.bitmap.Pixel(0, 3), 0u);
  EXPECT_EQ(run.rect, (Rect{0, 4, 1, 4}));
}

TEST(DrawGradientTest, NegativeSizePaintsNothingAndKeepsRect) {
  for (int32_t size : {-1, -254, -255, -100000, INT32_MIN}) {
    const GradientRun run = RunVertical(size, Rgb(1, 2, 3), Rgb(9, 9, 9), 10, 5);
    EXPECT_EQ(run.rect, (Rect{0, 0, 1, 5}));
    for (int y = 0; y < 10; ++y) EXPECT_EQ(run.bitmap.Pixel(0, y), 0u);
  }
}

TEST(DrawGradientTest, HugeSizesAndEdgesSaturateAndFinish) {
  for (int32_t bottom : {INT32_MIN, -5, 3, INT32_MAX}) {
    const GradientRun run = RunVertical(INT32_MAX, Rgb(0, 0, 0), Rgb(255, 0, 0), 4, bottom);
    EXPECT_EQ(run.rect.top, run.rect.bottom);
    EXPECT_LE(run.rect.top, bottom);
  }
  Bitmap bitmap(4, 4);
  DeviceContext dc(&bitmap);
  Rect rect{0, 0, INT32_MIN, 4};
  DrawGradient(dc, Rgb(255, 0, 0), Rgb(0, 0, 255), rect, INT32_MAX, 1);
  EXPECT_EQ(rect.left, INT32_MIN);
  EXPECT_EQ(rect.right, INT32_MIN);
}

}  // namespace
}  // namespace vellumar
