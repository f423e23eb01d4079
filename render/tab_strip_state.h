// The members of the control that the tab-strip painters read and write, under the control's own names.
// The control object owns one of these; the painters take it by reference.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/vb_bool.h"
#include "render/image_manipulation.h"
#include "render/tab_record.h"

namespace vellumar {

enum eTabAlignment : int32_t { reg_Top = 0, reg_Bottom = 1 };

struct TabStripState {
  std::optional<cImageManipulation> mImageManipulation;  // picture painter, alive during one paint
  int32_t mAlignment = 0;               // Alignment (any value; 0/2/3 top, 1 bottom, else nothing painted)
  int32_t mSelectedTab = 0;             // selected tab, 1-based; 0 is painted as 1
  int32_t mHotTab = 0;                  // tab under the mouse, 0 = none
  VbBool mMouseInPage = kFalse;         // pointer seen over the page and hover cleared
  VbBool mHasFocus = kFalse;            // control has the focus: the focus band is drawn
  std::string mAccessKeys;              // access-key characters of all tabs in tab order
  std::vector<int32_t> mAccessKeyTabs;  // the tab number each character of mAccessKeys came from
  int16_t mPreviousTab = 0;             // PreviousTab of the next TabPressed
  int32_t mTabHeight = 0;               // TabHeight: height of the strip in pixels
  OleColor mBackColor = 0;
  OleColor mBackColorForm = 0;
  OleColor mForeColor = 0;
  OleColor mForeColorActive = 0;
  OleColor mForeColorHot = 0;
  OleColor mFrameColor = 0;
  OleColor mMaskColor = 0;
  OleColor mMouseMoveColor0 = 0;
  OleColor mMouseMoveColor1 = 0;
  OleColor mMouseMoveColor2 = 0;
  OleColor mRegisterFocusColor0 = 0;
  OleColor mRegisterFocusColor1 = 0;
  OleColor mRegisterFocusColor2 = 0;
  int32_t mNumberOfTabs = 0;    // number of tabs
  std::vector<cTabsRef> mTabs;  // slot 0 unused; size - 1 is the capacity; empty slots are null
  std::vector<Rect> mTabRects;  // head rectangle per tab (index 0 unused), written by the painters
  Rect mPageRect;               // page area, written by the painters

  // Record i, creating it when the slot is empty. The caller guarantees 0 <= i < mTabs.size().
  cTabs& Record(int32_t i) {
    auto& slot = mTabs[static_cast<size_t>(i)];
    if (!slot) slot = std::make_shared<cTabs>();
    return *slot;
  }
  // Creates record i where its slot is empty, for a paint that reaches the record without reading it; the
  // caller guarantees 0 <= i < mTabs.size().
  void EnsureRecord(int32_t i) { static_cast<void>(Record(i)); }
  // The capacity: the highest index a record may live at (-1 when the list was never allocated).
  int32_t Capacity() const { return static_cast<int32_t>(mTabs.size()) - 1; }
};

}  // namespace vellumar
