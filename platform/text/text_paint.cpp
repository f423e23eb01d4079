#include "platform/text/text_paint.h"

#include <algorithm>

#include "platform/raster/raster_pixels.h"
#include "platform/text/text_solid_ink.h"

namespace vellumar {
namespace {

constexpr int kOpaque = 255;
constexpr int kMonoThreshold = 128;

int BlendChannel(int under, int over, int alpha) {
  return under + (over - under) * alpha / kOpaque;
}

uint32_t Blend(uint32_t under, ColorRef over, int alpha) {
  return Rgb(BlendChannel(RedOf(under), RedOf(over), alpha),
             BlendChannel(GreenOf(under), GreenOf(over), alpha),
             BlendChannel(BlueOf(under), BlueOf(over), alpha));
}

// The span [from, to) cut to [low, high), as offsets; empty when from >= to afterwards.
struct Span {
  int64_t from;
  int64_t to;
};
Span Cut(int64_t from, int64_t to, int64_t low, int64_t high) {
  return {std::max(from, low), std::min(to, high)};
}

// One row of a glyph on a monochrome bitmap: coverage of half or more sets the pixel.
void PaintMonoRow(uint32_t* pixels, const uint8_t* coverage, size_t span, uint32_t solid) {
  for (size_t i = 0; i < span; ++i) {
    if (coverage[i] >= kMonoThreshold) pixels[i] = solid;
  }
}

// One row of a glyph on a colour bitmap; most coverage values are 0 or 255, which need no blending.
void PaintColorRow(uint32_t* pixels, const uint8_t* coverage, size_t span, uint32_t solid) {
  for (size_t i = 0; i < span; ++i) {
    const int alpha = coverage[i];
    if (alpha == 0) continue;
    pixels[i] = alpha == kOpaque ? solid : Blend(pixels[i], solid, alpha);
  }
}

template <typename RowPainter>
void PaintRows(const InkRows& rows, RowPainter paint_row, uint32_t solid) {
  ForEachInkRow(rows, [&](uint32_t* pixels, const uint8_t* coverage, size_t span) {
    paint_row(pixels, coverage, span, solid);
  });
}

}  // namespace

// The rows are walked by pointer: the clip lies inside the bitmap and the cut spans inside the glyph.
void PaintGlyph(const TextInk& ink, int64_t x, int64_t y, const GlyphBitmap& glyph) {
  if (ink.bitmap == nullptr || glyph.empty()) return;
  const Span columns = Cut(x, x + glyph.width, ink.clip.left, ink.clip.right);
  const Span rows = Cut(y, y + glyph.height, ink.clip.top, ink.clip.bottom);
  if (columns.from >= columns.to || rows.from >= rows.to) return;
  const uint32_t solid = raster::PixelValue(ink.bitmap->format(), ink.color);
  const auto coverage_stride = static_cast<size_t>(glyph.width);
  const InkRows ink_rows{
      ink.bitmap->Row(static_cast<int32_t>(rows.from)) + columns.from,
      static_cast<size_t>(ink.bitmap->width()),
      glyph.coverage.data() + static_cast<size_t>(rows.from - y) * coverage_stride +
          static_cast<size_t>(columns.from - x),
      coverage_stride,
      static_cast<size_t>(rows.to - rows.from),
      static_cast<size_t>(columns.to - columns.from),
  };
  if (ink.bitmap->format() != PixelFormat::kColor32) {
    PaintRows(ink_rows, PaintMonoRow, solid);
  } else if (glyph.solid) {
    PaintSolidRows(ink_rows, solid);
  } else {
    PaintRows(ink_rows, PaintColorRow, solid);
  }
}

void PaintBar(const TextInk& ink, int64_t left, int64_t top, int64_t right, int64_t bottom) {
  if (ink.bitmap == nullptr) return;
  const Span columns = Cut(left, right, ink.clip.left, ink.clip.right);
  const Span rows = Cut(top, bottom, ink.clip.top, ink.clip.bottom);
  if (columns.from >= columns.to || rows.from >= rows.to) return;
  const uint32_t value = raster::PixelValue(ink.bitmap->format(), ink.color);
  for (int64_t row = rows.from; row < rows.to; ++row) {
    uint32_t* pixels = ink.bitmap->Row(static_cast<int32_t>(row));
    std::fill(pixels + columns.from, pixels + columns.to, value);
  }
}

}  // namespace vellumar
