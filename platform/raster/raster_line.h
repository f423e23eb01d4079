// The line rasteriser behind LineTo. Internal to the platform layer's raster code.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/raster_pixels.h"

namespace vellumar::raster {

// Draws the line from `from` towards `to` into target with the pixel value given, leaving `to` itself out,
// and paints only what lies inside bounds, the logical rectangle the target's device bounds enlarge.
//
// The one-pixel line lights, for every step t = 0 .. n-1 along the major axis (the longer of the two, x on a
// tie), the pixel nearest to the ideal line on the minor axis. A point lying exactly halfway between two
// pixels goes to the smaller coordinate, so a line and its reverse cover the same pixels apart from their
// end points.
//
// A pen of width w > 1 widens every pixel of that line into a run of w pixels across the major axis, from
// minor - w/2 to minor - w/2 + w - 1: a horizontal line from (x1, y) to (x2, y) covers the rows y - w/2 ..
// y - w/2 + w - 1 and the columns x1 .. x2 - 1, as a GDI pen of that width does. The ends are cut flat.
//
// Any 32-bit end points are accepted: the steps that can touch the bitmap are found before any is taken, so
// the work is bounded by the size of bounds, never by the line's length.
void DrawClippedLine(const ScaledTarget& target, const Rect& bounds, Point from, Point to, int32_t pen_width,
                     uint32_t value);

}  // namespace vellumar::raster
