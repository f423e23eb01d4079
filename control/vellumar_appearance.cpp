// The appearance properties: each assignment stores the member, applies it to the surface where the
// surface shares it, tells the host and repaints.
#include <utility>

#include "control/vellumar.h"
#include "platform/errors/host_error.h"

namespace vellumar {

void Vellumar::AssignColor(OleColor& member, OleColor value, const char* name) {
  member = value;
  host_.PropertyChanged(name);
  DrawTab();
}

int32_t Vellumar::TabHeight() const {
  return s_.mTabHeight;
}
void Vellumar::SetTabHeight(int32_t NewTabHeight) {
  s_.mTabHeight = NewTabHeight;
  host_.PropertyChanged("TabHeight");
  DrawTab();
}

OleColor Vellumar::BackColor() const {
  return s_.mBackColor;
}
void Vellumar::SetBackColor(OleColor NewBackColor) {
  s_.mBackColor = NewBackColor;
  host_.SetBackColor(NewBackColor);
  host_.PropertyChanged("BackColor");
  DrawTab();
}

OleColor Vellumar::ForeColor() const {
  return s_.mForeColor;
}
void Vellumar::SetForeColor(OleColor NewForeColor) {
  s_.mForeColor = NewForeColor;
  host_.SetForeColor(NewForeColor);
  host_.PropertyChanged("ForeColor");
  DrawTab();
}

OleColor Vellumar::ForeColorActive() const {
  return s_.mForeColorActive;
}
void Vellumar::SetForeColorActive(OleColor NewForeColorActive) {
  AssignColor(s_.mForeColorActive, NewForeColorActive, "ForeColorActive");
}

OleColor Vellumar::BackColorForm() const {
  return s_.mBackColorForm;
}
void Vellumar::SetBackColorForm(OleColor NewBackColorForm) {
  AssignColor(s_.mBackColorForm, NewBackColorForm, "BackColorForm");
}

OleColor Vellumar::MouseMoveColor0() const {
  return s_.mMouseMoveColor0;
}
void Vellumar::SetMouseMoveColor0(OleColor NewColor) {
  AssignColor(s_.mMouseMoveColor0, NewColor, "MouseMoveColor0");
}

OleColor Vellumar::MouseMoveColor1() const {
  return s_.mMouseMoveColor1;
}
void Vellumar::SetMouseMoveColor1(OleColor NewColor) {
  AssignColor(s_.mMouseMoveColor1, NewColor, "MouseMoveColor1");
}

OleColor Vellumar::MouseMoveColor2() const {
  return s_.mMouseMoveColor2;
}
void Vellumar::SetMouseMoveColor2(OleColor NewColor) {
  AssignColor(s_.mMouseMoveColor2, NewColor, "MouseMoveColor2");
}

OleColor Vellumar::RegisterFocusColor0() const {
  return s_.mRegisterFocusColor0;
}
void Vellumar::SetRegisterFocusColor0(OleColor NewColor) {
  AssignColor(s_.mRegisterFocusColor0, NewColor, "RegisterFocusColor0");
}

OleColor Vellumar::RegisterFocusColor1() const {
  return s_.mRegisterFocusColor1;
}
void Vellumar::SetRegisterFocusColor1(OleColor NewColor) {
  AssignColor(s_.mRegisterFocusColor1, NewColor, "RegisterFocusColor1");
}

OleColor Vellumar::RegisterFocusColor2() const {
  return s_.mRegisterFocusColor2;
}
void Vellumar::SetRegisterFocusColor2(OleColor NewColor) {
  AssignColor(s_.mRegisterFocusColor2, NewColor, "RegisterFocusColor2");
}

OleColor Vellumar::FrameColor() const {
  return s_.mFrameColor;
}
void Vellumar::SetFrameColor(OleColor NewFrameColor) {
  AssignColor(s_.mFrameColor, NewFrameColor, "FrameColor");
}

OleColor Vellumar::MaskColor() const {
  return s_.mMaskColor;
}
void Vellumar::SetMaskColor(OleColor NewMaskColor) {
  AssignColor(s_.mMaskColor, NewMaskColor, "MaskColor");
}

OleColor Vellumar::ForeColorHot() const {
  return s_.mForeColorHot;
}
void Vellumar::SetForeColorHot(OleColor NewForeColorHot) {
  s_.mForeColorHot = NewForeColorHot;
  host_.PropertyChanged("ForeColorHot");
}

int32_t Vellumar::Alignment() const {
  return s_.mAlignment;
}
void Vellumar::SetAlignment(int32_t NewAlignment) {
  s_.mAlignment = NewAlignment;
  host_.PropertyChanged("Alignment");
  DrawTab();
}

VbBool Vellumar::FontBold() const {
  return mFontBold;
}
void Vellumar::SetFontBold(VbBool vNew) {
  mFontBold = vNew;
  host_.Font()->SetBold(vNew != kFalse);
  host_.PropertyChanged("FontBold");
  DrawTab();
}

VbBool Vellumar::FontItalic() const {
  return mFontItalic;
}
void Vellumar::SetFontItalic(VbBool vNew) {
  mFontItalic = vNew;
  host_.Font()->SetItalic(vNew != kFalse);
  host_.PropertyChanged("FontItalic");
  DrawTab();
}

VbBool Vellumar::FontStrikethru() const {
  return mFontStrikethru;
}
void Vellumar::SetFontStrikethru(VbBool vNew) {
  mFontStrikethru = vNew;
  host_.Font()->SetStrikethrough(vNew != kFalse);
  host_.PropertyChanged("FontStrikethru");
  DrawTab();
}

VbBool Vellumar::FontUnderline() const {
  return mFontUnderline;
}
void Vellumar::SetFontUnderline(VbBool vNew) {
  mFontUnderline = vNew;
  host_.Font()->SetUnderline(vNew != kFalse);
  host_.PropertyChanged("FontUnderline");
  DrawTab();
}

float Vellumar::FontSize() const {
  return mFontSize;
}
void Vellumar::SetFontSize(float vNew) {
  mFontSize = vNew;
  host_.Font()->SetSize(vNew);
  host_.PropertyChanged("FontSize");
  DrawTab();
}

std::string Vellumar::FontName() const {
  return mFontName;
}
void Vellumar::SetFontName(const std::string& vNew) {
  mFontName = vNew;
  host_.Font()->SetName(vNew);
  host_.PropertyChanged("FontName");
  DrawTab();
}

StdFontRef Vellumar::Font() {
  return host_.Font();
}

void Vellumar::SetFont(StdFontRef New_Font) {
  // The reference is held before its attributes are read, so that Nothing is stored even though reading
  // from it then fails.
  mFont = New_Font;
  if (!New_Font) throw HostError(kErrObjectNotSet);
  const StdFont& font = *New_Font;
  StdFont& surface = *host_.Font();
  surface.SetBold(font.Bold());
  surface.SetCharset(font.Charset());
  surface.SetItalic(font.Italic());
  surface.SetName(font.Name());
  surface.SetSize(font.Size());
  surface.SetStrikethrough(font.Strikethrough());
  surface.SetUnderline(font.Underline());
  surface.SetWeight(font.Weight());
  SetFontBold(ToVbBool(font.Bold()));
  SetFontItalic(ToVbBool(font.Italic()));
  SetFontName(font.Name());
  SetFontSize(static_cast<float>(font.Size()));
  SetFontStrikethru(ToVbBool(font.Strikethrough()));
  SetFontUnderline(ToVbBool(font.Underline()));
  host_.PropertyChanged("Font");
  DrawTab();
}

}  // namespace vellumar
