// The control's persistent image as something Qt can draw.
#pragma once

#include <QtCore/QRect>
#include <QtGui/QImage>

#include "platform/bitmap.h"

namespace vellumar {

// A copy of the part of a colour bitmap that area covers (clipped to the bitmap), in QImage::Format_RGB32.
// The bitmap's pixels are 0x00BBGGRR (red in the low byte) and Qt's are 0xFFRRGGBB, so every pixel is
// rearranged; the copy also keeps Qt from depending on the bitmap's buffer staying put. An area outside
// the bitmap gives a null image.
QImage ToQImage(const Bitmap& bitmap, const QRect& area);

}  // namespace vellumar
