// The pictures that stand for the widgets in Designer's widget box.
#pragma once

#include <QtGui/QIcon>

namespace vellumar {

// Three tab heads over a page, the middle one selected, in the control's default colours.
QIcon StripPluginIcon();
// The same heads over a page that holds a field and a check box: a container of pages.
QIcon TabWidgetPluginIcon();

}  // namespace vellumar
