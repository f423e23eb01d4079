// The pixel writes of text output: glyph coverage in the text colour and solid underline and strikeout bars,
// each clipped to a rectangle that the caller has already cut down to the bitmap.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/raster/bitmap.h"
#include "platform/text/glyph_bitmap.h"

namespace vellumar {

struct TextInk {
  Bitmap* bitmap = nullptr;
  Rect clip;           // inside the bitmap
  ColorRef color = 0;  // the context's text colour
};

// Draws glyph with its first column at x and first row at y; partial coverage blends with what is there
// (on a monochrome bitmap coverage of half or more sets the pixel).
void PaintGlyph(const TextInk& ink, int64_t x, int64_t y, const GlyphBitmap& glyph);

// Fills [left, right) x [top, bottom) in the text colour.
void PaintBar(const TextInk& ink, int64_t left, int64_t top, int64_t right, int64_t bottom);

}  // namespace vellumar
