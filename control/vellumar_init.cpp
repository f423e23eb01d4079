// The defaults of a control newly placed on a form.
#include <memory>

#include "control/default_look.h"
#include "control/vellumar.h"

namespace vellumar {

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
