// Rectangle helpers, hit-test regions, lines, text measurement and mouse-capture tracking.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <utility>

#include "platform/drawing/text.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

TEST(StripRegionTest, CoversTheStripBelowTheRectangle) {
  const Region region = CreateStripRegion(Rect{10, 0, 70, 3}, 22);
  EXPECT_EQ(region.rect(), (Rect{10, 3, 70, 25}));
  EXPECT_TRUE(PtInRegion(region, 10, 3));
  EXPECT_TRUE(PtInRegion(region, 69, 24));
  EXPECT_FALSE(PtInRegion(region, 10, 2));
  EXPECT_FALSE(PtInRegion(region, 70, 10));
  EXPECT_FALSE(PtInRegion(region, 30, 25));
  EXPECT_FALSE(PtInRegion(region, 9, 10));

  EXPECT_EQ(CreateStripRegion(Rect{0, 0, 5, INT32_MAX - 3}, 22).rect().bottom, INT32_MAX);
  EXPECT_FALSE(PtInRegion(CreateStripRegion(Rect{0, 0, 5, 5}, -3), 1, 3));
}

TEST(RectangleHelpersTest, InflateRectangleChangesItsArgumentAndExtendedDoesNot) {
  Rect rect{10, 20, 30, 40};
  const Rect inflated = InflateRectangle(rect, 2, 3);
  EXPECT_EQ(rect, (Rect{8, 17, 32, 43}));
  EXPECT_EQ(inflated, rect);

  const Rect original{10, 20, 30, 40};
  const Rect extended = InflateExtendedRect(original, 2, 3, 5);
  EXPECT_EQ(extended, (Rect{8, 17, 32, 46}));
  EXPECT_EQ(original, (Rect{10, 20, 30, 40}));
}

TEST(RectangleHelpersTest, ArithmeticSaturates) {
  Rect rect{INT32_MIN + 1, 5, INT32_MAX - 1, -5};
  InflateRectangle(rect, 10, INT32_MIN);
  EXPECT_EQ(rect, (Rect{INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}));

  EXPECT_EQ(InflateExtendedRect(Rect{0, 0, 1, INT32_MAX}, 0, 0, INT32_MAX).bottom, INT32_MAX);
  EXPECT_EQ(InflateExtendedRect(Rect{0, 0, 1, INT32_MIN}, 0, 0, INT32_MIN).bottom, INT32_MIN);
  EXPECT_EQ(InflateExtendedRect(Rect{0, 0, 1, INT32_MIN + 1}, 0, 0, 1).bottom, INT32_MIN);

  Rect moved{0, 0, 10, 10};
  OffsetRectangle(moved, INT32_MAX, INT32_MIN);
  EXPECT_EQ(moved, (Rect{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN + 10}));

  Rect copy;
  CopyRectangle(copy, Rect{1, 2, 3, 4});
  EXPECT_EQ(copy, (Rect{1, 2, 3, 4}));
  ClearRect(copy);
  EXPECT_EQ(copy, Rect{});
}

TEST(DrawLineTest, DrawsWithItsOwnPenAndRestoresThePrevious) {
  Bitmap bitmap(8, 4);
  DeviceContext dc(&bitmap);
  const Pen previous{kPsSolid, 3, Rgb(1, 2, 3)};
  dc.SelectPen(previous);
  dc.MoveTo(7, 3);
  DrawLine(dc, 1, 1, 6, 1, Rgb(255, 0, 0), 1);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(bitmap.Pixel(x, 1), Rgb(255, 0, 0)) << x;
  EXPECT_EQ(bitmap.Pixel(6, 1), 0u);
  EXPECT_EQ(bitmap.Pixel(0, 1), 0u);
  EXPECT_EQ(bitmap.Pixel(3, 0), 0u);
  EXPECT_EQ(dc.pen().width, previous.width);
  EXPECT_EQ(dc.pen().color, previous.color);
  EXPECT_EQ(dc.CurrentPosition(), (Point{6, 1}));
}

TEST(MeasureTextTest, IsWordBrokenCalcRect) {
  Bitmap bitmap(100, 50);
  DeviceContext dc(&bitmap);
  const std::string_view text = "Fish && Chips and more words";
  Rect measured{0, 0, 40, 0};
  MeasureText(dc, text, -1, measured);
  Rect expected{0, 0, 40, 0};
  DrawTextA(dc, text, -1, expected, kDtCalcRect | kDtWordBreak);
  EXPECT_EQ(measured, expected);
  EXPECT_GT(measured.bottom, LineHeight(dc));
  for (uint32_t pixel : bitmap.pixels()) EXPECT_EQ(pixel, 0u);
}

// A window system whose pointer and window layout the test sets, counting capture calls.
class FakeWindowSystem : public WindowSystem {
 public:
  bool GetCursorPos(Point& position) override {
    if (!cursor_readable) return false;
    position = cursor;
    return true;
  }
  WindowHandle WindowFromPoint(Point position) override {
    const auto it = windows.find({position.x, position.y});
    return it == windows.end() ? 0 : it->second;
  }
  Rect GetClientRect(WindowHandle window) override {
    return window == kControl ? Rect{0, 0, 300, 200} : Rect{};
  }
  WindowHandle GetCapture() override { return capture; }
  void SetCapture(WindowHandle window) override {
    ++set_calls;
    capture = window;
  }
  void ReleaseCapture() override {
    ++release_calls;
    capture = 0;
  }

  static constexpr WindowHandle kControl = 100;
  static constexpr WindowHandle kChild = 101;
  static constexpr WindowHandle kOther = 102;

  Point cursor;
  bool cursor_readable = true;
  std::map<std::pair<int32_t, int32_t>, WindowHandle> windows = {
      {{10, 10}, kControl}, {{20, 20}, kChild}, {{30, 30}, kOther}};
  WindowHandle capture = 0;
  int set_calls = 0;
  int release_calls = 0;
};

TEST(MouseCaptureTest, HeldExactlyWhileThePointerIsOverTheWindow) {
  FakeWindowSystem ws;
  const WindowHandle control = FakeWindowSystem::kControl;
  EXPECT_EQ(GetClientRectOf(ws, control), (Rect{0, 0, 300, 200}));

  ws.cursor = {10, 10};
  EXPECT_EQ(IsCursorOverWindow(ws, control), kTrue);
  EXPECT_EQ(TrackMouseCapture(ws, control), kTrue);
  EXPECT_EQ(TrackMouseCapture(ws, control), kTrue);
  EXPECT_EQ(ws.set_calls, 1);
  EXPECT_EQ(ws.capture, control);

  ws.cursor = {20, 20};  // a child window lies over the control here
  EXPECT_EQ(IsCursorOverWindow(ws, control), kFalse);
  EXPECT_EQ(TrackMouseCapture(ws, control), kFalse);
  EXPECT_EQ(TrackMouseCapture(ws, control), kFalse);
  EXPECT_EQ(ws.release_calls, 1);
  EXPECT_EQ(ws.capture, 0u);
}

TEST(MouseCaptureTest, LeavesAnotherWindowsCaptureAlone) {
  FakeWindowSystem ws;
  ws.capture = FakeWindowSystem::kOther;
  ws.cursor = {30, 30};
  EXPECT_EQ(TrackMouseCapture(ws, FakeWindowSystem::kControl), kFalse);
  EXPECT_EQ(ws.release_calls, 0);
  EXPECT_EQ(ws.capture, FakeWindowSystem::kOther);
}

TEST(MouseCaptureTest, UnreadablePointerOrNoWindowCountsAsNotOver) {
  FakeWindowSystem ws;
  ws.cursor = {10, 10};
  ws.cursor_readable = false;
  EXPECT_EQ(IsCursorOverWindow(ws, FakeWindowSystem::kControl), kFalse);

  ws.cursor_readable = true;
  ws.cursor = {50, 50};  // nothing there: WindowFromPoint gives 0
  EXPECT_EQ(IsCursorOverWindow(ws, 0), kFalse);
  EXPECT_EQ(TrackMouseCapture(ws, 0), kFalse);
  EXPECT_EQ(ws.set_calls + ws.release_calls, 0);
}

}  // namespace
}  // namespace vellumar
