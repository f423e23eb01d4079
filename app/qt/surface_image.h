// The control's persistent image as something Qt can draw.
#pragma once

#include <QtGui/QImage>

#include "platform/geometry.h"
#include "platform/raster/bitmap.h"

namespace vellumar {

// Copies the pixels of area (clipped to both) from a colour bitmap into image, a QImage::Format_RGB32 image
// of the same coordinates. The bitmap's pixels are 0x00BBGGRR (red in the low byte) and Qt's are 0xFFRRGGBB,
// so every pixel is rearranged; that is why an image that shows a bitmap is kept and only its changed areas
// are copied.
void CopyIntoImage(const Bitmap& bitmap, const Rect& area, QImage& image);

}  // namespace vellumar
