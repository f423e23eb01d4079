#include "platform/raster/raster_fill.h"

namespace vellumar::raster {

#if !defined(VELLUMAR_RASTER_FILL_X86_64)
void FillRun(uint32_t* pixels, size_t count, uint32_t value) {
  portable::FillRun(pixels, count, value);
}
#endif

}  // namespace vellumar::raster
