#include "render/tab_strip_canvas.h"

#include "platform/vb_bool.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

constexpr int32_t kPenWidth = 1;

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
  DrawLine(dc_, SaturateToInt32(x1), SaturateToInt32(Row(y1)), SaturateToInt32(x2), SaturateToInt32(Row(y2)),
           SurfaceColor(color), kPenWidth);
}

void TabStripCanvas::Pixel(int64_t x, int64_t y, OleColor color) {
  DrawPixel(dc_, SaturateToInt32(x), SaturateToInt32(Row(y)), SurfaceColor(color));
}

}  // namespace vellumar
