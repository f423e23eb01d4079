// mXPWells: the stateless drawing and geometry routines the painters, the picture painter and the mouse
// handlers rest on. Arguments the old routines took by reference and wrote back are references here too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing/device_context.h"
#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/raster/region.h"
#include "platform/vb_bool.h"
#include "platform/window_system.h"

namespace vellumar {

// Translates color (an untranslatable colour counts as black), adds offset to each channel, clamps each to
// 0..255, returns the channels through red, green, blue and the composed RGB value as result.
ColorRef ShiftColor(OleColor color, int32_t& red, int32_t& green, int32_t& blue, int32_t offset,
                    int32_t palette = 0);

// Banded gradient from color_from towards color_to, growing from rect's bottom edge upwards (horizontal 0)
// or from its right edge leftwards. size / T + 1 bands of T = max(1, size / 255) pixels; color_to itself is
// never painted. rect is left with zero height (or width). A size of 0 paints one band; a negative size
// paints nothing.
void DrawGradient(DeviceContext& dc, OleColor color_to, OleColor color_from, Rect& rect, int32_t size,
                  int32_t horizontal);
// The colours DrawGradient paints, one per band in the order it paints them; none for a negative size.
std::vector<ColorRef> GradientBands(OleColor color_to, OleColor color_from, int32_t size);
// DrawGradient with the colours GradientBands gave for the same size, for painters that paint one gradient
// many times.
void DrawGradientBands(DeviceContext& dc, const std::vector<ColorRef>& bands, Rect& rect, int32_t size,
                       int32_t horizontal);

// Replaces color by its translation (ShiftColor with offset 0), then fills rect (fill = kTrue) or draws its
// one-pixel outline (any other value).
void FillOrFrameRect(DeviceContext& dc, const Rect& rect, OleColor& color, VbBool fill);

// A solid line of the given pen width; the end point is not painted. color is used untranslated.
void DrawLine(DeviceContext& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, ColorRef color,
              int32_t width);
void DrawPixel(DeviceContext& dc, int32_t x, int32_t y, ColorRef color);
Rect GetClientRectOf(WindowSystem& windows, WindowHandle window);
void SetDCTextColor(DeviceContext& dc, ColorRef color);

// DrawTextA with the caller's format (the painters pass centre + vcentre + word break).
void DrawTextInRect(DeviceContext& dc, std::string_view text, int32_t length, Rect& rect, uint32_t format);
// Word-broken measurement: rect's bottom becomes the last line's bottom, its right the widest line's end.
void MeasureText(DeviceContext& dc, std::string_view text, int32_t length, Rect& rect);

void CopyRectangle(Rect& dest, const Rect& source);
void OffsetRectangle(Rect& rect, int32_t dx, int32_t dy);
// The strip of height pixels directly below rect: (left, bottom, right, bottom + height).
Region CreateStripRegion(const Rect& rect, int32_t height);
// Inflates the caller's rect itself and returns a copy of it.
Rect InflateRectangle(Rect& rect, int32_t dx, int32_t dy);
// Inflates a copy (left, top, right, bottom + extra - 2) of rect and returns it; rect is unchanged.
Rect InflateExtendedRect(const Rect& rect, int32_t dx, int32_t dy, int32_t extra);
void ClearRect(Rect& rect);

// kTrue when the window under the pointer is window itself (a child window over it does not count).
VbBool IsCursorOverWindow(WindowSystem& windows, WindowHandle window);
// Takes the capture while the pointer is over window and releases it once it is not; returns whether over.
VbBool TrackMouseCapture(WindowSystem& windows, WindowHandle window);

// The lower-cased access-key character of a caption ("&Datei" gives "d"), or "" when it has none.
std::string GetAccessKeyChar(std::string_view caption);

}  // namespace vellumar
