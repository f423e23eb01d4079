#include "render/tab_strip_canvas.h"

#include <algorithm>
#include <limits>

#include "platform/vb_bool.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

constexpr int32_t kPenWidth = 1;

struct Span {
  int32_t from = 0;
  int32_t to = 0;  // exclusive
};

// The pixels a one-pixel line covers along one axis from a towards b, b itself left out; a single pixel
// across the line's direction when a equals b.
Span RunOf(int32_t a, int32_t b) {
  if (b > a) return Span{a, b};
  if (b < a) return Span{SaturateToInt32(int64_t{b} + 1), SaturateToInt32(int64_t{a} + 1)};
  return Span{a, SaturateToInt32(int64_t{a} + 1)};
}

}  // namespace

ColorRef SurfaceColor(OleColor color) {
  ColorRef rgb = 0;
  OleTranslateColor(color, rgb);
  return rgb;
}

Rect TabStripCanvas::ToDevice(const StripBox& box) const {
  if (!mirrored_) {
    return Rect{SaturateToInt32(box.left), SaturateToInt32(box.top), SaturateToInt32(box.right),
                SaturateToInt32(box.bottom)};
  }
  return Rect{SaturateToInt32(box.left), SaturateToInt32(int64_t{height_} - box.bottom),
              SaturateToInt32(box.right), SaturateToInt32(int64_t{height_} - box.top)};
}

StripBox TabStripCanvas::FromDevice(const Rect& rect) const {
  if (!mirrored_) return StripBox{rect.left, rect.top, rect.right, rect.bottom};
  return StripBox{rect.left, int64_t{height_} - rect.bottom, rect.right, int64_t{height_} - rect.top};
}

void TabStripCanvas::Fill(const StripBox& box, OleColor& color) {
  FillOrFrameRect(dc_, ToDevice(box), color, kTrue);
}

void TabStripCanvas::Frame(const StripBox& box, OleColor& color) {
  FillOrFrameRect(dc_, ToDevice(box), color, kFalse);
}

void TabStripCanvas::Line(int64_t x1, int64_t y1, int64_t x2, int64_t y2, OleColor color) {
  const int32_t dx1 = SaturateToInt32(x1);
  const int32_t dy1 = SaturateToInt32(Row(y1));
  const int32_t dx2 = SaturateToInt32(x2);
  const int32_t dy2 = SaturateToInt32(Row(y2));
  if (dx1 != dx2 && dy1 != dy2) {
    DrawLine(dc_, dx1, dy1, dx2, dy2, SurfaceColor(color), kPenWidth);
    return;
  }
  if (dx1 == dx2 && dy1 == dy2) return;
  // Every line of the strip runs along a row or a column: the one-pixel line is the run of pixels from its
  // start towards its end point, without the end point, which one fill paints with less work.
  const Span columns = RunOf(dx1, dx2);
  const Span rows = RunOf(dy1, dy2);
  dc_.FillRect(Rect{columns.from, rows.from, columns.to, rows.to}, SurfaceColor(color));
}

void TabStripCanvas::Columns(int64_t x1, int64_t x2, int64_t top, int64_t bottom, OleColor color) {
  const int32_t near = SaturateToInt32(std::min(x1, x2));
  const int32_t far = SaturateToInt32(std::max(x1, x2));
  const int32_t dy1 = SaturateToInt32(Row(top));
  const int32_t dy2 = SaturateToInt32(Row(bottom));
  if (dy1 == dy2) return;
  const Span rows = RunOf(dy1, dy2);
  // Line paints nothing in a column at the 32-bit limit, as its run there is empty.
  constexpr int32_t kLast = std::numeric_limits<int32_t>::max();
  if (near == kLast) return;
  const int32_t right = far == kLast ? near + 1 : far + 1;
  dc_.FrameSides(Rect{near, rows.from, right, rows.to}, SurfaceColor(color));
}

void TabStripCanvas::Pixel(int64_t x, int64_t y, OleColor color) {
  DrawPixel(dc_, SaturateToInt32(x), SaturateToInt32(Row(y)), SurfaceColor(color));
}

}  // namespace vellumar
