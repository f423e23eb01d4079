// FillRun on x86-64.
#include "platform/raster/raster_fill.h"

#if defined(VELLUMAR_RASTER_FILL_X86_64)

namespace vellumar::raster {
namespace {

// Below this many pixels the string store's start-up costs more than it saves.
constexpr size_t kStringStoreMinimum = 128;

}  // namespace

// Long runs use the processor's string store, which writes whole cache lines without reading them first and
// so keeps pace with memset.
void FillRun(uint32_t* pixels, size_t count, uint32_t value) {
  if (count < kStringStoreMinimum) {
    portable::FillRun(pixels, count, value);
    return;
  }
  __asm__ __volatile__("rep stosl" : "+D"(pixels), "+c"(count) : "a"(value) : "memory");
}

}  // namespace vellumar::raster

#endif
