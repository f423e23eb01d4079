#include "platform/drawing/draw_icon.h"

#include "platform/geometry.h"
#include "platform/pictures/icon_drawing.h"

namespace vellumar {

void DrawIcon(DeviceContext& dc, int32_t x, int32_t y, const StdPicture& icon) {
  Bitmap* target = dc.bitmap();
  if (icon.Type() != PictureType::kIcon || target == nullptr) return;
  const int32_t scale = dc.scale();
  const int32_t side = kStandardIconSize * scale;
  pictures::DrawIconImage(*target, dc.DeviceBounds(), SaturateToInt32(int64_t{x} * scale),
                          SaturateToInt32(int64_t{y} * scale), side, side, icon.IconFor(side),
                          dc.GetBkColor());
}

}  // namespace vellumar
