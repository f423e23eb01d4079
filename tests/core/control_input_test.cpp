// Mouse, keyboard and focus: hit tests against the painted rectangles, hot-tracking with its repaints,
// selection by mouse and arrow keys, the events in order, and hostile coordinates.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fake_host.h"
#include "platform/errors/host_error.h"

namespace vellumar::testing {
namespace {

using Strings = std::vector<std::string>;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Three tabs of width 60 on top, tab 1 selected: after the paint the heads are (0, 0, 64, 24) (tab 1,
// enlarged), (64, 2, 124, 22) and (126, 2, 186, 22); the page is (0, 22, 300, 200).
struct ThreeTabs : TestControl {
  ThreeTabs() {
    control.AddTab();
    control.AddTab();
    control.SetSelectedTab(1);
    host.ClearLog();
  }
};

struct PressCase {
  float x;
  float y;
  int32_t selected;  // the tab the press selects, 0 for none
};

TEST(ControlInput, PressHitTestsWithExclusiveEdgesAndHalfEvenRounding) {
  const PressCase cases[] = {
      {10, 10, 1},     {63, 23, 1},        {64, 10, 2},         {123, 21, 2},   {124, 10, 0},
      {125, 10, 0},    {70, 22, 0},        {70, 1, 0},          {126, 2, 3},    {185, 21, 3},
      {186, 21, 0},    {250, 10, 0},       {63.5f, 10, 2},      {64.5f, 10, 2}, {123.5f, 10, 0},
      {122.5f, 10, 2}, {70, 21.5f, 0},     {70, 20.5f, 2},      {-0.5f, 10, 1}, {kNaN, 10, 0},
      {10, kNaN, 0},   {kInfinity, 10, 0}, {-kInfinity, 10, 0}, {3e9f, 10, 0},  {-3e9f, 10, 0},
      {10, 3e9f, 0},
  };
  for (const PressCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y);
    ThreeTabs t;
    t.control.MouseDown(1, 0, c.x, c.y);
    if (c.selected == 0) {
      EXPECT_EQ(t.host.log.size(), 1u);  // only the MouseDown event
    } else {
      EXPECT_EQ(t.host.log.front(), "TabPressed 1");  // a press on the selected tab 1 selects it again
    }
    EXPECT_EQ(t.control.SelectedTab(), c.selected == 0 ? 1 : c.selected);
  }
}

TEST(ControlInput, PressRaisesMouseDownOnceAfterTheSelection) {
  ThreeTabs t;
  t.control.MouseDown(2, 1, 70.25f, 10.75f);
  EXPECT_EQ(t.host.Trace(),
            (Strings{"TabPressed 1", "changed SelectedTab", "paint", "MouseDown 2 1 70.25 10.75"}));
  t.host.ClearLog();
  t.control.MouseDown(1, 0, 250, 100);
  EXPECT_EQ(t.host.Trace(), Strings{"MouseDown 1 0 250 100"});
  t.host.ClearLog();
  t.control.MouseDown(1, 0, 70, 10);  // the selected tab again
  EXPECT_EQ(t.host.Trace(), (Strings{"TabPressed 2", "changed SelectedTab", "paint", "MouseDown 1 0 70 10"}));
  t.host.ClearLog();
  t.control.MouseUp(4, 2, 1.5f, -3);
  EXPECT_EQ(t.host.Trace(), Strings{"MouseUp 4 2 1.5 -3"});
}

TEST(ControlInput, OverlappingHeadsAreSelectedInTurn) {
  ThreeTabs t;
  // A negative width lays tab 3 out over tab 1: (2, 2, 62, 22) and (36, 2, 96, 22).
  t.control.SetTabWidth(2, -30);
  t.control.SetSelectedTab(2);
  t.host.ClearLog();
  t.control.MouseDown(1, 0, 40, 10);
  EXPECT_EQ(t.host.Trace(), (Strings{"TabPressed 2", "changed SelectedTab", "paint", "TabPressed 1",
                                     "changed SelectedTab", "paint", "MouseDown 1 0 40 10"}));
  EXPECT_EQ(t.control.SelectedTab(), 3);
}

TEST(ControlInput, PressScanStopsAtTheEndOfAListThatShrank) {
  ThreeTabs t;
  bool deleted = false;
  t.events.on_tab_pressed = [&](int16_t&) {
    if (deleted) return;
    deleted = true;
    t.control.DeleteTab();
    t.control.DeleteTab();
  };
  t.control.MouseDown(1, 0, 70, 10);
  EXPECT_EQ(t.control.NumberOfTabs(), 1);
  EXPECT_EQ(t.control.SelectedTab(), 1);
  EXPECT_EQ(t.host.log.back(), "MouseDown 1 0 70 10");
}

TEST(ControlInput, PressWithAHandlerThatTerminatesReportsTheFailedRepaint) {
  ThreeTabs t;
  t.events.on_tab_pressed = [&](int16_t&) { t.control.Terminate(); };
  try {
    t.control.MouseDown(1, 0, 70, 10);
    FAIL() << "no error";
  } catch (const HostError& error) {
    EXPECT_EQ(error.number(), 9);
  }
}

TEST(ControlInput, NoTabs) {
  TestControl t(false);
  t.control.Resize();
  t.host.ClearLog();
  t.control.MouseDown(1, 0, 10, 10);
  EXPECT_TRUE(t.host.Trace().empty());  // nothing selected, no event
  t.host.ClearLog();
  t.control.MouseMove(0, 0, 10, 10);
  EXPECT_EQ(t.host.Trace(), (Strings{"MouseIn 0 0 10 10", "paint"}));
  EXPECT_EQ(t.control.state().mMouseInPage, kTrue);
}

struct MoveStep {
  const char* name;
  float x;
  float y;
  bool over;  // the pointer is over the control's window
  Strings trace;
  int32_t hot;
};

TEST(ControlInput, HoverSequence) {
  const MoveStep steps[] = {
      {"onto tab 2", 70, 10, true, {"MouseIn 0 0 70 10", "paint"}, 2},
      {"within tab 2", 80, 12, true, {"MouseIn 0 0 80 12"}, 2},
      {"empty strip right of the tabs", 250, 10, true, {"MouseIn 0 0 250 10"}, 2},
      {"into the page", 250, 100, true, {"MouseIn 0 0 250 100", "paint"}, 0},
      {"within the page", 240, 120, true, {"MouseIn 0 0 240 120"}, 0},
      {"onto tab 3", 130, 10, true, {"MouseIn 0 0 130 10", "paint"}, 3},
      {"onto the selected tab", 10, 10, true, {"MouseIn 0 0 10 10", "paint"}, 1},
      {"back into the page", 100, 150, true, {"MouseIn 0 0 100 150", "paint"}, 0},
      {"out of the window", 400, 150, false, {"MouseOut 0 0 400 150", "paint"}, 0},
      {"back onto tab 2", 70, 10, true, {"MouseIn 0 0 70 10", "paint"}, 2},
  };
  ThreeTabs t;
  for (const MoveStep& step : steps) {
    SCOPED_TRACE(step.name);
    t.host.ClearLog();
    t.host.windows.pointer_over_control = step.over;
    t.control.MouseMove(0, 0, step.x, step.y);
    EXPECT_EQ(t.host.Trace(), step.trace);
    EXPECT_EQ(t.control.state().mHotTab, step.hot);
  }
  // The capture is taken on entering, kept while over the control, given up on leaving, taken again.
  EXPECT_EQ(t.host.windows.set_capture_calls, 2);
  EXPECT_EQ(t.host.windows.release_capture_calls, 1);
  EXPECT_EQ(t.host.windows.capture, kControlWindow);
}

TEST(ControlInput, HostileMoveCoordinatesHitNothing) {
  ThreeTabs t;
  for (float x : {kNaN, kInfinity, -kInfinity, 3e38f, -3e38f}) {
    t.host.ClearLog();
    t.control.MouseMove(0, 0, x, 10);
    EXPECT_EQ(t.host.refresh_count, 0);
    EXPECT_EQ(t.control.state().mHotTab, 0);
  }
}

struct StripProbe {
  int32_t x;
  int32_t y;
  bool hit;
};

TEST(ControlInput, BottomAlignmentTestsTheStripBelowTheRectangle) {
  const StripProbe probes[] = {
      {10, 200, true},  {69, 221, true}, {40, 210, true},  {70, 200, false},
      {10, 222, false}, {9, 210, false}, {10, 199, false},
  };
  for (int32_t alignment : {1, 2, -7}) {
    for (const StripProbe& p : probes) {
      SCOPED_TRACE(::testing::Message() << alignment << ": " << p.x << ", " << p.y);
      TestControl t;
      t.control.SetAlignment(alignment);
      TabStripState& s = t.control.mutable_state();
      s.mTabRects.assign(2, Rect{});
      s.mTabRects[1] = Rect{10, 200, 70, 200};
      s.mTabHeight = 22;
      s.mPageRect = Rect{};
      t.control.MouseMove(0, 0, static_cast<float>(p.x), static_cast<float>(p.y));
      EXPECT_EQ(t.control.state().mHotTab, p.hit ? 1 : 0);
    }
  }
}

TEST(ControlInput, BottomAlignmentPaintedHeads) {
  ThreeTabs t;
  t.control.SetAlignment(reg_Bottom);
  // Tab 2's head is (64, 178, 124, 178); its strip (64, 178, 124, 200) is the head itself.
  t.control.MouseDown(1, 0, 70, 190);
  EXPECT_EQ(t.control.SelectedTab(), 2);
  // The selected head's strip lies below the client area: a press on it selects nothing.
  t.host.ClearLog();
  t.control.MouseDown(1, 0, 70, 190);
  EXPECT_EQ(t.host.Trace(), Strings{"MouseDown 1 0 70 190"});
}

struct KeyCase {
  int32_t start;
  int16_t key;
  Strings trace;
  int32_t selected;
};

TEST(ControlInput, ArrowKeysMoveTheSelectionWithoutWrapping) {
  const Strings kNothing;
  const KeyCase cases[] = {
      {1, 37, {"TabPressed 1", "changed SelectedTab", "paint"}, 1},
      {1, 38, {"TabPressed 1", "changed SelectedTab", "paint"}, 1},
      {2, 37, {"TabPressed 2", "changed SelectedTab", "paint"}, 1},
      {2, 38, {"TabPressed 2", "changed SelectedTab", "paint"}, 1},
      {3, 39, {"TabPressed 3", "changed SelectedTab", "paint"}, 3},
      {3, 40, {"TabPressed 3", "changed SelectedTab", "paint"}, 3},
      {2, 39, {"TabPressed 2", "changed SelectedTab", "paint"}, 3},
      {1, 40, {"TabPressed 1", "changed SelectedTab", "paint"}, 2},
      {2, 13, kNothing, 2},
      {2, 41, kNothing, 2},
      {2, 36, kNothing, 2},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.start << " key " << c.key);
    ThreeTabs t;
    t.control.SetSelectedTab(c.start);
    t.host.ClearLog();
    int16_t key = c.key;
    t.control.KeyDown(key, 1);
    EXPECT_EQ(key, c.key);
    EXPECT_EQ(t.host.Trace(), c.trace);
    EXPECT_EQ(t.control.SelectedTab(), c.selected);
  }
}

TEST(ControlInput, ArrowKeysAtTheIntegerLimits) {
  ThreeTabs t;
  t.control.SetSelectedTab(std::numeric_limits<int32_t>::min());
  int16_t left = 37;
  t.control.KeyDown(left, 0);
  EXPECT_EQ(t.control.SelectedTab(), std::numeric_limits<int32_t>::min());
}

TEST(ControlInput, FocusChangesRepaintOnce) {
  ThreeTabs t;
  t.control.GotFocus();
  EXPECT_EQ(t.control.state().mHasFocus, kTrue);
  EXPECT_EQ(t.host.Trace(), Strings{"paint"});
  t.host.ClearLog();
  t.control.LostFocus();
  EXPECT_EQ(t.control.state().mHasFocus, kFalse);
  EXPECT_EQ(t.host.Trace(), Strings{"paint"});
}

}  // namespace
}  // namespace vellumar::testing
