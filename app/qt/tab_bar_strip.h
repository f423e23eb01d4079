// A tab bar's strip painted whole, as the control paints its own: the heads in the control's order, with its
// memory of the last paint, so that a hover or a new selection redraws only the heads that change. It covers
// a bar whose tabs stand where the control would put them (along the top or the bottom, not scrolled, none
// being dragged); for any other the style paints the bar head by head.
#pragma once

#include <QtGui/QRegion>
#include <memory>

#include "app/qt/tab_look.h"

class QTabBar;
class QPainter;

namespace vellumar {

class TabBarStrip {
 public:
  TabBarStrip();
  ~TabBarStrip();
  TabBarStrip(const TabBarStrip&) = delete;
  TabBarStrip& operator=(const TabBarStrip&) = delete;

  // Paints area of bar in look, with hovered the tab the bar last saw the pointer over (-1: none). False when
  // the bar's tabs are not where the control would put them or look in ways its strip cannot show: then only
  // the strip's background is painted, and the style paints the heads one by one over it.
  bool Paint(const QTabBar& bar, const TabLook& look, QPainter& painter, const QRegion& area, int hovered);
  // Drops what the last paint left, for a change the bar cannot see in its tabs (a new look).
  void Forget();

 private:
  struct Memory;
  std::unique_ptr<Memory> memory_;
};

}  // namespace vellumar
