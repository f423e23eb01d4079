#include "platform/text_paint.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/raster_pixels.h"

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

// One row of a solid glyph on a colour bitmap, without a branch a pixel: the text colour where the coverage
// is 255, what was there where it is 0. Eight pixels at a time where SSE2 is there (every x86-64 has it),
// skipping eight untouched ones at once, as composed lines of text have gaps between their glyphs.
void PaintSolidRow(uint32_t* pixels, const uint8_t* coverage, size_t span, uint32_t solid) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i ink_color = _mm_set1_epi32(static_cast<int>(solid));
  const auto paint_four = [&](__m128i ink, uint32_t* at) {
    ink = _mm_unpacklo_epi16(ink, ink);  // each coverage byte spread over its pixel: 0 or all ones
    auto* four = reinterpret_cast<__m128i*>(at);
    const __m128i under = _mm_loadu_si128(four);
    _mm_storeu_si128(four, _mm_or_si128(_mm_andnot_si128(ink, under), _mm_and_si128(ink, ink_color)));
  };
  for (; i + 8 <= span; i += 8) {
    uint64_t eight = 0;
    std::memcpy(&eight, coverage + i, sizeof eight);
    if (eight == 0) continue;
    __m128i ink = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(coverage + i));
    ink = _mm_unpacklo_epi8(ink, ink);
    paint_four(ink, pixels + i);
    paint_four(_mm_unpackhi_epi64(ink, ink), pixels + i + 4);
  }
  if (i + 4 <= span) {
    uint32_t four = 0;
    std::memcpy(&four, coverage + i, sizeof four);
    const __m128i ink = _mm_cvtsi32_si128(static_cast<int>(four));
    paint_four(_mm_unpacklo_epi8(ink, ink), pixels + i);
    i += 4;
  }
#endif
  for (; i < span; ++i) {
    const uint32_t ink = 0u - static_cast<uint32_t>(coverage[i] >> 7);
    pixels[i] = (pixels[i] & ~ink) | (solid & ink);
  }
}

template <typename RowPainter>
void PaintRows(RowPainter paint_row, uint32_t* pixels, size_t stride, const uint8_t* coverage,
               size_t coverage_stride, size_t row_count, size_t span, uint32_t solid) {
  for (size_t row = 0; row < row_count; ++row) {
    paint_row(pixels, coverage, span, solid);
    pixels += stride;
    coverage += coverage_stride;
  }
}

}  // namespace

// The rows are walked by pointer: the clip lies inside the bitmap and the cut spans inside the glyph.
void PaintGlyph(const TextInk& ink, int64_t x, int64_t y, const GlyphBitmap& glyph) {
  if (ink.bitmap == nullptr || glyph.empty()) return;
  const Span columns = Cut(x, x + glyph.width, ink.clip.left, ink.clip.right);
  const Span rows = Cut(y, y + glyph.height, ink.clip.top, ink.clip.bottom);
  if (columns.from >= columns.to || rows.from >= rows.to) return;
  const uint32_t solid = raster::PixelValue(ink.bitmap->format(), ink.color);
  const auto span = static_cast<size_t>(columns.to - columns.from);
  const auto stride = static_cast<size_t>(ink.bitmap->width());
  const auto coverage_stride = static_cast<size_t>(glyph.width);
  uint32_t* pixels = ink.bitmap->Row(static_cast<int32_t>(rows.from)) + columns.from;
  const uint8_t* coverage = glyph.coverage.data() + static_cast<size_t>(rows.from - y) * coverage_stride +
                            static_cast<size_t>(columns.from - x);
  const auto row_count = static_cast<size_t>(rows.to - rows.from);
  if (ink.bitmap->format() != PixelFormat::kColor32) {
    PaintRows(PaintMonoRow, pixels, stride, coverage, coverage_stride, row_count, span, solid);
  } else if (glyph.solid) {
    PaintRows(PaintSolidRow, pixels, stride, coverage, coverage_stride, row_count, span, solid);
  } else {
    PaintRows(PaintColorRow, pixels, stride, coverage, coverage_stride, row_count, span, solid);
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
