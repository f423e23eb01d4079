// Text kept laid out and drawn again draws its composed ink; on seeded random texts, fonts, decorations,
// scales, backgrounds, colours, formats and clips it must leave every pixel as the first, glyph-by-glyph
// drawing of the same text on the same background.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/core/text_test_support.h"

namespace vellumar {
namespace {

constexpr const char* kTexts[] = {"Reg&ister 1",   "&Datei",    "Two words wrap", "W&&V fijl Ä",
                                  "AVAWAVA tt ff", "x",         "&& &a&b&c",      "Kerning: AV To Ta LT",
                                  "über straße",   "  spaced  "};
constexpr const char* kFaces[] = {"MS Sans Serif", "Tahoma", "DejaVu Sans", "DejaVu Serif"};
constexpr uint32_t kFormats[] = {kDtLeft, kDtCenter | kDtVCenter | kDtWordBreak, kDtRight | kDtSingleLine,
                                 kDtCenter | kDtNoPrefix | kDtWordBreak};

TEST(TextInk, ComposedLinesDrawAsTheGlyphsOneByOne) {
  std::mt19937 rng(4417);
  const auto pick = [&](auto& list) { return list[rng() % std::size(list)]; };
  for (int round = 0; round < 600; ++round) {
    auto font = testing::MakeFont(pick(kFaces), 6 + static_cast<double>(rng() % 12), rng() % 3 == 0);
    font->SetItalic(rng() % 4 == 0);
    font->SetUnderline(rng() % 4 == 0);
    font->SetStrikethrough(rng() % 4 == 0);
    const int32_t scale = static_cast<int32_t>(1 + rng() % 3);
    Bitmap first(120 * scale, 50 * scale);
    for (uint32_t& pixel : first.pixels()) pixel = rng() % 3 == 0 ? rng() & 0xFFFFFF : 0xE0E8F0;
    Bitmap again = first;
    const Rect rect{static_cast<int32_t>(rng() % 30), static_cast<int32_t>(rng() % 20),
                    static_cast<int32_t>(40 + rng() % 80), static_cast<int32_t>(25 + rng() % 25)};
    const Rect clip{static_cast<int32_t>(rng() % 40), static_cast<int32_t>(rng() % 20),
                    static_cast<int32_t>(60 + rng() % 60), static_cast<int32_t>(30 + rng() % 20)};
    const uint32_t format = pick(kFormats);
    const ColorRef color = rng() % 2 == 0 ? 0 : rng() & 0xFFFFFF;
    const std::string text = pick(kTexts);
    SCOPED_TRACE("round " + std::to_string(round) + ": \"" + text + "\" in " + font->Name() + " at scale " +
                 std::to_string(scale));
    DeviceContext dc(&first);
    dc.SetScale(scale);
    dc.SelectFont(font);
    dc.SetTextColor(color);
    dc.SetClipBox(clip);
    const LaidOutText laid_out(dc, text, -1, rect.Width(), format);
    laid_out.Draw(dc, rect, format);
    for (int drawing = 0; drawing < 2; ++drawing) {
      Bitmap target = again;
      dc.SelectBitmap(&target);
      laid_out.Draw(dc, rect, format);
      ASSERT_EQ(target.pixels(), first.pixels()) << "drawing " << drawing + 2;
    }
  }
}

}  // namespace
}  // namespace vellumar
