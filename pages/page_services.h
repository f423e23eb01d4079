// What the pages need of their host beyond the controls: message boxes, the open-file dialog, the colour
// dialog, opening addresses and showing the about box. The Qt host passes QtPageServices; tests pass fakes.
#pragma once

#include <functional>

#include "pages/color_dialog.h"
#include "pages/common_dialog.h"
#include "pages/message_box.h"
#include "pages/url_opener.h"

class QWidget;

namespace vellumar {

struct PageServices {
  MessageBoxService& messages;
  FileDialogService& files;
  ColorDialogService& colors;
  UrlOpener& urls;
  // Shows the about box modally over parent; its errors reach the caller.
  std::function<void(QWidget* parent)> show_about;
};

// The Qt implementations of every service, owned together.
class QtPageServices {
 public:
  QtPageServices() = default;
  QtPageServices(const QtPageServices&) = delete;
  QtPageServices& operator=(const QtPageServices&) = delete;

  // Valid as long as this object lives.
  PageServices services();

 private:
  QtMessageBox messages_;
  QtFileDialog files_;
  QtColorDialog colors_;
  QtUrlOpener urls_;
};

}  // namespace vellumar
