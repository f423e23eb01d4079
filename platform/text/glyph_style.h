// The style changes GDI applies to glyphs when the font itself lacks them: integer magnification of bitmap
// strikes, synthetic bold and synthetic italic. Each returns a new bitmap and leaves its argument alone.
#pragma once

#include <cstdint>

#include "platform/text/glyph_bitmap.h"

namespace vellumar {

// Each pixel becomes a factor x factor block; the placement scales with it. factor is 1 or more.
GlyphBitmap MagnifyGlyph(const GlyphBitmap& glyph, int32_t factor);

// Overstrikes the glyph strength more times, each one pixel further right (GDI's simulated bold); the bitmap
// grows by strength columns. The caller widens the advance by the same amount.
GlyphBitmap EmboldenGlyph(const GlyphBitmap& glyph, int32_t strength);

// Shears the glyph to the right, rows above the baseline moving right and rows below it left, by about a
// fifth of their height (a 12 degree slant). The advance stays as it was.
GlyphBitmap SlantGlyph(const GlyphBitmap& glyph);

// The glyph cut to the rows and columns that hold coverage, placed where they were, and marked solid when
// its coverage is all 0 or 255. Strike fonts store whole character cells, mostly empty, and every pixel of
// a bitmap costs time each time it is drawn.
GlyphBitmap TrimGlyph(const GlyphBitmap& glyph);

}  // namespace vellumar
