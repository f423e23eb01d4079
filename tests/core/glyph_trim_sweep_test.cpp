// Trimmed glyphs on seeded random backgrounds, positions and clips: painting the trimmed glyph (by the
// solid path when its coverage is all 0 or 255) leaves every pixel as painting the whole cell blended does.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/text/glyph_style.h"
#include "platform/text/text_paint.h"

namespace vellumar {
namespace {

GlyphBitmap RandomCell(std::mt19937& rng) {
  GlyphBitmap glyph;
  glyph.left = static_cast<int32_t>(rng() % 9) - 4;
  glyph.top = static_cast<int32_t>(rng() % 20);
  glyph.width = static_cast<int32_t>(1 + rng() % 12);
  glyph.height = static_cast<int32_t>(1 + rng() % 14);
  glyph.coverage.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height));
  const bool monochrome = rng() % 2 == 0;
  const unsigned density = 1 + rng() % 5;  // some cells stay blank, others fill up
  for (uint8_t& value : glyph.coverage) {
    if (rng() % 6 >= density) continue;
    value = monochrome ? 255 : static_cast<uint8_t>(rng());
  }
  return glyph;
}

TEST(GlyphStyle, TrimmedGlyphsPaintAsTheirWholeCells) {
  std::mt19937 rng(2612);
  for (int round = 0; round < 4000; ++round) {
    const GlyphBitmap cell = RandomCell(rng);
    const GlyphBitmap trimmed = TrimGlyph(cell);
    ASSERT_LE(trimmed.width, cell.width);
    ASSERT_LE(trimmed.height, cell.height);
    const bool format_mono = rng() % 8 == 0;
    Bitmap expected(24, 20, format_mono ? PixelFormat::kMono1 : PixelFormat::kColor32);
    for (uint32_t& pixel : expected.pixels()) pixel = format_mono ? rng() % 2 : rng();
    Bitmap actual = expected;
    const int32_t left = static_cast<int32_t>(rng() % 24);
    const int32_t top = static_cast<int32_t>(rng() % 20);
    const Rect clip{left, top, left + static_cast<int32_t>(rng() % 25),
                    top + static_cast<int32_t>(rng() % 21)};
    const ColorRef color = rng() & 0xFFFFFF;
    const int64_t x = static_cast<int64_t>(rng() % 30) - 8;
    const int64_t y = static_cast<int64_t>(rng() % 30) - 8;
    SCOPED_TRACE("round " + std::to_string(round));
    PaintGlyph(TextInk{&expected, Intersect(clip, Rect{0, 0, 24, 20}), color}, x, y, cell);
    PaintGlyph(TextInk{&actual, Intersect(clip, Rect{0, 0, 24, 20}), color}, x + trimmed.left - cell.left,
               y + cell.top - trimmed.top, trimmed);
    ASSERT_EQ(actual.pixels(), expected.pixels());
  }
}

}  // namespace
}  // namespace vellumar
