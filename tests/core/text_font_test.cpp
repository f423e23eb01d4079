#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/drawing/text.h"
#include "platform/text/font_resolver.h"
#include "tests/core/text_test_support.h"

namespace vellumar {
namespace {

using testing::MakeFont;
using testing::TextCanvas;

TEST(TextFont, LineHeightsFollowGdiSizesAt96Dpi) {
  struct Case {
    const char* name;
    double points;
    int32_t line_height;
  };
  const Case cases[] = {
      {"MS Sans Serif", 8, 13}, {"MS Sans Serif", 8.25, 13}, {"ms sans serif", 8.25, 13},
      {"MS Sans Serif", 9, 13}, {"MS Sans Serif", 9.75, 16}, {"MS Sans Serif", 12, 20},
      {"MS Sans Serif", 4, 13}, {"Tahoma", 8, 13},           {"TAHOMA", 8.25, 13},
  };
  for (const Case& c : cases) {
    TextCanvas canvas(10, 10, MakeFont(c.name, c.points));
    EXPECT_EQ(LineHeight(canvas.dc()), c.line_height) << c.name << " " << c.points;
  }
}

TEST(TextFont, DrawingOneLineReturnsTheLineHeight) {
  TextCanvas canvas;
  EXPECT_EQ(canvas.Draw("Register", {0, 0, 200, 80}), 13);
  EXPECT_EQ(canvas.Draw("Register", {0, 0, 200, 80}, kDtCenter | kDtVCenter | kDtWordBreak), 13);
  const Rect ink = canvas.InkBounds();
  EXPECT_GE(ink.top, 0);
  EXPECT_LE(ink.bottom, 13);
}

TEST(TextFont, AContextWithoutAFontUsesMsSansSerif8) {
  Bitmap bitmap(100, 20);
  DeviceContext bare(&bitmap);
  TextCanvas canvas;
  EXPECT_EQ(LineHeight(bare), 13);
  Rect bare_rect{0, 0, 1000, 100};
  DrawTextA(bare, "Register", -1, bare_rect, kDtCalcRect);
  EXPECT_EQ(bare_rect, canvas.Measure("Register"));
}

TEST(TextFont, UnknownFamilyFallsBackToAnInstalledFont) {
  TextCanvas canvas(200, 40, MakeFont("No Such Family 4711", 8.25));
  const int32_t line_height = LineHeight(canvas.dc());
  EXPECT_GE(line_height, 11);
  EXPECT_LE(line_height, 16);
  EXPECT_EQ(canvas.Draw("Register", {0, 0, 200, 40}), line_height);
  EXPECT_TRUE(canvas.HasInk());
  EXPECT_GT(canvas.WidthOf("Register"), 20);
}

// A toolkit in the same process (Qt's font database) loads fontconfig's current configuration and releases
// it when it ends; the resolver shares that configuration and goes on finding the same files without it.
TEST(TextFont, ResolverOutlivesAToolkitReleasingTheSharedConfiguration) {
  ASSERT_TRUE(FcInit());
  const FontResolver resolver;
  const std::vector<FontFile> before = resolver.Resolve("Sans Serif", true, false);
  ASSERT_GT(before.size(), 2u);  // fontconfig's match ahead of the two DejaVu files
  FcConfigDestroy(FcConfigGetCurrent());
  const std::vector<FontFile> after = resolver.Resolve("Sans Serif", true, false);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(after[i].path, before[i].path);
    EXPECT_EQ(after[i].is_bold, before[i].is_bold);
  }
}

TEST(TextFont, OddFamilyNamesStillDraw) {
  const std::string names[] = {"", "\xFF\xFE\xFD", std::string(5000, 'x'), std::string("Taho\0ma", 8),
                               "MS Sans Serif" + std::string(40, '\xC3')};
  for (const std::string& name : names) {
    TextCanvas canvas(100, 30, MakeFont(name, 8.25));
    EXPECT_GT(LineHeight(canvas.dc()), 0);
    canvas.Draw("Register", {0, 0, 100, 30});
    EXPECT_TRUE(canvas.HasInk()) << name.size();
  }
}

TEST(TextFont, MoreFontsThanTheCacheHoldsKeepTheirMetrics) {
  const double sizes[] = {8, 9.75, 12, 14, 18, 24, 30, 36, 48, 60, 72};
  int32_t first_round[std::size(sizes)] = {};
  for (int round = 0; round < 2; ++round) {
    for (size_t i = 0; i < std::size(sizes); ++i) {
      TextCanvas canvas(10, 10, MakeFont("Tahoma", sizes[i]));
      const int32_t height = LineHeight(canvas.dc());
      if (round == 0) first_round[i] = height;
      EXPECT_EQ(height, first_round[i]) << sizes[i];
      if (i > 0) {
        EXPECT_GT(height, first_round[i - 1]) << sizes[i];
      }
    }
  }
}

TEST(TextFont, ExtremeSizesStayBounded) {
  struct Case {
    double points;
    int32_t min_height;
    int32_t max_height;
  };
  const Case cases[] = {{0, 13, 13}, {0.1, 13, 13}, {1, 1, 3}, {1e6, 1024, 2 * 1024 + 256}};
  for (const Case& c : cases) {
    TextCanvas canvas(64, 64, MakeFont("Tahoma", c.points));
    const int32_t height = LineHeight(canvas.dc());
    EXPECT_GE(height, c.min_height) << c.points;
    EXPECT_LE(height, c.max_height) << c.points;
    EXPECT_EQ(canvas.Draw("Wg", {0, 0, 64, 64}), height);
  }
}

TEST(TextFont, SyntheticBoldOverstrikesOnePixelToTheRight) {
  TextCanvas regular;
  TextCanvas bold(200, 80, MakeFont("MS Sans Serif", 8.25, true));
  EXPECT_EQ(bold.WidthOf("Register"), regular.WidthOf("Register") + 8);
  // One character: its bold ink is its regular ink unioned with the same shifted one column right.
  regular.Draw("R", {0, 0, 200, 80});
  bold.Draw("R", {0, 0, 200, 80});
  for (int32_t y = 0; y < 13; ++y) {
    for (int32_t x = 1; x < 20; ++x) {
      EXPECT_EQ(bold.IsInk(x, y), regular.IsInk(x, y) || regular.IsInk(x - 1, y)) << x << "," << y;
    }
  }
}

TEST(TextFont, UnderlineAndStrikeoutRunUnderAndThroughTheWholeLine) {
  auto font = MakeFont("MS Sans Serif", 8.25);
  font->SetUnderline(true);
  font->SetStrikethrough(true);
  TextCanvas canvas(200, 40, font);
  const int32_t width = canvas.WidthOf("Register");
  canvas.Draw("Register", {10, 0, 200, 40});
  int32_t full_rows = 0;
  for (int32_t y = 0; y < 13; ++y) {
    bool full = true;
    for (int32_t x = 10; x < 10 + width; ++x) full = full && canvas.IsInk(x, y);
    if (full) ++full_rows;
  }
  EXPECT_EQ(full_rows, 2);
  for (int32_t x = 10; x < 10 + width; ++x) EXPECT_TRUE(canvas.IsInk(x, 12)) << x;
  EXPECT_FALSE(canvas.IsInk(9, 12));
  EXPECT_FALSE(canvas.IsInk(10 + width, 12));
}

TEST(TextFont, ItalicKeepsTheAdvanceAndSlantsTheInk) {
  auto italic = MakeFont("MS Sans Serif", 24);
  italic->SetItalic(true);
  TextCanvas upright(200, 80, MakeFont("MS Sans Serif", 24));
  TextCanvas slanted(200, 80, italic);
  EXPECT_EQ(slanted.WidthOf("Il"), upright.WidthOf("Il"));
  upright.Draw("I", {20, 0, 200, 80});
  slanted.Draw("I", {20, 0, 200, 80});
  const Rect top_upright = upright.InkBoundsIn({0, 0, 200, 12});
  const Rect top_slanted = slanted.InkBoundsIn({0, 0, 200, 12});
  ASSERT_FALSE(top_upright.IsEmpty());
  EXPECT_GT(top_slanted.left, top_upright.left);
}

}  // namespace
}  // namespace vellumar
