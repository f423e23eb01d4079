// One head of a QTabBar painted by the control's painter into an image of its own, which the style draws at
// the tab's place: the strip's background under the tab's own rectangle, the head in its role with its
// picture and caption, and transparency wherever the head's drawing reaches past the tab into its neighbours.
// Heads on the left and right are painted as heads on top and turned, their captions with them; right-to-left
// bars keep each head's drawing and mirror where it stands in its tab.
#pragma once

#include <QtCore/QRect>
#include <QtGui/QImage>
#include <QtGui/QTransform>
#include <QtWidgets/QStyleOption>

#include "app/qt/tab_look.h"

namespace vellumar {

enum class HeadContent { kWhole, kShape };

struct TabHeadImage {
  QImage image;          // device pixels, with the device pixel ratio set; null when nothing shows
  QTransform placement;  // from the image's logical pixels to the widget's
  QRect icon_area;       // where a sharper icon goes, in the image's logical pixels; empty for none
};

// The head of tab in look at scale device pixels per logical pixel, limited to the part of the widget that
// bounds holds (so that a tab of any width gives a small image). widget may be null.
TabHeadImage PaintTabHeadImage(const QStyleOptionTab& tab, const QWidget* widget, const TabLook& look,
                               HeadContent content, int scale, const QRect& bounds);

// The head width that fits tab's caption and icon in font, as a new tab of the control gets it.
int FittingHeadWidth(const QStyleOptionTab& tab, const QFont& font);

// The caption font of a widget painted in look.
QFont CaptionFontFor(const TabLook& look, const QWidget* widget);

// A tab picture for icon at size (logical pixels) and scale: the icon's image at scale 1; at larger scales a
// picture of the same size that draws nothing, over which the style draws the icon's sharp image itself.
StdPictureRef TabPictureOf(const QIcon& icon, const QSize& size, int scale);

}  // namespace vellumar
