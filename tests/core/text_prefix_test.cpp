#include <gtest/gtest.h>

#include <string>

#include "platform/drawing/text.h"
#include "tests/core/text_test_support.h"

namespace vellumar {
namespace {

using testing::MakeFont;
using testing::Rendered;
using testing::TextCanvas;

constexpr Rect kArea{10, 5, 200, 80};
// MS Sans Serif 8: 11 rows above the baseline, the underline on the last row of the 13-row line.
constexpr int32_t kUnderlineRow = kArea.top + 12;

// The pixels in which a and b differ, as a bounding rectangle.
Rect Difference(const Bitmap& a, const Bitmap& b) {
  Rect bounds{a.width(), a.height(), 0, 0};
  for (int32_t y = 0; y < a.height(); ++y) {
    for (int32_t x = 0; x < a.width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      bounds = Rect{std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                    std::max(bounds.bottom, y + 1)};
    }
  }
  return bounds.IsEmpty() ? Rect{} : bounds;
}

TEST(TextPrefix, MarkerUnderlinesExactlyTheNextCharacter) {
  struct Case {
    const char* marked;
    const char* plain;
    const char* before;  // the text left of the underlined character
    const char* key;
  };
  const Case cases[] = {
      {"&Register", "Register", "", "R"},
      {"Re&gister", "Register", "Re", "g"},
      {"Registe&r", "Register", "Registe", "r"},
      {"Fish && &Chips", "Fish & Chips", "Fish & ", "C"},
      {"&&&X", "&X", "&", "X"},
  };
  const auto font = MakeFont("MS Sans Serif", 8.25);
  for (const Case& c : cases) {
    TextCanvas measure;
    const int32_t left = kArea.left + measure.WidthOf(c.before);
    const int32_t right = left + measure.WidthOf(c.key);
    const Bitmap marked = Rendered(c.marked, kArea, kDtLeft, font);
    const Bitmap plain = Rendered(c.plain, kArea, kDtNoPrefix, font);
    // The only change the marker makes is the underline, and under the key only.
    EXPECT_EQ(Difference(marked, plain), (Rect{left, kUnderlineRow, right, kUnderlineRow + 1})) << c.marked;
    for (int32_t x = left; x < right; ++x)
      EXPECT_NE(marked.Pixel(x, kUnderlineRow), testing::kPaper) << c.marked;
  }
}

TEST(TextPrefix, DoubledAndTrailingMarkersDrawWithoutUnderline) {
  struct Case {
    const char* text;
    const char* shown;
  };
  const Case cases[] = {
      {"Fish && Chips", "Fish & Chips"}, {"A&&", "A&"}, {"Ende&", "Ende"}, {"&", ""}, {"&&", "&"},
  };
  const auto font = MakeFont("MS Sans Serif", 8.25);
  for (const Case& c : cases) {
    EXPECT_EQ(Difference(Rendered(c.text, kArea, kDtLeft, font), Rendered(c.shown, kArea, kDtNoPrefix, font)),
              Rect{})
        << c.text;
  }
}

TEST(TextPrefix, MarkersTakeNoRoomWhenMeasured) {
  TextCanvas canvas;
  EXPECT_EQ(canvas.Measure("&Register"), canvas.Measure("Register"));
  EXPECT_EQ(canvas.Measure("Fish && Chips"),
            canvas.Measure("Fish & Chips", {0, 0, 10000, 1000}, kDtNoPrefix));
  EXPECT_EQ(canvas.Measure("&").right, 0);
  EXPECT_EQ(canvas.Measure("&").bottom, 13);
  EXPECT_EQ(canvas.Measure("&x", {0, 0, 1000, 100}, kDtNoPrefix).right,
            canvas.WidthOf("&") + canvas.WidthOf("x"));
}

}  // namespace
}  // namespace vellumar
