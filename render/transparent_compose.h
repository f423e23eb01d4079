// The per-pixel composition behind cImageManipulation: the result of the classic mask-and-buffer technique
// (copy the destination into a buffer, cut the opaque image pixels out of it through a monochrome mask,
// OR the image in, copy the buffer back) without allocating any of its three area-sized bitmaps.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/raster/bitmap.h"

namespace vellumar {

// Where the composed pixels come from, in source coordinates.
struct TransparentSource {
  const Bitmap* bitmap = nullptr;  // the image (not owned); null or empty reads as nothing there
  ColorRef zero_color = 0;         // what a monochrome 0 bit shows: the source context's text colour
  ColorRef one_color = 0xFFFFFF;   // what a monochrome 1 bit shows: the source context's background colour
  Rect backdrop;                   // outside bitmap but inside this area, pixels read as backdrop_color
  ColorRef backdrop_color = 0;
};

// The pixels one logical pixel covers in the destination and in the source, along each axis.
struct ComposeScale {
  int64_t dest = 1;
  int64_t source = 1;
};

// Composes the width x height area at (x_src, y_src) of source onto dest at (x_dest, y_dest), clipped to
// dest_bounds, a rectangle of dest's pixels within it. Positions and sizes are logical pixels; each
// destination pixel takes the source pixel at the same place of the logical pixel, so a source at a lower
// scale is enlarged by repeating its pixels. A source pixel equal to mask leaves dest as it was; any other
// replaces it. Source pixels outside both the bitmap and the backdrop read as black, as the freshly made
// buffer of the old technique did.
// A monochrome dest receives 1 for white and 0 for every other colour. Nothing is allocated; a null or
// empty dest, or a width or height of 0 or below, draws nothing.
void ComposeTransparent(Bitmap* dest, const Rect& dest_bounds, int32_t x_dest, int32_t y_dest, int32_t width,
                        int32_t height, const TransparentSource& source, int32_t x_src, int32_t y_src,
                        ColorRef mask, ComposeScale scale = {});

}  // namespace vellumar
