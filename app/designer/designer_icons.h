// Toolbar and menu icons of the designer that the style does not offer.
#pragma once

#include <QtGui/QIcon>

namespace vellumar {

// A tiny tab strip (two heads over a page), for adding a control.
QIcon TabStripIcon();
// A green triangle, for the run mode.
QIcon RunModeIcon();
// A set square and pencil stand-in: a grid with a selection frame, for the design mode.
QIcon DesignModeIcon();

}  // namespace vellumar
