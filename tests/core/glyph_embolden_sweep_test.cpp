// Simulated bold on seeded random glyphs, against the overstrike written out: the glyph drawn strength + 1
// times, each one pixel further right, keeping the larger coverage where they overlap.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/text/glyph_style.h"

namespace vellumar {
namespace {

GlyphBitmap ReferenceEmbolden(const GlyphBitmap& glyph, int32_t strength) {
  GlyphBitmap out = glyph;
  out.width = glyph.width + strength;
  out.coverage.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0);
  for (int32_t y = 0; y < glyph.height; ++y) {
    for (int32_t x = 0; x < glyph.width; ++x) {
      for (int32_t dx = 0; dx <= strength; ++dx) {
        uint8_t& target = out.coverage[static_cast<size_t>(y * out.width + x + dx)];
        target = std::max(target, glyph.At(x, y));
      }
    }
  }
  return out;
}

TEST(GlyphStyle, EmboldenMatchesTheOverstrikeForEveryStrength) {
  std::mt19937 rng(7105);
  for (int round = 0; round < 3000; ++round) {
    GlyphBitmap glyph;
    glyph.left = static_cast<int32_t>(rng() % 9) - 4;
    glyph.top = static_cast<int32_t>(rng() % 30);
    glyph.width = static_cast<int32_t>(1 + rng() % 24);
    glyph.height = static_cast<int32_t>(1 + rng() % 5);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height));
    // Sparse coverage, so that the windows of neighbouring pixels differ.
    for (uint8_t& value : glyph.coverage) value = rng() % 4 == 0 ? static_cast<uint8_t>(rng()) : 0;
    const int32_t strength = static_cast<int32_t>(1 + rng() % 70);
    SCOPED_TRACE("round " + std::to_string(round) + ", strength " + std::to_string(strength));
    const GlyphBitmap expected = ReferenceEmbolden(glyph, strength);
    const GlyphBitmap bold = EmboldenGlyph(glyph, strength);
    ASSERT_EQ(bold.width, expected.width);
    ASSERT_EQ(bold.height, expected.height);
    ASSERT_EQ(bold.left, expected.left);
    ASSERT_EQ(bold.top, expected.top);
    ASSERT_EQ(bold.coverage, expected.coverage);
  }
}

}  // namespace
}  // namespace vellumar
