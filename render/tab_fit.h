// The width a new tab's head needs for its caption and picture, for hosts that size tabs themselves.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/drawing/device_context.h"

namespace vellumar {

// The head width at which caption (with its "&" markers) shows on one line in dc's font beside a picture
// picture_width pixels wide (GetPictureSize's measure, rounded as the painters round it): the painters start
// the caption kCaptionInset pixels past the picture, and the same margin follows it. Saturates at the
// 32-bit range; a negative picture width counts as none.
int32_t FittingTabWidth(DeviceContext& dc, std::string_view caption, float picture_width);

}  // namespace vellumar
