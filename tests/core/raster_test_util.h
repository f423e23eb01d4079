// Helpers shared by the raster tests: bitmaps drawn as rows of characters.
#pragma once

#include <string>
#include <vector>

#include "platform/raster/bitmap.h"

namespace vellumar::testing {

// One string per row: '.' for a pixel holding 0, '#' for any other value.
inline std::vector<std::string> Picture(const Bitmap& bitmap) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < bitmap.width(); ++x) row += bitmap.Pixel(x, y) == 0 ? '.' : '#';
    rows.push_back(row);
  }
  return rows;
}

using Rows = std::vector<std::string>;

}  // namespace vellumar::testing
