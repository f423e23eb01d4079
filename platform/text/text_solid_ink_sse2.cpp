// PaintSolidRows with SSE2, which every x86-64 processor has.
#include "platform/text/text_solid_ink.h"

#if defined(VELLUMAR_TEXT_INK_SSE2)

#include <emmintrin.h>

#include <cstring>

namespace vellumar {
namespace {

// Four pixels whose coverage bytes ink holds, each doubled: 0 or all ones a pixel once doubled again.
void PaintFour(__m128i ink, uint32_t* at, __m128i ink_color) {
  ink = _mm_unpacklo_epi16(ink, ink);
  auto* four = reinterpret_cast<__m128i*>(at);
  const __m128i under = _mm_loadu_si128(four);
  _mm_storeu_si128(four, _mm_or_si128(_mm_andnot_si128(ink, under), _mm_and_si128(ink, ink_color)));
}

// Eight pixels a step, skipping eight untouched ones at once, as composed lines of text have gaps between
// their glyphs.
void PaintRow(uint32_t* pixels, const uint8_t* coverage, size_t span, uint32_t solid, __m128i ink_color) {
  size_t i = 0;
  for (; i + 8 <= span; i += 8) {
    uint64_t eight = 0;
    std::memcpy(&eight, coverage + i, sizeof eight);
    if (eight == 0) continue;
    __m128i ink = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(coverage + i));
    ink = _mm_unpacklo_epi8(ink, ink);
    PaintFour(ink, pixels + i, ink_color);
    PaintFour(_mm_unpackhi_epi64(ink, ink), pixels + i + 4, ink_color);
  }
  if (i + 4 <= span) {
    uint32_t four = 0;
    std::memcpy(&four, coverage + i, sizeof four);
    const __m128i ink = _mm_cvtsi32_si128(static_cast<int>(four));
    PaintFour(_mm_unpacklo_epi8(ink, ink), pixels + i, ink_color);
    i += 4;
  }
  portable::PaintSolidRun(pixels + i, coverage + i, span - i, solid);
}

}  // namespace

void PaintSolidRows(const InkRows& rows, uint32_t solid) {
  const __m128i ink_color = _mm_set1_epi32(static_cast<int>(solid));
  ForEachInkRow(rows, [solid, ink_color](uint32_t* pixels, const uint8_t* coverage, size_t span) {
    PaintRow(pixels, coverage, span, solid, ink_color);
  });
}

}  // namespace vellumar

#endif
