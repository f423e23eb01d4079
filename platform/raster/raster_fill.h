// The run fill that every raster fill ends in. Callers use FillRun alone; the code behind it is chosen here,
// by the processor the core is built for, and each processor's variant lives in a file of its own
// (raster_fill_<processor>.cpp). Every variant stores exactly what the portable fill stores.
// Internal to the platform layer's raster code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELLUMAR_RASTER_FILL_X86_64 1
#endif

namespace vellumar::raster {

// Stores value into count pixels from pixels on.
void FillRun(uint32_t* pixels, size_t count, uint32_t value);

namespace portable {

// Two pixels a store, eight a step: gcc's -O2 loop for std::fill_n stores one pixel at a time, at half the
// speed. Inline, so that a variant which only speeds up long runs keeps this loop for the short ones (the
// rows of a tab body, a bar of text) without a call.
inline void FillRun(uint32_t* pixels, size_t count, uint32_t value) {
  const uint64_t two = (uint64_t{value} << 32) | value;
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::memcpy(pixels + i, &two, sizeof two);
    std::memcpy(pixels + i + 2, &two, sizeof two);
    std::memcpy(pixels + i + 4, &two, sizeof two);
    std::memcpy(pixels + i + 6, &two, sizeof two);
  }
  for (; i + 2 <= count; i += 2) std::memcpy(pixels + i, &two, sizeof two);
  if (i < count) pixels[i] = value;
}

}  // namespace portable
}  // namespace vellumar::raster
