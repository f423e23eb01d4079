// Rounding, the body gradient's size and the choice of layout, shared by both layouts.
#include "render/tab_painter_common.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vellumar {
namespace {

constexpr int32_t kGradientShrink = 5;
// Alignments 2 and 3 paint the top layout like 0.
constexpr int32_t kLastTopAlignment = 3;
constexpr int32_t kBottomAlignment = 1;

}  // namespace

int32_t RoundToPixel(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::nearbyint(std::clamp(value, kLow, kHigh)));
}

int32_t BodyGradientSize(int32_t tab_height) {
  return SaturatingSub(tab_height, kGradientShrink);
}

const StripLayout* LayoutForAlignment(int32_t alignment) {
  if (alignment == kBottomAlignment) return &BottomStripLayout();
  if (alignment >= 0 && alignment <= kLastTopAlignment) return &TopStripLayout();
  return nullptr;
}

}  // namespace vellumar
