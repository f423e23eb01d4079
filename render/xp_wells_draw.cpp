// Lines, pixels, text colour and text output through the device context.
#include "platform/drawing/text.h"
#include "render/xp_wells.h"

namespace vellumar {

void DrawLine(DeviceContext& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, ColorRef color,
              int32_t width) {
  const Pen previous = dc.SelectPen(Pen{kPsSolid, width, color});
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
  dc.SelectPen(previous);
}

void DrawPixel(DeviceContext& dc, int32_t x, int32_t y, ColorRef color) {
  dc.SetPixelV(x, y, color);
}

void SetDCTextColor(DeviceContext& dc, ColorRef color) {
  dc.SetTextColor(color);
}

void DrawTextInRect(DeviceContext& dc, std::string_view text, int32_t length, Rect& rect, uint32_t format) {
  DrawTextA(dc, text, length, rect, format);
}

void MeasureText(DeviceContext& dc, std::string_view text, int32_t length, Rect& rect) {
  DrawTextA(dc, text, length, rect, kDtCalcRect | kDtWordBreak);
}

}  // namespace vellumar
