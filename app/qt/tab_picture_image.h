// Tab pictures to and from Qt's images. A Qt picture reaches a tab the way the control's own pictures do:
// as a bitmap whose transparent parts carry the colour of the control's hidden picture box, the default
// mask colour, so that the painters leave them out.
#pragma once

#include <QtGui/QIcon>
#include <QtGui/QImage>

#include "platform/ole_color.h"
#include "platform/pictures/picture.h"

namespace vellumar {

// The side of the image a QIcon gives a tab, as QTabWidget's default icon size.
inline constexpr int kTabIconSide = 16;

// A bitmap picture of image: pixels at least half opaque keep their colour, the others become the hidden
// picture box's background. The picture carries its BMP file bytes, so that a form can save it. A null
// image gives no picture; an image larger than a picture file may be throws HostError 481.
StdPictureRef PictureOfImage(const QImage& image);
// The picture of an icon at kTabIconSide pixels; a null icon gives no picture.
StdPictureRef PictureOfIcon(const QIcon& icon);

// A tab picture as Qt shows it: a bitmap's pixels of the mask colour mask (RGB) become transparent, an
// icon keeps its own mask. No picture, or one of another type, gives a null icon.
QIcon IconOfPicture(const StdPictureRef& picture, ColorRef mask);

}  // namespace vellumar
