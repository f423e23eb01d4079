// The fixed pictures of the info page and the about box, drawn by code: small tab strips painted by the
// control itself, a window icon and two emblems.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vellumar {

enum class SampleStrip {
  kTopFocused,     // tabs on top, the first selected, with the focus band
  kBottom,         // tabs at the bottom, the second selected
  kTopHotTracked,  // tabs on top, the pointer over the third
};

// A tab strip of the given size as the control paints it; a plain surface if painting fails.
QPixmap SampleStripPixmap(SampleStrip sample, QSize size);
// A page with a raised tab head, 16 x 15 pixels (the about box's emblem) or 16 x 16 (the window icon).
QPixmap TabPageEmblem(QSize size);
QIcon AboutWindowIcon();
// Three small tab heads in a row, the middle one selected, 72 x 16 pixels.
QPixmap TabHeadsBadge();

}  // namespace vellumar
