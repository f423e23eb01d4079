#include "platform/text_paint.h"

#include <algorithm>

namespace vellumar {
namespace {

constexpr uint32_t kColorBits = 0x00FFFFFF;
constexpr int kOpaque = 255;
constexpr int kMonoThreshold = 128;

// As the raster code stores colours: colour bitmaps keep the low 24 bits (an untranslated system-colour
// reference draws as its low bits, as on a true-colour GDI surface); monochrome ones take white when the
// channels average at least 128.
uint32_t PixelValueOf(PixelFormat format, ColorRef color) {
  if (format == PixelFormat::kColor32) return color & kColorBits;
  return (RedOf(color) + GreenOf(color) + BlueOf(color)) >= 3 * kMonoThreshold ? 1u : 0u;
}

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

}  // namespace

void PaintGlyph(const TextInk& ink, int64_t x, int64_t y, const GlyphBitmap& glyph) {
  if (ink.bitmap == nullptr || glyph.empty()) return;
  const Span columns = Cut(x, x + glyph.width, ink.clip.left, ink.clip.right);
  const Span rows = Cut(y, y + glyph.height, ink.clip.top, ink.clip.bottom);
  if (columns.from >= columns.to || rows.from >= rows.to) return;
  const bool mono = ink.bitmap->format() != PixelFormat::kColor32;
  const uint32_t solid = PixelValueOf(ink.bitmap->format(), ink.color);
  const auto span = static_cast<size_t>(columns.to - columns.from);
  for (int64_t row = rows.from; row < rows.to; ++row) {
    uint32_t* pixels = ink.bitmap->Row(static_cast<int32_t>(row)) + columns.from;
    const uint8_t* coverage =
        &glyph.coverage[static_cast<size_t>(row - y) * static_cast<size_t>(glyph.width) +
                        static_cast<size_t>(columns.from - x)];
    if (mono) {
      for (size_t i = 0; i < span; ++i) {
        if (coverage[i] >= kMonoThreshold) pixels[i] = solid;
      }
      continue;
    }
    for (size_t i = 0; i < span; ++i) {
      const int alpha = coverage[i];
      if (alpha == kOpaque) {
        pixels[i] = solid;
      } else if (alpha != 0) {
        pixels[i] = Blend(pixels[i], solid, alpha);
      }
    }
  }
}

void PaintBar(const TextInk& ink, int64_t left, int64_t top, int64_t right, int64_t bottom) {
  if (ink.bitmap == nullptr) return;
  const Span columns = Cut(left, right, ink.clip.left, ink.clip.right);
  const Span rows = Cut(top, bottom, ink.clip.top, ink.clip.bottom);
  if (columns.from >= columns.to || rows.from >= rows.to) return;
  const uint32_t value = PixelValueOf(ink.bitmap->format(), ink.color);
  for (int64_t row = rows.from; row < rows.to; ++row) {
    uint32_t* pixels = ink.bitmap->Row(static_cast<int32_t>(row));
    std::fill(pixels + columns.from, pixels + columns.to, value);
  }
}

}  // namespace vellumar
