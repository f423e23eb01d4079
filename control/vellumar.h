// Vellumar: the tab-strip control. It keeps the tab list and the appearance members, paints itself through
// the tab-strip painters on its host's surface, tracks the mouse and raises its events to the container.
//
// [SECTION] Index
//   Lifecycle and host         constructor, InitProperties, Resize, Terminate
//   Tab list                   NumberOfTabs, SelectedTab, TabCaption/TabWidth/TabPicture, AddTab, DeleteTab
//   Appearance                 the 22 appearance properties
//   Painting                   DrawTab, DrawTabTop, DrawTabBottom, GetPictureSize
//   Access keys                SetTabAccessKeys, GetTabAccessKey
//   Notifications              mouse, keyboard, focus, access keys
#pragma once

#include <cstdint>
#include <string>

#include "control/icon_conversion.h"
#include "control/user_control.h"
#include "platform/form_file/picture_budget.h"
#include "platform/ole_color.h"
#include "platform/pictures/picture.h"
#include "platform/text/std_font.h"
#include "platform/vb_bool.h"
#include "platform/vellumar_export.h"
#include "render/tab_strip_painter.h"
#include "render/tab_strip_state.h"

namespace vellumar {

class PropertyBag;

class VELLUMAR_CORE_EXPORT Vellumar {
 public:
  // The most tabs a property bag may hold. ReadProperties skips a larger "NumberOfTabs" like any value it
  // cannot use, since the list it rebuilds is allocated at the stored count; WriteProperties refuses to store
  // more, and a host checks a bag with CheckLoadable before it loads from it.
  static constexpr int32_t kMaxStoredTabs = 100000;

  // Every member starts at zero; the host then calls InitProperties or ReadProperties, and sizes the
  // control. host and events must outlive the control; events may be null (no container listening).
  Vellumar(UserControl& host, VellumarEvents* events);
  ~Vellumar();
  Vellumar(const Vellumar&) = delete;
  Vellumar& operator=(const Vellumar&) = delete;

  // [SECTION] Lifecycle and host
  // A control newly placed on a form: tab 1 "Register" of width 60, and the default appearance.
  void InitProperties();
  // Throws HostError 7, naming the key, when bag claims more tabs than kMaxStoredTabs: ReadProperties
  // would skip the count and so every tab, and a host refuses such a load rather than lose them unseen.
  static void CheckLoadable(const PropertyBag& bag);
  // Restores the control from a bag; a failing step is skipped and reading goes on.
  void ReadProperties(const PropertyBag& bag);
  // Stores the control in a bag; the first failing write ends it with that error. A control of more than
  // kMaxStoredTabs tabs, which no load would read back, is refused with error 7 before anything is written.
  void WriteProperties(PropertyBag& bag);
  void Resize();     // repaint
  void Terminate();  // releases the tab records and the rectangle list
  void SetEvents(VellumarEvents* events) { events_ = events; }

  // [SECTION] Tab list. Indexed members throw HostError 9 outside 0 .. capacity. The pictures of all tab
  // records together stay within one form's picture limits (PictureBudget): AddTab and TabPicture refuse a
  // picture beyond them with error 7 and change nothing.
  int32_t NumberOfTabs() const;
  int32_t SelectedTab() const;
  void SetSelectedTab(int32_t NewSelectedTab);
  std::string TabCaption(int32_t Index);
  void SetTabCaption(int32_t Index, const std::string& NewTabCaption);
  int32_t TabWidth(int32_t Index);
  void SetTabWidth(int32_t Index, int32_t NewTabWidth);
  StdPictureRef TabPicture(int32_t Index);
  void SetTabPicture(int32_t Index, StdPictureRef NewTabPicture);
  // Arguments are written back: an empty caption becomes "Register", an icon becomes its converted bitmap.
  int32_t AddTab(int32_t& iTabWidth, std::string& sTabText, StdPictureRef& pTabPicture);
  int32_t AddTab();  // width 60, caption "Register", no picture
  void DeleteTab();

  // [SECTION] Appearance
  int32_t TabHeight() const;
  void SetTabHeight(int32_t NewTabHeight);
  OleColor BackColor() const;
  void SetBackColor(OleColor NewBackColor);
  OleColor ForeColor() const;
  void SetForeColor(OleColor NewForeColor);
  OleColor ForeColorActive() const;
  void SetForeColorActive(OleColor NewForeColorActive);
  OleColor BackColorForm() const;
  void SetBackColorForm(OleColor NewBackColorForm);
  OleColor MouseMoveColor0() const;
  void SetMouseMoveColor0(OleColor NewColor);
  OleColor MouseMoveColor1() const;
  void SetMouseMoveColor1(OleColor NewColor);
  OleColor MouseMoveColor2() const;
  void SetMouseMoveColor2(OleColor NewColor);
  OleColor RegisterFocusColor0() const;
  void SetRegisterFocusColor0(OleColor NewColor);
  OleColor RegisterFocusColor1() const;
  void SetRegisterFocusColor1(OleColor NewColor);
  OleColor RegisterFocusColor2() const;
  void SetRegisterFocusColor2(OleColor NewColor);
  OleColor FrameColor() const;
  void SetFrameColor(OleColor NewFrameColor);
  OleColor MaskColor() const;
  void SetMaskColor(OleColor NewMaskColor);
  OleColor ForeColorHot() const;
  void SetForeColorHot(OleColor NewForeColorHot);  // does not repaint
  int32_t Alignment() const;
  void SetAlignment(int32_t NewAlignment);
  VbBool FontBold() const;
  void SetFontBold(VbBool vNew);
  VbBool FontItalic() const;
  void SetFontItalic(VbBool vNew);
  VbBool FontStrikethru() const;
  void SetFontStrikethru(VbBool vNew);
  VbBool FontUnderline() const;
  void SetFontUnderline(VbBool vNew);
  float FontSize() const;
  void SetFontSize(float vNew);
  std::string FontName() const;
  void SetFontName(const std::string& vNew);
  StdFontRef Font();  // the surface font itself
  void SetFont(StdFontRef New_Font);
  const StdFontRef& AssignedFont() const { return mFont; }  // mFont: the object last assigned, or none

  // [SECTION] Painting
  void DrawTab();
  void DrawTabTop();
  void DrawTabBottom();
  void GetPictureSize(const StdPictureRef& pPicture, float& picX, float& picY);

  // Shows the about box through the host; any error while doing so is ignored.
  void ShowAboutBox();

  // [SECTION] Access keys
  void SetTabAccessKeys();
  int32_t GetTabAccessKey(int16_t& iKey);

  // [SECTION] Notifications from the host
  void MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void MouseUp(int16_t Button, int16_t Shift, float X, float Y);
  void KeyDown(int16_t& KeyCode, int16_t Shift);
  void GotFocus();
  void LostFocus();
  void AccessKeyPress(int16_t KeyAscii);

  // Read access to the painters' members for hosts, tests and persistence.
  const TabStripState& state() const { return s_; }
  // Write access for tests: the painter forgets what it knows of the state, and the next paint lays out and
  // draws everything.
  TabStripState& mutable_state() {
    painter_.Forget();
    return s_;
  }
  UserControl& host() { return host_; }

 private:
  cTabs& Reach(int32_t index);                           // record at index, error 9 outside the bounds
  void GrowTabList(int32_t count);                       // makes room for slots 0 .. count, never shrinking
  const StdPicture* RecordPicture(int32_t index) const;  // the picture of record index, null for none
  StdPictureRef ConvertIconToBitmap(const StdPictureRef& picture);
  void RaiseTabPressed();
  void AssignColor(OleColor& member, OleColor value, const char* name);
  void AddAccessKeyOf(int32_t index);  // appends the key of tab index's caption, if it has one
  bool HitsTab(int32_t index, const Point& point);
  bool HitsPage(const Point& point) const;
  void RaiseMouseEvent(void (VellumarEvents::*event)(int16_t&, int16_t&, float&, float&), int16_t Button,
                       int16_t Shift, float X, float Y);
  void Paint(const StripLayout& layout);

  UserControl& host_;
  VellumarEvents* events_;
  TabStripState s_;
  TabStripPainter painter_;   // paints s_, remembering the last paint to redraw only what changed
  HiddenPictureBox picTemp_;  // the hidden picture box that turns icons into bitmaps
  PictureBudget pictures_;    // the pictures of every tab record, deleted ones included
  // mAccessKeys is what SetTabAccessKeys gives for tabs 1 .. this count (-1: unknown). Code that writes
  // captions other than through TabCaption and AddTab must call SetTabAccessKeys afterwards.
  int32_t access_keys_cover_ = -1;
  StdFontRef mFont;       // the font object last assigned to Font
  float mFontSize = 0;    // FontSize in points
  std::string mFontName;  // FontName
  VbBool mFontStrikethru = kFalse;
  VbBool mFontUnderline = kFalse;
  VbBool mFontBold = kFalse;
  VbBool mFontItalic = kFalse;
};

}  // namespace vellumar
