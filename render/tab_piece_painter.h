// The pieces of a tab strip painted one at a time, for a host that lays out and orders the heads itself (a
// style painting another toolkit's tab bar): one head in one role, the strip background and the page's frame,
// each into a device context the caller gives, at its scale and clip box. Each piece runs the same steps as
// the control's repaint, so the background, the frame and the heads drawn in the repaint's order are the
// repaint's own pixels wherever no two heads reach the same pixel.
#pragma once

#include <cstdint>
#include <string>

#include "platform/drawing/device_context.h"
#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/pictures/picture.h"
#include "platform/text/std_font.h"
#include "render/tab_painter_common.h"

namespace vellumar {

// The strip's thirteen colours, as the control's members hold them (system-colour references included).
struct TabStripColors {
  OleColor back = 0;         // BackColor: the selected head and the bodies' gradient
  OleColor back_form = 0;    // BackColorForm: the strip background
  OleColor fore = 0;         // ForeColor: a plain head's caption
  OleColor fore_active = 0;  // ForeColorActive: the selected head's caption
  OleColor fore_hot = 0;     // ForeColorHot: the hot head's caption
  OleColor frame = 0;        // FrameColor: outlines and the page's frame
  OleColor mask = 0;         // MaskColor: the pictures' transparent colour
  OleColor hot_band[3] = {};
  OleColor focus_band[3] = {};
};

// The client area the strip belongs to, at the device context's origin in its logical pixels, with the
// strip of tab_height rows along its top edge or its bottom edge.
struct TabStripGeometry {
  int32_t width = 0;
  int32_t height = 0;
  int32_t tab_height = 0;
  bool bottom = false;
};

struct TabStripState;
// Gives the state's colour members the thirteen colours.
void TakeTabStripColors(TabStripState& state, const TabStripColors& colors);

// One head: where the control's layout put it (TabLeft) and the tab's own record.
struct TabHead {
  int32_t left = 0;
  int32_t width = 0;      // any value, as TabWidth
  std::string caption;    // "&" marks the access key
  StdPictureRef picture;  // none for no picture
  TabHeadRole role = TabHeadRole::kPlain;
};

// The rectangles the control's repaint gives the strip background and the page's frame.
Rect TabStripBackgroundRect(const TabStripGeometry& geometry);
Rect TabPageFrameRect(const TabStripGeometry& geometry);

void PaintTabStripBackground(DeviceContext& dc, const Rect& strip, OleColor back_form);
void PaintTabPageFrame(DeviceContext& dc, const Rect& page, OleColor frame);

// The head's outline, its body or its selected head with the bands of its role, its picture and its caption
// in font. The context's font and text colour are left as they were. Returns the part of the picture drawn,
// empty for none, so that a host can draw a sharper image of it on top.
Rect PaintTabHead(DeviceContext& dc, const TabStripGeometry& geometry, const TabStripColors& colors,
                  const StdFontRef& font, const TabHead& head);

}  // namespace vellumar
