#include "platform/ole_color.h"

#include <array>
#include <cstddef>

namespace vellumar {

namespace {

// The Windows XP defaults under the Luna visual style (blue scheme). Index 25 has no colour on XP; it reads
// as black, so a reference to it still translates.
constexpr std::array<ColorRef, kSystemColorCount> kLunaSystemColors = {
    Rgb(212, 208, 200),  // 0 scroll bar
    Rgb(0, 78, 152),     // 1 desktop background
    Rgb(0, 84, 227),     // 2 active caption
    Rgb(122, 150, 223),  // 3 inactive caption
    Rgb(255, 255, 255),  // 4 menu
    Rgb(255, 255, 255),  // 5 window
    Rgb(0, 0, 0),        // 6 window frame
    Rgb(0, 0, 0),        // 7 menu text
    Rgb(0, 0, 0),        // 8 window text
    Rgb(255, 255, 255),  // 9 caption text
    Rgb(212, 208, 200),  // 10 active border
    Rgb(212, 208, 200),  // 11 inactive border
    Rgb(128, 128, 128),  // 12 application workspace
    Rgb(49, 106, 197),   // 13 highlight
    Rgb(255, 255, 255),  // 14 highlight text
    Rgb(236, 233, 216),  // 15 button face
    Rgb(172, 168, 153),  // 16 button shadow
    Rgb(172, 168, 153),  // 17 grey text
    Rgb(0, 0, 0),        // 18 button text
    Rgb(216, 228, 248),  // 19 inactive caption text
    Rgb(255, 255, 255),  // 20 button highlight
    Rgb(113, 111, 100),  // 21 3-D dark shadow
    Rgb(241, 239, 226),  // 22 3-D light
    Rgb(0, 0, 0),        // 23 tooltip text
    Rgb(255, 255, 225),  // 24 tooltip background
    Rgb(0, 0, 0),        // 25 unused
    Rgb(0, 0, 128),      // 26 hot-tracked item
    Rgb(61, 149, 255),   // 27 active caption gradient end
    Rgb(157, 185, 235),  // 28 inactive caption gradient end
    Rgb(49, 106, 197),   // 29 flat menu highlight
    Rgb(236, 233, 216),  // 30 flat menu bar
};

constexpr uint32_t kRgbBits = 0x00FFFFFF;
constexpr uint32_t kKindRgb = 0x00;
constexpr uint32_t kKindPaletteIndex = 0x01;
constexpr uint32_t kKindPaletteRgb = 0x02;
constexpr uint32_t kKindSystemColor = 0x80;

}  // namespace

ColorRef GetSysColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return 0;
  return kLunaSystemColors[static_cast<std::size_t>(index)];
}

bool OleTranslateColor(OleColor color, ColorRef& rgb) {
  const uint32_t kind = color >> 24;
  const uint32_t low = color & kRgbBits;
  switch (kind) {
    case kKindRgb:
    case kKindPaletteRgb:
      // Without a palette a palette-relative RGB value is simply the RGB value it carries.
      rgb = low;
      return true;
    case kKindSystemColor:
      // The whole low 24 bits are the index, so 0x80000112 is not a disguised index 0x12.
      if (low >= static_cast<uint32_t>(kSystemColorCount)) return false;
      rgb = GetSysColor(static_cast<int>(low));
      return true;
    case kKindPaletteIndex:
    default:
      // A palette index means nothing without a palette, and other kinds are not colours at all.
      return false;
  }
}

}  // namespace vellumar
