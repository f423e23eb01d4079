#include "platform/text/text_solid_ink.h"

namespace vellumar {

void portable::PaintSolidRows(const InkRows& rows, uint32_t solid) {
  ForEachInkRow(rows, [solid](uint32_t* pixels, const uint8_t* coverage, size_t span) {
    PaintSolidRun(pixels, coverage, span, solid);
  });
}

#if !defined(VELLUMAR_TEXT_INK_SSE2)
void PaintSolidRows(const InkRows& rows, uint32_t solid) {
  portable::PaintSolidRows(rows, solid);
}
#endif

}  // namespace vellumar
