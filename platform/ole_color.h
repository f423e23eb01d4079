// OLE colours, RGB values and the system-colour table behind colour translation.
#pragma once

#include <cstdint>

namespace vellumar {

// An OLE colour: high byte 0x00 is an RGB value 0x00BBGGRR, high byte 0x80 names a system colour by the
// index in its low byte.
using OleColor = uint32_t;
// A translated colour, R + 256 * G + 65536 * B; also the pixel format of colour bitmaps.
using ColorRef = uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
  return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// System colour indices used by name in the code (COLOR_... of the old platform).
enum SystemColorIndex : int {
  kColorScrollbar = 0,
  kColorBackground = 1,
  kColorActiveCaption = 2,
  kColorInactiveCaption = 3,
  kColorMenu = 4,
  kColorWindow = 5,
  kColorWindowFrame = 6,
  kColorMenuText = 7,
  kColorWindowText = 8,
  kColorCaptionText = 9,
  kColorActiveBorder = 10,
  kColorInactiveBorder = 11,
  kColorAppWorkspace = 12,
  kColorHighlight = 13,
  kColorHighlightText = 14,
  kColorButtonFace = 15,
  kColorButtonShadow = 16,
  kColorGrayText = 17,
  kColorButtonText = 18,
  kColorInactiveCaptionText = 19,
  kColorButtonHighlight = 20,
  kColor3dDarkShadow = 21,
  kColor3dLight = 22,
  kColorInfoText = 23,
  kColorInfoBackground = 24,
  kColorHotLight = 26,
  kColorGradientActiveCaption = 27,
  kColorGradientInactiveCaption = 28,
  kColorMenuHighlight = 29,
  kColorMenuBar = 30,
};

// Number of entries in the system-colour table (indices 0 to kSystemColorCount - 1).
inline constexpr int kSystemColorCount = 31;

// The current RGB value of a system colour (the Windows XP Luna defaults); 0 for an index the table lacks.
ColorRef GetSysColor(int index);

// Turns an OLE colour into RGB. Returns false, leaving rgb untouched, for a colour that cannot be
// translated (a system-colour reference to an index the table lacks, or an unknown high byte).
bool OleTranslateColor(OleColor color, ColorRef& rgb);

}  // namespace vellumar
