// Controls for page tests: a new control (InitProperties) on a headless host of 300 x 200 pixels, and the
// fake services the pages talk to.
#pragma once

#include <memory>
#include <vector>

#include "control/headless_host.h"
#include "control/vellumar.h"
#include "pages/page_services.h"
#include "qt_test_app.h"
#include "test_doubles.h"

namespace vellumar::testing {

struct PageTestControl {
  PageTestControl() {
    host.Attach(&control);
    control.InitProperties();
    host.Resize(300, 200);
  }
  ~PageTestControl() { host.Attach(nullptr); }
  PageTestControl(const PageTestControl&) = delete;
  PageTestControl& operator=(const PageTestControl&) = delete;

  HeadlessHost host;
  Vellumar control{host, &host};
};

struct FakeServices {
  RecordingMessageBox messages;
  ScriptedFileDialog files;
  ScriptedColorDialog colors;
  RecordingUrlOpener urls;
  int about_shown = 0;

  PageServices services() {
    return PageServices{messages, files, colors, urls, [this](QWidget*) { ++about_shown; }};
  }
};

}  // namespace vellumar::testing
