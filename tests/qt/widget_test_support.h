// What the widget and designer tests share: small helpers for driving a control in a VellumarWidget.
#pragma once

#include <initializer_list>
#include <string>

#include "control/vellumar.h"
#include "platform/raster/bitmap.h"
#include "qt_test_app.h"

namespace vellumar::testing {

// Appends a tab with the given caption and width 60.
inline void AddCaptionedTab(Vellumar& control, const std::string& caption) {
  int32_t width = 60;
  std::string text = caption;
  StdPictureRef picture;
  control.AddTab(width, text, picture);
}

// A new control's one tab and the tabs added after it, with these captions (at least one), each 60 pixels
// wide; tab 1 selected.
inline void SetCaptions(Vellumar& control, std::initializer_list<std::string> captions) {
  while (control.NumberOfTabs() > 1) control.DeleteTab();
  auto caption = captions.begin();
  control.SetTabCaption(1, *caption);
  for (++caption; caption != captions.end(); ++caption) AddCaptionedTab(control, *caption);
  control.SetSelectedTab(1);
}

}  // namespace vellumar::testing
