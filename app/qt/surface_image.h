// The control's images as something Qt can draw.
#pragma once

#include <QtCore/QPoint>
#include <QtCore/QRect>

#include "platform/raster/bitmap.h"

class QPainter;

namespace vellumar {

// Draws a colour bitmap into target (logical pixels), scale device pixels of the bitmap for each logical
// pixel, starting at the bitmap's device pixel source; a target reaching beyond the bitmap is drawn only as
// far as the bitmap goes.
//
// The bitmap's pixels are 0x00BBGGRR words: red, green, blue and a zero byte in memory. That is the byte
// order of QImage::Format_RGBX8888 but not its promise of 0xFF in the fourth byte: drawn as it is, the
// zero reads as transparency wherever the target keeps alpha (a grab of a child widget), and Qt has no
// other opaque 32-bit format with red first. So the part drawn is read through an image over the bitmap's
// own buffer and converted to QImage::Format_RGB32 in one pass on its way to the painter; nothing else of
// the bitmap is copied, and no second image is kept.
void DrawBitmap(QPainter& painter, const QRect& target, const Bitmap& bitmap, QPoint source, int scale);

}  // namespace vellumar
