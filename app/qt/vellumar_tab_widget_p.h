// The data of a VellumarTabWidget, kept out of its public header so that it can change without breaking
// programs built against the library.
#pragma once

#include "app/qt/vellumar_tab_bar.h"
#include "app/qt/vellumar_tab_widget.h"

namespace vellumar {

struct [[gnu::visibility("hidden")]] VellumarTabWidget::Private {
  VellumarTabBar* bar;  // a child of the widget
};

}  // namespace vellumar
