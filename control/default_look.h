// The look of a control newly placed on a form, which the Qt style starts from as well.
#pragma once

#include <cstdint>

#include "platform/ole_color.h"

namespace vellumar {

inline constexpr int32_t kDefaultTabHeight = 22;
inline constexpr OleColor kDefaultBackColor = 0xE3DFE0;        // RGB(224, 223, 227)
inline constexpr OleColor kDefaultForeColor = 0x80000012;      // the system's button text colour
inline constexpr OleColor kDefaultForeColorActive = 0x985038;  // RGB(56, 80, 152)
inline constexpr OleColor kDefaultForeColorHot = 0xFF0000;     // RGB(0, 0, 255)
inline constexpr OleColor kDefaultFrameColor = 0xA0A098;       // RGB(152, 160, 160)
inline constexpr OleColor kDefaultMaskColor = 0xFF00FF;        // RGB(255, 0, 255)
inline constexpr OleColor kDefaultBandColor0 = 0x2890E8;  // RGB(232, 144, 40), outermost line of both bands
inline constexpr OleColor kDefaultBandColor1 = 0x38D0FF;  // RGB(255, 208, 56)
inline constexpr OleColor kDefaultBandColor2 = 0x38C8FF;  // RGB(255, 200, 56)
inline constexpr const char* kDefaultFontName = "MS Sans Serif";
inline constexpr float kDefaultFontSize = 8;

}  // namespace vellumar
