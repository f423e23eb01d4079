// The look a tab bar is painted in: the strip's thirteen colours, its caption font and its height, starting
// from the control's defaults, and where its heads stand inside Qt's tab rectangles.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QPalette>
#include <optional>

#include "control/default_look.h"
#include "platform/ole_color.h"
#include "platform/text/std_font.h"
#include "render/tab_piece_painter.h"

namespace vellumar {

struct TabLook {
  TabStripColors colors;              // as the control's defaults, see DefaultTabLook
  std::optional<QFont> caption_font;  // none: the font of the widget painted
  int tab_height = kDefaultTabHeight;
};

TabLook DefaultTabLook();

// The colour a Qt widget shows for an OLE colour (system colours translated), invalid when none.
QColor QColorOfOle(OleColor color);
// An RGB OLE colour; an invalid colour gives fallback.
OleColor OleColorOf(const QColor& color, OleColor fallback);
// The control's font for a Qt font: family, point size (pixel sizes converted at 96 dpi), weight and style.
StdFontRef StdFontOf(const QFont& font);

// palette with the colours of text on a page of page's colour chosen so that they read (black or white,
// whichever contrasts more, where the palette's own contrast less than 4.5:1).
QPalette PagePalette(QPalette palette, const QColor& page);
// The contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// A Qt tab rectangle holds its head and the gap that follows it; the first one also holds the columns left
// of the first head. Along the strip's depth it holds the strip and the page frame's rows that a selected
// head reaches into.
inline constexpr int kPageRowsInTab = 2;
// The extent along the strip of a tab whose head is head_width pixels wide, saturating.
int TabExtentOfHead(int head_width, bool first);
// The head's width in a tab extent pixels long: TabExtentOfHead's inverse.
int HeadWidthOfTab(int extent, bool first);
// The tab's depth across the strip: the strip's height and the page rows, at least 1.
int TabDepth(int tab_height);

}  // namespace vellumar
