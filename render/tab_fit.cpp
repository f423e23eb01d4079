#include "render/tab_fit.h"

#include <algorithm>
#include <limits>

#include "render/tab_painter_common.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

// Wide enough that no caption breaks, narrow enough that adding to it cannot overflow.
constexpr int32_t kUnbrokenWidth = std::numeric_limits<int32_t>::max() / 2;

}  // namespace

int32_t FittingTabWidth(DeviceContext& dc, std::string_view caption, float picture_width) {
  const auto length =
      static_cast<int32_t>(std::min<size_t>(caption.size(), std::numeric_limits<int32_t>::max()));
  Rect text{0, 0, kUnbrokenWidth, 0};
  MeasureText(dc, caption, length, text);
  const int64_t margins = 2 * RoundToPixel(kCaptionInset);
  const int64_t width = int64_t{std::max(text.right, 0)} + std::max(RoundToPixel(picture_width), 0) + margins;
  return static_cast<int32_t>(std::min<int64_t>(width, std::numeric_limits<int32_t>::max()));
}

}  // namespace vellumar
