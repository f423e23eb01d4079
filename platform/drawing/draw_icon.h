// Icon pictures drawn on a device context.
#pragma once

#include <cstdint>

#include "platform/drawing/device_context.h"
#include "platform/pictures/picture.h"

namespace vellumar {

// Draws an icon picture at (x, y) at the standard icon size (scaled when its image has another size), from
// the image that suits the context's scale: transparent pixels leave the destination as it was.
void DrawIcon(DeviceContext& dc, int32_t x, int32_t y, const StdPicture& icon);

}  // namespace vellumar
