#include "control/headless_host.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "app/headless/script_output.h"
#include "control/vellumar.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

int ErrorNumberOf(const std::function<void()>& action, std::string* message = nullptr) {
  try {
    action();
  } catch (const HostError& error) {
    if (message != nullptr) *message = error.what();
    return error.number();
  }
  return 0;
}

TEST(HeadlessHost, RefusesSurfacesItCannotHoldAndKeepsTheOldOne) {
  HeadlessHost host;
  host.Resize(40, 30);
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  struct Case {
    int32_t width, height;
    std::string message;
  };
  const Case cases[] = {
      {kMax, kMax, "surface of 2147483647 x 2147483647 pixels is larger than the host can hold"},
      {-1, 10, "surface of -1 x 10 pixels has a negative side"},
      {10, std::numeric_limits<int32_t>::min(), "surface of 10 x -2147483648 pixels has a negative side"},
      {8193, 8192, "surface of 8193 x 8192 pixels is larger than the host can hold"},
  };
  for (const Case& c : cases) {
    std::string message;
    EXPECT_EQ(ErrorNumberOf([&] { host.Resize(c.width, c.height); }, &message), kErrOutOfMemory);
    EXPECT_EQ(message, "Out of memory: " + c.message);
    EXPECT_EQ(host.width(), 40);
    EXPECT_EQ(host.image().height(), 30);
  }
  host.Resize(0, 0);
  EXPECT_TRUE(host.image().empty());
  EXPECT_EQ(host.GetClientRect(HeadlessHost::kWindow), (Rect{0, 0, 0, 0}));
}

TEST(HeadlessHost, ClsClearsToTheTranslatedBackColor) {
  HeadlessHost host;
  host.Resize(3, 2);
  struct Case {
    OleColor back;
    ColorRef expected;
  };
  const Case cases[] = {
      {0x00E3DFE0, 0x00E3DFE0},
      {0x80000000 | kColorButtonFace, GetSysColor(kColorButtonFace)},
      {0x800000FF, 0},  // a system colour the table lacks
      {0x12345678, 0},  // no OLE colour at all
  };
  for (const Case& c : cases) {
    host.SetBackColor(c.back);
    host.Cls();
    EXPECT_EQ(host.BackColor(), c.back);
    for (uint32_t pixel : host.image().pixels()) EXPECT_EQ(pixel, c.expected) << std::hex << c.back;
  }
}

TEST(HeadlessHost, PlaysTheWindowSystemFromWhatItIsTold) {
  HeadlessHost host;
  host.Resize(100, 50);
  EXPECT_EQ(host.WindowFromPoint({0, 0}), HeadlessHost::kWindow);
  EXPECT_EQ(host.WindowFromPoint({99, 49}), HeadlessHost::kWindow);
  EXPECT_EQ(host.WindowFromPoint({100, 10}), 0u);
  EXPECT_EQ(host.WindowFromPoint({10, -1}), 0u);
  EXPECT_EQ(host.GetClientRect(HeadlessHost::kWindow), (Rect{0, 0, 100, 50}));
  EXPECT_EQ(host.GetClientRect(2), Rect{});

  Point position;
  host.SetCursor({12, 7});
  ASSERT_TRUE(host.GetCursorPos(position));
  EXPECT_EQ(position, (Point{12, 7}));
  host.SetCursorOut();
  ASSERT_TRUE(host.GetCursorPos(position));
  EXPECT_EQ(host.WindowFromPoint(position), 0u);

  EXPECT_EQ(host.GetCapture(), 0u);
  host.SetCapture(HeadlessHost::kWindow);
  EXPECT_EQ(host.GetCapture(), HeadlessHost::kWindow);
  host.ReleaseCapture();
  EXPECT_EQ(host.capture(), 0u);
}

TEST(HeadlessHost, ScalesHimetricAt96DpiAndKeepsAFontSelected) {
  HeadlessHost host;
  EXPECT_FLOAT_EQ(host.ScaleX(2540), 96);
  EXPECT_FLOAT_EQ(host.ScaleY(423), 423 * 96 / 2540.0f);
  ASSERT_NE(host.Font(), nullptr);
  EXPECT_EQ(host.hDC().font(), host.Font());

  const StdFontRef ambient = host.AmbientFont();
  EXPECT_EQ(ambient->Name(), "MS Sans Serif");
  EXPECT_EQ(ambient->Size(), 8);
  EXPECT_NE(host.AmbientFont(), ambient);  // the container's font is not handed out to be changed

  host.SetFont(ambient);
  EXPECT_EQ(host.hDC().font(), ambient);
  host.SetFont(nullptr);
  ASSERT_NE(host.Font(), nullptr);
  EXPECT_EQ(host.hDC().font(), host.Font());
}

TEST(HeadlessHost, ReportsChangesAndEventsToItsListener) {
  HeadlessHost host;
  std::vector<std::string> lines;
  host.SetListener([&lines](const HostNotice& notice) { lines.push_back(FormatNotice(notice)); });
  host.PropertyChanged("TabHeight");
  int16_t previous = 3;
  host.TabPressed(previous);
  int16_t button = 2, shift = 1;
  float x = 1.25f, y = -4;
  host.MouseUp(button, shift, x, y);
  EXPECT_EQ(lines, (std::vector<std::string>{"changed TabHeight", "event TabPressed PreviousTab=3",
                                             "event MouseUp Button=2 Shift=1 X=1.25 Y=-4"}));
}

TEST(HeadlessHost, ResizeRepaintsTheControlAndRefreshOnlyCounts) {
  HeadlessHost host;
  Vellumar control(host, &host);
  host.Attach(&control);
  control.InitProperties();
  const int64_t before = host.refresh_count();
  host.Resize(0, 0);  // an empty surface paints without harm
  host.Resize(200, 100);
  EXPECT_EQ(host.refresh_count(), before + 2);
  EXPECT_EQ(host.image().Pixel(100, 60), 0x00E3DFE0u);  // the page inside, cleared to BackColor
  EXPECT_EQ(control.state().mPageRect, (Rect{0, 22, 200, 100}));
  host.Attach(nullptr);
}

}  // namespace
}  // namespace vellumar
