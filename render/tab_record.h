// cTabs: the record of one tab. Plain public fields; the painters write TabLeft, TabTop and TabHeight.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/pictures/picture.h"

namespace vellumar {

class cTabs {
 public:
  std::string TabCaption;    // caption; "&" marks the access key
  int32_t TabLeft = 0;       // left edge of the head, written by the painters
  int32_t TabTop = 0;        // top edge of the head, written by the painters
  int32_t TabWidth = 0;      // width of the head in pixels, not validated
  int32_t TabHeight = 0;     // height of the head, written by the painters
  StdPictureRef TabPicture;  // picture drawn in the head, or none

  // The same reference as TabPicture, under the name the control hands pictures out and in by.
  const StdPictureRef& TabIcon() const { return TabPicture; }
  void SetTabIcon(StdPictureRef NewTabPicture) { TabPicture = std::move(NewTabPicture); }
};

using cTabsRef = std::shared_ptr<cTabs>;

}  // namespace vellumar
