// Glyph coverage that is all 0 or 255 (a monochrome rendering) painted on a colour bitmap: the text colour
// where the coverage is 255, what was there where it is 0. Callers use PaintSolidRows alone; the code behind
// it is chosen here, by the instruction sets the core is built for, and each variant lives in a file of its
// own (text_solid_ink_<instruction set>.cpp). Every variant stores exactly what the portable one stores.
// Internal to the platform layer's text code.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#define VELLUMAR_TEXT_INK_SSE2 1
#endif

namespace vellumar {

// count rows of span pixels each, stride pixels apart from pixels on, and the coverage byte of each pixel,
// coverage_stride bytes a row from coverage on.
struct InkRows {
  uint32_t* pixels = nullptr;
  size_t stride = 0;
  const uint8_t* coverage = nullptr;
  size_t coverage_stride = 0;
  size_t count = 0;
  size_t span = 0;
};

// Calls paint_row(pixels, coverage, span) for each of rows.
template <typename RowPainter>
void ForEachInkRow(const InkRows& rows, RowPainter paint_row) {
  uint32_t* pixels = rows.pixels;
  const uint8_t* coverage = rows.coverage;
  for (size_t row = 0; row < rows.count; ++row) {
    paint_row(pixels, coverage, rows.span);
    pixels += rows.stride;
    coverage += rows.coverage_stride;
  }
}

// Paints rows with the pixel value solid.
void PaintSolidRows(const InkRows& rows, uint32_t solid);

namespace portable {

// One row without a branch a pixel; inline, so that a variant finishing a row's last few pixels keeps it
// without a call.
inline void PaintSolidRun(uint32_t* pixels, const uint8_t* coverage, size_t count, uint32_t solid) {
  for (size_t i = 0; i < count; ++i) {
    const uint32_t ink = 0u - static_cast<uint32_t>(coverage[i] >> 7);
    pixels[i] = (pixels[i] & ~ink) | (solid & ink);
  }
}

void PaintSolidRows(const InkRows& rows, uint32_t solid);

}  // namespace portable
}  // namespace vellumar
