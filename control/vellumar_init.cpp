// The defaults of a control newly placed on a form.
#include <memory>

#include "control/vellumar.h"

namespace vellumar {
namespace {

constexpr int32_t kDefaultTabHeight = 22;
constexpr OleColor kDefaultBackColor = 0xE3DFE0;        // RGB(224, 223, 227)
constexpr OleColor kDefaultForeColor = 0x80000012;      // the system's button text colour
constexpr OleColor kDefaultForeColorActive = 0x985038;  // RGB(56, 80, 152)
constexpr OleColor kDefaultForeColorHot = 0xFF0000;     // RGB(0, 0, 255)
constexpr OleColor kDefaultFrameColor = 0xA0A098;       // RGB(152, 160, 160)
constexpr OleColor kDefaultMaskColor = 0xFF00FF;        // RGB(255, 0, 255)
constexpr OleColor kDefaultBandColor0 = 0x2890E8;       // RGB(232, 144, 40), outermost line of both bands
constexpr OleColor kDefaultBandColor1 = 0x38D0FF;       // RGB(255, 208, 56)
constexpr OleColor kDefaultBandColor2 = 0x38C8FF;       // RGB(255, 200, 56)
constexpr const char* kDefaultFontName = "MS Sans Serif";
constexpr float kDefaultFontSize = 8;

}  // namespace

void Vellumar::InitProperties() {
  AddTab();
  s_.mTabHeight = kDefaultTabHeight;
  s_.mBackColor = kDefaultBackColor;
  s_.mBackColorForm = kDefaultBackColor;
  host_.SetBackColor(kDefaultBackColor);
  s_.mForeColor = kDefaultForeColor;
  host_.SetForeColor(kDefaultForeColor);
  s_.mForeColorActive = kDefaultForeColorActive;
  s_.mForeColorHot = kDefaultForeColorHot;
  s_.mFrameColor = kDefaultFrameColor;
  s_.mMaskColor = kDefaultMaskColor;
  s_.mMouseMoveColor0 = kDefaultBandColor0;
  s_.mMouseMoveColor1 = kDefaultBandColor1;
  s_.mMouseMoveColor2 = kDefaultBandColor2;
  s_.mRegisterFocusColor1 = kDefaultBandColor1;
  s_.mRegisterFocusColor2 = kDefaultBandColor2;
  s_.mRegisterFocusColor0 = kDefaultBandColor0;
  SetFontName(kDefaultFontName);
  SetFontBold(kFalse);
  SetFontSize(kDefaultFontSize);
  // The surface gets its own copy of the container's font: the font setters change the surface font's
  // attributes, and they must not change the container's font with it.
  if (const StdFontRef ambient = host_.AmbientFont()) host_.SetFont(std::make_shared<StdFont>(*ambient));
}

}  // namespace vellumar
