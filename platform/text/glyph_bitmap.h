// A rendered glyph as coverage values, placed relative to the pen position on the baseline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vellumar {

struct GlyphBitmap {
  int32_t left = 0;    // columns from the pen position to the first column (negative: left of the pen)
  int32_t top = 0;     // rows from the first row down to the baseline (the row just above it counts 1)
  int32_t width = 0;   // columns
  int32_t height = 0;  // rows
  std::vector<uint8_t> coverage;  // width * height values row by row: 0 untouched, 255 fully text colour
  bool solid = false;             // every coverage value is 0 or 255 (a monochrome rendering)

  uint8_t At(int32_t x, int32_t y) const {
    return coverage[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
  bool empty() const { return width <= 0 || height <= 0; }
};

}  // namespace vellumar
