// Mouse, keyboard, focus and access-key notifications: hit tests against the rectangles of the last paint,
// hot-tracking, selection and the container's events.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "control/vellumar.h"
#include "platform/raster/region.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

constexpr int16_t kKeyLeft = 37;
constexpr int16_t kKeyUp = 38;
constexpr int16_t kKeyRight = 39;
constexpr int16_t kKeyDown = 40;

// A client coordinate rounded to the nearest integer, halves to even, and saturated to 32 bits.
int32_t RoundCoordinate(float value) {
  const double rounded = std::nearbyint(static_cast<double>(value));
  if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(rounded);
}

// The pointer as hit tests see it; none for a NaN coordinate, which lies on nothing.
std::optional<Point> HitPoint(float x, float y) {
  if (std::isnan(x) || std::isnan(y)) return std::nullopt;
  return Point{RoundCoordinate(x), RoundCoordinate(y)};
}

}  // namespace

bool Vellumar::HitsTab(int32_t index, const Point& point) {
  // Tabs beyond the list or beyond the rectangles of the last paint are on no spot.
  if (index < 1 || index > s_.mNumberOfTabs) return false;
  if (static_cast<size_t>(index) >= s_.mTabRects.size()) return false;
  const Rect& rect = s_.mTabRects[static_cast<size_t>(index)];
  const Region region =
      Alignment() == reg_Top ? CreateRectRgnIndirect(rect) : CreateStripRegion(rect, s_.mTabHeight);
  return PtInRegion(region, point.x, point.y);
}

bool Vellumar::HitsPage(const Point& point) const {
  return PtInRegion(CreateRectRgnIndirect(s_.mPageRect), point.x, point.y);
}

void Vellumar::RaiseMouseEvent(void (VellumarEvents::*event)(int16_t&, int16_t&, float&, float&),
                               int16_t Button, int16_t Shift, float X, float Y) {
  if (events_ != nullptr) (events_->*event)(Button, Shift, X, Y);
}

void Vellumar::MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
  // The count is taken once; handlers may shrink the list meanwhile, and the scan stops at its new end.
  const int32_t count = s_.mNumberOfTabs;
  if (const std::optional<Point> point = HitPoint(X, Y)) {
    for (int64_t i = 1; i <= count; ++i) {
      const auto index = static_cast<int32_t>(i);
      if (index > s_.mNumberOfTabs || static_cast<size_t>(index) >= s_.mTabRects.size()) break;
      if (!HitsTab(index, *point)) continue;
      s_.mSelectedTab = index;
      SetSelectedTab(index);
    }
  }
  // One MouseDown per press rather than one per missed tab; a control without tabs raises none.
  if (count > 0) RaiseMouseEvent(&VellumarEvents::MouseDown, Button, Shift, X, Y);
}

void Vellumar::MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
  if (TrackMouseCapture(host_.Windows(), host_.hWnd()) != kTrue) {
    RaiseMouseEvent(&VellumarEvents::MouseOut, Button, Shift, X, Y);
    s_.mHotTab = 0;
    DrawTab();
    return;
  }
  RaiseMouseEvent(&VellumarEvents::MouseIn, Button, Shift, X, Y);
  const std::optional<Point> point = HitPoint(X, Y);
  if (!point) return;
  if (HitsPage(*point)) {
    s_.mHotTab = 0;
    if (s_.mMouseInPage == kFalse) {
      DrawTab();
      s_.mMouseInPage = kTrue;
      return;
    }
  }
  bool repaint = false;
  for (int64_t i = 1; i <= s_.mNumberOfTabs; ++i) {
    const auto index = static_cast<int32_t>(i);
    if (static_cast<size_t>(index) >= s_.mTabRects.size()) break;
    if (HitsTab(index, *point) && index != s_.mHotTab) {
      s_.mMouseInPage = kFalse;
      s_.mHotTab = index;
      repaint = true;
    }
  }
  if (repaint) DrawTab();
}

void Vellumar::MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
  RaiseMouseEvent(&VellumarEvents::MouseUp, Button, Shift, X, Y);
}

void Vellumar::KeyDown(int16_t& KeyCode, [[maybe_unused]] int16_t Shift) {
  const int32_t selected = s_.mSelectedTab;
  if (KeyCode == kKeyLeft || KeyCode == kKeyUp) {
    SetSelectedTab(selected == 1 ? 1 : SaturatingSub(selected, 1));
  } else if (KeyCode == kKeyRight || KeyCode == kKeyDown) {
    SetSelectedTab(selected == s_.mNumberOfTabs ? s_.mNumberOfTabs : SaturatingAdd(selected, 1));
  }
}

void Vellumar::GotFocus() {
  s_.mHasFocus = kTrue;
  DrawTab();
}

void Vellumar::LostFocus() {
  s_.mHasFocus = kFalse;
  DrawTab();
}

void Vellumar::AccessKeyPress(int16_t KeyAscii) {
  SetSelectedTab(GetTabAccessKey(KeyAscii));
}

}  // namespace vellumar
