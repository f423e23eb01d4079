// Drawing in the coordinates of a tab strip along the top edge. The strip along the bottom edge is the same
// picture turned upside down: row y of the top layout lands on row H - 1 - y, columns stay. Both painters
// describe their shared pixels once, in top-layout coordinates, and a mirrored canvas turns them over.
// Coordinates are 64-bit so that sums of 32-bit values cannot overflow; they saturate to 32 bits only when
// they are handed to the drawing primitives, where anything past the 32-bit range lies off every bitmap.
#pragma once

#include <cstdint>

#include "platform/drawing/device_context.h"
#include "platform/geometry.h"
#include "platform/ole_color.h"

namespace vellumar {

// A rectangle in top-layout coordinates (right and bottom exclusive).
struct StripBox {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

// The colour a line, a single pixel or the caption text takes on the surface. Those primitives receive a
// member as stored, and a surface shows an RGB value as it is; a system-colour reference is shown as its
// current value, exactly as the fills show it, and a value that cannot be translated shows black, which is
// how colour shifting counts such a value too.
ColorRef SurfaceColor(OleColor color);

class TabStripCanvas {
 public:
  // height is the client height H; it is used only when mirrored.
  TabStripCanvas(DeviceContext& dc, bool mirrored, int32_t height)
      : dc_(dc), mirrored_(mirrored), height_(height) {}

  DeviceContext& dc() { return dc_; }

  // The device rectangle of a top-layout box, and back: the mirror is its own inverse.
  Rect ToDevice(const StripBox& box) const;
  StripBox FromDevice(const Rect& rect) const;

  // FillOrFrameRect on the box's device rectangle; color receives its RGB translation.
  void Fill(const StripBox& box, OleColor& color);
  void Frame(const StripBox& box, OleColor& color);
  // A one-pixel line from (x1, y1) towards (x2, y2), the end point left unpainted. Mirroring both end points
  // mirrors exactly the set of pixels painted, so the excluded end stays excluded.
  void Line(int64_t x1, int64_t y1, int64_t x2, int64_t y2, OleColor color);
  void Pixel(int64_t x, int64_t y, OleColor color);
  // The lines from (x1, top) towards (x1, bottom) and from (x2, top) towards (x2, bottom) in one colour, as
  // two Line calls paint them, in one pass down the rows; with top equal to bottom - 1 (or bottom + 1) the
  // two pixels of row top.
  void Columns(int64_t x1, int64_t x2, int64_t top, int64_t bottom, OleColor color);

 private:
  int64_t Row(int64_t y) const { return mirrored_ ? int64_t{height_} - 1 - y : y; }

  DeviceContext& dc_;
  bool mirrored_;
  int32_t height_;
};

}  // namespace vellumar
