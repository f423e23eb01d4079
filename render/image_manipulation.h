// cImageManipulation: paints pictures so that every pixel of the mask colour lets the background show.
#pragma once

#include <cstdint>

#include "platform/drawing/device_context.h"
#include "platform/ole_color.h"
#include "platform/pictures/picture.h"

namespace vellumar {

class cImageManipulation {
 public:
  // Copies the width x height area at (x_src, y_src) of src to (x_dest, y_dest) of dest, except the pixels
  // equal to mask (translated), which leave dest as it was. A monochrome source is mapped through src's text
  // (0 bits) and background (1 bits) colours first. palette is accepted for the old interface and unused.
  void PaintTransparentDC(DeviceContext& dest, int32_t x_dest, int32_t y_dest, int32_t width, int32_t height,
                          const DeviceContext& src, int32_t x_src, int32_t y_src, OleColor mask,
                          int32_t palette = 0);

  // Bitmaps are painted through PaintTransparentDC; icons are first drawn at the standard icon size on a
  // buffer filled with the mask colour. Nothing is drawn for no picture or any other picture type.
  void PaintTransparentPicture(DeviceContext& dest, const StdPicture* picture, int32_t x_dest, int32_t y_dest,
                               int32_t width, int32_t height, int32_t x_src, int32_t y_src, OleColor mask,
                               int32_t palette = 0);
};

}  // namespace vellumar
