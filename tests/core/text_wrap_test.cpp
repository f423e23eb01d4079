#include <gtest/gtest.h>

#include <utility>

#include "platform/drawing/text.h"
#include "tests/core/text_test_support.h"

namespace vellumar {
namespace {

using testing::MakeFont;
using testing::Rendered;
using testing::TextCanvas;

constexpr int32_t kLine = 13;
constexpr uint32_t kCaption = kDtCenter | kDtVCenter | kDtWordBreak;  // what the painters pass

// True when rows [a_top, a_top + rows) of a equal rows [b_top, b_top + rows) of b.
bool SameBand(const Bitmap& a, int32_t a_top, const Bitmap& b, int32_t b_top, int32_t rows) {
  for (int32_t y = 0; y < rows; ++y) {
    for (int32_t x = 0; x < a.width(); ++x) {
      if (a.Pixel(x, a_top + y) != b.Pixel(x, b_top + y)) return false;
    }
  }
  return true;
}

TEST(TextWrap, TwoWordsThatDoNotFitGiveTwoCentredLines) {
  const auto font = MakeFont("MS Sans Serif", 8.25);
  TextCanvas canvas;
  const int32_t width = canvas.WidthOf("Hello World") - 1;
  const Rect rect{20, 4, 20 + width, 70};
  EXPECT_EQ(canvas.Draw("Hello World", rect, kCaption), 2 * kLine);
  // Each line looks exactly like its word drawn alone and centred in the same rectangle.
  const Bitmap first = Rendered("Hello", rect, kCaption, font);
  const Bitmap second = Rendered("World", rect, kCaption, font);
  EXPECT_TRUE(SameBand(canvas.bitmap(), 4, first, 4, kLine));
  EXPECT_TRUE(SameBand(canvas.bitmap(), 4 + kLine, second, 4, kLine));
  const Rect ink = canvas.InkBounds();
  EXPECT_GE(ink.top, 4);
  EXPECT_LE(ink.bottom, 4 + 2 * kLine);
}

TEST(TextWrap, SpacesAtABreakAreDropped) {
  const auto font = MakeFont("MS Sans Serif", 8.25);
  TextCanvas canvas;
  const Rect rect{0, 0, canvas.WidthOf("Hello") + 3, 60};
  canvas.Draw("Hello     World", rect, kDtCenter | kDtWordBreak);
  EXPECT_TRUE(SameBand(canvas.bitmap(), kLine, Rendered("World", rect, kDtCenter, font), 0, kLine));
}

TEST(TextWrap, MeasuringReportsLinesAndTheWidestLine) {
  TextCanvas canvas;
  const int32_t hello = canvas.WidthOf("Hello");
  const int32_t world = canvas.WidthOf("World");
  const int32_t word = canvas.WidthOf("Supercalifragilistic");
  struct Case {
    const char* text;
    Rect in;
    uint32_t format;
    Rect out;
  };
  const Case cases[] = {
      {"Hello World",
       {5, 7, 5 + hello + 2, 9},
       kDtWordBreak,
       {5, 7, 5 + std::max(hello, world), 7 + 2 * kLine}},
      {"Hello World", {5, 7, 6, 9}, kDtWordBreak, {5, 7, 5 + std::max(hello, world), 7 + 2 * kLine}},
      // A word wider than the rectangle stays whole and widens it.
      {"Supercalifragilistic", {0, 0, 10, 10}, kDtWordBreak, {0, 0, word, kLine}},
      {"Supercalifragilistic Hello", {0, 0, 10, 10}, kDtWordBreak, {0, 0, word, 2 * kLine}},
      {"Hello World", {0, 0, 10, 10}, kDtLeft, {0, 0, canvas.WidthOf("Hello World"), kLine}},
      {"Hello\nWorld", {0, 0, 10, 10}, kDtLeft, {0, 0, std::max(hello, world), 2 * kLine}},
      {"Hello\r\nWorld", {0, 0, 500, 10}, kDtWordBreak, {0, 0, std::max(hello, world), 2 * kLine}},
      {"Hello\rWorld", {0, 0, 500, 10}, kDtLeft, {0, 0, std::max(hello, world), 2 * kLine}},
      {"Hello\n", {0, 0, 500, 10}, kDtLeft, {0, 0, hello, kLine}},
      {"Hello\n\nWorld", {0, 0, 500, 10}, kDtLeft, {0, 0, std::max(hello, world), 3 * kLine}},
      {"\n", {0, 0, 500, 10}, kDtLeft, {0, 0, 0, kLine}},
      // One line means one line: no word breaks, line breaks take no room.
      {"Hello World",
       {0, 0, 10, 10},
       kDtSingleLine | kDtWordBreak,
       {0, 0, canvas.WidthOf("Hello World"), kLine}},
      {"Hello\nWorld", {0, 0, 10, 10}, kDtSingleLine, {0, 0, hello + world, kLine}},
  };
  for (const Case& c : cases) {
    Rect rect = c.in;
    const int32_t height = DrawTextA(canvas.dc(), c.text, -1, rect, c.format | kDtCalcRect);
    EXPECT_EQ(rect, c.out) << c.text << " format " << c.format;
    EXPECT_EQ(height, c.out.bottom - c.out.top) << c.text;
  }
  EXPECT_FALSE(canvas.HasInk());
}

TEST(TextWrap, AWordWiderThanTheRectangleIsDrawnWholeAndClipped) {
  TextCanvas clipped;
  TextCanvas unclipped;
  const Rect rect{10, 0, 30, 40};
  EXPECT_EQ(clipped.Draw("Supercalifragilistic", rect, kDtWordBreak), kLine);
  unclipped.Draw("Supercalifragilistic", rect, kDtWordBreak | kDtNoClip);
  EXPECT_EQ(unclipped.InkBounds().bottom, clipped.InkBounds().bottom);
  EXPECT_GT(unclipped.InkBounds().right, 10 + clipped.WidthOf("Supercalifragil"));
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 0; x < 200; ++x) {
      EXPECT_EQ(clipped.IsInk(x, y), rect.Contains(x, y) && unclipped.IsInk(x, y)) << x << "," << y;
    }
  }
}

TEST(TextWrap, VerticalPlacementActsOnSingleLinesOnly) {
  TextCanvas canvas;
  const Rect rect{0, 10, 200, 50};
  struct Case {
    uint32_t format;
    int32_t top;  // where the line's cell starts
    int32_t result;
  };
  const Case cases[] = {
      {kDtVCenter, 10, kLine},
      {kDtBottom, 10, kLine},
      {kDtSingleLine, 10, kLine},
      {kDtSingleLine | kDtVCenter, 10 + 20 - 6, 20 - 6 + kLine},
      {kDtSingleLine | kDtBottom, 50 - kLine, 40},
  };
  const auto font = MakeFont("MS Sans Serif", 8.25);
  const Bitmap reference = Rendered("Hg", {0, 0, 200, 50}, kDtLeft, font, 200, 80);
  for (const Case& c : cases) {
    canvas.Clear();
    EXPECT_EQ(canvas.Draw("Hg", rect, c.format), c.result) << c.format;
    EXPECT_TRUE(SameBand(canvas.bitmap(), c.top, reference, 0, kLine)) << c.format;
  }
}

TEST(TextWrap, HorizontalAlignmentPlacesEachLine) {
  TextCanvas canvas;
  const int32_t width = canvas.WidthOf("Hello");
  const Rect rect{10, 0, 111, 40};
  const Rect at_left = [&] {
    canvas.Draw("Hello", rect, kDtLeft);
    return canvas.InkBounds();
  }();
  for (const auto& [format, left] : {std::pair{kDtCenter, (10 + 111 - width) / 2}, {kDtRight, 111 - width}}) {
    canvas.Clear();
    canvas.Draw("Hello", rect, format);
    Rect expected = at_left;
    OffsetRect(expected, left - 10, 0);
    EXPECT_EQ(canvas.InkBounds(), expected) << format;
  }
}

}  // namespace
}  // namespace vellumar
