// The processor-specific code behind the raster's plain entry points, against the portable code it stands
// in for: on seeded random runs, rows, alignments and contents, both must leave every pixel the same, the
// pixels around the run included. Where the core is built without a variant, the entry point is the portable
// code and the comparison holds trivially.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/raster/raster_fill.h"
#include "platform/text/text_solid_ink.h"

namespace vellumar {
namespace {

// A length that crosses the variants' thresholds often: mostly short, now and then long.
size_t RandomLength(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0:
      return rng() % 16;
    case 1:
      return 100 + rng() % 60;
    case 2:
      return rng() % 2000;
    default:
      return rng() % 300;
  }
}

std::vector<uint32_t> RandomPixels(std::mt19937& rng, size_t count) {
  std::vector<uint32_t> pixels(count);
  for (uint32_t& pixel : pixels) pixel = rng();
  return pixels;
}

TEST(FastPaths, FillRunStoresWhatThePortableFillStores) {
  std::mt19937 rng(5309);
  for (int round = 0; round < 3000; ++round) {
    const size_t count = RandomLength(rng);
    const size_t before = rng() % 8;  // the run's alignment, and pixels that must stay
    const size_t after = rng() % 8;
    const uint32_t value = rng() % 3 == 0 ? 0 : rng();
    std::vector<uint32_t> fast = RandomPixels(rng, before + count + after);
    std::vector<uint32_t> portable = fast;
    raster::FillRun(fast.data() + before, count, value);
    raster::portable::FillRun(portable.data() + before, count, value);
    ASSERT_EQ(fast, portable) << "round " << round << ": " << count << " pixels at " << before;
  }
}

TEST(FastPaths, SolidInkPaintsWhatThePortableInkPaints) {
  std::mt19937 rng(7741);
  for (int round = 0; round < 3000; ++round) {
    const size_t span = rng() % 4 == 0 ? RandomLength(rng) : rng() % 40;
    const size_t rows = rng() % 6;
    const size_t stride = span + rng() % 9;
    const size_t coverage_stride = span + rng() % 5;
    const size_t before = rng() % 8;
    // Runs of blank coverage, as between the glyphs of a line, and dense ink.
    const unsigned density = rng() % 5;
    std::vector<uint8_t> coverage(rows * coverage_stride + 1);
    bool blank_run = false;
    for (size_t i = 0; i < coverage.size(); ++i) {
      if (i % 8 == 0) blank_run = rng() % 3 == 0;
      coverage[i] = !blank_run && rng() % 4 < density ? 255 : 0;
    }
    std::vector<uint32_t> fast = RandomPixels(rng, before + rows * stride + span + 8);
    std::vector<uint32_t> portable = fast;
    const uint32_t solid = rng() & 0xFFFFFF;
    const auto ink = [&](std::vector<uint32_t>& pixels) {
      return InkRows{pixels.data() + before, stride, coverage.data(), coverage_stride, rows, span};
    };
    PaintSolidRows(ink(fast), solid);
    portable::PaintSolidRows(ink(portable), solid);
    ASSERT_EQ(fast, portable) << "round " << round << ": " << rows << " rows of " << span << " at " << before;
  }
}

}  // namespace
}  // namespace vellumar
