#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/drawing/text.h"
#include "tests/core/text_test_support.h"

namespace vellumar {
namespace {

using testing::MakeFont;
using testing::TextCanvas;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kLine = 13;

TEST(TextClip, DrawingStaysInsideTheRectangleUnlessNoClip) {
  TextCanvas canvas;
  const Rect rect{20, 10, 40, 18};
  canvas.Draw("Register Register", rect, kDtLeft);
  const Rect clipped = canvas.InkBounds();
  EXPECT_FALSE(clipped.IsEmpty());
  EXPECT_EQ(Intersect(clipped, rect), clipped);
  canvas.Clear();
  canvas.Draw("Register Register", rect, kDtLeft | kDtNoClip);
  const Rect unclipped = canvas.InkBounds();
  EXPECT_GT(unclipped.right, rect.right);
  EXPECT_GT(unclipped.bottom, rect.bottom);
}

TEST(TextClip, HostileRectanglesNeverReachOutsideTheBitmap) {
  const Rect rects[] = {
      {kMin, kMin, kMax, kMax}, {kMax, kMax, kMin, kMin},
      {kMax - 5, 0, kMax, 10},  {kMin, 0, kMin + 5, 10},
      {-50, -5, 10, 8},         {0, 0, 0, 0},
      {150, 60, 100, 30},       {-100000, 70, 100000, kMax},
  };
  const uint32_t formats[] = {kDtLeft, kDtCenter | kDtVCenter | kDtWordBreak, kDtRight | kDtNoClip,
                              kDtSingleLine | kDtVCenter | kDtCenter,
                              kDtSingleLine | kDtBottom | kDtRight | kDtNoClip};
  for (const Rect& rect : rects) {
    for (uint32_t format : formats) {
      TextCanvas canvas(40, 30);
      Rect in_out = rect;
      canvas.Draw("Fish && &Chips\nnew line", in_out, format);
      EXPECT_EQ(in_out, rect);
      if ((format & kDtNoClip) == 0) {
        const Rect ink = canvas.InkBounds();
        EXPECT_EQ(Intersect(ink, rect), ink) << rect.left << "," << rect.top << " format " << format;
      }
    }
  }
}

TEST(TextClip, MeasuringSaturatesAtTheCoordinateLimits) {
  TextCanvas canvas;
  const int32_t width = canvas.WidthOf("Register");
  struct Case {
    Rect in;
    Rect out;
  };
  const Case cases[] = {
      {{kMax - 3, kMax - 3, kMax, kMax}, {kMax - 3, kMax - 3, kMax, kMax}},
      {{kMin, kMin, kMin, kMin}, {kMin, kMin, kMin + width, kMin + kLine}},
      {{0, 0, kMin, kMin}, {0, 0, width, kLine}},
  };
  for (const Case& c : cases) {
    Rect rect = c.in;
    EXPECT_EQ(DrawTextA(canvas.dc(), "Register", -1, rect, kDtCalcRect | kDtWordBreak), kLine);
    EXPECT_EQ(rect, c.out);
  }
}

TEST(TextClip, LengthSelectsBytes) {
  TextCanvas canvas;
  const Rect all = canvas.Measure("Register");
  struct Case {
    int32_t length;
    int32_t width;
  };
  const Case cases[] = {
      {-1, all.right}, {-7, all.right},   {kMin, all.right},          {8, all.right},
      {9, all.right},  {kMax, all.right}, {3, canvas.WidthOf("Reg")}, {0, 0},
  };
  for (const Case& c : cases) {
    Rect rect{0, 0, 500, 100};
    DrawTextA(canvas.dc(), "Register", c.length, rect, kDtCalcRect);
    EXPECT_EQ(rect.right, c.width) << c.length;
  }
}

TEST(TextClip, EmptyTextAnswersOneLineAndDrawsNothing) {
  TextCanvas canvas;
  EXPECT_EQ(canvas.Draw("", {0, 0, 100, 50}), kLine);
  EXPECT_EQ(canvas.Draw("Register", {0, 0, 100, 50}, kDtLeft, 0), kLine);
  EXPECT_FALSE(canvas.HasInk());
  Rect multi{5, 6, 100, 50};
  DrawTextA(canvas.dc(), "", -1, multi, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(multi, (Rect{5, 6, 5, 6}));
  Rect single{5, 6, 100, 50};
  DrawTextA(canvas.dc(), "", -1, single, kDtCalcRect | kDtSingleLine);
  EXPECT_EQ(single, (Rect{5, 6, 5, 6 + kLine}));
}

TEST(TextClip, TargetsWithoutColourPixels) {
  DeviceContext no_bitmap;
  Rect rect{0, 0, 100, 100};
  EXPECT_EQ(DrawTextA(no_bitmap, "Register", -1, rect, kDtLeft), kLine);

  Bitmap empty;
  DeviceContext empty_dc(&empty);
  EXPECT_EQ(DrawTextA(empty_dc, "Register", -1, rect, kDtCenter), kLine);

  Bitmap mask(60, 20, PixelFormat::kMono1);
  for (uint32_t& pixel : mask.pixels()) pixel = 1;
  DeviceContext mask_dc(&mask);
  mask_dc.SetTextColor(0x000000);
  DrawTextA(mask_dc, "Register", -1, rect, kDtLeft);
  int32_t black = 0;
  for (uint32_t pixel : mask.pixels()) {
    EXPECT_TRUE(pixel == 0 || pixel == 1);
    black += pixel == 0 ? 1 : 0;
  }
  EXPECT_GT(black, 20);
}

TEST(TextClip, MalformedAndOversizedTextIsHandled) {
  TextCanvas canvas(100, 40);
  struct Case {
    std::string text;
    int32_t lines;
  };
  const std::string many_lines(100000, '\n');
  std::string many_chars;
  for (char32_t code = 0x100; code < 0x100 + 20000; ++code) {
    many_chars += static_cast<char>(0xE0 | (code >> 12));
    many_chars += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    many_chars += static_cast<char>(0x80 | (code & 0x3F));
  }
  const Case cases[] = {
      {"\xFF\xFE\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80", 1},  // bad bytes, overlong, surrogate, beyond U+10FFFF
      {"Caf\xC3", 1},                                       // cut short
      {std::string("a\0b", 3), 1},
      {many_lines, 100000},
      {many_chars, 1},
      {std::string(200000, 'W'), 1},
      {std::string(50000, '&'), 1},
  };
  for (const Case& c : cases) {
    canvas.Clear();
    EXPECT_EQ(canvas.Draw(c.text, {0, 0, 100, 40}, kDtLeft), c.lines * kLine) << c.text.size();
  }
  EXPECT_EQ(canvas.Draw(std::string(20000, 'x') + " y", {0, 0, 5, 40}, kDtWordBreak), 2 * kLine);
}

TEST(TextClip, OnlyTextColourIsDrawnWhateverTheBackgroundMode) {
  TextCanvas canvas;
  canvas.dc().SetTextColor(0x3366CC);
  canvas.dc().SetBkMode(BkMode::kOpaque);
  canvas.dc().SetBkColor(0x0000FF);
  canvas.Draw("Register &Fish", {0, 0, 200, 80});
  for (uint32_t pixel : canvas.bitmap().pixels()) EXPECT_TRUE(pixel == testing::kPaper || pixel == 0x3366CC);
}

}  // namespace
}  // namespace vellumar
