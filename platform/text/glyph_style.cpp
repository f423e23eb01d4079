#include "platform/text/glyph_style.h"

#include <algorithm>
#include <cstddef>

namespace vellumar {
namespace {

// tan(12 degrees) ~ 13 / 64.
constexpr int64_t kSlantNumerator = 13;
constexpr int64_t kSlantDenominator = 64;

GlyphBitmap BlankLike(const GlyphBitmap& glyph, int32_t width, int32_t height) {
  GlyphBitmap out;
  out.left = glyph.left;
  out.top = glyph.top;
  out.width = width;
  out.height = height;
  out.coverage.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  return out;
}

uint8_t& CoverageAt(GlyphBitmap& glyph, int32_t x, int32_t y) {
  return glyph.coverage[static_cast<size_t>(y) * static_cast<size_t>(glyph.width) + static_cast<size_t>(x)];
}

int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// How far row y of the glyph moves right under the slant.
int32_t SlantShift(const GlyphBitmap& glyph, int32_t y) {
  const int64_t height_above_baseline = int64_t{glyph.top} - 1 - y;
  return static_cast<int32_t>(FloorDiv(height_above_baseline * kSlantNumerator, kSlantDenominator));
}

// row[x] becomes the larger of row[x] and row[x - shift], both as they were before the call.
void SpreadRight(uint8_t* row, int32_t width, int64_t shift) {
  for (int64_t x = int64_t{width} - 1; x >= shift; --x) row[x] = std::max(row[x], row[x - shift]);
}

}  // namespace

GlyphBitmap MagnifyGlyph(const GlyphBitmap& glyph, int32_t factor) {
  if (factor <= 1 || glyph.empty()) return glyph;
  GlyphBitmap out = BlankLike(glyph, glyph.width * factor, glyph.height * factor);
  out.left = glyph.left * factor;
  out.top = glyph.top * factor;
  for (int32_t y = 0; y < out.height; ++y) {
    for (int32_t x = 0; x < out.width; ++x) CoverageAt(out, x, y) = glyph.At(x / factor, y / factor);
  }
  return out;
}

// Each output pixel is the largest of the strength + 1 input pixels ending at it. The window grows by
// doubling, so a row costs its width times log(strength) rather than times strength: outline fonts near
// the largest size and magnified raster fonts reach strengths of 40 and more.
GlyphBitmap EmboldenGlyph(const GlyphBitmap& glyph, int32_t strength) {
  if (strength <= 0 || glyph.empty()) return glyph;
  GlyphBitmap out = BlankLike(glyph, glyph.width + strength, glyph.height);
  const int64_t window = int64_t{strength} + 1;
  for (int32_t y = 0; y < glyph.height; ++y) {
    uint8_t* row = &CoverageAt(out, 0, y);
    std::copy_n(&glyph.coverage[static_cast<size_t>(y) * static_cast<size_t>(glyph.width)], glyph.width, row);
    int64_t covered = 1;  // the window each value of row spans so far
    for (; covered * 2 <= window; covered *= 2) SpreadRight(row, out.width, covered);
    if (covered < window) SpreadRight(row, out.width, window - covered);
  }
  return out;
}

GlyphBitmap SlantGlyph(const GlyphBitmap& glyph) {
  if (glyph.empty()) return glyph;
  const int32_t max_shift = std::max(SlantShift(glyph, 0), SlantShift(glyph, glyph.height - 1));
  const int32_t min_shift = std::min(SlantShift(glyph, 0), SlantShift(glyph, glyph.height - 1));
  GlyphBitmap out = BlankLike(glyph, glyph.width + max_shift - min_shift, glyph.height);
  out.left = glyph.left + min_shift;
  for (int32_t y = 0; y < glyph.height; ++y) {
    const int32_t offset = SlantShift(glyph, y) - min_shift;
    for (int32_t x = 0; x < glyph.width; ++x) CoverageAt(out, x + offset, y) = glyph.At(x, y);
  }
  return out;
}

GlyphBitmap TrimGlyph(const GlyphBitmap& glyph) {
  int32_t left = glyph.width;
  int32_t right = 0;
  int32_t top = glyph.height;
  int32_t bottom = 0;
  for (int32_t y = 0; y < glyph.height; ++y) {
    for (int32_t x = 0; x < glyph.width; ++x) {
      if (glyph.At(x, y) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x + 1);
      top = std::min(top, y);
      bottom = std::max(bottom, y + 1);
    }
  }
  if (left >= right) return GlyphBitmap{glyph.left, glyph.top, 0, 0, {}, true};
  GlyphBitmap out{glyph.left + left, glyph.top - top, right - left, bottom - top, {}, false};
  out.coverage.reserve(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
  for (int32_t y = top; y < bottom; ++y) {
    const auto row = glyph.coverage.begin() + static_cast<ptrdiff_t>(y) * glyph.width;
    out.coverage.insert(out.coverage.end(), row + left, row + right);
  }
  out.solid =
      std::all_of(out.coverage.begin(), out.coverage.end(), [](uint8_t c) { return c == 0 || c == 255; });
  return out;
}

}  // namespace vellumar
